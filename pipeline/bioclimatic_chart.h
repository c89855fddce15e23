#pragma once
// The chart procedure: the visible bioclimatic chart and, from the same zone vertices, the
// hidden zone map that classifies the hours. It joins the chart layer (frame, outlines) and the
// classification layer (zone map).
#include "chart/chart_canvas.h"
#include "chart/chart_frame.h"
#include "chart/chart_scale.h"
#include "core/psychrometrics.h"

namespace qav {

/// Clears both canvases, draws the chart with its rotated axis title, zone outlines and
/// letters, then paints the zone map. Returns the zone vertices.
ZoneVertices DrawBioclimaticChart(ChartCanvas& chart, ChartCanvas& zoneMap, const ChartScale& scale,
                                  const Psychrometrics& psy, char decimalSeparator = '.',
                                  Language language = Language::English);

}  // namespace qav
