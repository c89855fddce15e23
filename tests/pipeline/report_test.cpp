#include "pipeline/report.h"

#include <gtest/gtest.h>

#include "core/version.h"
#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

std::vector<std::string> GuidanceHeadings(const ReportContent& report, std::vector<std::string>* shares = nullptr)
{
    std::vector<std::string> headings;
    for (const ReportBlock& b : report.Blocks) {
        if (b.Kind != ReportBlockKind::Guidance) continue;
        headings.push_back(b.Advice.Heading);
        if (shares) shares->push_back(b.Advice.Share);
    }
    return headings;
}

const ReportBlock* Find(const ReportContent& report, ReportBlockKind kind, std::string_view start)
{
    for (const ReportBlock& b : report.Blocks)
        if (b.Kind == kind && b.Text.starts_with(start)) return &b;
    return nullptr;
}

// Advice for every share of 5 % or more and always for the three largest, largest first.
TEST(ReportGuidance, FollowsTheSharesAndAlwaysTheTopThree)
{
    struct Row {
        std::vector<std::pair<int, float>> shares;
        std::array<int, 4> top;
        std::vector<int> guided;
    };
    for (const Row& r :
         {Row{{{2, 30.2f}, {3, 28}, {5, 36.8f}, {6, 5}}, {0, 5, 2, 3}, {5, 2, 3, 6}},
          Row{{{1, 90}, {2, 4.9f}, {5, 3}, {6, 2.1f}}, {0, 1, 2, 5}, {1, 2, 5}}, Row{{{1, 100}}, {0, 1, 0, 0}, {1}}}) {
        StrategyTally tally;
        for (auto [s, share] : r.shares) tally.YearShare[s] = share;
        tally.TopStrategy = r.top;
        SCOPED_TRACE(r.guided.size());
        EXPECT_EQ(GuidedStrategies(tally), r.guided);
    }
}

TEST(Report, BrasiliaInBothLanguages)
{
    PipelineSession session;
    const std::optional<ReportContent> en = ComposeReport(session.state, Language::English, "2026-12-07");
    ASSERT_TRUE(en);
    EXPECT_EQ(en->Title, "Bioclimatic analysis of Brasília (Brazil)");
    std::vector<std::string> shares;
    EXPECT_EQ(GuidanceHeadings(*en, &shares),
              (std::vector<std::string>{"E - Thermal Comfort", "B - Solar Heating", "C - Thermal Inertia (Heating)",
                                        "F - Ventilation"}));
    EXPECT_EQ(shares, (std::vector<std::string>{"36.8 %", "30.2 %", "28.0 %", "5.0 %"}));
    const ReportTable& facts = en->Blocks.front().Table;
    EXPECT_EQ(facts.Rows[1][1], "built-in data set Brazil, source field GOV");
    EXPECT_EQ(facts.Rows[4][1], "88.251 kPa (taken at 1150 m)");
    EXPECT_EQ(facts.Rows.back()[1], std::string(kProgramAndVersion) + ", 2026-12-07");
    ASSERT_EQ(en->Blocks[6].Kind, ReportBlockKind::Table);  // the yearly shares, the top three ranked
    EXPECT_EQ(en->Blocks[6].Table.Rows[4], (std::vector<std::string>{"1", "E - Thermal Comfort", "36.8"}));
    EXPECT_EQ(en->Blocks[6].Table.Bold,
              (std::vector<bool>{false, true, true, false, true, false, false, false, false, false}));
    EXPECT_TRUE(Find(*en, ReportBlockKind::Note, "The shares merge strategies"));
    EXPECT_TRUE(Find(*en, ReportBlockKind::Text, "Data: climatological normals"));

    const std::optional<ReportContent> pt = ComposeReport(session.state, Language::PortugueseBrazil, "2026-12-07");
    ASSERT_TRUE(pt);
    shares.clear();
    EXPECT_EQ(GuidanceHeadings(*pt, &shares).front(), "E - Conforto térmico");
    EXPECT_EQ(shares.front(), "36,8 %");
    EXPECT_TRUE(Find(*pt, ReportBlockKind::Section, "O que o projeto deve atender"));

    session.state.CurrentLocation = 0;  // nothing analysed: refused
    EXPECT_FALSE(ComposeReport(session.state, Language::English, "2026-12-07"));
}

// A weather file: the advice follows the recorded hours and names both shares; the disagreement
// is said. Night ventilation and thermal inertia for cooling share one piece of advice.
TEST(Report, WeatherFileFollowsTheRecordedHours)
{
    PipelineSession session;
    session.ShowWeatherFile("chicago.epw");
    const std::optional<ReportContent> report = ComposeReport(session.state, Language::English, "2026-12-07");
    ASSERT_TRUE(report);
    std::vector<std::string> shares;
    const std::vector<std::string> headings = GuidanceHeadings(*report, &shares);
    EXPECT_EQ(headings, (std::vector<std::string>{"A - Artificial Heating", "B - Solar Heating", "E - Thermal Comfort",
                                                  "C - Thermal Inertia (Heating)", "F - Ventilation"}));
    EXPECT_EQ(shares.front(), "39.8 % of the recorded hours, 44.6 % of the typical days");
    EXPECT_TRUE(Find(*report, ReportBlockKind::Note, "The typical days and the recorded hours classify 6.4 %"));

    session.state.RecordedTally.YearShare[7] = 6;
    session.state.RecordedTally.YearShare[8] = 7;
    const std::vector<std::string> merged =
        GuidanceHeadings(*ComposeReport(session.state, Language::English, "2026-12-07"));
    EXPECT_EQ(std::count(merged.begin(), merged.end(), "G - Night Ventilation / H - Thermal Inertia (Cooling)"), 1);
}

}  // namespace
}  // namespace qav
