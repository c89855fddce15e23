#pragma once
// The monthly climate graph: for each month a bar from the mean minimum to the mean maximum
// dry-bulb temperature (left scale, -12 to 40 C) and the mean relative humidity as a line with
// markers (right scale, 0 to 100 %), over the 18 to 29 C comfort band.
#include <array>
#include <string_view>

#include "chart/chart_canvas.h"
#include "text/language.h"
#include "core/adaptive_comfort.h"
#include "core/location.h"

namespace qav {

/// Months the shares count, [1..12].
using CountedMonths = std::array<bool, kMonths + 1>;
inline constexpr CountedMonths kEveryMonth{true, true, true, true, true, true, true,
                                           true, true, true, true, true, true};

/// Redraws the whole graph in the canvas's size; pixelWidth and pixelHeight are the canvas
/// units of one screen pixel. Text and grid dots use the canvas's fore colour and font. A band
/// over the plot holds the title (none when empty), the axes' units and the comfort band's key;
/// the months left out of the shares are washed out. With an adaptive year the fixed band gives way
/// to each month's adaptive band (adaptive_graph.cpp).
void DrawMonthlyGraph(ChartCanvas& canvas, const LocationRecord& location, int pixelWidth, int pixelHeight,
                      Language language = Language::English, std::string_view title = {},
                      const CountedMonths& counted = kEveryMonth, const AdaptiveYear* adaptive = nullptr);

}  // namespace qav
