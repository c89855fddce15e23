#include "chart/legend.h"

#include <gtest/gtest.h>

#include "tests/chart/recording_canvas.h"
#include "tests/chart/test_locations.h"

namespace qav {
namespace {

using testing::RecordedOp;
using testing::RecordingCanvas;

TEST(DrawLegend, RowsSharesAndKey)
{
    RecordingCanvas chart(8076, 6259);
    const float shares[kStrategies + 1] = {0, 0, 9.0f, 6.0f, 0, 62.5f, 0, 1.5f, 6.0f, 15.0f, 0};
    DrawLegend(chart, MakeChartScale(8076, 6259, 15, 15), shares, {0, 5, 9, 2}, testing::Brasilia(), ',');
    ASSERT_FALSE(chart.Texts.empty());
    EXPECT_EQ(chart.Texts[0].Text, "Location: Brasília (Brazil)");
    EXPECT_TRUE(chart.Texts[0].Bold);
    EXPECT_FALSE(chart.Texts[1].Bold);
    // Per row: letter, name and share ("" for 0; decimal comma here).
    const char* texts[11] = {"", "", "9,0", "6,0", "", "62,5", "", "1,5", "6,0", "15,0", ""};
    for (int i = 1; i <= kStrategies; ++i) {
        SCOPED_TRACE(i);
        const size_t row = 1 + 3 * (i - 1);
        EXPECT_EQ(chart.Texts[row].Text, std::string(1, char('A' + i - 1)));
        EXPECT_EQ(chart.Texts[row + 2].Text, texts[i]);
        EXPECT_EQ(chart.Texts[row].Y, chart.Texts[row + 2].Y);
    }
    // Shares stand right-aligned 4 pixels inside their box: "88", "D ", " 88.1 " at 100 units
    // a character.
    EXPECT_EQ(chart.Texts[1 + 3 * 4 + 2].X, 540);
    // Rows E, I and B are highlighted.
    std::vector<int> highlighted;
    int row = 0;
    for (const RecordedOp& op : chart.Ops) {
        if (op.What != RecordedOp::Box || !op.Filled || op.X1 != 400) continue;
        ++row;
        if (op.Colour == MakeRgb(255, 255, 160))
            highlighted.push_back(row);
        else
            EXPECT_EQ(op.Colour, MakeRgb(232, 232, 232));
    }
    EXPECT_EQ(highlighted, (std::vector<int>{2, 5, 9}));
    std::vector<std::string> key;  // the last four texts
    for (size_t i = chart.Texts.size() - 4; i < chart.Texts.size(); ++i) key.push_back(chart.Texts[i].Text);
    EXPECT_EQ(key, (std::vector<std::string>{"Jan Feb Mar", "Apr May Jun", "Jul Aug Sep", "Oct Nov Dec"}));
}

// The caption wraps at spaces to the legend's width (its longest strategy name, 35 characters of
// 100 units here) under the key; a click finds its row.
TEST(DrawLegend, CaptionWrapsToTheLegendAndRowsAreFound)
{
    RecordingCanvas chart(8076, 6259);
    const ChartScale scale = MakeChartScale(8076, 6259, 15, 15);
    const float shares[kStrategies + 1] = {};
    DrawLegend(chart, scale, shares, {}, testing::Brasilia(), '.',
               "Counted: hours 9-18, December-February; What if: +2 °C");
    ASSERT_GE(chart.Texts.size(), 2u);
    const auto& last = chart.Texts.back();
    const auto& before = chart.Texts[chart.Texts.size() - 2];
    EXPECT_EQ(before.Text + "|" + last.Text, "Counted: hours 9-18,|December-February; What if: +2 °C");
    EXPECT_TRUE(last.X == before.X && last.Y - before.Y == 195);
    EXPECT_EQ(WrapText(chart, "a-very-long-word b", 300), (std::vector<std::string>{"a-very-long-word", "b"}));
    for (auto [x, y, row] : {std::tuple{500.0, 1300.0, 5}, {500.0, 100.0, 0}, {5000.0, 1300.0, 0}, {250.0, 400.0, 1}}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(LegendRowAt(chart, scale, x, y), row);
    }
}

}  // namespace
}  // namespace qav
