#include "classify/hour_filter.h"

#include <gtest/gtest.h>

#include <array>

namespace qav {
namespace {

TEST(HourFilter, RangesWrapPastMidnightAndDecember)
{
    HourFilter f;
    EXPECT_TRUE(f.IsAll());
    EXPECT_EQ(DescribeHourFilter(f), "all hours");
    ASSERT_TRUE(MakeHourFilter(22, 5, 12, 2, f));
    EXPECT_EQ((std::array{f.HourCount(), f.MonthCount()}), (std::array{8, 3}));
    for (int h : {22, 24, 1, 5}) EXPECT_TRUE(f.IncludesHour(h)) << h;
    for (int h : {6, 21}) EXPECT_FALSE(f.IncludesHour(h)) << h;
    EXPECT_TRUE(f.IncludesMonth(1) && f.IncludesMonth(12) && !f.IncludesMonth(3) && !f.IncludesMonth(11));
    EXPECT_EQ(DescribeHourFilter(f), "hours 22-5, December-February");
    EXPECT_EQ(HourRangeText(f) + " " + MonthRangeText(f), "22-5 12-2");
    ASSERT_TRUE(MakeHourFilter(1, 24, 7, 7, f));
    EXPECT_EQ(DescribeHourFilter(f), "all hours, July");
    ASSERT_TRUE(MakeHourFilter(7, 6, 4, 3, f));  // wrapped all the way round
    EXPECT_TRUE(f.IsAll());
    for (auto [a, b, m, n] : {std::array{0, 5, 1, 12}, {1, 25, 1, 12}, {1, 5, 0, 12}, {1, 5, 1, 13}})
        EXPECT_FALSE(MakeHourFilter(a, b, m, n, f)) << a << "-" << b << " " << m << "-" << n;
}

}  // namespace
}  // namespace qav
