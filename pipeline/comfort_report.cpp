#include "pipeline/comfort_report.h"

#include <algorithm>

#include "chart/strategy.h"
#include "core/text_format.h"
#include "pipeline/comfort_output.h"
#include "text/comfort_texts.h"
#include "text/compass_names.h"
#include "text/month_names.h"
#include "text/report_texts.h"

namespace qav {
namespace {

namespace ct = comfort_text;

class ComfortComposer {
  public:
    ComfortComposer(const AnalysisState& state, Language language) : state_(state), language_(language) {}

    std::vector<ReportBlock> Adaptive() const;
    std::vector<ReportBlock> Wind(const WindRoses& roses) const;
    std::string VentilationWind(const WindRose& rose) const;

  private:
    std::string T(const char* english) const { return std::string(ComfortText(language_, english)); }
    std::string Fixed(double value, int decimals) const
    {
        return FormatFixed(value, decimals, DecimalSeparatorOf(language_));
    }
    std::string MonthName(int m) const
    {
        return std::string(
            Translated(language_, "qav::Month", kMonthAbbreviation[static_cast<std::size_t>(m)], "abbreviation"));
    }

    const AnalysisState& state_;
    Language language_;
};

ReportBlock Block(ReportBlockKind kind, std::string text, ReportTable table = {})
{
    return {kind, std::move(text), std::move(table), {}};
}

std::vector<ReportBlock> ComfortComposer::Adaptive() const
{
    const ComfortModel model = AdaptiveModelShown(state_);
    const bool en = model == ComfortModel::En16798;
    // The report follows a weather file's recorded hours, as its other tables do.
    const bool recorded = state_.CurrentRecorded() != nullptr;
    const AdaptiveYear year = recorded ? AdaptiveRecordedHours(model, state_.CurrentRecorded()->Hours)
                                       : AdaptiveTypicalDays(model, state_.Current(), state_.Hours);
    const StrategyTally& tally = recorded ? state_.RecordedTally : state_.Tally;

    ReportTable table{{T(ct::kMonth), T(ct::kMeanOutdoor), T(ct::kComfortTemperature)}, {}, {}};
    if (en) {
        for (const char* category : {"I", "II", "III"})
            table.Columns.push_back(FilledText(T(ct::kCategory), {category}));
    } else {
        for (const char* column : {ct::kBand80, ct::kWithin80, ct::kAbove80, ct::kWithin90, ct::kWithFans})
            table.Columns.push_back(T(column));
    }
    table.Columns.push_back(T(ct::kChartComfort));
    for (int m = 1; m <= kMonths; ++m) {
        const AdaptiveMonth& a = year.Month[m];
        std::vector<std::string> row{MonthName(m), Fixed(a.MeanOutdoor, 1)};
        if (!a.InRange) {
            row.push_back("-");
            row.push_back(T(ct::kOutside));
            row.resize(table.Columns.size() - 1, "-");
        } else if (en) {
            row.push_back(Fixed(a.Comfort, 1));
            for (int i = 0; i < kAdaptiveLevels; ++i) row.push_back(std::to_string(a.Within[i]));
        } else {
            row.push_back(Fixed(a.Comfort, 1));
            row.push_back(Fixed(a.Lower[0], 1) + " - " + Fixed(a.Upper[0], 1));
            for (const int n : {a.Within[0], a.Above[0], a.Within[1], a.WithinFan[1]}) row.push_back(std::to_string(n));
        }
        row.push_back(std::to_string(tally.MonthHours[5][m]));
        table.Rows.push_back(std::move(row));
        table.Bold.push_back(false);
    }
    const std::string hours = T(recorded ? ct::kRecordedHours : ct::kTypicalHours);
    std::vector<ReportBlock> blocks{
        Block(ReportBlockKind::Section, T(ct::kAdaptiveSection)),
        Block(ReportBlockKind::Text, FilledText(T(en ? ct::kEnIntro : ct::kAshraeIntro), {hours})),
        Block(ReportBlockKind::Table, {}, std::move(table)), Block(ReportBlockKind::Note, T(ct::kAdaptiveMethod))};
    // The table carries the band's figures; its picture is the monthly graph of an adaptive model
    // (chosen, or --adaptive-chart), which would cost the report a page of its six.
    return blocks;
}

std::vector<ReportBlock> ComfortComposer::Wind(const WindRoses& roses) const
{
    ReportTable table{{T(ct::kSeason), T(ct::kPrevailing), T(ct::kShare), T(ct::kMedian), T(ct::kCalm)}, {}, {}};
    const auto row = [&](const std::string& name, const WindRose& r) {
        const int counted = r.Counted();
        std::vector<std::string> cells{name, "-", "-", "-", "-"};
        if (r.Prevailing) {
            cells[1] = std::string(CompassName(language_, *r.Prevailing));
            cells[2] = Fixed(r.PrevailingShare, 1) + " %";
            cells[3] = Fixed(r.PrevailingMedianMs, 1) + " m/s";
        }
        if (counted > 0) cells[4] = Fixed(100.0 * r.Calm / counted, 1) + " %";
        table.Rows.push_back(std::move(cells));
        table.Bold.push_back(false);
    };
    row(T(ct::kRoseAllHours), roses.All);
    row(T(ct::kRoseVentilation), roses.Ventilation);
    for (int s = 0; s < kSeasons; ++s) row(T(ct::kSeasons[s]), roses.Season[s]);
    return {Block(ReportBlockKind::WindRose, T(ct::kWindSection)), Block(ReportBlockKind::Text, T(ct::kWindIntro)),
            Block(ReportBlockKind::Table, {}, std::move(table))};
}

std::string ComfortComposer::VentilationWind(const WindRose& rose) const
{
    return VentilationWindSentence(rose, language_);
}

}  // namespace

std::string VentilationWindSentence(const WindRose& rose, Language language)
{
    if (!rose.Prevailing) return {};
    const char separator = DecimalSeparatorOf(language);
    return FilledText(ComfortText(language, ct::kVentilationWind),
                      {CompassName(language, *rose.Prevailing), FormatFixed(rose.PrevailingShare, 1, separator),
                       FormatFixed(rose.PrevailingMedianMs, 1, separator)});
}

PictureKind ReportPictureKind(ReportBlockKind kind)
{
    switch (kind) {
        case ReportBlockKind::Chart:
            return PictureKind::Chart;
        case ReportBlockKind::AdaptiveGraph:
            return PictureKind::AdaptiveGraph;
        case ReportBlockKind::WindRose:
            return PictureKind::WindRose;
        default:
            return PictureKind::Graph;
    }
}

void AddComfortSections(const AnalysisState& state, Language language, std::vector<ReportBlock>& blocks)
{
    const ComfortComposer composer(state, language);
    std::vector<ReportBlock> added = composer.Adaptive();
    const std::optional<WindRoses> roses = RecordedWindRoses(state);
    if (roses) {
        std::vector<ReportBlock> wind = composer.Wind(*roses);
        added.insert(added.end(), wind.begin(), wind.end());
    }
    const std::string advice(ReportText(language, report_text::kGuidance));
    auto at = std::find_if(blocks.begin(), blocks.end(), [&](const ReportBlock& b) {
        return b.Kind == ReportBlockKind::Section && b.Text == advice;
    });
    at = blocks.insert(at, added.begin(), added.end()) + static_cast<std::ptrdiff_t>(added.size());
    if (!roses) return;
    const std::string ventilation =
        std::string(1, StrategyLetter(6)) + " - " + std::string(StrategyNameIn(language, 6));
    for (; at != blocks.end(); ++at) {
        if (at->Kind != ReportBlockKind::Guidance || at->Advice.Heading.find(ventilation) == std::string::npos)
            continue;
        const std::string wind = composer.VentilationWind(roses->Ventilation);
        if (!wind.empty()) at->Advice.Site += (at->Advice.Site.empty() ? "" : " ") + wind;
    }
}

}  // namespace qav
