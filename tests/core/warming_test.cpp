#include "core/warming.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/hourly_synthesis.h"

namespace qav {
namespace {

LocationRecord TwoMonths()
{
    LocationRecord l;
    for (int m = 1; m <= 12; ++m) l.Month[m] = {10, 20, 50};
    l.Month[7] = {30, 54, 98};
    return l;
}

TEST(WarmLocation, AddsTheChangesAndRefusesValuesOutsideTheReadersRanges)
{
    const WarmedLocation warmed = WarmLocation(TwoMonths(), UniformWarming(1));
    ASSERT_TRUE(warmed.Location);
    // Relative humidity kept; the top of the range, 55 C, allowed.
    const LocationRecord& l = *warmed.Location;
    EXPECT_EQ((std::array{l.Month[1].DBTmin, l.Month[1].DBTmax, l.Month[1].RHavg, l.Month[7].DBTmax}),
              (std::array{11.0f, 21.0f, 50.0f, 55.0f}));

    const WarmedLocation hot = WarmLocation(TwoMonths(), UniformWarming(2));
    ASSERT_TRUE(hot.Refusal && !hot.Location);
    EXPECT_EQ(DescribeRefusedChange(*hot.Refusal), "July DBTmax: 54 + 2 = 56 is outside -90 to 55");
    Warming drier;
    drier.Month[3].RHavg = -60;
    const WarmedLocation dry = WarmLocation(TwoMonths(), drier);
    ASSERT_TRUE(dry.Refusal);
    EXPECT_EQ(DescribeRefusedChange(*dry.Refusal), "March RHavg: 50 - 60 = -10 is outside 0 to 100");

    // Per-month changes may cross DBTmin and DBTmax; meeting is allowed, crossing is not.
    Warming closer;
    closer.Month[7] = {12, -12, 0};
    const WarmedLocation met = WarmLocation(TwoMonths(), closer);
    ASSERT_TRUE(met.Location);
    EXPECT_EQ(met.Location->Month[7].DBTmin, 42.0f);
    closer.Month[7].DBTmin = 12.5f;
    const WarmedLocation crossed = WarmLocation(TwoMonths(), closer);
    ASSERT_TRUE(crossed.Refusal && !crossed.Location);
    EXPECT_EQ(DescribeRefusedChange(*crossed.Refusal), "July DBTmin: 30 + 12.5 = 42.5 is above DBTmax 54 - 12 = 42");
}

// Sea-level pressure: 27 C at 50 % is 11.14 g/kg (pws 3.567 kPa, ASHRAE Fundamentals ch. 1
// Table 3; W = 0.622 pw / (p - pw)); the chart's FTax1 fit lies within 0.1 g/kg of it.
TEST(ShiftRecordedHours, MovesTheDryBulbByTheMonthsMeanChangeKeepingRelativeHumidity)
{
    const Psychrometrics psy(StationPressure(0));
    const float w25 = RoundHundredth(psy.FTax1(25, 0.5f));
    const std::vector<RecordedHour> hours{{1, 25, w25, 1, 14, 50}, {2, 25, w25, 1, 15, 50}, {7, -3.5f, 2.5f, 2, 3, 80}};
    Warming w = UniformWarming(2);
    w.Month[2] = {1, 2, 10};  // mean change 1.5 C, 10 points more humid
    w.Month[7].RHavg = 30;    // 80 % and 30 points: saturated, not beyond

    const std::vector<RecordedHour> shifted = ShiftRecordedHours(hours, w, psy);
    ASSERT_EQ(shifted.size(), 3u);
    EXPECT_EQ((std::array{shifted[0].DBT, shifted[0].RH, shifted[1].DBT, shifted[1].RH, shifted[2].DBT, shifted[2].RH}),
              (std::array{27.0f, 50.0f, 26.5f, 60.0f, -1.5f, 100.0f}));
    EXPECT_EQ((std::array{shifted[0].Day, shifted[2].Hour}), (std::array{1, 3}));
    EXPECT_NEAR(shifted[0].W, 11.14, 0.1);
    for (int i : {0, 1}) EXPECT_NEAR(100 * psy.FUR(shifted[i].DBT, shifted[i].W), shifted[i].RH, 0.1) << i;

    // A zero warming gives back the hours as read (W from the same rounded dry bulb and RH).
    const std::vector<RecordedHour> same = ShiftRecordedHours({hours[0]}, UniformWarming(0), psy);
    EXPECT_EQ(same[0].DBT, hours[0].DBT);
    EXPECT_EQ(same[0].W, hours[0].W);
}

}  // namespace
}  // namespace qav
