#include "pipeline/report.h"

#include <gtest/gtest.h>

#include "core/text_format.h"
#include "core/version.h"
#include "data/builtin_sets.h"
#include "data/station_catalogue.h"
#include "pipeline/analysis_output.h"
#include "pipeline/analysis_request.h"
#include "pipeline/analysis_run.h"
#include "pipeline/facade_guidance.h"
#include "pipeline/site_guidance.h"
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

// Advice for every strategy serving 5 % or more of the hours and always for the three largest
// shares, largest first.
TEST(ReportGuidance, FollowsTheSharesAndAlwaysTheTopThree)
{
    // Hours by own zone: Brasília's (B 9, C 112, E 147, F 20 of 288) and a site whose F serves
    // 19 h of 288 (6.6 %) though its share is under 5 %: it gets advice now.
    const auto hours = [](StrategyTally t, std::vector<std::pair<int, int>> own) {
        for (auto [s, h] : own) t.MonthHours[s][1] = static_cast<std::int16_t>(h);
        return t;
    };
    StrategyTally curitiba;
    curitiba.YearShare[2] = 50, curitiba.YearShare[3] = 30, curitiba.YearShare[5] = 15.3f, curitiba.YearShare[6] = 4.7f;
    curitiba.TopStrategy = {0, 2, 3, 5};
    EXPECT_EQ(GuidedStrategies(hours(curitiba, {{2, 100}, {3, 120}, {5, 49}, {6, 19}})),
              (std::vector<int>{2, 3, 5, 6}));
    EXPECT_EQ(GuidedStrategies(hours(curitiba, {{2, 100}, {3, 120}, {5, 54}, {6, 14}})), (std::vector<int>{2, 3, 5}));
    using Row = std::tuple<std::vector<std::pair<int, float>>, std::array<int, 4>, std::vector<int>>;
    for (const auto& [shares, top, guided] :
         {Row{{{2, 30.2f}, {3, 28}, {5, 36.8f}, {6, 5}}, {0, 5, 2, 3}, {5, 2, 3}},
          Row{{{1, 90}, {2, 4.9f}, {5, 3}, {6, 2.1f}}, {0, 1, 2, 5}, {1, 2, 5}}, Row{{{1, 100}}, {0, 1, 0, 0}, {1}}}) {
        StrategyTally tally;  // shares alone: no hours counted, so only the top three
        for (auto [s, share] : shares) tally.YearShare[s] = share;
        tally.TopStrategy = top;
        EXPECT_EQ(GuidedStrategies(tally), guided) << guided.size();
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
    EXPECT_EQ(shares, (std::vector<std::string>{
                          "36.8 % (serves 147 h, 51.0 % of the hours)", "30.2 % (serves 121 h, 42.0 % of the hours)",
                          "28.0 % (serves 112 h, 38.9 % of the hours)", "5.0 % (serves 20 h, 6.9 % of the hours)"}));
    const ReportTable& facts = en->Blocks.front().Table;
    EXPECT_EQ(facts.Rows[4][1] + "|" + facts.Rows.back()[1],
              "88.251 kPa (computed for 1150 m)|" + std::string(kProgramAndVersion) + ", 2026-12-07");
    ASSERT_EQ(en->Blocks[6].Kind, ReportBlockKind::Table);  // the yearly shares, the top three ranked
    EXPECT_EQ(en->Blocks[6].Table.Rows[4], (std::vector<std::string>{"1", "E - Thermal Comfort", "36.8", "51.0"}));
    EXPECT_EQ(en->Blocks[6].Table.Bold,
              (std::vector<bool>{false, true, true, false, true, false, false, false, false, false}));
    using K = ReportBlockKind;
    EXPECT_TRUE(Find(*en, K::Note, "The shares merge strategies") &&
                Find(*en, K::Text, "Data: climatological normals"));
    EXPECT_TRUE(Find(*en, K::Note,
                     "Each hour counted once, by the zone it falls in: cold (A to C) 42.0 %, comfortable (E) 51.0 %, "
                     "hot (F to J) 6.9 %, dry (D) 0.0 % of the hours."));
    EXPECT_TRUE(Find(*en, K::Note, "B (30.2 %) holds C: 9 h need solar gains alone, 112 h also need thermal mass."));
    EXPECT_FALSE(Find(*en, K::Note, "H ("));
    EXPECT_TRUE(Find(*en, K::Text,
                     "The hours are read off a chart drawn at the size the program's window gives it on a screen of "
                     "1024 × 768 pixels"));

    const std::optional<ReportContent> pt = ComposeReport(session.state, Language::PortugueseBrazil, "2026-12-07");
    ASSERT_TRUE(pt);
    shares.clear();
    EXPECT_EQ(GuidanceHeadings(*pt, &shares).front() + "|" + shares.front(),
              "E - Conforto térmico|36,8 % (atende 147 h, 51,0 % das horas)");
    EXPECT_TRUE(Find(*pt, K::Section, "Diretrizes de projeto"));
    // The country and the hours counted in Portuguese words.
    EXPECT_EQ(pt->Title + "|" + pt->Blocks.front().Table.Rows[6][1],
              "Análise bioclimática de Brasília (Brasil)|todas as 24 horas do dia");
    EXPECT_TRUE(Find(*pt, K::Note,
                     "LAMBERTS, R.; DUTRA, L.; PEREIRA, F. O. R. Eficiência energética na "
                     "arquitetura. 3. ed. Rio de Janeiro: Eletrobras/Procel, 2014."));
    EXPECT_EQ(pt->Blocks.front().Table.Rows.back()[1], std::string(kProgramAndVersion) + ", 07/12/2026");

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
    EXPECT_EQ(GuidanceHeadings(*report, &shares),
              (std::vector<std::string>{"A - Artificial Heating", "B - Solar Heating", "E - Thermal Comfort",
                                        "C - Thermal Inertia (Heating)", "F - Ventilation"}));
    EXPECT_EQ(shares.front(),
              "39.8 % of the recorded hours, 44.6 % of the typical days (serves 4143 h, 47.3 % of the hours)");
    EXPECT_TRUE(Find(*report, ReportBlockKind::Note, "The typical days and the recorded hours classify 6.4 %"));

    session.state.RecordedTally.MonthHours[7][7] += 400;  // G then serves 572 h, H 576 h: over 5 % each
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
    RunInput in{{}, {}, "--dataset " + DataSetKey(kind), 0, DataSetKey(kind)};
    LoadDataSet(kind, in.table);
    return in;
}

// Each kind of input is credited to itself (every one used to read "built-in data set Brazil"),
// with the data note that fits it and no folder of the disk.
TEST(Report, SourceAndDataNameTheInput)
{
    // World's 37th location alone, as read from a file or a station's normals.
    const auto single = [](const std::string& label, const std::string& key, const std::string& source) {
        RunInput in{{}, {}, label, 0, key};
        in.table.LocationCount = 1;
        in.table.Slot[1] = SetInput(DataSetKind::World).table.Slot[37];
        in.table.Slot[1].DataSource = source;
        return in;
    };
    const RunInput md = single("--file /home/ana/clima/QAVmine.TXT", "/home/ana/clima/QAVmine.TXT", "ANA");
    const RunInput station = single("--station 83377", "station:83377", "WMO 83377 1991-2020");
    const std::string epwPath = std::string(QAV_FIXTURES_DIR) + "/chicago.epw";
    WeatherFiles opened = OpenWeatherFiles({epwPath});
    const RunInput epw{opened.Table, opened.Recorded, "--epw " + epwPath, 0, epwPath};
    using Row = std::tuple<RunInput, int, std::string, std::string>;  // input, slot, source, data note
    for (const auto& [in, slot, source, data] : {
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
        const ReportContent report = RunReport(in, slot);
        EXPECT_EQ(report.Blocks.front().Table.Rows[1][1], source);
        EXPECT_TRUE(Find(report, ReportBlockKind::Text, data)) << in.label;
    }
}

// A warming marks every value it changed and says what it added (Belém, +2 °C: 22 / 31 as read).
TEST(Report, WarmedNormalsAreMarked)
{
    const ReportContent report = RunReport(SetInput(DataSetKind::Brazil), 2, UniformWarming(2));
    EXPECT_EQ(report.Blocks[4].Table.Rows[0], (std::vector<std::string>{"January", "24.0 *", "33.0 *", "89.0"}));
    EXPECT_TRUE(Find(report, ReportBlockKind::Note,
                     "* Warmed normals: +2 °C added to every minimum and maximum; humidity as read."));
    EXPECT_EQ(RunReport(SetInput(DataSetKind::Brazil), 2).Blocks[4].Table.Rows[0][1], "22.0");
}

// The advice checked against each site's normals: what fires where it should, and nowhere else.
TEST(Report, ChecksFollowTheSite)
{
    const StationCatalogueResult stations =
        ReadStationCatalogue(std::string(QAV_FIXTURES_DIR) + "/../../../data/stations/stations-1991-2020.csv");
    ASSERT_FALSE(stations.failure);
    const auto station = [&](int wmo) {
        RunInput in{{}, {}, "--station " + std::to_string(wmo), 0, "station:" + std::to_string(wmo)};
        in.table.LocationCount = 1;
        in.table.Slot[1] = StationLocation(*stations.catalogue.Find(wmo));
        return in;
    };
    const auto site = [](const ReportContent& report) {
        std::string text;
        for (const ReportBlock& b : report.Blocks) text += b.Advice.Site + b.Advice.Measures + "|";
        return text;
    };
    using Row = std::tuple<RunInput, int, std::vector<std::string>, std::vector<std::string>>;  // found, absent
    const std::string warmNights = "nights stay at", humid = "The air is humid",
                      lowLatitude = "from the equator the sun", mass = "massive building heated by the sun",
                      southern = "north, in the southern hemisphere";
    const RunInput brazil = SetInput(DataSetKind::Brazil), america = SetInput(DataSetKind::SouthAmerica),
                   world = SetInput(DataSetKind::World);
    for (const auto& [in, slot, found, absent] : {
             Row{station(40438), 1, {"The August nights stay at 29.5 °C, above the 24 °C"}, {humid, lowLatitude}},
             Row{station(82983), 1, {"In May the daily range is only 9.1 K, under the 10 K"}, {warmNights, humid}},
             Row{brazil, 18, {"mean relative humidity is 76 %"}, {warmNights, mass}},
             Row{america, 12, {"At 0.2° from the equator the sun stands north"}, {mass}},
             Row{world, 37, {"to the equator (south, in the northern hemisphere)"}, {southern, mass, lowLatitude}},
             Row{america, 8, {"(all year round) is 18.8 K on average, above the 15 K"}, {lowLatitude}},
             Row{brazil, 7, {"75.0 % of the hours are hot", "(May to July)"}, {warmNights}},
             // Brasília's façades: shading sized from their own table, the west's beyond an overhang.
             Row{brazil,
                 5,
                 {southern,
                  "North: an overhang with a 39° cut-off (depth 1.23 × the window height) shades 90 % of the 62 "
                  "overheated sun-hours and keeps 30 % of the winter sun. Movable shading",
                  "East: an overhang with a 47° cut-off (depth 0.93 × the window height) shades 90 % of the 23",
                  "South: vertical fins with a 59° cut-off (depth 0.60 × the window width) shade 90 % of the 39 "
                  "overheated sun-hours and keep 0 % of the winter sun; an overhang alone would need a 15°",
                  "West: 66 overheated sun-hours and none that want sun: fins or an overhang alone will not do (7° "
                  "cut-off)"},
                 {"hot:", warmNights, humid, mass, lowLatitude}},
         }) {
        SCOPED_TRACE(in.label + ":" + std::to_string(slot));
        const std::string text = site(RunReport(in, slot));
        for (const std::string& f : found) EXPECT_NE(text.find(f), std::string::npos) << f;
        for (const std::string& a : absent) EXPECT_EQ(text.find(a), std::string::npos) << a;
    }
    {  // the façades' advice in Portuguese, with the decimal comma
        RowAnalyser analyser(MakeStartupState(), HoursView::Typical, HourFilter{}, std::nullopt);
        const std::vector<GuidanceCheck> west =
            FacadeChecks(analyser.Analyse({&brazil, 5}), Language::PortugueseBrazil);
        ASSERT_EQ(west.size(), 4u);
        EXPECT_TRUE(west[0].Text.starts_with(
            "Norte: um brise horizontal com corte de 39° (profundidade de 1,23 × a altura da janela) sombreia"))
            << west[0].Text;
        EXPECT_TRUE(
            (west[3].Facade + " " + west[3].Text).starts_with("W Oeste: 66 horas de sol sobreaquecidas e nenhuma"))
            << west[3].Text;
    }

    // The synthesis names the seasons from the hours, says how to run the months of both needs
    // and which need wins, by hours; the façade by hemisphere.
    EXPECT_TRUE(Find(RunReport(station(40438), 1), ReportBlockKind::Text,
                     "Walls and roof: heavy and insulated throughout: the mass stores the sun's heat for the 68 cold "
                     "hours (November to March) and damps the heat of the 115 hot hours (April to October). "
                     "Openings: medium, facing the south, with overhangs that shade them (April to October). November "
                     "to March: let the sun in by day; close the openings and shutters at night. April to October: "
                     "keep it closed and shaded in the heat of the day. Where the advice below pulls two ways, "
                     "cooling wins: 115 hot hours against 68 cold ones;"));
    EXPECT_TRUE(Find(RunReport(brazil, 5), ReportBlockKind::Text,
                     "Walls and roof: an insulated roof; heavy internal walls and floors inside the insulation for "
                     "the 121 cold hours (all year round); light, shaded external walls and a ventilated roof space "
                     "for the 20 hot hours (November to March). Openings: medium, facing the north, with openings on "
                     "opposite façades for the breeze; all shaded (November to March). April to October: let the sun "
                     "in by day; close the openings and shutters at night. November to March: shade the openings and "
                     "ventilate in the warm hours of the day; close them in the cool nights. Where the advice below "
                     "pulls two ways, heating wins: 121 cold hours against 20 hot ones;"));
    EXPECT_TRUE(Find(RunReport(america, 12), ReportBlockKind::Text,
                     "Walls and roof: heavy and well insulated, with the mass of the internal walls and floors inside "
                     "the insulation, for the 228 cold hours (all year round). Openings: medium, facing the north and "
                     "the south, with shutters for the nights. All year round: let the sun in"));

    // The same in JSON: Riyadh's night-ventilation check with its figures.
    RowAnalyser analyser(MakeStartupState(), HoursView::Typical, HourFilter{}, std::nullopt);
    const RunInput riyadh = station(40438);
    const std::string json = AnalysisJson(analyser.Analyse({&riyadh, 1}), "station:40438");
    EXPECT_NE(json.find("{\"strategies\":[\"G\",\"H\"],\"hours\":71,\"share\":24.7,\"checks\":[{\"check\":"
                        "\"night_cooling\",\"holds\":false,\"value\":29.5,\"limit\":24,\"text\":\"The August nights"),
              std::string::npos);
    EXPECT_NE(json.find(",\"synthesis\":\"Walls and roof: heavy and insulated"), std::string::npos);
}

// Each block's hours and each check's figure, in the report's order, at sites that tell the
// checks apart: which month a check reads, over which months it averages, where it is said.
TEST(Report, CheckFiguresAcrossTheSets)
{
    const auto summary = [](const AnalysisState& state) {
        std::string text;
        for (const GuidanceBlock& b : SiteGuidance(state, state.Tally, Language::English)) {
            text += std::string(text.empty() ? "" : " ") + StrategyLetter(b.Strategies[0]) +
                    (b.Strategies[1] ? std::string(1, StrategyLetter(b.Strategies[1])) : "") + ":" +
                    std::to_string(b.Hours) + "[";
            for (const GuidanceCheck& c : b.Checks)
                text +=
                    c.Check.substr(0, 1) + c.Facade + "=" + FormatFixed(c.Value, 2, '.') + (c.Holds ? "" : "!") + ",";
            text += "]";
        }
        return text;
    };
    RowAnalyser analyser(MakeStartupState(), HoursView::Typical, HourFilter{}, std::nullopt);
    const RunInput brazil = SetInput(DataSetKind::Brazil), world = SetInput(DataSetKind::World);
    using Row = std::tuple<const RunInput*, int, std::string>;
    for (const auto& [in, slot, expected] : {
             Row{&brazil, 7,  // Cuiabá: the afternoon wet bulb of its most humid month at the limit
                 "F:136[oN=40.00,oE=6.00!,oS=66.00,oW=7.00!,] E:51[] J:49[] I:31[h=24.00!,] GH:29[n=20.70,] "
                 "B:21[o=15.60,o=75.00!,] C:21[l=12.90,]"},
             Row{&brazil, 9,  // Florianópolis: the south façade's overhang at the shallowest cut-off
                 "B:104[o=27.58,oN=36.00,oE=11.00!,oS=27.00,oW=8.00!,] C:102[l=6.70,] F:92[] E:82[]"},
             Row{&world, 9,  // Berlin: the range check said in A's block, over the months of A to C
                 "A:156[l=8.10,] B:90[o=52.52,oN=85.00,oE=71.00,oS=51.00,oW=25.00!,] C:43[] E:42[]"},
             Row{&world, 17,  // Calcutta: 67.4 % of the hours hot, J's among them
                 "J:103[oN=70.00,oE=9.00!,oS=37.00,oW=7.00!,] F:76[] E:55[] B:39[o=22.57,o=67.40!,] C:33[l=13.00,] "
                 "I:15[h=23.90,]"},
             Row{&world, 35,  // New Delhi: its warmest nights and hottest afternoons fall in different months
                 "E:90[] B:56[o=28.61,oN=28.00,oE=10.00!,oS=36.00,oW=9.00!,] J:50[] I:45[h=25.90!,] F:32[] "
                 "C:31[l=13.80,] GH:30[n=27.30!,] A:15[]"},
         }) {
        const AnalysisState state = analyser.Analyse({in, slot});
        EXPECT_EQ(summary(state), expected) << state.Current().LocationName;
    }
    // New Delhi's hot hours go to mass and evaporation (45 h in G, H and I), not to the breeze (32 h in F).
    const AnalysisState delhi = analyser.Analyse({&world, 35});
    EXPECT_TRUE(BuildingInBrief(delhi, delhi.Tally, Language::English)
                    .starts_with("Walls and roof: heavy and insulated throughout: the mass stores the sun's heat for "
                                 "the 71 cold hours (November to March)"));
}

// A station found for a site: the site's coordinates, the station's distance and elevation
// difference, and the caution beyond 50 km or 300 m; nothing once another location is shown.
// Brasília's normals stand in for the station (-15.78, -47.93, 1160 m).
TEST(Report, SearchedSiteAndStationDistance)
{
    RowAnalyser analyser(MakeStartupState(), HoursView::Typical, HourFilter{}, std::nullopt);
    const RunInput brazil = SetInput(DataSetKind::Brazil);
    AnalysisState state = analyser.Analyse({&brazil, 5});
    const auto heading = [&](Language language) {
        const ReportContent report = *ComposeReport(state, language, "2026-12-08");
        const auto& rows = report.Blocks.front().Table.Rows;
        const ReportBlock& next = report.Blocks[1];
        return rows[2][1] + "|" + rows[3][0] + ": " + rows[3][1] + "|" +
               (next.Kind == ReportBlockKind::Note ? next.Text : "");
    };
    // Each limit alone brings the caution: 330 m higher nearby, 67 km away at about the same height.
    const std::string caution =
        "|The station is more than 50 km from the site or more than 300 m higher or lower: the site's climate may "
        "differ. The pressure is that of the station's elevation, 1160 m.";
    using Row = std::tuple<SearchedSite, Language, std::string>;
    for (const auto& [site, language, expected] : {
             Row{{"", -15.80, -47.90, 830, "GOV"},
                 Language::English,
                 "-15.78°, -47.93°|Site: -15.80°, -47.90°, 830 m; the station is 4 km away and 330 m higher" + caution},
             Row{{"", -15.78, -47.30, 1100, "GOV"},
                 Language::English,
                 "-15.78°, -47.93°|Site: -15.78°, -47.30°, 1100 m; the station is 67 km away and 60 m higher" +
                     caution},
             Row{{"Taguatinga", -15.83, -48.06, std::nullopt, "GOV"},
                 Language::PortugueseBrazil,
                 "-15,78°, -47,93°|Local do projeto: Taguatinga, -15,83°, -48,06°; a estação fica a 15 km|"},
             Row{{"", -15.80, -47.90, 1400, "GOV"},
                 Language::English,
                 "-15.78°, -47.93°|Site: -15.80°, -47.90°, 1400 m; the station is 4 km away and 240 m lower|"},
         }) {
        state.Searched = site;
        EXPECT_EQ(heading(language), expected);
    }
    state.Searched->ForSource = "WMO 83377 1991-2020";  // found for another location: not printed
    EXPECT_EQ(heading(Language::English), "-15.78°, -47.93°|Elevation: 1160 m|");
}

// qav-cli's --near analyses the nearest station and hands the place on to the report.
TEST(Report, NearestStationKeepsThePlace)
{
    const StationCatalogueResult stations =
        ReadStationCatalogue(std::string(QAV_FIXTURES_DIR) + "/../../../data/stations/stations-1991-2020.csv");
    ASSERT_FALSE(stations.failure);
    AnalysisRequest request;
    request.inputs = {{"--near", "-23.55, -46.63, 760", std::nullopt}};
    RequestInputs opened;
    OpenRequestInputs(
        request, [&](std::string&) { return &stations.catalogue; }, opened);
    ASSERT_EQ(opened.inputs.size(), 1u);
    RowAnalyser analyser(MakeStartupState(), HoursView::Typical, HourFilter{}, std::nullopt);
    const AnalysisState& state = analyser.Analyse({&opened.inputs[0], 1});
    const ReportContent report = *ComposeReport(state, Language::English, "");
    EXPECT_EQ(
        report.Blocks.front().Table.Rows[1][1] + "|" + report.Blocks.front().Table.Rows[3][1],
        "Station INMET 83781, normals 1991-2020|-23.55°, -46.63°, 760 m; the station is 6 km away and 25 m higher");
    // The JSON row carries the same site, distance and difference; without the site's elevation
    // the difference is unknown, not zero.
    const std::string json = AnalysisJson(state, "--near");
    EXPECT_NE(json.find(",\"searched\":{\"latitude\":-23.55,\"longitude\":-46.63,\"elevation_m\":760},"
                        "\"distance_km\":6,\"elevation_diff_m\":25,"),
              std::string::npos)
        << json.substr(0, 300);
    AnalysisState lower = state;
    lower.Searched->ElevationM.reset();
    EXPECT_NE(AnalysisJson(lower, "--near").find("\"elevation_m\":null},\"distance_km\":6,\"elevation_diff_m\":null"),
              std::string::npos);
    lower.Searched->ForSource = "GOV";  // a site found for another location is not this row's
    EXPECT_EQ(AnalysisJson(lower, "--near").find("\"searched\""), std::string::npos);
}

}  // namespace
}  // namespace qav
