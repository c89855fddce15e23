#include "chart/chart_scale.h"

#include <gtest/gtest.h>

#include "chart/number_format.h"

namespace qav {
namespace {

// The chart canvas of the reference screen, 1024 x 768 pixels at 15 twips per pixel.
TEST(ChartScale, ReferenceCanvas)
{
    const ChartScale s = MakeChartScale(8076, 6259, 15, 15);
    EXPECT_EQ(s.DegreeWidth, 112);
    EXPECT_EQ(s.X0, 224);
    EXPECT_EQ(s.YTop, 224);
    EXPECT_EQ(s.X1, 7168);
    EXPECT_EQ(s.YBase, 5363);
    EXPECT_NEAR(s.GramHeight, 183.536, 0.001);
    EXPECT_EQ(s.PixelWidth, 15);
    EXPECT_EQ(s.PixelHeight, 15);
}

TEST(ChartScale, MappingMeetsTheEdgesAndInverts)
{
    const ChartScale s = MakeChartScale(8076, 6259, 15, 15);
    EXPECT_EQ(s.XOf(s.TMin), s.X0);
    EXPECT_EQ(s.XOf(s.TMax), s.X1);
    EXPECT_EQ(s.YOf(0), s.YBase);
    EXPECT_NEAR(s.YOf(s.WMax), s.YTop, 0.01);
    for (double t : {-18.0, -3.7, 0.0, 21.35, 44.0}) {
        SCOPED_TRACE(t);
        EXPECT_NEAR(s.TOf(s.XOf(t)), t, 1e-12);
    }
}

// DegreeWidth is rounded with halves to even: 36 / 72 = 0.5 would round to 0 and is held at 1;
// 180 / 72 = 2.5 gives 2, 252 / 72 = 3.5 gives 4. The 16-bit fields never wrap.
TEST(ChartScale, RoundsHalvesToEvenAndStaysInSixteenBits)
{
    EXPECT_EQ(MakeChartScale(180, 1000, 15, 15).DegreeWidth, 2);
    EXPECT_EQ(MakeChartScale(252, 1000, 15, 15).DegreeWidth, 4);
    EXPECT_EQ(MakeChartScale(36, 1000, 15, 15).DegreeWidth, 1);
    const ChartScale huge = MakeChartScale(1e7, 1e7, 15, 15);
    EXPECT_EQ(huge.DegreeWidth, 511);
    EXPECT_EQ(huge.X1, 64 * 511);
    EXPECT_EQ(huge.YBase, INT16_MAX);
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(1e9), INT16_MAX);
}

TEST(NumberFormat, Patterns)
{
    struct Row { int value; const char* text; };
    for (const Row& r : {Row{0, "00"}, Row{5, "05"}, Row{28, "28"}, Row{-6, "-06"}, Row{-18, "-18"}, Row{100, "100"}}) {
        SCOPED_TRACE(r.value);
        EXPECT_EQ(FormatInt00(r.value), r.text);
    }
    EXPECT_EQ(FormatFixed(101.325f, 3), "101.325");
    EXPECT_EQ(FormatFixed(62.5f, 1, ','), "62,5");
    EXPECT_EQ(FormatFixed(1150, 0), "1150");
}

}  // namespace
}  // namespace qav
