#include "pipeline/chart_readout.h"

#include <gtest/gtest.h>

#include <array>

#include "pipeline/rendering.h"
#include "tests/chart/recording_canvas.h"
#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

// Brasília's typical days at start-up: the hour pointed at is the hour the hourly table holds,
// where the chart draws it, classified as the tally counted it.
TEST(ChartReadout, TypicalHourOfBrasilia)
{
    PipelineSession s;
    const std::vector<PlottedHour> hours = PlottedHoursOf(s.state);
    ASSERT_EQ(hours.size(), 288u);
    const PlottedHour& h = hours[13];  // January, 14 h
    EXPECT_EQ((std::array{h.Month, h.Day, h.Hour}), (std::array{1, 0, 14}));
    EXPECT_EQ((std::array{h.DBT, h.W}), (std::array{s.state.Hours.DBT[1][14], s.state.Hours.W[1][14]}));
    EXPECT_NEAR(h.RH, 60.1, 0.05);
    EXPECT_EQ(h.Strategy, 5);
    EXPECT_EQ(NearestPlottedHour(hours, h.X + 1, h.Y, 2), 13);
    EXPECT_EQ(NearestPlottedHour(hours, -5000, -5000, 60), -1);
}

// A recorded hour is dated; stepping runs hour by hour, held at the year's ends, and month by
// month to the same day and hour, or the last day of a shorter month (January 31 to February 28).
TEST(ChartReadout, RecordedHoursOfChicagoAndStepping)
{
    PipelineSession s;
    s.ShowWeatherFile("chicago.epw");
    s.state.View = HoursView::Recorded;
    s.Run();
    const std::vector<PlottedHour> hours = PlottedHoursOf(s.state);
    ASSERT_EQ(hours.size(), 8760u);
    const PlottedHour& h = hours[4800];
    EXPECT_EQ((std::array{h.Month, h.Day, h.Hour}), (std::array{7, 20, 1}));
    EXPECT_NEAR(h.DBT, 24.4, 0.005);
    EXPECT_NEAR(h.RH, 85.0, 0.05);
    EXPECT_NEAR(h.W, 16.84, 0.005);
    EXPECT_EQ(h.Strategy, 6);
    struct Row {
        int from, hourSteps, monthSteps, to;
    };
    for (const Row& r : {Row{-1, 0, 0, 0}, Row{0, -1, 0, 0}, Row{8759, 1, 0, 8759}, Row{30 * 24 + 13, 0, 1, 1405},
                         Row{13, 0, -1, 13}, Row{13, 1, 1, 758}}) {
        SCOPED_TRACE(r.from);
        EXPECT_EQ(StepPlottedHour(hours, r.from, r.hourSteps, r.monthSteps), r.to);
    }
}

// B's share merges C's hours (8 gains 7, 9 gains 8 and 7): lighting B lights both, and only the
// hours the filter counts.
TEST(ChartReadout, LitHoursFollowTheMergedShares)
{
    for (auto [hour, share, counts] : {std::tuple{3, 2, true},
                                       {2, 3, false},
                                       {7, 8, true},
                                       {7, 9, true},
                                       {8, 9, true},
                                       {9, 8, false},
                                       {5, 5, true},
                                       {0, 1, false}}) {
        SCOPED_TRACE(hour * 100 + share);
        EXPECT_EQ(CountsTowardShare(hour, share), counts);
    }
    PipelineSession s;
    const std::vector<PlottedHour> hours = PlottedHoursOf(s.state);
    int b = 0, c = 0;
    for (const PlottedHour& h : hours) b += h.Strategy == 2, c += h.Strategy == 3;
    EXPECT_EQ(b, 9);
    EXPECT_EQ(c, 112);
    EXPECT_EQ(LitHourCount(hours, 2), 121);
    const LitHours lit = LitHoursOf(s.state, 2);
    EXPECT_TRUE(lit.Typical[7][6]);
    ASSERT_TRUE(MakeHourFilter(9, 18, 1, 12, s.state.Filter));
    s.Run();
    EXPECT_EQ(LitHourCount(PlottedHoursOf(s.state), 2), 6);
    EXPECT_FALSE(LitHoursOf(s.state, 2).Typical[7][6]);
}

// The recorded chart draws every hour's dot, then its zone letters over them (the months taking
// turns day by day: the recorded plot's test).
TEST(ChartReadout, RecordedChartLettersOverInterleavedDots)
{
    PipelineSession s;
    s.ShowWeatherFile("chicago.epw");
    s.state.View = HoursView::Recorded;
    s.Run();
    testing::RecordingCanvas chart(s.state.Layout.Picture1.Width, s.state.Layout.Picture1.Height);
    DrawHoursAndLegend(chart, s.state);
    std::size_t dots = 0;
    for (const testing::RecordedOp& op : chart.Ops) dots += op.What == testing::RecordedOp::Pixel && op.Width == 3;
    ASSERT_EQ(dots, 8760u);
    const testing::RecordedText* a = chart.FindText("A");
    ASSERT_NE(a, nullptr);
    EXPECT_GE(a->OpsBefore, dots);
}

}  // namespace
}  // namespace qav
