#include "pipeline/rendering.h"

#include "pipeline/comfort_output.h"

#include "chart/hour_plots.h"
#include "chart/legend.h"
#include "chart/monthly_graph.h"
#include "text/picture_texts.h"
#include "classify/classification.h"
#include "classify/recorded_classification.h"
#include "classify/zone_map.h"
#include "text/month_names.h"
#include "text/station_source_texts.h"
#include "data/station_catalogue.h"
#include "pipeline/bioclimatic_chart.h"
#include "pipeline/chart_readout.h"

namespace qav {

void RenderChart(ChartCanvas& chart, const AnalysisState& state, char decimalSeparator, Language language,
                 int highlighted)
{
    // The hours are classified in the state already, so a picture needs no zone map: the frame
    // procedure only clears the one it is given.
    RasterCanvas noZoneMap(0, 0, state.Layout.PixelWidth, state.Layout.PixelHeight);
    DrawChartFrameAndZones(chart, noZoneMap, state.Scale, Psychrometrics(state.Pressure), decimalSeparator, language);
    DrawHoursAndLegend(chart, state, decimalSeparator, language, highlighted);
}

void DrawHoursAndLegend(ChartCanvas& chart, const AnalysisState& state, char decimalSeparator, Language language,
                        int highlighted)
{
    const LitHours lit = highlighted > 0 ? LitHoursOf(state, highlighted) : LitHours{};
    const HourEmphasis emphasis = highlighted > 0 ? lit.Emphasis(state) : HourEmphasis{};
    if (state.ShowsRecordedHours()) {
        PlotRecordedHours(chart, state.Scale, state.CurrentRecorded()->Hours, CountedHoursOf(state.Filter), emphasis);
        // Thousands of dots would hide the zone letters drawn with the frame.
        DrawZoneLetters(chart, state.Scale);
    } else {
        PlotHours(chart, state.Scale, state.Hours, CountedHoursOf(state.Filter), emphasis);
    }
    // A chart of recorded hours says so in its caption, before what the shares count.
    std::string caption = AnalysisCaption(state, language);
    if (state.ShowsRecordedHours()) {
        const std::string mark = FilledText(PictureText(language, picture_text::kRecordedHours),
                                            {std::to_string(state.CurrentRecorded()->HoursUsed)});
        caption = caption.empty() ? mark : mark + "; " + caption;
    }
    const StrategyTally& shown = state.ShownTally();
    DrawLegend(chart, state.Scale, shown.YearShare, shown.TopStrategy, state.Current(), decimalSeparator, caption,
               language);
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

std::string HourFilterText(const HourFilter& f, Language language)
{
    if (language == Language::English) return DescribeHourFilter(f);
    const std::string all(PictureText(language, picture_text::kAllHours));
    if (f.IsAll()) return all;
    std::string text =
        f.HourCount() == 24 ? all : FilledText(PictureText(language, picture_text::kHours), {HourRangeText(f)});
    if (f.MonthCount() == 12) return text;
    const auto month = [&](int m) { return std::string(Translated(language, "qav::Month", kMonthName[m])); };
    text += ", ";
    text += month(f.FirstMonth);
    if (f.LastMonth != f.FirstMonth) {
        text += '-';
        text += month(f.LastMonth);
    }
    return text;
}

std::string WarmingText(const Warming& warming, Language language)
{
    if (language == Language::English) return DescribeWarming(warming);
    if (warming.Uniform()) {
        // "+1.5 °C" with the language's decimal separator.
        std::string text = DescribeWarming(warming);
        for (char& c : text)
            if (c == '.') c = DecimalSeparatorOf(language);
        return text;
    }
    return std::string(PictureText(language, picture_text::kMonthlyChanges));
}

std::string AnalysisCaption(const HourFilter& filter, const Warming* warming, Language language)
{
    std::string caption;
    if (!filter.IsAll())
        caption = FilledText(PictureText(language, picture_text::kCounted), {HourFilterText(filter, language)});
    if (warming) {
        if (!caption.empty()) caption += "; ";
        caption += FilledText(PictureText(language, picture_text::kWhatIf), {WarmingText(*warming, language)});
    }
    return caption;
}

namespace {

std::string_view StationText(Language language, const char* english)
{
    return Translated(language, "qav::StationSource", english);
}

}  // namespace

std::string StationName(const StationTag& station, Language language)
{
    namespace st = station_source_text;
    return FilledText(StationText(language, station.Agency == "INMET" ? st::kInmet : st::kWmo),
                      {std::to_string(station.Wmo)});
}

std::string StationCaption(const StationTag& station, Language language)
{
    namespace st = station_source_text;
    return FilledText(StationText(language, station.RhDerived ? st::kCaptionDerived : st::kCaption),
                      {StationName(station, language), station.Period});
}

std::string StationCaption(const LocationRecord& location, Language language)
{
    const std::optional<StationTag> tag = ParseStationSourceField(location.DataSource);
    return tag ? StationCaption(*tag, language) : std::string();
}

std::string AnalysisCaption(const AnalysisState& state, Language language)
{
    const std::string station = StationCaption(state.Current(), language);
    const std::string options = AnalysisCaption(state.Filter, state.Warmed ? &*state.WarmingAsked : nullptr, language);
    return station.empty() ? options : options.empty() ? station : station + "; " + options;
}

CountedMonths CountedMonthsOf(const HourFilter& filter)
{
    CountedMonths counted{};
    for (int m = 1; m <= kMonths; ++m) counted[static_cast<std::size_t>(m)] = filter.IncludesMonth(m);
    return counted;
}

void RenderGraph(ChartCanvas& graph, const AnalysisState& state, Language language, std::string_view title)
{
    // The chart's own comfort zone keeps the fixed band; an adaptive model draws its own.
    if (state.Comfort != ComfortModel::Givoni) return RenderAdaptiveGraph(graph, state, state.Comfort, language, title);
    DrawMonthlyGraph(graph, state.Current(), state.Layout.PixelWidth, state.Layout.PixelHeight, language, title,
                     CountedMonthsOf(state.Filter));
}

}  // namespace qav
