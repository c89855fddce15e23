#include "pipeline/report.h"

#include <gtest/gtest.h>

#include "core/version.h"
#include "data/builtin_sets.h"
#include "pipeline/analysis_run.h"
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
    EXPECT_EQ(facts.Rows[4][1], "88.251 kPa (taken at 1150 m)");
    EXPECT_EQ(facts.Rows.back()[1], std::string(kProgramAndVersion) + ", 2026-12-07");
    ASSERT_EQ(en->Blocks[6].Kind, ReportBlockKind::Table);  // the yearly shares, the top three ranked
    EXPECT_EQ(en->Blocks[6].Table.Rows[4], (std::vector<std::string>{"1", "E - Thermal Comfort", "36.8", "51.0"}));
    EXPECT_EQ(en->Blocks[6].Table.Bold,
              (std::vector<bool>{false, true, true, false, true, false, false, false, false, false}));
    EXPECT_TRUE(Find(*en, ReportBlockKind::Note, "The shares merge strategies"));
    EXPECT_TRUE(Find(*en, ReportBlockKind::Note,
                     "Each hour counted once, by the zone it falls in: cold (A to C) 42.0 %, comfortable (E) 51.0 %, "
                     "hot (F to J) 6.9 %, dry (D) 0.0 % of the hours."));
    EXPECT_TRUE(Find(*en, ReportBlockKind::Note,
                     "B (30.2 %) holds C: 9 h need solar gains alone, 112 h also need thermal mass."));
    EXPECT_FALSE(Find(*en, ReportBlockKind::Note, "H ("));
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

// A run's input as qav-cli and the module make it; the report then credits the input itself.
ReportContent RunReport(const RunInput& in, int slot, const std::optional<Warming>& warming = std::nullopt)
{
    RowAnalyser analyser(MakeStartupState(), HoursView::Typical, HourFilter{}, warming);
    return *ComposeReport(analyser.Analyse({&in, slot}), Language::English, "2026-12-08");
}

RunInput SetInput(DataSetKind kind)
{
    RunInput in;
    LoadDataSet(kind, in.table);
    in.key = DataSetKey(kind);
    in.label = "--dataset " + in.key;
    return in;
}

// Each kind of input is credited to itself (every one used to read "built-in data set Brazil"),
// with the data note that fits it and no folder of the disk.
TEST(Report, SourceAndDataNameTheInput)
{
    RunInput md{{}, {}, "--file /home/ana/clima/QAVmine.TXT", 0, "/home/ana/clima/QAVmine.TXT"};
    md.table.LocationCount = 1;
    md.table.Slot[1] = SetInput(DataSetKind::World).table.Slot[37];
    md.table.Slot[1].DataSource = "ANA";
    RunInput station{{}, {}, "--station 83377", 0, "station:83377"};
    station.table.LocationCount = 1;
    station.table.Slot[1] = md.table.Slot[1];
    station.table.Slot[1].DataSource = "WMO 83377 1991-2020";
    const std::string epwPath = std::string(QAV_FIXTURES_DIR) + "/chicago.epw";
    WeatherFiles opened = OpenWeatherFiles({epwPath});
    const RunInput epw{opened.Table, opened.Recorded, "--epw " + epwPath, 0, epwPath};
    struct Row {
        RunInput in;
        int slot;
        std::string source, data;
    };
    for (const Row& r : {
             Row{SetInput(DataSetKind::Brazil), 5,
                 "built-in data set Brazil, climatological normals 1961-1990 of INMET; source field GOV: normals "
                 "published by the national meteorological service",
                 "Data: climatological normals"},
             Row{SetInput(DataSetKind::SouthAmerica), 8,
                 "built-in data set South America, normals 1961-1990 or 1981-2010 of each country's meteorological "
                 "service; source field BBC: normals taken from a published compilation of world climate tables",
                 "Data: climatological normals"},
             Row{SetInput(DataSetKind::World), 37,
                 "built-in data set World, normals 1961-1990 to 1991-2020 of the national meteorological services, "
                 "as reported to the WMO; source field BBC: normals taken from a published compilation of world "
                 "climate tables",
                 "Data: climatological normals"},
             Row{md, 1, "Monthly Data file QAVmine.TXT; source field ANA", "Data: the Monthly Data file named above"},
             Row{epw, 1, "weather file chicago.epw, location from its header: Chicago Ohare Intl Ap (USA)",
                 "Data: the EnergyPlus weather file named above"},
             Row{station, 1, "Station WMO 83377, normals 1991-2020", "Data: WMO Climatological Normals"},
         }) {
        SCOPED_TRACE(r.in.label);
        const ReportContent report = RunReport(r.in, r.slot);
        EXPECT_EQ(report.Blocks.front().Table.Rows[1][1], r.source);
        EXPECT_TRUE(Find(report, ReportBlockKind::Text, r.data));
    }
}

// A warming marks every value it changed and says what it added (Belém, +2 °C: 22 / 31 as read).
TEST(Report, WarmedNormalsAreMarked)
{
    const ReportContent report = RunReport(SetInput(DataSetKind::Brazil), 2, UniformWarming(2));
    const ReportTable& normals = report.Blocks[4].Table;
    EXPECT_EQ(normals.Rows[0], (std::vector<std::string>{"January", "24.0 *", "33.0 *", "89.0"}));
    EXPECT_TRUE(Find(report, ReportBlockKind::Note,
                     "* Warmed normals: +2 °C added to every minimum and maximum; humidity as read."));
    EXPECT_EQ(RunReport(SetInput(DataSetKind::Brazil), 2).Blocks[4].Table.Rows[0][1], "22.0");
}

}  // namespace
}  // namespace qav
