#include "classify/classification.h"

#include <gtest/gtest.h>

#include <array>

#include "classify/raster_canvas.h"
#include "classify/zone_map.h"

namespace qav {
namespace {

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

int Counted(const StrategyTally& t)
{
    int n = 0;
    for (int s = 1; s <= kStrategies; ++s)
        for (int m = 1; m <= kMonths; ++m) n += t.MonthHours[s][m];
    return n;
}

TEST(ClassifyHour, PositionColourAndPreviousStrategy)
{
    // A zone map with one zone: Ventilation from x = 0 to 3000 over the whole height.
    const ChartScale s = ReferenceScale();
    RasterCanvas map(8076, 6259, 15, 15);
    map.DrawBox(0, 0, 3000, 6259, ZoneColour[6], true);
    struct Row {
        const char* what;
        float x, y;
        int previous, counted;
    };  // counted: the strategy, or 0
    for (const Row& r : {
             Row{"left of X0, on a coloured pixel", s.X0 - 1.0f, 3000, 0, 1},
             Row{"left of the canvas", -500, 3000, 6, 1},
             Row{"right of X1", s.X1 + 1.0f, 3000, 0, 10},
             Row{"right of the canvas", 9000, -1e6f, 3, 10},
             Row{"exactly on X0: by its colour", float(s.X0), 3000, 0, 6},
             Row{"exactly on X1: white, nothing before", float(s.X1), 3000, 0, 0},
             Row{"white, nothing before", 5000, 3000, 0, 0},
             Row{"white after a counted hour", 5000, 3000, 9, 9},
             Row{"above the canvas, nothing before", 1000, -20, 0, 0},
             Row{"above the canvas after a counted hour", 1000, -20, 4, 4},
             Row{"coloured, previous ignored", 1000, 3000, 4, 6},
         }) {
        SCOPED_TRACE(r.what);
        StrategyTally t;
        int previous = r.previous;
        EXPECT_EQ(ClassifyHour(r.x, r.y, 7, map, s, t, previous), r.counted);
        EXPECT_EQ(previous, r.counted ? r.counted : r.previous);
        EXPECT_EQ(Counted(t), r.counted ? 1 : 0);
        EXPECT_EQ(t.MonthHours[r.counted][7], r.counted ? 1 : 0);
    }
}

StrategyTally Shares(std::initializer_list<std::pair<int, int>> hours)
{
    StrategyTally t;
    for (auto [s, n] : hours) t.MonthHours[s][1] = static_cast<std::int16_t>(n);
    ComputeYearShares(t);
    return t;
}

// 288 hours of six strategies, their shares after the merging pinned.
TEST(ComputeYearShares, WorkedExampleAndHalvesToEven)
{
    const StrategyTally t = Shares({{2, 10}, {3, 20}, {5, 208}, {7, 5}, {8, 15}, {9, 30}});
    const float expected[11] = {0, 0, 9.0f, 6.0f, 0, 62.5f, 0, 1.5f, 6.0f, 15.0f, 0};
    for (int s = 1; s <= kStrategies; ++s) EXPECT_EQ(t.YearShare[s], expected[s]) << s;
    EXPECT_EQ(t.TopStrategy, (std::array<int, 4>{0, 5, 9, 2}));
    // Exact halves go to the even tenth: 1 of 400 is 0.25 %, 399 of 400 is 99.75 %. The
    // others are halves in decimal that single precision puts just below or above: the
    // division, x100 and x10 each round to single (double precision would give 14.8, 52.8,
    // 53.2, 60.2 and 58.8).
    struct Row {
        int hours, total;
        float share;
    };
    for (const Row& r : {Row{1, 400, 0.2f}, Row{399, 400, 99.8f}, Row{59, 400, 14.7f}, Row{211, 400, 52.7f},
                         Row{213, 400, 53.3f}, Row{241, 400, 60.3f}, Row{188, 320, 58.7f}}) {
        SCOPED_TRACE(::testing::Message() << r.hours << " of " << r.total);
        EXPECT_EQ(Shares({{1, r.hours}, {5, r.total - r.hours}}).YearShare[1], r.share);
    }
}

TEST(ComputeYearShares, TopThreeTies)
{
    struct Row {
        const char* what;
        std::initializer_list<std::pair<int, int>> hours;
        std::array<int, 4> top;
    };
    for (const Row& r : {
             Row{"equal largest: the lower number first, the higher second", {{4, 10}, {6, 10}, {1, 5}}, {0, 4, 6, 1}},
             Row{"equal second: the higher number", {{5, 20}, {1, 5}, {4, 5}, {6, 5}}, {0, 5, 6, 4}},
             Row{"only one share: second and third cleared", {{5, 288}}, {0, 5, 0, 0}},
             Row{"two shares: third cleared", {{5, 200}, {6, 88}}, {0, 5, 6, 0}},
             Row{"no hour counted: all shares 0, the first kept", {}, {0, 1, 0, 0}},
         }) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(Shares(r.hours).TopStrategy, r.top);
    }
    const StrategyTally none = Shares({});
    for (int s = 1; s <= kStrategies; ++s) EXPECT_EQ(none.YearShare[s], 0.0f);
}

// A blank map: January is not counted, then every hour takes the last counted one, across
// months; hours left and right of the chart are counted by their own point.
TEST(ClassifyHours, BlankMapCarriesThePreviousStrategy)
{
    const ChartScale s = ReferenceScale();
    RasterCanvas map(8076, 6259, 15, 15);
    HourlyTable hours;
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h) hours.DBT[m][h] = 20, hours.W[m][h] = 8;
    hours.DBT[2][5] = -25;
    hours.DBT[11][7] = 47;
    HourStrategies strategies;
    const StrategyTally t = ClassifyHours(map, s, hours, &strategies);
    EXPECT_EQ((std::array<int, 4>{t.MonthHours[1][1], t.MonthHours[1][2], t.MonthHours[1][11], t.MonthHours[10][11]}),
              (std::array{0, 20, 6, 18}));
    EXPECT_EQ(Counted(t), 260);  // all but January's 24 hours and February's first four
    // Each hour's strategy is the one counted: none in January, heating from February 5 on.
    EXPECT_EQ((std::array<int, 5>{strategies[1][24], strategies[2][4], strategies[2][5], strategies[11][7],
                                  strategies[11][8]}),
              (std::array{0, 0, 1, 10, 10}));
}

}  // namespace
}  // namespace qav
