#include "pipeline/rendering.h"

#include "chart/hour_plots.h"
#include "chart/legend.h"
#include "chart/monthly_graph.h"
#include "classify/classification.h"
#include "classify/recorded_classification.h"
#include "classify/zone_map.h"
#include "data/station_catalogue.h"
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
        PlotRecordedHours(chart, state.Scale, recorded->Hours, CountedHoursOf(state.Filter));
    else
        PlotHours(chart, state.Scale, state.Hours, CountedHoursOf(state.Filter));
    // A chart of recorded hours says so in its caption, before what the shares count.
    std::string caption = AnalysisCaption(state);
    if (state.ShowsRecordedHours()) {
        const std::string mark =
            "Recorded hours (" + std::to_string(state.CurrentRecorded()->HoursUsed) + " h of the weather file)";
        caption = caption.empty() ? mark : mark + "; " + caption;
    }
    const StrategyTally& shown = state.ShownTally();
    DrawLegend(chart, state.Scale, shown.YearShare, shown.TopStrategy, state.Current(), decimalSeparator, caption);
}

std::string AnalysisCaption(const HourFilter& filter, const Warming* warming)
{
    std::string caption;
    if (!filter.IsAll()) caption = "Counted: " + DescribeHourFilter(filter);
    if (warming) {
        if (!caption.empty()) caption += "; ";
        caption += "What if: " + DescribeWarming(*warming);
    }
    return caption;
}

std::string StationCaption(const LocationRecord& location)
{
    const std::optional<StationTag> tag = ParseStationSourceField(location.DataSource);
    if (!tag) return {};
    return "Station WMO " + std::to_string(tag->Wmo) + ", normals " + tag->Period +
           (tag->RhDerived ? ", humidity derived" : "");
}

std::string AnalysisCaption(const AnalysisState& state)
{
    const std::string station = StationCaption(state.Current());
    const std::string options = AnalysisCaption(state.Filter, state.Warmed ? &*state.WarmingAsked : nullptr);
    return station.empty() ? options : options.empty() ? station : station + "; " + options;
}

void RenderGraph(ChartCanvas& graph, const AnalysisState& state)
{
    DrawMonthlyGraph(graph, state.Current(), state.Layout.PixelWidth, state.Layout.PixelHeight);
}

}  // namespace qav
