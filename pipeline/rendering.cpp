#include "pipeline/rendering.h"

#include "chart/monthly_graph.h"
#include "classify/classification.h"
#include "classify/recorded_classification.h"
#include "classify/zone_map.h"
#include "pipeline/bioclimatic_chart.h"

namespace qav {

void RenderChart(ChartCanvas& chart, const AnalysisState& state, CLogFont* rotatedFont, char decimalSeparator)
{
    // The hours are classified in the state already, so a picture needs no zone map: the frame
    // procedure only clears the one it is given.
    RasterCanvas noZoneMap(0, 0, state.Layout.PixelWidth, state.Layout.PixelHeight);
    DrawChartFrameAndZones(chart, noZoneMap, state.Scale, Psychrometrics(state.Pressure), rotatedFont,
                           decimalSeparator);
    DrawHoursAndLegend(chart, state, decimalSeparator);
}

void DrawHoursAndLegend(ChartCanvas& chart, const AnalysisState& state, char decimalSeparator)
{
    const RecordedYear* recorded = state.CurrentRecorded();
    if (recorded && state.View == HoursView::Recorded)
        PlotRecordedHours(chart, state.Scale, recorded->Hours);
    else
        PlotHours(chart, state.Scale, state.Hours);
    DrawLegend(chart, state.Scale, state.ShownTally(), state.Current(), decimalSeparator);
}

void RenderGraph(ChartCanvas& graph, const AnalysisState& state)
{
    DrawMonthlyGraph(graph, state.Current(), state.Layout.PixelWidth, state.Layout.PixelHeight);
}

}  // namespace qav
