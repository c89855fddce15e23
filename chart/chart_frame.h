#pragma once
// The bioclimatic chart for the station pressure of a site: psychrometric frame, rotated axis
// title, strategy zone outlines and letters, and the zone vertices that the zone map is
// painted from.
#include <array>
#include <cstdint>
#include <string>

#include "chart/chart_canvas.h"
#include "chart/chart_scale.h"
#include "text/language.h"
#include "core/psychrometrics.h"

namespace qav {

struct ZoneVertex {
    std::int16_t X = 0;  // canvas units
    std::int16_t Y = 0;
    bool operator==(const ZoneVertex&) const = default;
};

/// Corner points of the strategy zones, V1..V11 and V13..V20. Entries 0, 12, 21 and 22 and the
/// x of V3 and V4 are never assigned and stay 0.
using ZoneVertices = std::array<ZoneVertex, 23>;

/// A straight line y = Slope x + Intercept in canvas coordinates.
struct CanvasLine {
    double Slope = 0;
    double Intercept = 0;
};

/// The wet-bulb line twb drawn straight through its saturation point and its point at
/// TMax - 0.1 degrees C.
CanvasLine WetBulbLine(const ChartScale& scale, const Psychrometrics& psy, int twb);

/// The zone vertices at the pressure of psy, without drawing: a batch run paints the zone map
/// from these and skips the visible chart.
ZoneVertices ComputeZoneVertices(const ChartScale& scale, const Psychrometrics& psy);

/// "QAV <version> - Bioclimatic Chart for pressure of 101.325 kPa (Elev: 0 m)    ".
std::string ChartTitle(const StationPressureValues& pressure, char decimalSeparator = '.',
                       Language language = Language::English);

/// The zone letters, in the fore colour; the frame draws them, and a chart of recorded hours
/// draws them again over its dots.
void DrawZoneLetters(ChartCanvas& chart, const ChartScale& scale);

/// Clears both canvases, then draws the frame, the rotated humidity-axis title, the zone
/// outlines and the letters on the chart, and returns the zone vertices. The zone map is left
/// cleared: DrawBioclimaticChart (pipeline/bioclimatic_chart.h) goes on to paint it. The chart is left
/// with draw width 1, solid lines, black fore colour and its font size as before.
ZoneVertices DrawChartFrameAndZones(ChartCanvas& chart, ChartCanvas& zoneMap, const ChartScale& scale,
                                    const Psychrometrics& psy, char decimalSeparator = '.',
                                    Language language = Language::English);

}  // namespace qav
