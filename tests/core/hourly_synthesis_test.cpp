#include "core/hourly_synthesis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qav {
namespace {

// Brasilia as the built-in Brazil set carries it (latitude -15.78, 1160 m).
LocationRecord Brasilia()
{
    LocationRecord r;
    r.LocationName = "Brasília";
    r.Country = "Brazil";
    r.Latitude = -15.78f;
    r.Longitude = -47.93f;
    r.Elevation = 1160;
    r.DataSource = "GOV";
    const float mins[] = {17.4f, 17.4f, 17.5f, 16.8f, 15, 13.3f, 12.9f, 14.6f, 16, 17.4f, 17.5f, 17.5f};
    const float maxs[] = {26.9f, 26.7f, 27.1f, 26.6f, 25.7f, 25.2f, 25.1f, 27.3f, 28.3f, 27.5f, 26.6f, 26.2f};
    const float rhs[] = {76, 77, 76, 75, 68, 61, 56, 49, 53, 66, 75, 79};
    for (int m = 1; m <= 12; ++m) r.Month[m] = {mins[m - 1], maxs[m - 1], rhs[m - 1]};
    return r;
}

TEST(MonthSunTimes, BrasiliaJanuaryAndJuly)
{
    const SunTimes jan = MonthSunTimes(-15.78f, 1);
    EXPECT_NEAR(jan.SunriseHour, 5.5790, 5e-5);
    EXPECT_NEAR(jan.MaxTempHour, 14.3947, 5e-5);
    EXPECT_NEAR(jan.EveningHour, 16.6053, 5e-5);
    EXPECT_NEAR(MonthSunTimes(-15.78f, 7).SunriseHour, 6.4265, 5e-5);
}

TEST(MonthSunTimes, PolarNightAndPolarDay)
{
    // December at 80 N: the sun never rises; June at 80 N: it never sets.
    const SunTimes night = MonthSunTimes(80, 12);
    EXPECT_EQ(night.SunriseHour, 12);
    EXPECT_EQ(night.MaxTempHour, 16);
    EXPECT_EQ(night.EveningHour, 15);
    EXPECT_EQ(MonthSunTimes(80, 6).SunriseHour, 0);
}

// Reference hours of the typical days of Brasilia: stored values to the hundredth.
TEST(SynthesizeHours, BrasiliaReferenceHours)
{
    const HourlyTable t = SynthesizeHours(Brasilia());
    struct Row { int month, hour; float dbt; float w; };
    for (const Row& r : {Row{1, 1, 18.51f, 14.28f}, Row{1, 6, 17.45f, 13.59f},
                         Row{1, 14, 26.85f, 15.40f}, Row{1, 24, 19.04f, 14.55f},
                         Row{7, 6, 12.91f, -1}, Row{7, 15, 25.03f, 9.24f}}) {
        SCOPED_TRACE(::testing::Message() << "month " << r.month << " hour " << r.hour);
        EXPECT_EQ(t.DBT[r.month][r.hour], r.dbt);
        if (r.w >= 0) {
            EXPECT_EQ(t.W[r.month][r.hour], r.w);
        }
    }
}

TEST(SynthesizeHours, TemperatureStaysBetweenMinimumAndMaximum)
{
    const HourlyTable t = SynthesizeHours(Brasilia());
    const LocationRecord b = Brasilia();
    for (int m = 1; m <= 12; ++m) {
        float lo = 1e9f, hi = -1e9f;
        for (int h = 1; h <= 24; ++h) {
            lo = std::min(lo, t.DBT[m][h]);
            hi = std::max(hi, t.DBT[m][h]);
        }
        SCOPED_TRACE(m);
        EXPECT_GE(lo, b.Month[m].DBTmin - 0.005f);
        EXPECT_LE(hi, b.Month[m].DBTmax + 0.005f);
        EXPECT_LT(hi - lo, b.Month[m].DBTmax - b.Month[m].DBTmin + 0.01f);
        EXPECT_GT(hi - lo, 0.9f * (b.Month[m].DBTmax - b.Month[m].DBTmin));
    }
}

TEST(SynthesizeHours, SupersaturatedMonthIsHeldAtNinetyNinePercent)
{
    LocationRecord r = Brasilia();
    r.Elevation = 0;
    for (int m = 1; m <= 12; ++m) r.Month[m] = {20, 22, 100};
    const HourlyTable t = SynthesizeHours(r);
    const Psychrometrics psy(StationPressure(0));
    // Hours whose vapour pressure would pass saturation are set to 99 %; those just below it
    // keep their value, so no hour is supersaturated (0.0005 allows for the stored hundredths).
    int heldAt99 = 0;
    for (int h = 1; h <= 24; ++h) {
        SCOPED_TRACE(h);
        const float rh = psy.FUR(t.DBT[1][h], t.W[1][h]);
        EXPECT_LE(rh, 1.0005f);
        heldAt99 += std::abs(rh - 0.99f) < 0.0015f;
    }
    EXPECT_GE(heldAt99, 12);
}

TEST(RoundHundredth, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHundredth(0.125), 0.12f);
    EXPECT_EQ(RoundHundredth(0.135), 0.14f);
    EXPECT_EQ(RoundHundredth(-18.5149), -18.51f);
    EXPECT_EQ(RoundHundredth(1e9), 327.67f);  // a 16-bit store cannot hold more
}

}  // namespace
}  // namespace qav
