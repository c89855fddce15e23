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
    if (state.ShowsRecordedHours()) DrawRecordedHoursCaption(chart, state);
}

void DrawRecordedHoursCaption(ChartCanvas& chart, const AnalysisState& state)
{
    // Below the legend's quarter marks, with the legend's measures: ten rows of TH + one pixel
    // from 2 TH, then one and a half rows of space and four marks of 14 pixels.
    const double th = chart.TextHeight("W"), pw = state.Layout.PixelWidth, ph = state.Layout.PixelHeight;
    const double step = th + pw;
    const double y = 9 * step + 2 * th + 1.5 * step + 4 * 14 * ph + 0.5 * step;
    chart.MoveTo(chart.TextWidth("88"), y);
    chart.SetFontBold(true);
    chart.PrintText("Recorded hours (" + std::to_string(state.CurrentRecorded()->HoursUsed) + " h of the weather file)");
    chart.SetFontBold(false);
}

void RenderGraph(ChartCanvas& graph, const AnalysisState& state)
{
    DrawMonthlyGraph(graph, state.Current(), state.Layout.PixelWidth, state.Layout.PixelHeight);
}

}  // namespace qav
