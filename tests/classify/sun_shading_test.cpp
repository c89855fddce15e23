#include "classify/sun_shading.h"

#include <gtest/gtest.h>

#include <vector>

namespace qav {
namespace {

constexpr SunNeed kHot = SunNeed::Overheated, kCold = SunNeed::Underheated;

TEST(SunNeed, StrategyOrDryBulbAtTheShadingLine)
{
    EXPECT_EQ(SunNeedOf(30, 7, 18.0f, kShadingLineC), kHot);  // G: night ventilation
    EXPECT_EQ(SunNeedOf(30, 5, 21.0f, kShadingLineC), kHot);  // comfortable, at the line
    EXPECT_EQ(SunNeedOf(30, 5, 20.9f, kShadingLineC), SunNeed::Neutral);
    EXPECT_EQ(SunNeedOf(30, 4, 15.0f, kShadingLineC), SunNeed::Neutral);  // D: humidification
    EXPECT_EQ(SunNeedOf(30, 2, 15.0f, kShadingLineC), kCold);
    EXPECT_EQ(SunNeedOf(30, 5, 20.0f, 19.5f), kHot);  // a lower line chosen
    EXPECT_EQ(SunNeedOf(0.0, 10, 30.0f, kShadingLineC), SunNeed::SunDown);
}

TEST(ShadowAngles, WrapAcrossNorthAndProfileAngle)
{
    EXPECT_DOUBLE_EQ(ShadowAnglesOf(30, 350, 0).HsaDeg, -10.0);
    EXPECT_DOUBLE_EQ(ShadowAnglesOf(30, 10, 315).HsaDeg, 55.0);
    EXPECT_DOUBLE_EQ(ShadowAnglesOf(30, 0, 180).HsaDeg, 180.0);
    EXPECT_DOUBLE_EQ(ShadowAnglesOf(30, 180, 0).HsaDeg, 180.0);
    // tan 30 / cos 30 = 2/3: the profile angle is 33.69 deg.
    EXPECT_NEAR(ShadowAnglesOf(30, 30, 0).VsaDeg, 33.690, 0.001);
    EXPECT_TRUE(ShadowAnglesOf(30, 350, 0).OnFacade);
    EXPECT_FALSE(ShadowAnglesOf(30, 90, 0).OnFacade);  // grazing
    EXPECT_FALSE(ShadowAnglesOf(30, 200, 0).OnFacade);
    EXPECT_FALSE(ShadowAnglesOf(-5, 0, 0).OnFacade);
}

// A north façade with ten overheated sun-hours due north at 5, 15 ... 85 and 88 deg: nine of ten at or
// above 15 deg is the 90 %, so the overhang cuts off at 15 deg (depth 1 / tan 15 = 3.732). Of the
// underheated hours on it, 10 deg passes under the overhang, 15 deg (at the cut-off) and 40 deg do not; one at azimuth
// 90 grazes the façade and one behind it does not count. Fins: every hot hour is square on, so
// only a 0 deg cut-off (fins shading everything) covers them.
TEST(ShadeFacade, OverhangShadesNineOfTenAndKeepsTheLowWinterSun)
{
    std::vector<SunHour> hours;
    for (int alt = 5; alt < 90; alt += 10) hours.push_back({double(alt), 0, kHot});
    hours.push_back({88, 0, kHot});
    hours.push_back({50, 180, kHot});
    hours.push_back({10, 0, kCold});
    hours.push_back({15, 0, kCold});
    hours.push_back({40, 0, kCold});
    hours.push_back({30, 90, kCold});
    hours.push_back({30, 0, SunNeed::Neutral});
    const FacadeShading north = ShadeFacade(0, hours);
    EXPECT_EQ(north.OverheatedHours, 10);
    EXPECT_EQ(north.UnderheatedHours, 3);
    EXPECT_EQ(north.OverhangVsa, 15);
    EXPECT_EQ(north.OverhangKeeps, 33.3f);
    EXPECT_NEAR(north.OverhangDepth().value(), 3.732, 0.001);
    EXPECT_EQ(north.FinsHsa, 0);
    EXPECT_EQ(north.FinsKeeps, 0.0f);

    const FacadeShading south = ShadeFacade(180, hours);  // only the hot hour at azimuth 180
    EXPECT_EQ(south.OverheatedHours, 1);
    EXPECT_EQ(south.OverhangVsa, 50);
    EXPECT_FALSE(south.OverhangKeeps);
    EXPECT_FALSE(south.FinsKeeps);
}

// An east façade: hot sun at HSA -30, 10 and 60 deg; 90 % of three is all three, so fins cut off
// at 10 deg and keep the cold sun at HSA 5 deg.
TEST(ShadeFacade, FinsCutOffAtTheNinetiethPercentOfHorizontalAngles)
{
    const std::vector<SunHour> hours = {{30, 60, kHot}, {30, 100, kHot}, {30, 150, kHot}, {30, 95, kCold}};
    const FacadeShading east = ShadeFacade(90, hours);
    EXPECT_EQ(east.FinsHsa, 10);
    EXPECT_EQ(east.FinsKeeps, 100.0f);
    // VSA: atan(tan 30 / cos 60) = 49.1, 30.5, 33.7 deg; the least decides.
    EXPECT_EQ(east.OverhangVsa, 30);
    EXPECT_EQ(east.OverhangKeeps, 0.0f);
}

TEST(ShadeFacades, EightFacadesWithoutHotHoursHaveNoAngles)
{
    const std::vector<SunHour> hours = {{20, 0, kCold}};
    const auto facades = ShadeFacades(hours);
    EXPECT_EQ(facades[7].AzimuthDeg, 315);
    EXPECT_EQ(facades[0].UnderheatedHours, 1);
    EXPECT_FALSE(facades[0].OverhangVsa);
    EXPECT_FALSE(facades[0].OverhangDepth());
    EXPECT_FALSE(facades[0].FinsHsa);
    FacadeShading flat;
    flat.OverhangVsa = 0;
    EXPECT_FALSE(flat.OverhangDepth());  // a 0 deg cut-off has no depth
}

}  // namespace
}  // namespace qav
