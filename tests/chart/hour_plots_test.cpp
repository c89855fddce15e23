#include "chart/hour_plots.h"

#include <gtest/gtest.h>

#include "chart/strategy.h"
#include "tests/chart/recording_canvas.h"

namespace qav {
namespace {

using testing::RecordedOp;
using testing::RecordingCanvas;

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

// Per month a dot and 24 segments two pixels wide in the quarter's colour; hours beyond the
// chart are drawn on its edges; hours not counted are grey.
TEST(PlotHours, MonthsArePolylinesHeldToThePlot)
{
    const ChartScale s = ReferenceScale();
    HourlyTable hours;
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h) hours.DBT[m][h] = 20, hours.W[m][h] = 8;
    hours.DBT[2][5] = -25;
    hours.DBT[11][7] = 47;
    CountedHours counted = EveryHourCounted();
    counted[3][10] = false;
    RecordingCanvas chart(8076, 6259);
    PlotHours(chart, s, hours, counted);
    EXPECT_EQ(chart.DrawWidth(), 1);
    ASSERT_EQ(chart.Ops.size(), 12u * 25);
    const Rgb quarters[] = {MakeRgb(255, 0, 0), MakeRgb(0, 255, 0), MakeRgb(64, 64, 64), MakeRgb(0, 0, 255)};
    for (int m = 1; m <= kMonths; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(chart.Ops[(m - 1) * 25].What, RecordedOp::Pixel);
        EXPECT_EQ(chart.Ops[(m - 1) * 25].Colour, quarters[(m - 1) / 3]);
    }
    for (const RecordedOp& op : chart.Ops) EXPECT_EQ(op.Width, 2);
    EXPECT_TRUE(chart.Ops[25 + 5].X2 == s.X0 && chart.Ops[10 * 25 + 7].X2 == s.X1);  // February hour 5, November hour 7
    EXPECT_FLOAT_EQ(chart.Ops[25 + 5].Y2, s.YOf(8));
    EXPECT_EQ(chart.Ops[2 * 25 + 10].Colour, kLeftOutHourColour);  // March hour 10
    EXPECT_EQ(chart.Ops[2 * 25 + 11].Colour, MakeRgb(255, 0, 0));
}

// Three-pixel dots; the hours not counted come first, grey; the counted ones follow with the
// months taking turns day by day (January's second day after December's first). With a strategy chosen,
// the hours not lit go first, pale.
TEST(PlotRecordedHours, LeftOutFirstThenMonthsInTurn)
{
    const ChartScale s = ReferenceScale();
    const std::vector<RecordedHour> hours{
        {1, 20, 8, 1, 3, 50}, {1, 22, 8, 2, 4, 50}, {7, 60, 8, 1, 12, 50}, {12, 20, 8, 1, 23, 50}};
    RecordingCanvas every(8076, 6259), some(8076, 6259), lit(8076, 6259);
    PlotRecordedHours(every, s, hours);
    CountedHours counted = EveryHourCounted();
    counted[1][3] = false;
    PlotRecordedHours(some, s, hours, counted);
    const std::vector<bool> litHours{true, false, true, false};
    PlotRecordedHours(lit, s, hours, EveryHourCounted(), {nullptr, &litHours});
    const auto colours = [](const RecordingCanvas& c) {
        std::vector<Rgb> out;
        for (const RecordedOp& op : c.Ops) out.push_back(op.Colour);
        return out;
    };
    const Rgb red = MakeRgb(255, 0, 0), dark = MakeRgb(64, 64, 64), blue = MakeRgb(0, 0, 255);
    EXPECT_EQ(colours(every), (std::vector<Rgb>{red, dark, blue, red}));
    EXPECT_EQ(colours(some), (std::vector<Rgb>{kLeftOutHourColour, dark, blue, red}));
    EXPECT_EQ(colours(lit), (std::vector<Rgb>{MakeRgb(191, 191, 255), MakeRgb(255, 191, 191), red, dark}));
    EXPECT_EQ(every.Ops[1].X1, s.X1);  // 60 degrees is held at the right edge
    for (const RecordedOp& op : every.Ops) EXPECT_EQ(op.Width, 3);
    EXPECT_EQ(every.DrawWidth(), 1);
}

}  // namespace
}  // namespace qav
