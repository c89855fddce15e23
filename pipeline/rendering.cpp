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

AnalysisCaptionParts CaptionPartsOf(const HourFilter& filter, const Warming* warming)
{
    AnalysisCaptionParts parts;
    if (!filter.IsAll()) parts.Counted = filter;
    if (warming) parts.WhatIf = *warming;
    return parts;
}

AnalysisCaptionParts CaptionPartsOf(const AnalysisState& state)
{
    AnalysisCaptionParts parts = CaptionPartsOf(state.Filter, state.Warmed ? &*state.WarmingAsked : nullptr);
    parts.Station = ParseStationSourceField(state.Current().DataSource);
    return parts;
}

namespace {

std::string EnglishStation(const StationTag& tag)
{
    return "Station WMO " + std::to_string(tag.Wmo) + ", normals " + tag.Period +
           (tag.RhDerived ? ", humidity derived" : "");
}

}  // namespace

std::string EnglishCaption(const AnalysisCaptionParts& parts)
{
    std::string caption;
    const auto add = [&caption](const std::string& part) { caption += (caption.empty() ? "" : "; ") + part; };
    if (parts.Station) add(EnglishStation(*parts.Station));
    if (parts.Counted) add("Counted: " + DescribeHourFilter(*parts.Counted));
    if (parts.WhatIf) add("What if: " + DescribeWarming(*parts.WhatIf));
    return caption;
}

std::string StationCaption(const LocationRecord& location)
{
    const std::optional<StationTag> tag = ParseStationSourceField(location.DataSource);
    return tag ? EnglishStation(*tag) : std::string();
}

void RenderGraph(ChartCanvas& graph, const AnalysisState& state)
{
    DrawMonthlyGraph(graph, state.Current(), state.Layout.PixelWidth, state.Layout.PixelHeight);
}

}  // namespace qav
