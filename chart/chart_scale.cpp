#include "chart/chart_scale.h"

#include <algorithm>
#include <cmath>

namespace qav {

std::int16_t RoundToInt16(double x)
{
    if (std::isnan(x)) return 0;
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(x), double{INT16_MIN}, double{INT16_MAX}));
}

ChartScale MakeChartScale(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight)
{
    ChartScale s;
    // X1 = 64 degree widths must stay within 16 bits; a degree width of at least 1 keeps TOf
    // finite on a canvas too small to draw on.
    s.DegreeWidth = std::clamp<std::int16_t>(RoundToInt16(canvasWidth / 72), 1, 511);
    s.X0 = static_cast<std::int16_t>(2 * s.DegreeWidth);
    s.X1 = static_cast<std::int16_t>(s.X0 + (s.TMax - s.TMin) * s.DegreeWidth);
    s.YTop = static_cast<std::int16_t>(2 * s.DegreeWidth);
    s.YBase = RoundToInt16(canvasHeight - 8.0 * s.DegreeWidth);
    s.GramHeight = static_cast<float>(static_cast<double>(s.YBase - s.YTop) / s.WMax);
    s.PixelWidth = std::clamp<std::int16_t>(RoundToInt16(pixelWidth), 1, INT16_MAX);
    s.PixelHeight = std::clamp<std::int16_t>(RoundToInt16(pixelHeight), 1, INT16_MAX);
    return s;
}

}  // namespace qav
