#pragma once
// The chart's legend: the location, the ten strategies with their yearly shares and the key of
// the quarters' colours.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_canvas.h"
#include "chart/chart_scale.h"
#include "text/language.h"
#include "chart/strategy.h"
#include "core/location.h"

namespace qav {

/// The legend over the upper left corner of the chart: location, the ten strategies with their
/// shares ([1..10], percent; a share of 0 left blank), the strategies in top[1..3] highlighted
/// (0: none) and the key of the quarters; a caption (what the shares count, a warming) goes
/// below the key when given.
void DrawLegend(ChartCanvas& chart, const ChartScale& scale, const float (&shares)[kStrategies + 1],
                const std::array<int, 4>& top, const LocationRecord& location, char decimalSeparator = '.',
                std::string_view caption = {}, Language language = Language::English);

/// The text in lines no wider than width (canvas units), broken at spaces; a word wider than the
/// width takes a line of its own.
std::vector<std::string> WrapText(const ChartCanvas& chart, std::string_view text, double width);

/// The strategy (1..10) of the legend row at canvas point (x, y), measured as DrawLegend lays the
/// rows out on this canvas; 0 outside the rows.
int LegendRowAt(const ChartCanvas& chart, const ChartScale& scale, double x, double y);

}  // namespace qav
