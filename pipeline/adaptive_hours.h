#pragma once
// The adaptive hours grid of an analysis: the hours the chart shows (typical days, or a weather
// file's recorded hours in its recorded view) against the band of the comfort model chosen.
#include <string_view>

#include "chart/adaptive_hours_grid.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// The grid of the hours shown against the model's band (ASHRAE 55 under the chart's model).
AdaptiveHoursGrid ShownAdaptiveHoursGrid(const AnalysisState& state);

/// Draws that grid on a canvas; the window's view and a picture file share it.
void RenderAdaptiveHoursGrid(ChartCanvas& canvas, const AnalysisState& state, Language language,
                             std::string_view title);

}  // namespace qav
