#include "pipeline/site_guidance.h"

#include <algorithm>
#include <cmath>

#include "chart/strategy.h"
#include "text/month_names.h"
#include "core/psychrometrics.h"
#include "core/text_format.h"
#include "pipeline/analysis_output.h"
#include "pipeline/facade_guidance.h"
#include "pipeline/report.h"
#include "text/report_texts.h"

namespace qav {
namespace {

namespace rt = report_text;

// Limits of the checks. Night-ventilated mass cools a building towards the night minimum: it needs
// a daily range of about 10 K (ProjetEEE, "Envelope de alta inércia térmica", Brazilian Ministry
// of Mines and Energy, after Evans 2000). The night minimum of 24 C, the afternoon wet bulb of
// 24 C for direct evaporative cooling and the daily range of 15 K above which an insulated heavy
// building warmed by the sun carries the cold nights are working figures of this program: no
// cited text gives them, and the method note says so. Within 15 degrees of the equator the noon
// sun stands on the poleward side for three months or more of the year: between the tropics it
// passes the zenith twice a year.
constexpr double kNightMinimumC = 24;
constexpr double kNightRangeK = 10;
constexpr double kWetBulbC = 24;
constexpr double kLargeRangeK = 15;
constexpr double kLowLatitude = 15;
constexpr double kMostlyHot = 50;   // percent of the hours counted
constexpr int kAfternoonHour = 15;  // the typical day's warmest hour

class Checker {
  public:
    Checker(const AnalysisState& state, const StrategyTally& basis, Language language)
        : state_(state), basis_(basis), language_(language), counts_(CountHours(basis))
    {
    }

    std::vector<GuidanceCheck> Run(const std::array<int, 2>& strategies) const
    {
        std::vector<GuidanceCheck> checks;
        const auto has = [&](int s) { return strategies[0] == s || strategies[1] == s; };
        if (has(7) || has(8)) checks.push_back(NightCooling());
        if (has(9)) checks.push_back(Humidity());
        if (has(2) || has(3)) {
            checks.push_back(LowLatitude());
            if (counts_.Percent(counts_.Hot()) > kMostlyHot) checks.push_back(MostlyHot());
        }
        if (has(1) || has(3)) checks.push_back(LargeRange());
        return checks;
    }

    /// The months of a need: those where its hours (cold A to C, or hot F to J) are at least a
    /// tenth of the month's hours counted, about two and a half hours of the typical day; a need
    /// that never reaches that is named by every month it has hours in.
    std::vector<int> SeasonMonths(bool cold) const
    {
        std::vector<int> months, any;
        for (int m = 1; m <= kMonths; ++m) {
            const auto [coldHours, hotHours, all] = MonthNeeds(m);
            const int need = cold ? coldHours : hotHours;
            if (need > 0) any.push_back(m);
            if (need > 0 && 10 * need >= all) months.push_back(m);
        }
        return months.empty() ? any : months;
    }

    std::string Brief() const
    {
        const auto F = [&](const char* english, std::initializer_list<std::string_view> values) {
            return FilledText(ReportText(language_, english), values);
        };
        const double kSignificant = 5;  // percent of the hours, as for a block of advice
        const bool cold = counts_.Percent(counts_.Cold()) >= kSignificant;
        const bool hot = counts_.Percent(counts_.Hot()) >= kSignificant;
        const std::string coldMonths = MonthsText(SeasonMonths(true)), hotMonths = MonthsText(SeasonMonths(false));
        const std::string coldHours = std::to_string(counts_.Cold()), hotHours = std::to_string(counts_.Hot());
        // Ventilation wins the hot season when its own hours outnumber those that mass or
        // evaporation serve; night-cooled mass only where the nights allow it.
        const bool breeze = counts_.Own[6] >= counts_.Own[7] + counts_.Own[8] + counts_.Own[9];
        const bool nightMass = !breeze && counts_.Own[7] + counts_.Own[8] > 0 && NightCooling().Holds;
        const double latitude = state_.Current().Latitude;
        const std::string facade = T(std::fabs(latitude) < kLowLatitude ? rt::kBothFacades
                                     : latitude < 0                     ? rt::kNorthFacade
                                                                        : rt::kSouthFacade);
        std::string text;
        const auto add = [&](const std::string& sentence) { text += (text.empty() ? "" : " ") + sentence; };
        if (cold && hot)
            add(F(breeze ? rt::kBriefWallsMixedLight : rt::kBriefWallsMixedHeavy,
                  {coldHours, coldMonths, hotHours, hotMonths}));
        else if (cold)
            add(F(rt::kBriefWallsCold, {coldHours, coldMonths}));
        else if (hot)
            add(F(breeze ? rt::kBriefWallsHotLight : rt::kBriefWallsHotHeavy, {hotHours, hotMonths}));
        if (cold && hot)
            add(F(breeze ? rt::kBriefOpeningsColdBreeze : rt::kBriefOpeningsColdShaded, {facade, hotMonths}));
        else if (cold)
            add(F(rt::kBriefOpeningsCold, {facade}));
        else if (hot)
            add(T(breeze ? rt::kBriefOpeningsBreeze : rt::kBriefOpeningsSmall));
        // How to run it, month by month: a month of both needs is warm by day and cool at night.
        std::vector<int> coldOnly, both, hotOnly;
        const std::vector<int> coldSeason = SeasonMonths(true), hotSeason = SeasonMonths(false);
        for (int m = 1; m <= kMonths; ++m) {
            const bool c = cold && std::count(coldSeason.begin(), coldSeason.end(), m);
            const bool h = hot && std::count(hotSeason.begin(), hotSeason.end(), m);
            (c && h ? both : c ? coldOnly : hotOnly).push_back(m);
            if (!c && !h) hotOnly.pop_back();
        }
        if (!coldOnly.empty()) add(Capitalised(F(rt::kBriefRunCold, {MonthsText(coldOnly)})));
        if (!both.empty()) add(Capitalised(F(rt::kBriefRunBoth, {MonthsText(both)})));
        if (!hotOnly.empty())
            add(Capitalised(F(nightMass ? rt::kBriefRunNight
                              : breeze  ? rt::kBriefRunBreeze
                                        : rt::kBriefRunClosed,
                              {MonthsText(hotOnly)})));
        // The blocks that follow pull apart where both needs matter: the one with more hours wins.
        if (cold && hot)
            add(counts_.Cold() >= counts_.Hot() ? F(rt::kBriefColdWins, {coldHours, hotHours})
                                                : F(rt::kBriefHotWins, {hotHours, coldHours}));
        if (text.empty()) add(T(rt::kBriefMild));
        return text;
    }

  private:
    /// Month names and "all year round" open a sentence in either language.
    static std::string Capitalised(std::string text)
    {
        if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
        return text;
    }
    /// A month's cold (A to C) and hot (F to J) hours and all its hours counted.
    std::array<int, 3> MonthNeeds(int m) const
    {
        std::array<int, 3> n{};
        for (int s = 1; s <= kStrategies; ++s) {
            n[2] += basis_.MonthHours[s][m];
            if (s <= 3) n[0] += basis_.MonthHours[s][m];
            if (s >= 6) n[1] += basis_.MonthHours[s][m];
        }
        return n;
    }
    std::string T(const char* english) const { return std::string(ReportText(language_, english)); }
    std::string Fixed(double v, int decimals) const { return FormatFixed(v, decimals, DecimalSeparatorOf(language_)); }
    const MonthlyNormals& Normals(int m) const { return state_.Current().Month[static_cast<std::size_t>(m)]; }
    std::string MonthName(int m) const
    {
        return std::string(Translated(language_, "qav::Month", kMonthName[static_cast<std::size_t>(m)]));
    }
    /// The months with hours of the strategies, in order.
    std::vector<int> MonthsOf(std::initializer_list<int> strategies) const
    {
        std::vector<int> months;
        for (int m = 1; m <= kMonths; ++m) {
            int hours = 0;
            for (int s : strategies) hours += basis_.MonthHours[s][m];
            if (hours > 0) months.push_back(m);
        }
        return months;
    }
    /// "June to August", "January, March": runs of consecutive months joined.
    std::string MonthsText(const std::vector<int>& months) const
    {
        if (months.size() == static_cast<std::size_t>(kMonths)) return T(rt::kAllYear);
        std::vector<std::pair<int, int>> runs;
        for (int m : months) {
            if (!runs.empty() && runs.back().second == m - 1)
                runs.back().second = m;
            else
                runs.emplace_back(m, m);
        }
        // A season across the new year reads as one: December to February.
        if (runs.size() > 1 && runs.front().first == 1 && runs.back().second == kMonths) {
            runs.back().second = runs.front().second;
            runs.erase(runs.begin());
        }
        std::string text;
        for (auto [first, last] : runs) {
            if (!text.empty()) text += ", ";
            text += first == last
                        ? MonthName(first)
                        : FilledText(ReportText(language_, rt::kMonthSpan), {MonthName(first), MonthName(last)});
        }
        return text;
    }

    GuidanceCheck NightCooling() const
    {
        GuidanceCheck c{"night_cooling", true, 0, kNightMinimumC, {}, {}};
        const std::vector<int> months = MonthsOf({7, 8});
        if (months.empty()) return c;
        int warmest = months.front(), narrowest = months.front();
        for (int m : months) {
            if (Normals(m).DBTmin > Normals(warmest).DBTmin) warmest = m;
            if (Normals(m).DBTmax - Normals(m).DBTmin < Normals(narrowest).DBTmax - Normals(narrowest).DBTmin)
                narrowest = m;
        }
        const double minimum = std::round(Normals(warmest).DBTmin * 10) / 10;
        const double range = std::round((Normals(narrowest).DBTmax - Normals(narrowest).DBTmin) * 10) / 10;
        c.Value = minimum;
        if (minimum > kNightMinimumC) {
            c.Holds = false;
            c.Text = FilledText(ReportText(language_, rt::kWarmNights),
                                {MonthName(warmest), Fixed(minimum, 1), Fixed(kNightMinimumC, 0)});
        }
        if (range < kNightRangeK) {
            if (c.Holds) c = {"night_cooling", false, range, kNightRangeK, {}, {}};
            std::string narrow = FilledText(ReportText(language_, rt::kNarrowRange),
                                            {MonthName(narrowest), Fixed(range, 1), Fixed(kNightRangeK, 0)});
            if (!c.Text.empty()) narrow[0] = static_cast<char>(narrow[0] - 32);  // "In June ..."
            c.Text += (c.Text.empty() ? "" : " ") + narrow;
        }
        return c;
    }

    GuidanceCheck Humidity() const
    {
        GuidanceCheck c{"humidity", true, 0, kWetBulbC, {}, {}};
        const std::vector<int> months = MonthsOf({7, 8, 9});
        if (months.empty()) return c;
        const Psychrometrics psy(state_.Pressure);
        int wettest = months.front();
        double wetBulb = -100;
        for (int m : months) {
            const double wb = psy.WetBulbC(state_.Hours.DBT[m][kAfternoonHour], state_.Hours.W[m][kAfternoonHour]);
            if (wb > wetBulb) wetBulb = wb, wettest = m;
        }
        c.Value = std::round(wetBulb * 10) / 10;
        if (c.Value >= kWetBulbC) {  // the figure as printed, so that the sentence never contradicts it
            c.Holds = false;
            c.Text = FilledText(
                ReportText(language_, rt::kHumidMonths),
                {MonthName(wettest), Fixed(Normals(wettest).RHavg, 0), Fixed(wetBulb, 1), Fixed(kWetBulbC, 0)});
        }
        return c;
    }

    GuidanceCheck LowLatitude() const
    {
        const double latitude = std::fabs(state_.Current().Latitude);
        GuidanceCheck c{
            "orientation", latitude >= kLowLatitude, std::round(latitude * 100) / 100, kLowLatitude, {}, {}};
        if (!c.Holds) c.Text = FilledText(ReportText(language_, rt::kLowLatitude), {Fixed(latitude, 1)});
        return c;
    }

    GuidanceCheck MostlyHot() const
    {
        const double hot = counts_.Percent(counts_.Hot());
        return {"orientation",
                false,
                hot,
                kMostlyHot,
                FilledText(ReportText(language_, rt::kMostlyHot), {Fixed(hot, 1), MonthsText(MonthsOf({1, 2, 3}))}),
                {}};
    }

    GuidanceCheck LargeRange() const
    {
        GuidanceCheck c{"large_range", true, 0, kLargeRangeK, {}, {}};
        const std::vector<int> months = MonthsOf({1, 2, 3});
        if (months.empty()) return c;
        double sum = 0;
        for (int m : months) sum += Normals(m).DBTmax - Normals(m).DBTmin;
        c.Value = std::round(sum / static_cast<double>(months.size()) * 10) / 10;
        if (c.Value > kLargeRangeK) {
            c.Holds = false;
            c.Text = FilledText(ReportText(language_, rt::kLargeRange),
                                {MonthsText(months), Fixed(c.Value, 1), Fixed(kLargeRangeK, 0)});
        }
        return c;
    }

    const AnalysisState& state_;
    const StrategyTally& basis_;
    Language language_;
    HourCounts counts_;
};

}  // namespace

std::vector<GuidanceBlock> SiteGuidance(const AnalysisState& state, const StrategyTally& basis, Language language)
{
    const HourCounts counts = CountHours(basis);
    const Checker checker(state, basis, language);
    std::vector<GuidanceBlock> blocks;
    for (int s : GuidedStrategies(basis)) {
        const auto it = std::find_if(rt::kAdvice.begin(), rt::kAdvice.end(), [s](const rt::Guidance& g) {
            return g.Strategies[0] == s || g.Strategies[1] == s;
        });
        const bool given = std::any_of(blocks.begin(), blocks.end(),
                                       [&](const GuidanceBlock& b) { return b.Strategies == it->Strategies; });
        if (given) continue;  // G and H share theirs
        GuidanceBlock b{it->Strategies, 0, 0, {}};
        // A check is said once, in the first block it concerns (B before C, A before C).
        for (GuidanceCheck& c : checker.Run(it->Strategies)) {
            const bool said = std::any_of(blocks.begin(), blocks.end(), [&](const GuidanceBlock& earlier) {
                return std::any_of(earlier.Checks.begin(), earlier.Checks.end(),
                                   [&](const GuidanceCheck& e) { return e.Check == c.Check; });
            });
            if (!said) b.Checks.push_back(std::move(c));
        }
        for (GuidanceCheck& c : b.Checks)  // each sentence stands on its own
            if (!c.Text.empty() && c.Text[0] >= 'a' && c.Text[0] <= 'z') c.Text[0] = static_cast<char>(c.Text[0] - 32);
        // H's served hours hold G's already.
        b.Hours = it->Strategies[1] ? counts.Served(it->Strategies[1]) : counts.Served(s);
        b.HourShare = counts.Percent(b.Hours);
        blocks.push_back(std::move(b));
    }
    // The façades' shading, once, in the first block that orients or shades the building.
    const auto shades = [](const GuidanceBlock& b) {
        return std::any_of(b.Strategies.begin(), b.Strategies.end(), [](int s) { return s == 2 || s == 3 || s >= 6; });
    };
    if (const auto first = std::find_if(blocks.begin(), blocks.end(), shades); first != blocks.end())
        for (GuidanceCheck& c : FacadeChecks(state, language)) first->Checks.push_back(std::move(c));
    return blocks;
}

std::string BuildingInBrief(const AnalysisState& state, const StrategyTally& basis, Language language)
{
    return Checker(state, basis, language).Brief();
}

std::string GuidanceJson(const std::vector<GuidanceBlock>& blocks)
{
    std::string j = "[";
    for (const GuidanceBlock& b : blocks) {
        if (j.size() > 1) j += ",";
        j += "{\"strategies\":[";
        for (int s : b.Strategies)
            if (s) j += std::string(j.back() == '[' ? "" : ",") + "\"" + StrategyLetter(s) + "\"";
        j += "],\"hours\":" + std::to_string(b.Hours) + ",\"share\":" + JsonNumber(b.HourShare) + ",\"checks\":[";
        for (std::size_t i = 0; i < b.Checks.size(); ++i) {
            const GuidanceCheck& c = b.Checks[i];
            j += std::string(i ? "," : "") + "{\"check\":" + JsonString(c.Check);
            if (!c.Facade.empty()) j += ",\"facade\":" + JsonString(c.Facade);
            j += std::string(",\"holds\":") + (c.Holds ? "true" : "false") +
                 ",\"value\":" + JsonNumber(static_cast<float>(c.Value)) +
                 ",\"limit\":" + JsonNumber(static_cast<float>(c.Limit)) + ",\"text\":" + JsonString(c.Text) + "}";
        }
        j += "]}";
    }
    return j + "]";
}

}  // namespace qav
