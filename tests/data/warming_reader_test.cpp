#include "data/warming_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

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
    // A folder of the path that is missing, inside a fresh folder of this run.
    std::string folder = (std::filesystem::temp_directory_path() / "qav-warming-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(folder.data()));
    EXPECT_EQ(*ReadWarmingFile(std::filesystem::path(folder) / "missing" / "warming.csv").failure, "Path not found");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qav
