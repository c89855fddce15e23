#include "chart/number_format.h"

#include <clocale>
#include <string>

#include <gtest/gtest.h>

namespace qav {
namespace {

// Exact binary ties round away from zero (as a reader rounds 52.5 and 41.25), and a value that
// rounds to zero loses its sign, in the chart, the panel and the files alike.
TEST(FormatFixed, TiesAwayFromZeroAndNoNegativeZero)
{
    struct Row { double value; int decimals; const char* text; };
    for (const Row& r : {Row{52.5, 0, "53"}, Row{41.25, 1, "41.3"}, Row{-2.5, 0, "-3"}, Row{0.125, 2, "0.13"},
                         Row{88.25129, 3, "88.251"}, Row{9.96, 1, "10.0"}, Row{999.5, 0, "1000"},
                         Row{-0.04, 1, "0.0"}, Row{-0.4, 0, "0"}, Row{-15.78, 1, "-15.8"}, Row{1150, 0, "1150"}}) {
        SCOPED_TRACE(r.value);
        EXPECT_EQ(FormatFixed(r.value, r.decimals), r.text);
    }
    EXPECT_EQ(FormatFixed(12.34, 1, ','), "12,3");
}

// The window sets the C library's locale from the user's; in Brazil printf writes a decimal
// comma, and the formatter must still find the digits (it threw at start-up under pt_BR).
TEST(FormatFixed, SameTextUnderADecimalCommaLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "pt_BR.UTF-8"), nullptr) << "scripts/install-deps.sh generates pt_BR.UTF-8";
    EXPECT_EQ(FormatFixed(88.25129, 3), "88.251");
    EXPECT_EQ(FormatFixed(41.25, 1, ','), "41,3");
    EXPECT_EQ(FormatFixed(-0.04, 1), "0.0");
    std::setlocale(LC_NUMERIC, before.c_str());
}

}  // namespace
}  // namespace qav
