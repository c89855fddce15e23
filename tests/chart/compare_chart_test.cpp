#include "chart/compare_chart.h"

#include <gtest/gtest.h>

#include "tests/chart/recording_canvas.h"

namespace qav {
namespace {

// The picture: one bar line per location and one more for recorded hours, segments as wide as
// the shares in the zone colours, and a click on a line finds its location.
TEST(CompareChart, SegmentsAreTheSharesInZoneColours)
{
    std::vector<CompareRow> rows(2);
    for (int i = 0; i < 20; ++i) rows[0].Name += "\u00E9";  // 40 bytes: wider than the name column
    rows[0].Shares[2] = 25, rows[0].Shares[5] = 75, rows[0].Top = 5;
    rows[1].Name = "South";
    rows[1].Shares[10] = 100, rows[1].Top = 10;
    rows[1].HasRecorded = true;
    rows[1].RecordedShares[9] = 50, rows[1].RecordedShares[10] = 50, rows[1].RecordedTop = 10;
    const CompareLayout l = MakeCompareLayout(rows, 15, 15);
    ASSERT_EQ(l.Lines.size(), 3u);
    for (auto [lines, row] : {std::pair{-0.01, -1}, {0.5, 0}, {2.5, 1}, {3.5, -1}})
        EXPECT_EQ(CompareRowAt(l, l.BarsTop + lines * l.LineHeight), row) << lines;

    testing::RecordingCanvas canvas(l.Width, l.Height);
    DrawCompareChart(canvas, l, rows, "What if: +2 \u00B0C");
    const auto filledBoxes = [&](Rgb colour) {
        std::vector<testing::RecordedOp> boxes;
        for (const testing::RecordedOp& op : canvas.Ops)
            if (op.What == testing::RecordedOp::Box && op.Filled && op.Colour == colour && op.Y1 >= l.BarsTop)
                boxes.push_back(op);
        return boxes;
    };
    const auto e = filledBoxes(ZoneColour[5]);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_DOUBLE_EQ(e[0].X1, l.BarLeft + 0.25 * l.BarWidth);
    EXPECT_DOUBLE_EQ(e[0].X2 + 15, l.BarLeft + l.BarWidth);
    EXPECT_EQ(filledBoxes(ZoneColour[10]).size() * 10 + filledBoxes(ZoneColour[9]).size(), 21u);  // J twice, I once
    for (const char* text : {"What if: +2 \u00B0C", "E Thermal Comfort 75.0 %", "   recorded hours"})
        EXPECT_TRUE(canvas.FindText(text)) << text;
    // The recording canvas gives 100 units a byte; the column holds 35 bytes: 16 whole "é" and "…".
    std::string cut;
    for (int i = 0; i < 16; ++i) cut += "\u00E9";
    EXPECT_TRUE(canvas.FindText(cut + "\u2026"));
}

}  // namespace
}  // namespace qav
