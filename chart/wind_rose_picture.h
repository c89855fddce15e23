#pragma once
// The wind roses of a weather file side by side: the roses of all hours and of the ventilation
// hours, each with its 16 sectors as bars stacked by speed class from a calm circle outwards,
// rings of equal share, the calm share and the prevailing sector under it, and the speed key.
#include <string_view>

#include "chart/chart_canvas.h"
#include "core/wind_rose.h"
#include "text/language.h"

namespace qav {

/// Redraws the canvas with the two roses; pixelWidth and pixelHeight are the canvas units of one
/// screen pixel. Both roses share one scale, so their bars compare. The second rose is headed
/// `secondHeading`, or as the ventilation hours' without one (the window shows a season there).
void DrawWindRoses(ChartCanvas& canvas, const WindRose& all, const WindRose& ventilation, int pixelWidth,
                   int pixelHeight, Language language, std::string_view title, std::string_view secondHeading = {});

/// The colour of speed class 0..4.
Rgb WindClassColour(int speedClass);

}  // namespace qav
