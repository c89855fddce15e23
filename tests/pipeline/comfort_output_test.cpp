#include "pipeline/comfort_output.h"

#include <gtest/gtest.h>

#include "pipeline/analysis_output.h"
#include "pipeline/analysis_request.h"
#include "pipeline/report.h"
#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

// The first object of the key's list, as written.
std::string FirstObject(const std::string& json, const std::string& key)
{
    const std::size_t at = json.find("\"" + key + "\":[{");
    if (at == std::string::npos) return {};
    const std::size_t open = json.find('{', at);
    return json.substr(open, json.find('}', open) + 1 - open);
}

// Manaus's January normals 22.9 / 30.8 C: t_pma 26.85, t_c 26.12; of its 24 typical hours 4 lie
// above the 80 % limit 29.62 and none above it once fans raise it by 1.2 K.
TEST(ComfortJson, TypicalDaysOfBothModels)
{
    PipelineSession s;
    ASSERT_TRUE(SelectLocation(s.state, 14, s.canvases));
    ASSERT_EQ(s.state.Current().LocationName, "Manaus");
    const std::string json = AnalysisJson(s.state, "brazil");
    EXPECT_EQ(FirstObject(json, "ashrae55"),
              "{\"month\":1,\"t_pma\":26.85,\"t_comf\":26.12,\"lower80\":22.62,\"upper80\":29.62,\"lower90\":23.62,"
              "\"upper90\":28.62,\"in_range\":true,\"hours_within80\":20,\"hours_above80\":4,\"hours_below80\":0,"
              "\"hours_within90\":13,\"hours_within80_fan\":[24,24,24]}");
    EXPECT_EQ(FirstObject(json, "en16798"),
              "{\"month\":1,\"t_rm\":26.85,\"t_comf\":27.66,\"lower_i\":24.66,\"upper_i\":29.66,\"lower_ii\":23.66,"
              "\"upper_ii\":30.66,\"lower_iii\":22.66,\"upper_iii\":31.66,\"in_range\":true,\"hours_within_i\":11,"
              "\"hours_within_ii\":19,\"hours_within_iii\":24}");
    EXPECT_EQ(json.find("recorded_adaptive"), std::string::npos);
    EXPECT_EQ(json.find("\"wind\""), std::string::npos);
}

// Chicago's 540 hours classified F make the ventilation rose; January (-5.1 C) is outside both
// models. Its year's roses are pinned from the file in the reader's tests.
TEST(ComfortJson, RecordedHoursAndWindOfAWeatherFile)
{
    PipelineSession s;
    s.ShowWeatherFile("chicago.epw");
    const std::optional<WindRoses> roses = RecordedWindRoses(s.state);
    ASSERT_TRUE(roses);
    const WindRose& v = roses->Ventilation;
    EXPECT_EQ((std::array{v.Counted(), v.Calm, v.Missing, *v.Prevailing}), (std::array{540, 24, 0, 10}));
    EXPECT_FLOAT_EQ(v.PrevailingShare, 16.3f);

    const std::string json = AnalysisJson(s.state, "chicago.epw");
    EXPECT_EQ(FirstObject(json, "ashrae55"),
              "{\"month\":1,\"t_pma\":-5.1,\"t_comf\":16.22,\"lower80\":12.72,\"upper80\":19.72,\"lower90\":13.72,"
              "\"upper90\":18.72,\"in_range\":false,\"hours_within80\":null,\"hours_above80\":null,"
              "\"hours_below80\":null,\"hours_within90\":null,\"hours_within80_fan\":null}");
    const std::size_t recorded = json.find("\"recorded_adaptive\":");
    ASSERT_NE(recorded, std::string::npos);
    const std::string july = json.substr(json.find("{\"month\":7", recorded), 400);
    EXPECT_EQ(july.substr(0, july.find('}') + 1),
              "{\"month\":7,\"t_pma\":24.13,\"t_comf\":25.28,\"lower80\":21.78,\"upper80\":28.78,\"lower90\":22.78,"
              "\"upper90\":27.78,\"in_range\":true,\"hours_within80\":345,\"hours_above80\":142,\"hours_below80\":257,"
              "\"hours_within90\":273,\"hours_within80_fan\":[392,403,420]}");
    const std::string ventilation = json.substr(json.find("\"ventilation\":"));
    EXPECT_EQ(ventilation.substr(ventilation.find("\"prevailing\""), 42),
              "\"prevailing\":\"SW\",\"prevailing_share\":16.3}");
    EXPECT_EQ(AnalysisJson(s.state, "chicago.epw", false).find("\"wind\""), std::string::npos);
}

// The sections come before the design advice; the advice on ventilation names the wind of its hours.
TEST(ComfortReport, AdaptiveTableWindRoseAndVentilationWind)
{
    PipelineSession s;
    s.ShowWeatherFile("chicago.epw");
    const std::optional<ReportContent> report = ComposeReport(s.state, Language::English, "2026-12-08");
    ASSERT_TRUE(report);
    std::vector<std::string> sections;
    const ReportTable* adaptive = nullptr;
    const ReportGuidance* ventilation = nullptr;
    for (const ReportBlock& b : report->Blocks) {
        if (b.Kind == ReportBlockKind::Section || b.Kind == ReportBlockKind::WindRose) sections.push_back(b.Text);
        if (b.Kind == ReportBlockKind::Table && sections.back() == "Adaptive comfort") adaptive = &b.Table;
        if (b.Kind == ReportBlockKind::Guidance && b.Advice.Heading.starts_with("F -")) ventilation = &b.Advice;
    }
    const auto at = std::find(sections.begin(), sections.end(), "Adaptive comfort");
    ASSERT_NE(at, sections.end());
    EXPECT_EQ(at[1], "Wind rose");
    EXPECT_EQ(at[2], "What to design for");
    ASSERT_TRUE(adaptive);
    EXPECT_EQ(adaptive->Rows[0],
              (std::vector<std::string>{"Jan", "-4.6", "-", "out of range", "-", "-", "-", "-", "0"}));
    EXPECT_EQ(adaptive->Rows[6],
              (std::vector<std::string>{"Jul", "24.1", "25.3", "21.8 - 28.8", "345", "142", "273", "403", "272"}));
    ASSERT_TRUE(ventilation);
    EXPECT_NE(ventilation->Site.find("In the ventilation hours the wind comes from SW 16.3 % of the time, at a "
                                     "median 4.1 m/s"),
              std::string::npos);

    const PipelineSession brasilia;  // the start-up location: typical days, no wind
    const std::optional<ReportContent> typical =
        ComposeReport(brasilia.state, Language::PortugueseBrazil, "2026-12-08");
    ASSERT_TRUE(typical);
    int adaptiveSections = 0, windSections = 0;
    for (const ReportBlock& b : typical->Blocks) {
        adaptiveSections += b.Text == "Conforto adaptativo";
        windSections += b.Kind == ReportBlockKind::WindRose;
    }
    EXPECT_EQ((std::array{adaptiveSections, windSections}), (std::array{1, 0}));
}

TEST(ComfortOption, ParsedByTheRequestAndRefusedWithItsCode)
{
    EXPECT_EQ(ParseAnalysisRequest({{"--comfort", "en16798", {}}}).comfort, ComfortModel::En16798);
    EXPECT_EQ(ParseAnalysisRequest({}).comfort, ComfortModel::Givoni);
    try {
        ParseAnalysisRequest({{"--comfort", "pmv", {}}});
        ADD_FAILURE() << "accepted";
    } catch (const OptionError& e) {
        EXPECT_EQ(e.message, "--comfort: 'pmv' is not givoni, ashrae55 or en16798");
        EXPECT_EQ(CodeOf(e).code, "not_comfort_model");
    }
    bool warnings = false;
    const std::vector<RequestOption> keys = RequestFromKeys({"comfort", "string", "ashrae55"}, warnings);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].name + "=" + keys[0].value, "--comfort=ashrae55");
}

}  // namespace
}  // namespace qav
