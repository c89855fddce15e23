#pragma once
// The adaptive comfort band drawn on the monthly graph: for each month the band of the model's
// acceptability limits (ASHRAE 55: 80 % outside, 90 % inside; EN 16798-1: categories III, II, I),
// the comfort temperature across it and, for ASHRAE 55, the upper limit raised by fans at 0.9 m/s
// as a dotted line. A month outside the model's range has no band.
#include <string_view>

#include "chart/chart_canvas.h"
#include "core/adaptive_comfort.h"
#include "text/language.h"

namespace qav {

inline constexpr int kTopT = 40, kBottomT = -12;  // degrees C at the top and bottom of the graph's plot
inline constexpr Rgb kAdaptiveKeyColour = MakeRgb(255, 226, 140);

/// Where the monthly graph puts its plot and how it scales temperature and humidity.
struct Geometry {
    double px, py;
    double Ytop, Ybottom, Xleft, Xright, C, S, R;
    double XCentre(int m) const { return Xleft + C / 2 + (m - 1) * C; }
    double YOfT(double t) const { return Ytop + (kTopT - t) * S; }
    double YOfRH(double h) const { return Ybottom - h * R; }
};

/// Paints the bands over the plot's background, under the bars.
void DrawAdaptiveBands(ChartCanvas& canvas, const Geometry& g, const AdaptiveYear& year);

/// The key's text for the model.
std::string_view AdaptiveBandKey(const AdaptiveYear& year, Language language);

}  // namespace qav
