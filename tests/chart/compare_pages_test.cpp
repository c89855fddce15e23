// The compare picture at scale: long names are fitted in few measurements, and many bars
// continue on further pages instead of being cut off.
#include <gtest/gtest.h>

#include "chart/compare_chart.h"
#include "tests/chart/recording_canvas.h"

namespace qav {
namespace {

// The recording canvas measures 100 units a byte at its 8-point size.
TEST(CompareFitText, KeepsTheLongestPrefixThatFitsInLogarithmicallyManyMeasurements)
{
    testing::RecordingCanvas canvas(1000, 1000);
    struct Row {
        std::string text;
        double width;
        std::string fitted;
        int atMost;
    };
    for (const Row& row :
         {Row{"Lima", 400, "Lima", 1},
          Row{"Florianópolis", 900, "Floria\u2026", 6},  // 6 bytes and the 3 of the ellipsis
          Row{"Florianópolis", 1000, "Florian\u2026", 6},
          Row{"ó" + std::string(10, 'x'), 500, "ó\u2026", 6},  // never half a character
          Row{"Lima", 250, "", 2}, Row{std::string(4096, 'a'), 236 * 15, std::string(32, 'a') + "\u2026", 15}}) {
        SCOPED_TRACE(row.text.substr(0, 20));
        canvas.TextWidthCalls = 0;
        EXPECT_EQ(FitText(canvas, row.text, row.width), row.fitted);
        EXPECT_LE(canvas.TextWidthCalls, row.atMost);
    }
}

TEST(ComparePages, SplitBeyondTheLargestPictureKeepingRecordedBarsWithTheirRow)
{
    std::vector<CompareRow> rows(1000);
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].Position = static_cast<int>(i) + 1;
        rows[i].HasRecorded = i % 2 == 1;
    }
    // 110 pixels of title, key and margins, then 22 a line: 739 lines on 16384 pixels.
    const auto pages = ComparePages(rows, kMaxComparePixels);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].size(), 493u);  // 739 lines: 246 rows with a recorded bar, 247 without
    EXPECT_EQ(pages[1].size(), 492u);
    EXPECT_EQ(pages[2].back().Position, 1000);
    EXPECT_EQ(pages[1].front().Position, 494);
    for (const auto& page : pages) {
        const CompareLayout layout = MakeCompareLayout(page, 15, 15);
        EXPECT_LE(layout.Height / 15, kMaxComparePixels);
    }
    EXPECT_EQ(ComparePages(std::vector<CompareRow>(739), kMaxComparePixels).size(), 1u);
    EXPECT_EQ(ComparePages(std::vector<CompareRow>(740), kMaxComparePixels).size(), 2u);
    EXPECT_EQ(ComparePages({}, kMaxComparePixels).size(), 1u);
}

}  // namespace
}  // namespace qav
