#include "core/psychrometrics.h"

#include <gtest/gtest.h>

#include <utility>

namespace qav {
namespace {

// Standard-atmosphere pressures at the floored elevation; the single-precision values are the
// ones the chart title prints, so they are compared to the last digit where it matters.
TEST(StationPressure, FloorsToFiftyMetresAndCapsAtFiveThousand)
{
    struct Row {
        float elevation;
        float pressureElevation;
        double kPa;
        double tolerance;
        float pa;
    };
    for (const Row& r : {Row{0, 0, 101.32499694824219, 0, 101325}, Row{1160, 1150, 88.2513, 5e-5, 88251.289f},
                         Row{6000, 5000, 54.0198, 5e-5, 54019.754f}, Row{-10, -50, 101.927, 5e-4, 101927.1f},
                         Row{49.9f, 0, 101.32499694824219, 0, 101325}}) {
        SCOPED_TRACE(r.elevation);
        const StationPressureValues p = StationPressure(r.elevation);
        EXPECT_EQ(p.PressureElevation, r.pressureElevation);
        EXPECT_NEAR(p.PressureKPa, r.kPa, r.tolerance);
        EXPECT_EQ(p.PressurePa, r.pa);
    }
}

// ASHRAE Fundamentals (2017) ch. 1 Table 3, in Pa, over ice below 0 C and over water from 0 C.
// FPvsPa is the handbook's eqs. 5 and 6, from the Hyland-Wexler (1983) formulation, which the
// handbook states agree with the table within 300 ppm from -100 to 200 C: hence 3e-4 of each value.
// FTorv is a fit (ASHRAE Fundamentals 1993 ch. 6 eq. 39), not their inverse: for the table's
// 2.339 kPa at 20 C it gives 20.016 C. Its values are its own, to four digits.
TEST(FPvsPa, MatchesTheSaturationTableAndFTorvFitsItsInverse)
{
    constexpr std::pair<float, double> kTable[] = {{-20, 103.24}, {-10, 259.90}, {-5, 401.74}, {0, 611.21},
                                                   {5, 872.6},    {20, 2338.9},  {25, 3169.7}, {50, 12351.3}};
    for (const auto& [tC, pa] : kTable) EXPECT_NEAR(FPvsPa(tC), pa, 3e-4 * pa) << tC;
    EXPECT_LT(FPvsPa(-0.01f), FPvsPa(0));  // ice just below zero lies under water at zero
    EXPECT_NEAR(FTorv(1.0f), 6.997, 5e-4);
    EXPECT_NEAR(FTorv(2.339f), 20.016, 5e-4);
}

TEST(Psychrometrics, SeaLevelReferenceValues)
{
    const Psychrometrics psy(StationPressure(0));
    EXPECT_NEAR(psy.FTSat(20), 14.754, 5e-4);
    EXPECT_NEAR(psy.FTSat(0), 3.790, 5e-4);
    EXPECT_NEAR(psy.FTax1(20, 0.5f), 7.290, 5e-4);
    EXPECT_NEAR(psy.FUR(20, 7.3f), 0.5006, 5e-5);
    // At La Paz (about 65 kPa) saturated air holds over 15 % more water per kg of dry air.
    EXPECT_GT(Psychrometrics(StationPressure(3630)).FTSat(20), psy.FTSat(20) * 1.15);
}

TEST(Psychrometrics, Ftax1IsTheInverseOfFurAtAnyPressure)
{
    for (float elevation : {0.0f, 1160.0f, 3630.0f, 5000.0f}) {
        const Psychrometrics psy(StationPressure(elevation));
        for (float t : {-15.0f, 0.0f, 12.5f, 30.0f, 43.0f}) {
            for (float rh : {0.1f, 0.5f, 0.95f}) {
                SCOPED_TRACE(::testing::Message() << elevation << " m, " << t << " C, " << rh);
                EXPECT_NEAR(psy.FUR(t, psy.FTax1(t, rh)), rh, 1e-5);
            }
        }
    }
}

TEST(Psychrometrics, SpecificVolumeAndWetBulb)
{
    const Psychrometrics psy(StationPressure(0));
    // ASHRAE Fundamentals (2017) ch. 1 Table 2: dry air at 20 C has 0.8301 m3/kg; the gas
    // constant 0.2871 kJ/(kg K) used here (0.28704 in the handbook) adds 0.04 %.
    EXPECT_NEAR(psy.FVE(20, 0), 0.8301, 1e-3);
    for (float w : {0.0f, 10.0f, 20.5f}) EXPECT_NEAR(psy.FTVE(w, psy.FVE(25, w)), 25, 1e-3) << w;
    EXPECT_GT(Psychrometrics(StationPressure(3000)).FVE(20, 5), psy.FVE(20, 5) * 1.3);
    // Saturated air: the wet bulb is the dry bulb (within the 0.03 g/kg stop of the search).
    EXPECT_NEAR(psy.FTBU(25, psy.FTSat(25)), 25, 0.02);
    // 20 C with 4 g/kg: near 10.4 C on the ASHRAE sea-level chart. Along that wet-bulb line the
    // dry bulb at 0.01 g/kg lies right of 20 C, and gives back 0.01 g/kg within the search's stop.
    const float twb = psy.FTBU(20, 4);
    EXPECT_NEAR(twb, 10.4, 0.15);
    const float t6 = psy.FTBS(20, twb, 0.01f);
    EXPECT_GT(t6, 20);
    EXPECT_NEAR(psy.FTax(t6, twb), 0.01, 0.015);
}

// The calculator's own dew point and wet bulb. ASHRAE Fundamentals (2017) ch. 1 Table 3: 0.10324
// kPa saturates at -20 C (ice) and 1.0021 kPa at 7 C. Its Example 2 (40 C dry bulb, 20 C wet bulb,
// 101.325 kPa) gives W = 6.57 g/kg; our saturation carries the enhancement factor (0.4 %), which
// moves that wet bulb by about 0.05 C.
TEST(CalculatorFunctions, SaturatedAirHasDewPointAndWetBulbAtItsDryBulbOverIceAndWater)
{
    EXPECT_NEAR(DewPointC(103.24f), -20, 0.01);
    EXPECT_NEAR(DewPointC(1002.1f), 7, 0.01);
    EXPECT_NEAR(Psychrometrics(StationPressure(0)).WetBulbC(40, 6.57f), 20, 0.1);
    for (float elevation : {0.0f, 5000.0f}) {
        const Psychrometrics psy(StationPressure(elevation));
        for (float t : {-40.0f, -18.0f, -0.5f, 0.0f, 25.0f, 60.0f}) {
            SCOPED_TRACE(::testing::Message() << elevation << " m, " << t << " C");
            EXPECT_NEAR(DewPointC(FPvsPa(t)), t, 0.01);
            EXPECT_NEAR(psy.WetBulbC(t, psy.FTSat(t)), t, 0.01);
            const float w = psy.FTax1(t, 0.3f);  // drier air: dew point < wet bulb < dry bulb
            EXPECT_LT(DewPointC(0.3f * FPvsPa(t)), psy.WetBulbC(t, w));
            EXPECT_LT(psy.WetBulbC(t, w), t);
        }
    }
}

TEST(FArcCos, ClampsItsArgumentAndWritesItBack)
{
    constexpr double pi = 3.14159265358979323846;
    struct Row {
        double x, angle, written;
    };
    for (const Row& r : {Row{1.5, 0, 1}, Row{-2, pi, -1}, Row{0, pi / 2, 0}, Row{0.5, pi / 3, 0.5}}) {
        SCOPED_TRACE(r.x);
        double x = r.x;
        EXPECT_NEAR(FArcCos(x), r.angle, 1e-12);
        EXPECT_EQ(x, r.written);
    }
}

}  // namespace
}  // namespace qav
