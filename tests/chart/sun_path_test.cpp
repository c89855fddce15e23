#include "chart/sun_path.h"

#include <gtest/gtest.h>

#include "chart/svg_canvas.h"

namespace qav {
namespace {

// The sky's circle: centre (320, 372) px, horizon radius 270 px, 15 canvas units a pixel.
TEST(SunPathPoint, NorthUpEastRightAndTheProjectionsRadii)
{
    const SkyPoint zenith = SunPathPoint(90, 0, false);
    EXPECT_DOUBLE_EQ(zenith.X, 4800);
    EXPECT_DOUBLE_EQ(zenith.Y, 5580);
    EXPECT_NEAR(SunPathPoint(0, 0, false).Y, 5580 - 4050, 1e-9);  // north on the rim, up
    const SkyPoint east = SunPathPoint(0, 90, false);
    EXPECT_NEAR(east.X, 4800 + 4050, 1e-9);  // east to the right
    EXPECT_NEAR(east.Y, 5580, 1e-9);
    EXPECT_NEAR(SunPathPoint(0, 270, true).X, 4800 - 4050, 1e-9);
    // 45 deg high due south: stereographic R tan 22.5 deg = 0.41421 R, equidistant R / 2.
    EXPECT_NEAR(SunPathPoint(45, 180, false).Y - 5580, 0.414214 * 4050, 0.01);
    EXPECT_NEAR(SunPathPoint(45, 180, true).Y - 5580, 2025, 1e-9);
    EXPECT_DOUBLE_EQ(SunPathPoint(-10, 180, false).Y, SunPathPoint(0, 180, false).Y);  // held on the rim
}

TEST(DrawSunPath, TitlesTheLatitudeAndNamesTheMask)
{
    SvgCanvas canvas(kSunPathWidthPx * kSunPictureUnits, kSunPathHeightPx * kSunPictureUnits, kSunPictureUnits,
                     kSunPictureUnits);
    SunPathInput in;
    in.LocationName = "Here";
    in.LatitudeDeg = -15.78;
    in.LongitudeDeg = -47.93;
    in.Typical = {{40, 0, SunNeed::Overheated}, {-5, 0, SunNeed::Underheated}};
    in.FacadeDeg = 0;
    in.OverhangVsa = 39;
    DrawSunPath(canvas, in, Language::English, '.');
    const std::string svg = canvas.Document("t", "d");
    EXPECT_NE(svg.find(">Here - Sun path, latitude 15.8° S<"), std::string::npos);
    EXPECT_NE(svg.find(">Shading mask of the North façade: overhang 39°, fins none needed<"), std::string::npos);
    EXPECT_EQ(svg.find("Faint dots"), std::string::npos);
    in.FacadeDeg = 200;
    in.Recorded = in.Typical;
    DrawSunPath(canvas, in, Language::English, '.');
    const std::string turned = canvas.Document("t", "d");
    EXPECT_NE(turned.find("of the 200° façade"), std::string::npos);
    EXPECT_NE(turned.find("Faint dots"), std::string::npos);
    // The rim's compass letters are the wind rose's: L and O for east and west in Portuguese.
    DrawSunPath(canvas, in, Language::PortugueseBrazil, ',');
    const std::string portuguese = canvas.Document("t", "d");
    for (const char* letter : {">N<", ">L<", ">S<", ">O<"}) EXPECT_NE(portuguese.find(letter), std::string::npos);
    EXPECT_EQ(portuguese.find(">E<"), std::string::npos);
}

TEST(DrawHourCalendar, LettersTheTypicalHoursAndSharesTheRecorded)
{
    SvgCanvas canvas(kCalendarWidthPx * kSunPictureUnits, kCalendarHeightPx * kSunPictureUnits, kSunPictureUnits,
                     kSunPictureUnits);
    CalendarInput in;
    in.LocationName = "Here";
    in.Typical[1][1] = 10;
    DrawHourCalendar(canvas, in, Language::English);
    const std::string typical = canvas.Document("t", "d");
    EXPECT_NE(typical.find(">Here - Strategy of each hour of the typical days<"), std::string::npos);
    EXPECT_NE(typical.find(">J<"), std::string::npos);
    in.RecordedCounts.assign(13, {});
    in.RecordedCounts[3][5][2] = 3;
    in.RecordedCounts[3][5][6] = 1;
    DrawHourCalendar(canvas, in, Language::English);
    const std::string recorded = canvas.Document("t", "d");
    EXPECT_NE(recorded.find("Recorded hours"), std::string::npos);
    EXPECT_EQ(recorded.find(">J<"), std::string::npos);  // the recorded hours replace the typical ones
    EXPECT_NE(recorded.find(">B<"), std::string::npos);  // the cell's commonest strategy
}

}  // namespace
}  // namespace qav
