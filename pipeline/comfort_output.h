#pragma once
// The adaptive comfort and the wind of an analysis: its JSON keys, and the figures the pictures,
// the report and the window take from it.
#include <string>

#include "chart/chart_canvas.h"
#include "core/adaptive_comfort.h"
#include "core/wind_rose.h"
#include "pipeline/analysis_state.h"
#include "pipeline/option_error.h"

namespace qav {

/// A refusal worded by one of comfort_text's texts.
OptionError ComfortRefusal(const char* wording, std::initializer_list<std::string_view> parts);

/// --comfort: "givoni" (the default), "ashrae55" or "en16798"; anything else throws OptionError.
ComfortModel ParseComfortOption(const std::string& text);

/// The model the adaptive pictures and tables show: the one chosen, ASHRAE 55 under the chart's.
ComfortModel AdaptiveModelShown(const AnalysisState& state);

/// The adaptive year of the hours the chart shows: the recorded ones when it shows them.
AdaptiveYear ShownAdaptiveYear(const AnalysisState& state, ComfortModel model);

/// The roses of the analysed recorded hours; none without them. The ventilation rose holds the
/// hours the recorded classification counted as Ventilation (F).
std::optional<WindRoses> RecordedWindRoses(const AnalysisState& state);

/// The monthly graph with the model's adaptive band over the hours the chart shows.
void RenderAdaptiveGraph(ChartCanvas& graph, const AnalysisState& state, ComfortModel model, Language language,
                         std::string_view title);

/// The roses of all and of the ventilation hours; a blank canvas without recorded hours.
void RenderWindRoses(ChartCanvas& canvas, const AnalysisState& state, Language language, std::string_view title);

/// The keys appended to an analysis's JSON object, each with its leading comma: "adaptive" (both
/// models on the typical days) and, for recorded hours with withRecorded, "recorded_adaptive"
/// and "wind". Limits and temperatures to two decimals; the counts use the unrounded values and
/// are null for a month outside the model's range.
std::string ComfortJson(const AnalysisState& state, bool withRecorded);

}  // namespace qav
