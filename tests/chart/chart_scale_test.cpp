#include "chart/chart_scale.h"

#include <gtest/gtest.h>

#include <array>

namespace qav {
namespace {

// The chart canvas of the reference screen, 1024 x 768 pixels at 15 twips per pixel.
TEST(ChartScale, ReferenceCanvas)
{
    const ChartScale s = MakeChartScale(8076, 6259, 15, 15);
    EXPECT_EQ(
        (std::array<double, 5>{double(s.DegreeWidth), double(s.X0), double(s.YTop), double(s.X1), double(s.YBase)}),
        (std::array<double, 5>{112, 224, 224, 7168, 5363}));
    EXPECT_NEAR(s.GramHeight, 183.536, 0.001);
    EXPECT_NEAR(s.TOf(s.XOf(21.35)), 21.35, 1e-12);
}

// Halves round to even (180 / 72 = 2.5 gives 2, 252 / 72 = 3.5 gives 4); a degree width below 1
// or above 511 would break TOf or wrap X1 = 64 degree widths in 16 bits.
TEST(ChartScale, RoundsHalvesToEvenAndStaysInSixteenBits)
{
    for (auto [width, degree] : {std::pair{180.0, 2}, {252.0, 4}, {36.0, 1}})
        EXPECT_EQ(MakeChartScale(width, 1000, 15, 15).DegreeWidth, degree) << width;
    const ChartScale huge = MakeChartScale(1e7, 1e7, 15, 15);
    EXPECT_EQ((std::array<double, 3>{double(huge.DegreeWidth), double(huge.X1), double(huge.YBase)}),
              (std::array<double, 3>{511, 64 * 511, INT16_MAX}));
}

}  // namespace
}  // namespace qav
