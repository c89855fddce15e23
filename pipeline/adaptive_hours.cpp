#include "pipeline/adaptive_hours.h"

#include "pipeline/comfort_output.h"

namespace qav {

AdaptiveHoursGrid ShownAdaptiveHoursGrid(const AnalysisState& state)
{
    const AdaptiveYear year = ShownAdaptiveYear(state, AdaptiveModelShown(state));
    if (state.ShowsRecordedHours()) return RecordedHoursGrid(year, state.CurrentRecorded()->Hours);
    return TypicalHoursGrid(year, state.Hours);
}

void RenderAdaptiveHoursGrid(ChartCanvas& canvas, const AnalysisState& state, Language language, std::string_view title)
{
    DrawAdaptiveHoursGrid(canvas, ShownAdaptiveHoursGrid(state), state.Layout.PixelWidth, state.Layout.PixelHeight,
                          language, title);
}

}  // namespace qav
