#include "chart/number_format.h"

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

}  // namespace
}  // namespace qav
