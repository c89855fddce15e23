#pragma once
// The pictures of the last analysis drawn again on a canvas of the caller's choice (a vector
// drawing, a picture at another pixel density), from the state alone and without changing it.
#include "chart/chart_canvas.h"
#include "chart/clogfont.h"
#include "classify/raster_canvas.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// The zone map that the last run classified on: the state's zone vertices painted at its
/// pressure, at the chart's size.
RasterCanvas ZoneMapOf(const AnalysisState& state);

/// Draws the chart as the last run left it: frame, rotated title, zones, the hours of the view
/// shown (month polylines or recorded dots) and the legend of the shown tally. The canvas should
/// have the chart's size; the classification runs on a scratch zone map and is discarded.
void RenderChart(ChartCanvas& chart, const AnalysisState& state, CLogFont* rotatedFont,
                 char decimalSeparator = '.');

/// Draws the monthly graph of the current location on a canvas of the graph's size.
void RenderGraph(ChartCanvas& graph, const AnalysisState& state);

}  // namespace qav
