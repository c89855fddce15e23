#include "pipeline/rendering.h"

#include "chart/monthly_graph.h"
#include "classify/classification.h"
#include "classify/recorded_classification.h"
#include "classify/zone_map.h"
#include "pipeline/bioclimatic_chart.h"

namespace qav {

RasterCanvas ZoneMapOf(const AnalysisState& state)
{
    const ScreenLayout& l = state.Layout;
    RasterCanvas map(l.Picture1.Width, l.Picture1.Height, l.PixelWidth, l.PixelHeight);
    PaintZoneMap(map, state.Scale, state.Vertices, Psychrometrics(state.Pressure));
    return map;
}

void RenderChart(ChartCanvas& chart, const AnalysisState& state, CLogFont* rotatedFont, char decimalSeparator)
{
    // The same steps as the pipeline's drawing, in its order, so the picture is the window's.
    const ScreenLayout& l = state.Layout;
    RasterCanvas zoneMap(l.Picture1.Width, l.Picture1.Height, l.PixelWidth, l.PixelHeight);
    DrawBioclimaticChart(chart, zoneMap, state.Scale, Psychrometrics(state.Pressure), rotatedFont, decimalSeparator);
    const RecordedYear* recorded = state.CurrentRecorded();
    if (recorded && state.View == HoursView::Recorded)
        PlotRecordedHours(chart, state.Scale, recorded->Hours);
    else
        PlotAndClassify(&chart, zoneMap, state.Scale, state.Hours);
    DrawLegend(chart, state.Scale, state.ShownTally(), state.Current(), decimalSeparator);
}

void RenderGraph(ChartCanvas& graph, const AnalysisState& state)
{
    DrawMonthlyGraph(graph, state.Current(), state.Layout.PixelWidth, state.Layout.PixelHeight);
}

}  // namespace qav
