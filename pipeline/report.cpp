#include "pipeline/report.h"

#include "pipeline/comfort_report.h"

#include <algorithm>
#include <filesystem>

#include "chart/strategy.h"
#include "classify/recorded_classification.h"
#include "text/month_names.h"
#include "core/text_format.h"
#include "core/version.h"
#include "pipeline/place_site.h"
#include "pipeline/rendering.h"
#include "pipeline/searched_site.h"
#include "pipeline/site_guidance.h"
#include "pipeline/sun_report.h"
#include "text/report_texts.h"
#include "text/stored_country_names.h"

namespace qav {
namespace {

namespace rt = report_text;

// A strategy qualifies for design advice from 5 % of the hours counted.
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
    /// "Brasília (Brasil)": the country in the reader's language.
    std::string Place(const LocationRecord& l) const
    {
        return l.LocationName + " (" + std::string(StoredCountryName(language_, l.Country)) + ")";
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
    void Append(std::vector<ReportBlock> blocks)
    {
        content_.Blocks.insert(content_.Blocks.end(), blocks.begin(), blocks.end());
    }

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
    if (const std::string station = StationCaption(l, language_); !station.empty()) return station;
    const std::string& file = state_.SourceFile[static_cast<std::size_t>(state_.CurrentLocation)];
    // The file's name only: a report handed on must not reveal the folders of the user's disk.
    const std::string name = std::filesystem::path(file).filename().string();
    if (!file.empty() && Recorded()) return Fill(rt::kWeatherFileSource, {name, Place(l)});
    const DataSetFlags& set = state_.DataSetKind;
    std::string source = !file.empty()                      ? Fill(rt::kFileSource, {name})
                         : set.IsShown(DataSetKind::Brazil) ? T(rt::kSetBrazil) + ", " + T(rt::kPeriodBrazil)
                         : set.IsShown(DataSetKind::SouthAmerica)
                             ? T(rt::kSetSouthAmerica) + ", " + T(rt::kPeriodSouthAmerica)
                         : set.IsShown(DataSetKind::World) ? T(rt::kSetWorld) + ", " + T(rt::kPeriodWorld)
                                                           : std::string();
    if (l.DataSource.empty()) return source;
    // The codes of the built-in sets say who published the normals; a user's file may hold any code.
    const std::string field = l.DataSource == "GOV"   ? T(rt::kSourceGov)
                              : l.DataSource == "BBC" ? T(rt::kSourceBbc)
                                                      : Fill(rt::kSourceField, {l.DataSource});
    return source + (source.empty() ? "" : "; ") + field;
}

void Composer::Heading(const std::string& date)
{
    const LocationRecord& l = state_.Current();
    const char sep = DecimalSeparatorOf(language_);
    ReportTable facts;
    const auto fact = [&](const char* label, std::string value) { facts.Rows.push_back({T(label), std::move(value)}); };
    fact(rt::kLocation, Place(l));
    if (l.Place) facts.Rows.push_back(PlaceSiteRow(l, language_));
    fact(rt::kSource, SourceText());
    fact(rt::kCoordinates, Fixed(l.Latitude, 2) + "°, " + Fixed(l.Longitude, 2) + "°");
    const SearchedSiteText site = DescribeSearchedSite(state_, language_);
    if (!site.Site.empty()) fact(rt::kSearchedSite, site.Site);
    fact(rt::kElevation, FormatGeneral(l.Elevation, sep) + " m");
    fact(rt::kPressure, Fill(rt::kPressureValue,
                             {Fixed(state_.Pressure.PressureKPa, 3), Fixed(state_.Pressure.PressureElevation, 0)}));
    const RecordedYear* recorded = state_.CurrentRecorded();
    fact(rt::kBasis, recorded ? Fill(rt::kRecordedBasis,
                                     {std::to_string(recorded->HoursUsed), std::to_string(recorded->HoursMissing)})
                              : T(rt::kTypicalBasis));
    fact(rt::kCountedHours, state_.Filter.IsAll() ? T(rt::kAllDayHours) : HourFilterText(state_.Filter, language_));
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
    // Brazilian readers write the day first: 08/12/2026.
    const bool iso = date.size() == 10 && date[4] == '-' && date[7] == '-';
    const std::string shownDate = language_ != Language::English && iso
                                      ? date.substr(8, 2) + "/" + date.substr(5, 2) + "/" + date.substr(0, 4)
                                      : date;
    fact(rt::kProgram, std::string(kProgramAndVersion) + ", " + shownDate);
    Add(ReportBlockKind::Facts, {}, std::move(facts));
    if (!site.Warning.empty()) Add(ReportBlockKind::Note, site.Warning);
}

void Composer::Pictures()
{
    Add(ReportBlockKind::Chart, T(rt::kChartSection));
    Add(ReportBlockKind::Graph, T(rt::kGraphSection));
}

void Composer::Tables()
{
    const LocationRecord& l = state_.Current();
    ReportTable normals{{T(rt::kMonth), T(rt::kDbtMin), T(rt::kDbtMax), T(rt::kRhAvg)}, {}, {}};
    // One decimal throughout, as the normals are published; a warmed value is marked, so that
    // nobody takes it for the station's record.
    const auto value = [&](float v, float asRead) { return Fixed(v, 1) + (state_.Warmed && v != asRead ? " *" : ""); };
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = l.Month[static_cast<std::size_t>(m)];
        const MonthlyNormals& read = (state_.Warmed ? state_.Base.Location : l).Month[static_cast<std::size_t>(m)];
        normals.Rows.push_back(
            {std::string(Translated(language_, "qav::Month", kMonthName[static_cast<std::size_t>(m)])),
             value(n.DBTmin, read.DBTmin), value(n.DBTmax, read.DBTmax), value(n.RHavg, read.RHavg)});
    }
    Add(ReportBlockKind::Section, T(rt::kNormals));
    Add(ReportBlockKind::Table, {}, std::move(normals));
    if (state_.Warmed) {
        const std::optional<float> degrees = state_.WarmingAsked->Uniform();
        Add(ReportBlockKind::Note,
            degrees ? Fill(rt::kWarmedUniform, {WarmingText(*state_.WarmingAsked, language_)}) : T(rt::kWarmedMonthly));
    }

    const StrategyTally& basis = Basis();
    const HourCounts counts = CountHours(basis);
    ReportTable shares{{T(rt::kRank), T(rt::kStrategy)}, {}, {}};
    if (Recorded()) {
        shares.Columns.push_back(T(rt::kRecorded));
        shares.Columns.push_back(T(rt::kTypical));
    } else {
        shares.Columns.push_back(T(rt::kShare));
    }
    shares.Columns.push_back(T(rt::kOwnHours));
    for (int s = 1; s <= kStrategies; ++s) {
        const auto top = std::find(basis.TopStrategy.begin() + 1, basis.TopStrategy.end(), s);
        const bool marked = top != basis.TopStrategy.end();
        std::vector<std::string> row{marked ? std::to_string(top - basis.TopStrategy.begin()) : std::string(),
                                     StrategyLabel(s), Fixed(basis.YearShare[s], 1)};
        if (Recorded()) row.push_back(Fixed(state_.Tally.YearShare[s], 1));
        row.push_back(Fixed(counts.Percent(counts.Own[static_cast<std::size_t>(s)]), 1));
        shares.Rows.push_back(std::move(row));
        shares.Bold.push_back(marked);
    }
    Add(ReportBlockKind::Section, T(rt::kShares));
    Add(ReportBlockKind::Table, {}, std::move(shares));
    Add(ReportBlockKind::Note, T(rt::kTopMarked));
    Add(ReportBlockKind::Note,
        Fill(rt::kHourTotals, {Fixed(counts.Percent(counts.Cold()), 1), Fixed(counts.Percent(counts.Own[5]), 1),
                               Fixed(counts.Percent(counts.Hot()), 1), Fixed(counts.Percent(counts.Own[4]), 1)}));
    // What each merged share holds, in hours, so that it is not read as hours of its own.
    const auto h = [&](int s) { return std::to_string(counts.Own[static_cast<std::size_t>(s)]); };
    if (counts.Served(2) > 0)
        Add(ReportBlockKind::Note, Fill(rt::kMergedB, {Fixed(basis.YearShare[2], 1), h(2), h(3)}));
    if (counts.Served(8) > 0)
        Add(ReportBlockKind::Note, Fill(rt::kMergedH, {Fixed(basis.YearShare[8], 1), h(8), h(7)}));
    if (counts.Served(9) > 0)
        Add(ReportBlockKind::Note,
            Fill(rt::kMergedI, {Fixed(basis.YearShare[9], 1), h(9), std::to_string(counts.Own[7] + counts.Own[8])}));
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
    const StrategyTally& basis = Basis();
    Add(ReportBlockKind::Section, T(rt::kBriefSection));
    Add(ReportBlockKind::Text, BuildingInBrief(state_, basis, language_));
    Add(ReportBlockKind::Text, T(Recorded() ? rt::kGuidanceIntroRecorded : rt::kGuidanceIntro));
    const std::string facade = T(state_.Current().Latitude < 0 ? rt::kNorth : rt::kSouth);
    for (const GuidanceBlock& g : SiteGuidance(state_, basis, language_)) {
        const auto it = std::find_if(rt::kAdvice.begin(), rt::kAdvice.end(),
                                     [&](const rt::Guidance& a) { return a.Strategies == g.Strategies; });
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
        advice.Share += " (" + Fill(rt::kServedHours, {std::to_string(g.Hours), Fixed(g.HourShare, 1)}) + ")";
        advice.Asks = T(rt::kAsks) + " " + std::string(AdviceText(language_, it->Asks));
        advice.Measures = T(rt::kMeasures) + " " + Fill(it->Measures, {facade});
        advice.Pitfalls = T(rt::kPitfalls) + " " + T(it->Pitfalls);
        for (const GuidanceCheck& c : g.Checks)
            if (!c.Text.empty())
                advice.Site += (advice.Site.empty() ? T(rt::kSiteChecks) : std::string()) + " " + c.Text;
        content_.Blocks.push_back(std::move(block));
    }
}

void Composer::Method()
{
    Add(ReportBlockKind::Section, T(rt::kMethodSection));
    Add(ReportBlockKind::Text, T(rt::kMethod));
    Add(ReportBlockKind::Text, T(rt::kMethodLimits));
    Add(ReportBlockKind::Text,
        Fill(rt::kMethodScreen, {std::to_string(kReferenceScreen.WidthPx), std::to_string(kReferenceScreen.HeightPx)}));
    const LocationRecord& l = state_.Current();
    const std::string& file = state_.SourceFile[static_cast<std::size_t>(state_.CurrentLocation)];
    const char* data = !StationCaption(l).empty() ? rt::kDataStation
                       : Recorded()               ? rt::kDataWeatherFile
                       : !file.empty()            ? rt::kDataMonthlyFile
                                                  : rt::kDataBuiltIn;
    Add(ReportBlockKind::Text, T(data));
    Add(ReportBlockKind::Section, T(rt::kReferences));
    const bool abnt = language_ == Language::PortugueseBrazil;
    Add(ReportBlockKind::Note, std::string(abnt ? rt::kGivoniAbnt : rt::kGivoni));
    Add(ReportBlockKind::Note, std::string(abnt ? rt::kLambertsAbnt : rt::kLamberts));
    Add(ReportBlockKind::Note, std::string(abnt ? rt::kProjetEeeAbnt : rt::kProjetEee));
}

}  // namespace

std::vector<int> GuidedStrategies(const StrategyTally& tally)
{
    // By the hours served, not the share: a share divides by the merged counts, so it neither
    // adds up hours nor says how many a strategy serves.
    const HourCounts counts = CountHours(tally);
    std::vector<int> order;
    for (int s = 1; s <= kStrategies; ++s) {
        const bool top =
            std::find(tally.TopStrategy.begin() + 1, tally.TopStrategy.end(), s) != tally.TopStrategy.end();
        if (top || (counts.Served(s) > 0 && counts.Percent(counts.Served(s)) >= kGuidanceShare)) order.push_back(s);
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
    composer.Append(SunReportSection(state, language));
    composer.Method();
    content = composer.Take();
    AddComfortSections(state, language, content.Blocks);
    const LocationRecord& l = state.Current();
    content.Title = composer.Fill(report_text::kDocumentTitle, {composer.Place(l)});
    return content;
}

}  // namespace qav
