#include "chart/monthly_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "recording_canvas.h"
#include "test_locations.h"

namespace qav {
namespace {

using testing::RecordedOp;
using testing::RecordingCanvas;

// The graph canvas of the reference screen: 34 x 21 layout units of 201.9 canvas units.
constexpr double kWidth = 6865, kHeight = 4240, kPx = 15;
constexpr double kLeft = 28 * kPx, kRight = kWidth - 35 * kPx;

// Left-scale labels of the second pass, the one that begins at 40 C, top to bottom.
std::vector<std::string> LeftLabels(const RecordingCanvas& c)
{
    std::vector<std::string> out;
    bool second = false;
    for (const auto& t : c.Texts) {
        second = second || t.Text == "40";
        if (second && t.X < kLeft && t.Y > 3 * kPx) out.push_back(t.Text);  // not the unit over them
    }
    return out;
}

std::vector<std::string> Labels(int from, int to, int step)
{
    std::vector<std::string> out{"40"};
    for (int t = from; t >= to; t -= step) {
        std::string label = t < 0 ? "-" : "";
        if (std::abs(t) < 10) label += '0';
        out.push_back(label + std::to_string(std::abs(t)));
    }
    return out;
}

// Per degree (height - 39 px) / 52 units: 240 or more labels every degree; the reference 71.7
// every 4th (the first step at least 240 below the last label), 100 every 3rd.
TEST(MonthlyGraph, TemperatureLabelsThinOutOnAShortCanvas)
{
    using Row = std::tuple<double, int, int, int>;  // canvas height; first, last label and step
    for (const auto& [height, first, last, step] :
         {Row{585 + 52 * 240, 39, -12, 1}, Row{kHeight, 36, -12, 4}, Row{585 + 5200, 37, -11, 3}}) {
        RecordingCanvas c(kWidth, height);
        DrawMonthlyGraph(c, testing::Brasilia(), 15, 15);
        EXPECT_EQ(LeftLabels(c), Labels(first, last, step)) << height;
    }
}

TEST(MonthlyGraph, HumidityLabelsMonthsBarsAndHumidityLine)
{
    RecordingCanvas c(kWidth, kHeight);
    DrawMonthlyGraph(c, testing::Brasilia(), 15, 15);
    const double yTop = 15 * kPx, yBottom = kHeight - 24 * kPx;
    std::vector<std::string> humidity, months;
    for (const auto& t : c.Texts) {
        if (t.X == kRight + 7 * kPx) humidity.push_back(t.Text);
        if (t.Y == yBottom + 3 * kPx) months.push_back(t.Text);
    }
    EXPECT_EQ(humidity, (std::vector<std::string>{"00", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
    EXPECT_EQ(months, (std::vector<std::string>{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
                                                "Nov", "Dec"}));
    EXPECT_NEAR(c.FindText("Dec")->X, 5921.667, 1e-3);
    int boundaries = 0;  // both frame edges included
    for (const RecordedOp& op : c.Ops) boundaries += op.What == RecordedOp::Pixel && op.Y1 == yTop;
    EXPECT_EQ(boundaries, 13);
    // July's bar (red outline) spans 25.1 down to 12.9 C on the 40 to -12 C scale.
    std::vector<const RecordedOp*> bars;
    const RecordedOp* last = nullptr;
    for (const RecordedOp& op : c.Ops) {
        if (op.What == RecordedOp::Box && op.Colour == MakeRgb(255, 0, 0)) bars.push_back(&op);
        if (op.What == RecordedOp::Line && op.Colour == MakeRgb(0, 0, 128)) last = &op;
    }
    ASSERT_EQ(bars.size(), 12u);
    EXPECT_NEAR(bars[6]->Y1, 1272.298, 1e-3);
    EXPECT_NEAR(bars[6]->Y2, 2129.817, 1e-3);
    EXPECT_NEAR((bars[6]->X1 + bars[6]->X2) / 2, 3626.667, 1e-3);
    // The humidity line ends at December's centre, over its bar: it spans the bars' months (it
    // once ran on to the right edge).
    ASSERT_NE(last, nullptr);
    EXPECT_NEAR(last->X2, 6093.333, 1e-3);
    EXPECT_NEAR((bars[11]->X1 + bars[11]->X2) / 2, 6093.333, 1e-3);
    EXPECT_NEAR(last->Y2, 992.550, 1e-3);
}

// A titled graph of December to February: title, units and the comfort band's key over the frame,
// clear of it; the other nine months washed out under white and their names grey.
TEST(MonthlyGraph, TitleUnitsKeyAndLeftOutMonths)
{
    RecordingCanvas c(kWidth, kHeight);
    CountedMonths counted{};
    counted[12] = counted[1] = counted[2] = true;
    DrawMonthlyGraph(c, testing::Brasilia(), 15, 15, Language::English, "Brasilia (Brazil)", counted);
    const double yTop = 25 * kPx;
    for (const char* text : {"Brasilia (Brazil)", "dbt (°C)", "rh (%)", "comfort band, 18 to 29 °C"}) {
        ASSERT_NE(c.FindText(text), nullptr) << text;
        EXPECT_LE(c.FindText(text)->Y + c.TextHeight(text), yTop) << text;
    }
    // The scales' titles inside the frame's corners, clear of the top labels they used to overprint.
    EXPECT_DOUBLE_EQ(c.FindText("dbt (°C)")->X, 30 * kPx);
    EXPECT_DOUBLE_EQ(c.FindText("rh (%)")->X + c.TextWidth("rh (%)"), kWidth - 37 * kPx);
    for (auto [title, label] : {std::pair{"dbt (°C)", "40"}, {"rh (%)", "100"}}) {
        const auto *t = c.FindText(title), *l = c.FindText(label);
        ASSERT_NE(l, nullptr) << label;
        EXPECT_TRUE(l->X + c.TextWidth(label) <= t->X || t->X + c.TextWidth(title) <= l->X ||
                    l->Y + c.TextHeight(label) <= t->Y || t->Y + c.TextHeight(title) <= l->Y)
            << label;
    }
    int washed = 0;
    for (const RecordedOp& op : c.Ops)
        washed += op.What == RecordedOp::Box && op.Filled && op.Colour == kWhite && op.Y1 == yTop;
    EXPECT_EQ(washed, 9);
    EXPECT_EQ(c.FindText("Jan")->Colour, kBlack);
    EXPECT_EQ(c.FindText("Mar")->Colour, MakeRgb(160, 160, 160));
}

}  // namespace
}  // namespace qav
