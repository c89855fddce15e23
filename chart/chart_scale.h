#pragma once
// The fixed mapping from (dry-bulb temperature, humidity ratio) to canvas coordinates, shared by
// the visible chart, the zone map and the plotted hours. Computed once from the chart canvas's
// size; the 16-bit fields are rounded to the nearest integer, ties to even.
#include <cstdint>

namespace qav {

struct ChartScale {
    std::int16_t DegreeWidth = 0;   // canvas units per degree C
    std::int16_t TMin = -18;        // degrees C at the left edge of the plot
    std::int16_t TMax = 44;         // degrees C at the right edge
    std::int16_t WMax = 28;         // g/kg at the top edge
    std::int16_t X0 = 0;            // canvas x of TMin
    std::int16_t X1 = 0;            // canvas x of TMax
    std::int16_t YTop = 0;          // canvas y of WMax
    std::int16_t YBase = 0;         // canvas y of humidity ratio 0
    float GramHeight = 0;           // canvas units per g/kg
    std::int16_t PixelWidth = 15;   // canvas units per screen pixel, horizontally
    std::int16_t PixelHeight = 15;  // canvas units per screen pixel, vertically

    double XOf(double t) const { return (t - TMin) * DegreeWidth + X0; }
    double YOf(double w) const { return YBase - static_cast<double>(GramHeight) * w; }
    double TOf(double x) const { return TMin + (x - X0) / DegreeWidth; }

    friend bool operator==(const ChartScale&, const ChartScale&) = default;
};

/// The plot takes 62 of 72 degree widths: margins of 2 on the left and at the top, 8 on the
/// right (humidity labels, axis title) and at the bottom (temperature labels, chart title).
ChartScale MakeChartScale(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight);

/// x to the nearest 16-bit integer, halves to even, held within the 16-bit range.
std::int16_t RoundToInt16(double x);

}  // namespace qav
