#include "pipeline/sun_report.h"

#include <gtest/gtest.h>

#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

TEST(FacadeSentence, SaysTheCutOffTheSunKeptAndTheDepth)
{
    FacadeShading f;
    f.AzimuthDeg = 0;
    EXPECT_EQ(FacadeSentence(f, Language::English),
              "North: no overheated sun-hour reaches this façade; it needs no shading.");
    f.OverheatedHours = 62;
    f.OverhangVsa = 52;
    f.OverhangKeeps = 80.0f;
    f.FinsHsa = 15;
    f.FinsKeeps = 20.4f;
    EXPECT_EQ(FacadeSentence(f, Language::English),
              "North: an overhang with a 52° cut-off (vertical shadow angle α) shades 90 % of the 62 overheated "
              "sun-hours and keeps 80 % of the winter sun; depth 0.78 × the window height. Fins with a 15° cut-off "
              "(horizontal shadow angle β) keep 20 % of it.");
    f.AzimuthDeg = 270;
    f.OverhangVsa = 0;
    f.FinsHsa = 0;
    EXPECT_EQ(FacadeSentence(f, Language::English),
              "West: the 62 overheated sun-hours come so low that no overhang alone shades 90 % of them; use fins, "
              "movable shutters or shaded glazing. Fins alone cannot shade them.");
    f.AzimuthDeg = 225;
    f.OverhangVsa = 21;
    f.OverhangKeeps.reset();
    f.FinsHsa = 26;
    f.FinsKeeps.reset();
    EXPECT_EQ(FacadeSentence(f, Language::English),
              "Southwest: an overhang with a 21° cut-off (vertical shadow angle α) shades 90 % of the 62 overheated "
              "sun-hours; depth 2.61 × the window height; no winter sun reaches this façade. Fins would need a 26° "
              "cut-off (horizontal shadow angle β).");
}

TEST(SunReportSection, PicturesTableAndSentencesOfTheCardinalFacades)
{
    PipelineSession s;
    const std::vector<ReportBlock> blocks = SunReportSection(s.state, Language::English);
    ASSERT_EQ(blocks.size(), 9u);  // N, E, S and W in words
    EXPECT_EQ(blocks[0].Text, "Sun and shade");
    EXPECT_NE(blocks[1].Text.find("21.0 °C or more"), std::string::npos);
    EXPECT_EQ(blocks[2].Kind, ReportBlockKind::SunPath);
    EXPECT_EQ(blocks[2].Text, "Sun path and the shading mask of the North façade");
    const ReportTable& t = blocks[3].Table;
    ASSERT_EQ(t.Rows.size(), 8u);
    EXPECT_EQ(t.Rows[0], (std::vector<std::string>{"North", "62", "20", "39", "30.0", "1.23", "0", "0.0"}));
    EXPECT_EQ(t.Rows[5][4], "-");
    EXPECT_EQ(t.Bold, (std::vector<bool>{true, false, false, false, false, false, false, false}));
    EXPECT_EQ(blocks[5].Text.rfind("East:", 0), 0u);
    EXPECT_EQ(blocks[8].Kind, ReportBlockKind::Calendar);
    const auto report = ComposeReport(s.state, Language::English, "2026-12-08");
    ASSERT_TRUE(report);
    EXPECT_TRUE(std::any_of(report->Blocks.begin(), report->Blocks.end(),
                            [](const ReportBlock& b) { return b.Kind == ReportBlockKind::SunPath; }));
}

}  // namespace
}  // namespace qav
