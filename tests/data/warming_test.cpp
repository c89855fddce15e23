#include "data/warming.h"

#include <gtest/gtest.h>

#include <string>

#include "core/hourly_synthesis.h"

namespace qav {
namespace {

std::string TwelveRows(const std::string& header = "month,dbt_min,dbt_max,rh_avg\n")
{
    std::string text = header;
    for (int m = 1; m <= 12; ++m) text += std::to_string(m) + ",1.5,2.5,-3\n";
    return text;
}

// A table in any order, with a byte-order mark, CR LF, blanks and an empty line.
TEST(ReadWarming, ReadsTwelveMonthlyChanges)
{
    const WarmingResult r = ReadWarming(
        "\xEF\xBB\xBF Month, DBT_min ,dbt_max,rh_avg\r\n12,1,2,0\r\n\r\n"
        "1, +0.5 ,1.5,-2\n2,0,0,0\n3,0,0,0\n4,0,0,0\n5,0,0,0\n6,0,0,0\n7,0,3,10\n8,0,0,0\n9,0,0,0\n"
        "10,0,0,0\n11,0,0,0\n");
    ASSERT_FALSE(r.failure) << *r.failure;
    EXPECT_EQ(r.warming.Month[1], (MonthlyChange{0.5f, 1.5f, -2}));
    EXPECT_EQ(r.warming.Month[7], (MonthlyChange{0, 3, 10}));
    EXPECT_EQ(r.warming.Month[12], (MonthlyChange{1, 2, 0}));
    EXPECT_DOUBLE_EQ(r.warming.MeanTemperatureChange(7), 1.5);
    EXPECT_FALSE(r.warming.Uniform());
    EXPECT_EQ(DescribeWarming(r.warming), "monthly changes");
    EXPECT_EQ(DescribeWarming(UniformWarming(2)), "+2 \u00B0C");
    EXPECT_EQ(DescribeWarming(UniformWarming(-0.5f)), "-0.5 \u00B0C");
    EXPECT_TRUE(UniformWarming(0).IsZero());
}

TEST(ReadWarming, RefusesBadFilesNamingLineAndField)
{
    std::string swapped = TwelveRows();
    swapped.replace(swapped.find("\n5,"), 3, "\n4,");
    struct Row { std::string text, message; };
    for (const Row& r : {
             Row{"", "line 1: expected the header month,dbt_min,dbt_max,rh_avg"},
             Row{TwelveRows("month,tmin,tmax,rh\n"), "line 1: expected the header month,dbt_min,dbt_max,rh_avg"},
             Row{"month,dbt_min,dbt_max,rh_avg\n1,2,2\n", "line 2: 4 fields expected, found 3"},
             Row{"month,dbt_min,dbt_max,rh_avg\n1,2,x,0\n", "line 2, field 3 (dbt_max): 'x' is not a number"},
             Row{"month,dbt_min,dbt_max,rh_avg\n1,,2,0\n", "line 2, field 2 (dbt_min): '' is not a number"},
             Row{"month,dbt_min,dbt_max,rh_avg\n1,2,2,nan\n", "line 2, field 4 (rh_avg): 'nan' is not a number"},
             Row{"month,dbt_min,dbt_max,rh_avg\n13,2,2,0\n", "line 2, field 1 (month): 13 is outside 1 to 12"},
             Row{"month,dbt_min,dbt_max,rh_avg\n1.5,2,2,0\n", "line 2, field 1 (month): '1.5' is not a month 1 to 12"},
             Row{"month,dbt_min,dbt_max,rh_avg\n1,45,2,0\n", "line 2, field 2 (dbt_min): 45 is outside -30 to 30"},
             Row{swapped, "line 6, field 1 (month): month 4 is given twice"},
             Row{"month,dbt_min,dbt_max,rh_avg\n1,2,2,0\n", "line 2: month 2 is missing"},
             Row{TwelveRows() + "1,0,0,0\n", "line 14: more than twelve months"},
         }) {
        SCOPED_TRACE(r.text);
        const WarmingResult result = ReadWarming(r.text);
        ASSERT_TRUE(result.failure);
        EXPECT_EQ(*result.failure, r.message);
    }
    EXPECT_EQ(*ReadWarmingFile("/nonexistent/warming.csv").failure, "Path not found");
}

LocationRecord TwoMonths()
{
    LocationRecord l;
    for (int m = 1; m <= 12; ++m) l.Month[m] = {10, 20, 50};
    l.Month[7] = {30, 54, 98};
    return l;
}

TEST(ApplyWarming, AddsTheChangesAndRefusesValuesOutsideTheReadersRanges)
{
    std::string failure;
    const auto warmed = ApplyWarming(TwoMonths(), UniformWarming(1), failure);
    ASSERT_TRUE(warmed) << failure;
    EXPECT_EQ(warmed->Month[1].DBTmin, 11);
    EXPECT_EQ(warmed->Month[1].DBTmax, 21);
    EXPECT_EQ(warmed->Month[1].RHavg, 50);  // relative humidity kept
    EXPECT_EQ(warmed->Month[7].DBTmax, 55);  // the top of the range is allowed

    EXPECT_FALSE(ApplyWarming(TwoMonths(), UniformWarming(2), failure));
    EXPECT_EQ(failure, "July DBTmax: 54 + 2 = 56 is outside -90 to 55");
    Warming drier;
    drier.Month[3].RHavg = -60;
    EXPECT_FALSE(ApplyWarming(TwoMonths(), drier, failure));
    EXPECT_EQ(failure, "March RHavg: 50 - 60 = -10 is outside 0 to 100");
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

    const std::vector<RecordedHour> shifted = ShiftRecordedHours(hours, w, psy);
    ASSERT_EQ(shifted.size(), 3u);
    EXPECT_EQ(shifted[0].DBT, 27);
    EXPECT_EQ(shifted[0].RH, 50);
    EXPECT_NEAR(shifted[0].W, 11.14, 0.1);
    EXPECT_NEAR(100 * psy.FUR(shifted[0].DBT, shifted[0].W), 50, 0.1);
    EXPECT_EQ(shifted[1].DBT, 26.5f);
    EXPECT_EQ(shifted[1].RH, 60);
    EXPECT_NEAR(100 * psy.FUR(shifted[1].DBT, shifted[1].W), 60, 0.1);
    EXPECT_EQ(shifted[2].DBT, -1.5f);
    EXPECT_EQ(shifted[0].Day, 1);
    EXPECT_EQ(shifted[2].Hour, 3);

    // A zero warming gives back the hours as read (W from the same rounded dry bulb and RH).
    const std::vector<RecordedHour> same = ShiftRecordedHours({hours[0]}, UniformWarming(0), psy);
    EXPECT_EQ(same[0].DBT, hours[0].DBT);
    EXPECT_EQ(same[0].W, hours[0].W);
}

}  // namespace
}  // namespace qav
