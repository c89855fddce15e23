#pragma once
// The analysis pipeline and the selection flow that runs it. Every run is whole: station
// pressure, hourly synthesis, chart and zone map, classification; it fills the state and draws
// on the canvases it is given, and the caller refreshes its own panels afterwards.
#include "chart/chart_canvas.h"
#include "chart/chart_frame.h"
#include "text/language.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// Where a run draws. Only the zone map is required: without a chart canvas the zone vertices
/// are computed without drawing (a headless or batch run), without a graph canvas no graph.
struct PipelineCanvases {
    ChartCanvas& ZoneMap;
    ChartCanvas* Chart = nullptr;
    ChartCanvas* Graph = nullptr;
    char DecimalSeparator = '.';        // of the chart title, legend shares and graph
    Language Lang = Language::English;  // of the texts drawn
    // Set when the zone map already holds the zones of the state's scale at the location's
    // pressure (kept from an earlier run): these are its vertices, and nothing is repainted.
    // Ignored when a chart canvas is given, which draws the zones anew.
    const ZoneVertices* PaintedZones = nullptr;
};

void RunPipeline(AnalysisState& state, PipelineCanvases& canvases);

enum class ShowDataSetOutcome { Loaded, AlreadyShown };

/// Loads a built-in set unless it is the one shown, selects slot 1 and runs the pipeline. On
/// AlreadyShown nothing changes and the caller shows kAlreadyPresentedMessage.
ShowDataSetOutcome ShowDataSet(AnalysisState& state, DataSetKind kind, PipelineCanvases& canvases);

/// Analyses the location of the list entry with the given zero-based index; an index outside
/// the list changes nothing and returns false.
bool SelectLocation(AnalysisState& state, int listIndex, PipelineCanvases& canvases);

/// Replaces the table by one read from a file, marks no built-in set as shown, selects `slot`
/// (slot 1 for a file just read) and runs the pipeline. The table must hold at least one
/// location. Weather files pass the recorded hours of their slots; files names the file of each slot.
void ShowLocationsFromFile(AnalysisState& state, LocationTable table, PipelineCanvases& canvases,
                           RecordedYears recorded = {}, SourceFiles files = {}, int slot = 1);

}  // namespace qav
