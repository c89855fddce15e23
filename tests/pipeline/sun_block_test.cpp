#include "pipeline/sun_block.h"

#include <gtest/gtest.h>

#include <numeric>

#include "pipeline/analysis_output.h"
#include "pipeline/option_error.h"
#include "tests/pipeline/pipeline_session.h"
#include "pipeline/sun_options.h"
#include "pipeline/sun_pictures.h"

namespace qav {
namespace {

// Brasília's typical days on the default shading line: the north façade (the equator side)
// takes a 39 deg overhang that keeps 30 % of the winter sun; the west one, whose hot afternoons
// come low, needs 7 deg. Pinned from a run checked by hand against the sun path.
TEST(SunBlock, BrasiliaFacadesOnTheShadingLine)
{
    PipelineSession s;
    const SunBlock b = ComputeSunBlock(s.state);
    EXPECT_NEAR(b.Typical[6][12].AltitudeDeg, 50.89, 0.005);
    EXPECT_EQ(b.Typical[6][12].AzimuthDeg, 0.0);
    EXPECT_EQ(b.Typical[6][1].Need, SunNeed::SunDown);
    const FacadeShading& north = b.Facades[0];
    EXPECT_EQ(north.OverheatedHours, 62);
    EXPECT_EQ(north.UnderheatedHours, 20);
    EXPECT_EQ(north.OverhangVsa, 39);
    EXPECT_EQ(north.OverhangKeeps, 30.0f);
    EXPECT_EQ(b.Facades[6].OverhangVsa, 7);
    EXPECT_EQ(b.Facades[5].OverhangKeeps, std::nullopt);  // no winter sun on the south-west
    EXPECT_EQ(ChosenFacade(s.state), 0);

    // A higher line leaves the comfortable afternoons neutral: fewer hours want shade.
    s.state.Sun.ShadeAboveC = 28;
    s.state.Sun.FacadeDeg = 270;
    EXPECT_LT(ComputeSunBlock(s.state).Facades[6].OverheatedHours, 66);
    EXPECT_EQ(ChosenFacade(s.state), 270);
}

TEST(SunBlock, JsonEndsTheRowWithLettersAndSun)
{
    PipelineSession s;
    const std::string json = AnalysisJson(s.state, "brazil");
    const std::size_t letters = json.find(",\"hour_letters\":[\"CCCCCCCCFEEEEEEEEEEEFFCC\",");
    ASSERT_NE(letters, std::string::npos);
    EXPECT_GT(letters, json.find("\"synthesis\""));
    EXPECT_NE(json.find(",\"sun\":{\"shade_above\":21,\"altitude\":[[-"), std::string::npos);
    EXPECT_NE(json.find("{\"azimuth\":0,\"overheated_hours\":62,\"underheated_hours\":20,\"overhang_vsa\":39,"
                        "\"overhang_keeps\":30,\"fins_hsa\":0,\"fins_keeps\":0,\"overhang_depth\":1.23}"),
              std::string::npos);
    EXPECT_NE(json.find("\"overhang_keeps\":null"), std::string::npos);
    EXPECT_EQ(json.find("recorded_hour_letters"), std::string::npos);
    EXPECT_TRUE(json.ends_with("]}}"));
}

// Chicago's file dates its hours 1986 in central standard time (UTC-6): 1 January, hour 13 is
// 12:30, about 35 minutes past solar noon there (hour angle 8.7 deg, declination -23.0 deg:
// 24.5 deg high by hand); the sun stands low, just west of south.
TEST(SunBlock, RecordedHoursOnTheFilesClockAndYear)
{
    PipelineSession s;
    s.ShowWeatherFile("chicago.epw");
    const std::vector<SunHour> hours = RecordedSunHours(s.state);
    ASSERT_EQ(hours.size(), 8760u);
    EXPECT_NEAR(hours[12].AltitudeDeg, 24.54, 0.01);
    EXPECT_NEAR(hours[12].AzimuthDeg, 188.77, 0.01);
    EXPECT_EQ(hours[12].Need, SunNeed::Underheated);
    EXPECT_EQ(ChosenFacade(s.state), 180);
    const std::string letters = RecordedHourLetters(s.state);
    EXPECT_EQ(letters.size(), 8760u);
    EXPECT_EQ(letters.find('-'), std::string::npos);

    // A missing hour keeps its place as "-".
    auto year = std::make_shared<RecordedYear>(*s.state.CurrentRecorded());
    year->Hours.erase(year->Hours.begin() + 30);  // 2 January, hour 7
    s.state.Recorded[s.state.CurrentLocation] = year;
    s.state.RecordedStrategy.erase(s.state.RecordedStrategy.begin() + 30);
    EXPECT_EQ(RecordedHourLetters(s.state)[30], '-');
    EXPECT_EQ(RecordedHourLetters(s.state)[8759], letters[8759]);
}

// The pictures stay light enough for a page: the sun path of typical days under 40 KB, with a
// weather file's 8760 hours under 500 KB, the calendar under 200 KB.
TEST(SunPictures, SvgSizesAndTheEquatorSideMask)
{
    PipelineSession s;
    const std::string sun = SunPictureSvg(SunPictureKind::SunPath, s.state);
    EXPECT_LT(sun.size(), 40000u);
    EXPECT_NE(sun.find("North façade: overhang 39°, fins 0°"), std::string::npos);
    EXPECT_LT(SunPictureSvg(SunPictureKind::Calendar, s.state).size(), 200000u);
    s.ShowWeatherFile("chicago.epw");
    EXPECT_LT(SunPictureSvg(SunPictureKind::SunPath, s.state).size(), 500000u);
    const std::string calendar = SunPictureSvg(SunPictureKind::Calendar, s.state);
    EXPECT_LT(calendar.size(), 200000u);
    EXPECT_NE(calendar.find("Recorded hours"), std::string::npos);
    // Chicago's 31 January noons: 30 of them want artificial heating (A).
    const auto noon = CalendarInputOf(s.state).RecordedCounts[1][12];
    EXPECT_EQ(noon[1], 30);
    EXPECT_EQ(std::accumulate(noon.begin(), noon.end(), 0), 31);
    EXPECT_NE(SunPictureSvg(SunPictureKind::SunPath, s.state).find("South façade"), std::string::npos);
}

TEST(SunOptions, ParsesAndRefusesAsTheOtherOptions)
{
    EXPECT_EQ(ParseSunOptions(std::nullopt, std::nullopt).ShadeAboveC, 21.0f);
    EXPECT_EQ(ParseSunOptions(std::nullopt, std::nullopt).FacadeDeg, -1);
    EXPECT_EQ(ParseSunOptions("26.5", "sw").ShadeAboveC, 26.5f);
    EXPECT_EQ(ParseFacade("SW"), 225);
    EXPECT_EQ(ParseFacade("0"), 0);
    EXPECT_EQ(ParseFacade("359"), 359);
    EXPECT_TRUE(ParseSunOptions(std::nullopt, std::nullopt, "equidistant").Equidistant);
    EXPECT_FALSE(ParseSunOptions(std::nullopt, std::nullopt, "stereographic").Equidistant);
    EXPECT_FALSE(ParseSunOptions(std::nullopt, std::nullopt).Equidistant);
    for (const auto& [shade, facade, message] :
         {std::tuple{"40", "N", "--shade-above: 40 is outside 10..35"},
          {"21", "N", "--sun-projection: '' is not stereographic or equidistant"},
          {"9.9", "N", "--shade-above: 9.9 is outside 10..35"},
          {"warm", "N", "--shade-above: 'warm' is not a number"},
          {"21", "360", "--facade: '360' is not N, NE, E, SE, S, SW, W, NW or degrees from 0 to 359"},
          {"21", "NNE", "--facade: 'NNE' is not N, NE, E, SE, S, SW, W, NW or degrees from 0 to 359"}}) {
        SCOPED_TRACE(message);
        try {
            ParseSunOptions(shade, facade, std::string(facade) == "N" ? "" : "stereographic");
            ADD_FAILURE() << "accepted";
        } catch (const OptionError& e) {
            EXPECT_EQ(e.message, message);
        }
    }
}

}  // namespace
}  // namespace qav
