#include "core/hourly_synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <tuple>

namespace qav {
namespace {

// Brasília (-15.78 deg, 1160 m) with the two months of the reference hours; the other months
// stay 0, which the synthesis handles like any dry, cold month.
LocationRecord Brasilia()
{
    LocationRecord r;
    r.Latitude = -15.78f;
    r.Elevation = 1160;
    r.Month[1] = {17.4f, 26.9f, 76};
    r.Month[7] = {12.9f, 25.1f, 56};
    return r;
}

TEST(MonthSunTimes, BrasiliaPolarNightAndPolarDay)
{
    // In hours to 1e-4: sunrise, the hour of the maximum and the evening of January, July's sunrise.
    const SunTimes jan = MonthSunTimes(-15.78f, 1);
    EXPECT_EQ(
        (std::array{std::lround(jan.SunriseHour * 1e4), std::lround(jan.MaxTempHour * 1e4),
                    std::lround(jan.EveningHour * 1e4), std::lround(MonthSunTimes(-15.78f, 7).SunriseHour * 1e4)}),
        (std::array{55790L, 143947L, 166053L, 64265L}));
    // December at 80 N the sun never rises; in June it never sets.
    const SunTimes night = MonthSunTimes(80, 12);
    EXPECT_EQ((std::array{night.SunriseHour, night.MaxTempHour, night.EveningHour, MonthSunTimes(80, 6).SunriseHour}),
              (std::array{12.0, 16.0, 15.0, 0.0}));
}

// Reference hours of Brasília's typical days, stored to the hundredth. July's hour 6 lies before
// sunrise (6.43) and so belongs to the previous night.
TEST(SynthesizeHours, BrasiliaReferenceHours)
{
    const LocationRecord b = Brasilia();
    const HourlyTable t = SynthesizeHours(b);
    using Row = std::tuple<int, int, float, float>;  // month, hour, DBT, W (negative: not pinned)
    for (const auto& [month, hour, dbt, w] :
         {Row{1, 1, 18.51f, 14.28f}, Row{1, 6, 17.45f, 13.59f}, Row{1, 14, 26.85f, 15.40f}, Row{1, 24, 19.04f, 14.55f},
          Row{7, 6, 12.91f, -1}, Row{7, 15, 25.03f, 9.24f}}) {
        SCOPED_TRACE(::testing::Message() << "month " << month << " hour " << hour);
        EXPECT_EQ(t.DBT[month][hour], dbt);
        EXPECT_TRUE(w < 0 || t.W[month][hour] == w) << t.W[month][hour];
    }
    // The day spans nearly, never more than, Tmin to Tmax: sunrise falls between whole hours.
    for (int m : {1, 7}) {
        SCOPED_TRACE(m);
        const auto [lo, hi] = std::minmax_element(&t.DBT[m][1], &t.DBT[m][1] + 24);
        EXPECT_GE(*lo, b.Month[m].DBTmin - 0.005f);
        EXPECT_LE(*hi, b.Month[m].DBTmax + 0.005f);
        EXPECT_GT(*hi - *lo, 0.9f * (b.Month[m].DBTmax - b.Month[m].DBTmin));
    }
}

// Polar night (80 N in December): sunrise is taken as noon, so hour 12 holds the day's minimum
// and hours 1..11 belong to the night before, cooling towards it.
TEST(SynthesizeHours, PolarNightShiftsTheMorningHours)
{
    LocationRecord arctic;
    arctic.Latitude = 80;
    arctic.Month[12] = {-20, -10, 80};
    const HourlyTable t = SynthesizeHours(arctic);
    EXPECT_EQ(t.DBT[12][12], -20);
    for (int h = 2; h <= 12; ++h) EXPECT_LT(t.DBT[12][h], t.DBT[12][h - 1]) << h;
    for (int h = 13; h <= 24; ++h) EXPECT_GT(t.DBT[12][h], -20) << h;
}

// Normals built to reach the limits of the vapour pressure, at sea level on the equator:
// - January (-10 C all day, dry): the morning value falls below 0 and is raised to 0.01 kPa,
//   so W at the day's start is 0.06 g/kg;
// - February (0 C all day, dry): the afternoon value is negative, so from hour 11 on the hourly
//   value passes 0 and is held at 0.01 kPa (0.06 g/kg);
// - March (10 to 30 C, saturated): the morning value passes saturation at Tmin and is held at
//   99 % of it, so at the minimum, 10 C at hour 6, W is 99 % of saturation, 7.58 g/kg.
TEST(SynthesizeHours, VapourPressureLimits)
{
    LocationRecord r;
    r.Month[1] = {-10, -10, 0};
    r.Month[2] = {0, 0, 0};
    r.Month[3] = {10, 30, 100};
    const HourlyTable t = SynthesizeHours(r);
    const float w[4][24] = {
        {},
        {0.22f, 0.17f, 0.13f, 0.09f, 0.07f, 0.06f, 0.09f, 0.15f, 0.23f, 0.29f, 0.34f, 0.38f,
         0.42f, 0.44f, 0.44f, 0.45f, 0.46f, 0.47f, 0.46f, 0.45f, 0.42f, 0.38f, 0.33f, 0.28f},
        {0.10f, 0.16f, 0.21f, 0.25f, 0.28f, 0.29f, 0.26f, 0.19f, 0.10f, 0.02f, 0.06f, 0.06f,
         0.06f, 0.06f, 0.06f, 0.06f, 0.06f, 0.06f, 0.06f, 0.06f, 0.06f, 0.06f, 0.06f, 0.04f},
        {9.04f,  8.50f,  8.09f,  7.80f,  7.64f,  7.58f,  7.94f,  9.04f,  10.96f, 12.73f, 13.87f, 14.80f,
         15.55f, 16.02f, 16.11f, 16.31f, 16.58f, 16.69f, 16.56f, 14.66f, 13.05f, 11.72f, 10.63f, 9.75f},
    };
    for (int m = 1; m <= 3; ++m)
        for (int h = 1; h <= kHours; ++h) EXPECT_EQ(t.W[m][h], w[m][h - 1]) << "month " << m << " hour " << h;
    EXPECT_EQ(t.DBT[3][6], 10);
}

TEST(SynthesizeHours, SupersaturatedMonthIsHeldAtNinetyNinePercent)
{
    LocationRecord r;
    r.Month[1] = {20, 22, 100};
    const HourlyTable t = SynthesizeHours(r);
    const Psychrometrics psy(StationPressure(0));
    // Hours that would pass saturation are set to 99 %; those just below keep their value, so
    // none is supersaturated (0.0005 allows for the stored hundredths).
    int heldAt99 = 0;
    for (int h = 1; h <= 24; ++h) {
        const float rh = psy.FUR(t.DBT[1][h], t.W[1][h]);
        EXPECT_LE(rh, 1.0005f) << h;
        heldAt99 += std::abs(rh - 0.99f) < 0.0015f;
    }
    EXPECT_GE(heldAt99, 12);
}

TEST(RoundHundredth, HalvesGoToTheEvenNeighbour)
{
    // 1e9: a 16-bit store cannot hold more than 327.67.
    EXPECT_EQ((std::array{RoundHundredth(0.125), RoundHundredth(0.135), RoundHundredth(-18.5149), RoundHundredth(1e9)}),
              (std::array{0.12f, 0.14f, -18.51f, 327.67f}));
}

}  // namespace
}  // namespace qav
