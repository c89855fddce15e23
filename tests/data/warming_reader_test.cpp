#include "data/warming_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace qav {
namespace {

std::string TwelveRows(const std::string& header = "month,dbt_min,dbt_max,rh_avg\n")
{
    std::string text = header;
    for (int m = 1; m <= 12; ++m) text += std::to_string(m) + ",1.5,2.5,-3\n";
    return text;
}

// A table in any order, with a byte-order mark, CR LF, a lone CR, blanks and tabs, an empty line.
TEST(ReadWarming, ReadsTwelveMonthlyChanges)
{
    const WarmingResult r = ReadWarming(
        "\xEF\xBB\xBF Month,\tDBT_min ,dbt_max\t,rh_avg\r12,1,2,0\r\n\r\n"
        "1, +0.5\t,1.5,-2\n2,0,0,0\r3,0,0,0\n4,0,0,0\n5,0,0,0\n6,0,0,0\n7,0,3,10\n8,0,0,0\n9,0,0,0\n"
        "10,0,0,0\n11,0,0,0\n");
    ASSERT_FALSE(r.failure) << EnglishReadFailure(*r.failure);
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

// A file that cannot be read: ReadFileBytes' failures, as the Monthly Data reader's test pins them.
TEST(ReadWarming, RefusesBadFilesNamingLineAndField)
{
    std::string swapped = TwelveRows();
    swapped.replace(swapped.find("\n5,"), 3, "\n4,");
    const std::string head = "month,dbt_min,dbt_max,rh_avg\n";
    struct Row {
        std::string text, message;
    };
    for (const Row& r : {
             Row{"", "The header month,dbt_min,dbt_max,rh_avg is missing. Line 1. Err code 61"},
             Row{TwelveRows("month,tmin,tmax,rh\n"),
                 "The header month,dbt_min,dbt_max,rh_avg is missing. Line 1. Err code 61"},
             Row{head + "1,2,2\n", "The line has 3 fields; it needs 4. Line 2. Err code 62"},
             Row{head + "1,2,x,0\n", "'x' is not a number. Line 2, field 3 (dbt_max). Err code 63"},
             Row{head + "1,,2,0\n",
                 "The field is empty where a number belongs. Line 2, field 2 (dbt_min). Err code 63"},
             Row{head + "1,2,2,nan\n", "'nan' is not a number. Line 2, field 4 (rh_avg). Err code 63"},
             Row{head + "1,1e400,2,0\n",
                 "'1e400' is not a representable number. Line 2, field 2 (dbt_min). Err code 63"},
             Row{head + "1,2,2,\x1b]0;\x07\xff\n",
                 "']0; \xC3\xBF' is not a number. Line 2, field 4 (rh_avg). Err code 63"},
             Row{head + "13,2,2,0\n", "'13' is out of range (1 to 12). Line 2, field 1 (month). Err code 64"},
             Row{head + "1.5,2,2,0\n", "'1.5' is not a whole number. Line 2, field 1 (month). Err code 63"},
             Row{head + "1,45,2,0\n", "'45' is out of range (-30 to 30). Line 2, field 2 (dbt_min). Err code 64"},
             Row{swapped, "Month 4 is given twice. Line 6, field 1 (month). Err code 65"},
             Row{head + "1,2,2,0\n", "Month 2 is missing. Line 2. Err code 65"},
             Row{TwelveRows() + "1,0,0,0\n", "The file has more than twelve months. Line 14. Err code 65"},
         }) {
        SCOPED_TRACE(r.text);
        const WarmingResult result = ReadWarming(r.text);
        ASSERT_TRUE(result.failure);
        EXPECT_EQ(EnglishReadFailure(*result.failure), r.message);
    }
}

}  // namespace
}  // namespace qav
