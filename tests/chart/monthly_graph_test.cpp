#include "chart/monthly_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "recording_canvas.h"
#include "test_locations.h"

namespace qav {
namespace {

using testing::RecordedOp;
using testing::RecordingCanvas;

constexpr double kPx = 15;
// The graph canvas of the reference screen: 34 x 21 layout units of 201.9 canvas units.
constexpr double kWidth = 6865, kHeight = 4240;

// Left-scale labels of the second pass (the one with "dbt"), top to bottom.
std::vector<std::string> LeftLabels(const RecordingCanvas& c)
{
    std::vector<std::string> out;
    bool second = false;
    for (const auto& t : c.Texts) {
        if (t.Text == "dbt") second = true;
        if (second && t.X < 28 * kPx) out.push_back(t.Text);
    }
    return out;
}

std::vector<std::string> Labels(int from, int to, int step)
{
    std::vector<std::string> out{"dbt"};
    for (int t = from; t >= to; t -= step) {
        const std::string digits = std::to_string(std::abs(t));
        out.push_back((t < 0 ? "-" : "") + (digits.size() < 2 ? "0" + digits : digits));
    }
    return out;
}

TEST(MonthlyGraph, TemperatureLabelsThinOutOnAShortCanvas)
{
    struct Row { double height; int first, last, step; };
    // Per degree: (height - 34 px) / 52. 240 units or more labels every degree; 71.7 every 4th
    // (the first step at least 240 below the last label); 100 every 3rd.
    for (const Row& r : {Row{510 + 52 * 240, 39, -12, 1}, Row{kHeight, 36, -12, 4}, Row{510 + 5200, 37, -11, 3}}) {
        SCOPED_TRACE(r.height);
        RecordingCanvas c(kWidth, r.height);
        DrawMonthlyGraph(c, testing::Brasilia(), 15, 15);
        EXPECT_EQ(LeftLabels(c), Labels(r.first, r.last, r.step));
        // The first pass prints the same numbers in the same places, under the plot background.
        for (const auto& t : c.Texts) {
            if (t.X >= 28 * kPx || t.Text == "dbt") continue;
            EXPECT_EQ(std::count_if(c.Texts.begin(), c.Texts.end(),
                                    [&](const auto& u) { return u.Text == t.Text && u.X == t.X && u.Y == t.Y; }),
                      2)
                << t.Text;
        }
    }
}

TEST(MonthlyGraph, HumidityLabelsAndMonthNames)
{
    RecordingCanvas c(kWidth, kHeight);
    DrawMonthlyGraph(c, testing::Brasilia(), 15, 15);
    const double xRight = kWidth - 35 * kPx, yBottom = kHeight - 24 * kPx, xLeft = 28 * kPx;
    std::vector<std::string> humidity, months;
    for (const auto& t : c.Texts) {
        if (t.X == xRight + 7 * kPx) humidity.push_back(t.Text);
        if (t.Y == yBottom + 3 * kPx) months.push_back(t.Text);
    }
    EXPECT_EQ(humidity, (std::vector<std::string>{"00", "10", "20", "30", "40", "50", "60", "70", "80", "90", " rh"}));
    EXPECT_EQ(months, (std::vector<std::string>{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
                                                "Nov", "Dec"}));
    EXPECT_DOUBLE_EQ(c.FindText("Jan")->X, xLeft + 5 * kPx);
    EXPECT_DOUBLE_EQ(c.FindText("Dec")->X, xLeft + 11 * (xRight - xLeft) / 12 + 5 * kPx);
    EXPECT_DOUBLE_EQ(c.FindText("dbt")->X, xLeft - 24 * kPx);
}

TEST(MonthlyGraph, GridBarsAndHumidityLine)
{
    LocationRecord l = testing::Brasilia();
    l.Month[3].DBTmin = l.Month[3].DBTmax = 45;  // above the scale and of no height
    RecordingCanvas c(kWidth, kHeight);
    DrawMonthlyGraph(c, l, 15, 15);
    const double xLeft = 28 * kPx, xRight = kWidth - 35 * kPx, yTop = 10 * kPx, yBottom = kHeight - 24 * kPx;
    const double perDegree = (yBottom - yTop) / 52;

    std::vector<double> boundaryColumns;
    for (const RecordedOp& op : c.Ops)
        if (op.What == RecordedOp::Pixel && op.Y1 == yTop && op.Colour == kBlack) boundaryColumns.push_back(op.X1);
    ASSERT_EQ(boundaryColumns.size(), 13u);  // both frame edges, no name after the last
    EXPECT_DOUBLE_EQ(boundaryColumns.front(), xLeft);
    EXPECT_NEAR(boundaryColumns.back(), xRight, 1e-9);

    std::vector<RecordedOp> redBars;
    for (const RecordedOp& op : c.Ops)
        if (op.What == RecordedOp::Box && op.Colour == MakeRgb(255, 0, 0)) redBars.push_back(op);
    ASSERT_EQ(redBars.size(), 12u);
    EXPECT_DOUBLE_EQ(redBars[2].Y1, yTop - 5 * perDegree);  // not clamped to the frame
    EXPECT_DOUBLE_EQ(redBars[2].Y1, redBars[2].Y2);
    EXPECT_DOUBLE_EQ(redBars[2].X2 - redBars[2].X1, 14 * kPx);

    const RecordedOp* last = nullptr;
    for (const RecordedOp& op : c.Ops)
        if (op.What == RecordedOp::Line && op.Colour == MakeRgb(0, 0, 128)) last = &op;
    ASSERT_NE(last, nullptr);
    EXPECT_DOUBLE_EQ(last->X2, xRight);  // December's level carried to the right edge
    EXPECT_DOUBLE_EQ(last->Y2, yBottom - 79 * (yBottom - yTop) / 100);
}

}  // namespace
}  // namespace qav
