#include "pipeline/report.h"

#include <algorithm>

#include "chart/strategy.h"
#include "classify/recorded_classification.h"
#include "text/month_names.h"
#include "core/text_format.h"
#include "core/version.h"
#include "pipeline/rendering.h"
#include "text/report_texts.h"

namespace qav {
namespace {

namespace rt = report_text;

// A share qualifies for design advice from 5 % of the hours counted.
constexpr float kGuidanceShare = 5.0f;

class Composer {
  public:
    Composer(const AnalysisState& state, Language language) : state_(state), language_(language) {}

    std::string T(const char* english) const { return std::string(ReportText(language_, english)); }
    std::string Fill(const char* english, std::initializer_list<std::string_view> values) const
    {
        return FilledText(ReportText(language_, english), values);
    }
    std::string Fixed(double value, int decimals) const
    {
        return FormatFixed(value, decimals, DecimalSeparatorOf(language_));
    }
    std::string StrategyLabel(int s) const
    {
        return std::string(1, StrategyLetter(s)) + " - " + std::string(StrategyNameIn(language_, s));
    }

    void Add(ReportBlockKind kind, std::string text = {}, ReportTable table = {})
    {
        content_.Blocks.push_back({kind, std::move(text), std::move(table), {}});
    }

    void Heading(const std::string& date);
    void Pictures();
    void Tables();
    void Advice();
    void Method();
    ReportContent Take() { return std::move(content_); }

  private:
    /// The tally the report follows: a weather file's recorded hours, otherwise the typical days.
    const StrategyTally& Basis() const { return Recorded() ? state_.RecordedTally : state_.Tally; }
    bool Recorded() const { return state_.CurrentRecorded() != nullptr; }
    std::string SourceText() const;

    const AnalysisState& state_;
    Language language_;
    ReportContent content_;
};

std::string Composer::SourceText() const
{
    const LocationRecord& l = state_.Current();
    const std::string& file = state_.SourceFile[static_cast<std::size_t>(state_.CurrentLocation)];
    if (const std::string station = StationCaption(l, language_); !station.empty()) return station;
    std::string source = !file.empty()                                           ? Fill(rt::kFileSource, {file})
                         : state_.DataSetKind.IsShown(DataSetKind::Brazil)       ? T(rt::kSetBrazil)
                         : state_.DataSetKind.IsShown(DataSetKind::SouthAmerica) ? T(rt::kSetSouthAmerica)
                         : state_.DataSetKind.IsShown(DataSetKind::World)        ? T(rt::kSetWorld)
                                                                                 : std::string();
    if (!l.DataSource.empty()) source += (source.empty() ? "" : ", ") + Fill(rt::kSourceField, {l.DataSource});
    return source;
}

void Composer::Heading(const std::string& date)
{
    const LocationRecord& l = state_.Current();
    const char sep = DecimalSeparatorOf(language_);
    ReportTable facts;
    const auto fact = [&](const char* label, std::string value) { facts.Rows.push_back({T(label), std::move(value)}); };
    fact(rt::kLocation, l.LocationName + " (" + l.Country + ")");
    fact(rt::kSource, SourceText());
    fact(rt::kCoordinates, Fixed(l.Latitude, 2) + "°, " + Fixed(l.Longitude, 2) + "°");
    fact(rt::kElevation, FormatGeneral(l.Elevation, sep) + " m");
    fact(rt::kPressure, Fill(rt::kPressureValue,
                             {Fixed(state_.Pressure.PressureKPa, 3), Fixed(state_.Pressure.PressureElevation, 0)}));
    const RecordedYear* recorded = state_.CurrentRecorded();
    fact(rt::kBasis, recorded ? Fill(rt::kRecordedBasis,
                                     {std::to_string(recorded->HoursUsed), std::to_string(recorded->HoursMissing)})
                              : T(rt::kTypicalBasis));
    fact(rt::kCountedHours, HourFilterText(state_.Filter, language_));
    fact(rt::kWarming, state_.Warmed ? WarmingText(*state_.WarmingAsked, language_) : T(rt::kNoWarming));
    // The chart's size in screen pixels tells which screen the zone map was laid out for.
    const ScreenLayout& layout = state_.Layout;
    const ScreenLayout reference = LayoutForScreen(kReferenceScreen);
    const std::string w = std::to_string(static_cast<int>(layout.Picture1.Width / layout.PixelWidth));
    const std::string h = std::to_string(static_cast<int>(layout.Picture1.Height / layout.PixelHeight));
    const bool isReference = layout.Picture1.Width == reference.Picture1.Width &&
                             layout.Picture1.Height == reference.Picture1.Height &&
                             layout.PixelWidth == reference.PixelWidth;
    fact(rt::kScreen, isReference ? Fill(rt::kReferenceScreen, {std::to_string(kReferenceScreen.WidthPx),
                                                                std::to_string(kReferenceScreen.HeightPx)})
                                  : Fill(rt::kScreenValue, {w, h}));
    fact(rt::kProgram, std::string(kProgramAndVersion) + ", " + date);
    Add(ReportBlockKind::Facts, {}, std::move(facts));
}

void Composer::Pictures()
{
    Add(ReportBlockKind::Chart, T(rt::kChartSection));
    Add(ReportBlockKind::Graph, T(rt::kGraphSection));
}

void Composer::Tables()
{
    const char sep = DecimalSeparatorOf(language_);
    const LocationRecord& l = state_.Current();
    ReportTable normals{{T(rt::kMonth), T(rt::kDbtMin), T(rt::kDbtMax), T(rt::kRhAvg)}, {}, {}};
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = l.Month[static_cast<std::size_t>(m)];
        normals.Rows.push_back(
            {std::string(Translated(language_, "qav::Month", kMonthName[static_cast<std::size_t>(m)])),
             FormatGeneral(n.DBTmin, sep), FormatGeneral(n.DBTmax, sep), FormatGeneral(n.RHavg, sep)});
    }
    Add(ReportBlockKind::Section, T(rt::kNormals));
    Add(ReportBlockKind::Table, {}, std::move(normals));

    const StrategyTally& basis = Basis();
    ReportTable shares{{T(rt::kRank), T(rt::kStrategy)}, {}, {}};
    if (Recorded()) {
        shares.Columns.push_back(T(rt::kRecorded));
        shares.Columns.push_back(T(rt::kTypical));
    } else {
        shares.Columns.push_back(T(rt::kShare));
    }
    for (int s = 1; s <= kStrategies; ++s) {
        const auto top = std::find(basis.TopStrategy.begin() + 1, basis.TopStrategy.end(), s);
        const bool marked = top != basis.TopStrategy.end();
        std::vector<std::string> row{marked ? std::to_string(top - basis.TopStrategy.begin()) : std::string(),
                                     StrategyLabel(s), Fixed(basis.YearShare[s], 1)};
        if (Recorded()) row.push_back(Fixed(state_.Tally.YearShare[s], 1));
        shares.Rows.push_back(std::move(row));
        shares.Bold.push_back(marked);
    }
    Add(ReportBlockKind::Section, T(rt::kShares));
    Add(ReportBlockKind::Table, {}, std::move(shares));
    Add(ReportBlockKind::Note, T(rt::kTopMarked));
    if (Recorded())
        Add(ReportBlockKind::Note,
            Fill(rt::kDisagreement, {Fixed(ShareDisagreement(state_.Tally, state_.RecordedTally), 1)}));

    ReportTable hours{{T(rt::kMonth)}, {}, {}};
    for (int s = 1; s <= kStrategies; ++s) hours.Columns.push_back(std::string(1, StrategyLetter(s)));
    for (int m = 1; m <= kMonths; ++m) {
        std::vector<std::string> row{std::string(
            Translated(language_, "qav::Month", kMonthAbbreviation[static_cast<std::size_t>(m)], "abbreviation"))};
        for (int s = 1; s <= kStrategies; ++s) row.push_back(std::to_string(basis.MonthHours[s][m]));
        hours.Rows.push_back(std::move(row));
    }
    Add(ReportBlockKind::Section, Fill(rt::kMonthHours, {T(Recorded() ? rt::kRecordedHours : rt::kTypicalHours)}));
    Add(ReportBlockKind::Table, {}, std::move(hours));
    Add(ReportBlockKind::Note, T(rt::kMerged));
}

void Composer::Advice()
{
    Add(ReportBlockKind::Section, T(rt::kGuidance));
    Add(ReportBlockKind::Text, T(Recorded() ? rt::kGuidanceIntroRecorded : rt::kGuidanceIntro));
    const StrategyTally& basis = Basis();
    std::vector<const rt::Guidance*> given;
    for (int s : GuidedStrategies(basis)) {
        const auto it = std::find_if(rt::kAdvice.begin(), rt::kAdvice.end(), [s](const rt::Guidance& g) {
            return g.Strategies[0] == s || g.Strategies[1] == s;
        });
        if (std::find(given.begin(), given.end(), &*it) != given.end()) continue;  // G and H share theirs
        given.push_back(&*it);
        ReportBlock block{ReportBlockKind::Guidance, {}, {}, {}};
        ReportGuidance& advice = block.Advice;
        for (int k : it->Strategies) {
            if (k == 0) continue;
            advice.Heading += (advice.Heading.empty() ? "" : " / ") + StrategyLabel(k);
            const std::string share =
                Recorded()
                    ? Fill(rt::kGuidanceShares, {Fixed(basis.YearShare[k], 1), Fixed(state_.Tally.YearShare[k], 1)})
                    : Fill(rt::kGuidanceShare, {Fixed(basis.YearShare[k], 1)});
            advice.Share += (advice.Share.empty() ? "" : "; ") +
                            (it->Strategies[1] ? std::string(1, StrategyLetter(k)) + ": " : std::string()) + share;
        }
        advice.Asks = T(rt::kAsks) + " " + T(it->Asks);
        advice.Measures = T(rt::kMeasures) + " " + T(it->Measures);
        advice.Pitfalls = T(rt::kPitfalls) + " " + T(it->Pitfalls);
        content_.Blocks.push_back(std::move(block));
    }
}

void Composer::Method()
{
    Add(ReportBlockKind::Section, T(rt::kMethodSection));
    Add(ReportBlockKind::Text, T(rt::kMethod));
    const LocationRecord& l = state_.Current();
    const std::string& file = state_.SourceFile[static_cast<std::size_t>(state_.CurrentLocation)];
    const char* data = !StationCaption(l).empty() ? rt::kDataStation
                       : Recorded()               ? rt::kDataWeatherFile
                       : !file.empty()            ? rt::kDataMonthlyFile
                                                  : rt::kDataBuiltIn;
    Add(ReportBlockKind::Text, T(data));
    Add(ReportBlockKind::Section, T(rt::kReferences));
    Add(ReportBlockKind::Note, std::string(rt::kGivoni));
    Add(ReportBlockKind::Note, std::string(rt::kLamberts));
}

}  // namespace

std::vector<int> GuidedStrategies(const StrategyTally& tally)
{
    std::vector<int> order;
    for (int s = 1; s <= kStrategies; ++s) {
        const bool top =
            std::find(tally.TopStrategy.begin() + 1, tally.TopStrategy.end(), s) != tally.TopStrategy.end();
        if (top || tally.YearShare[s] >= kGuidanceShare) order.push_back(s);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return tally.YearShare[a] > tally.YearShare[b]; });
    return order;
}

std::optional<ReportContent> ComposeReport(const AnalysisState& state, Language language, const std::string& date)
{
    if (state.CurrentLocation < 1 || state.CurrentLocation > state.Locations.LocationCount) return std::nullopt;
    Composer composer(state, language);
    ReportContent content;
    composer.Heading(date);
    composer.Pictures();
    composer.Tables();
    composer.Advice();
    composer.Method();
    content = composer.Take();
    const LocationRecord& l = state.Current();
    content.Title = composer.Fill(report_text::kDocumentTitle, {l.LocationName + " (" + l.Country + ")"});
    return content;
}

}  // namespace qav
