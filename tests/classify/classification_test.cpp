#include "classify/classification.h"

#include <gtest/gtest.h>

#include <numeric>

#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
#include "tests/chart/recording_canvas.h"
#include "tests/chart/test_locations.h"

namespace qav {
namespace {

using testing::RecordedOp;
using testing::RecordingCanvas;

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

// A zone map with one zone: Ventilation from x = 0 to 3000 over the whole height, white elsewhere.
struct SimpleMap {
    ChartScale s = ReferenceScale();
    RasterCanvas map{8076, 6259, 15, 15};
    SimpleMap() { map.DrawBox(0, 0, 3000, 6259, ZoneColour[6], true); }
};

TEST(ClassifyHour, PositionColourAndPreviousStrategy)
{
    struct Row {
        const char* what;
        float x, y;
        int previous;
        int counted;  // strategy counted, 0 for none
    };
    const SimpleMap m;
    const float x0 = m.s.X0, x1 = m.s.X1;
    for (const Row& r : {
             Row{"left of X0, on a coloured pixel", x0 - 1, 3000, 0, 1},
             Row{"left of the canvas", -500, 3000, 6, 1},
             Row{"right of X1", x1 + 1, 3000, 0, 10},
             Row{"right of the canvas", 9000, -1e6f, 3, 10},
             Row{"exactly on X0: by its colour", x0, 3000, 0, 6},
             Row{"exactly on X1: white, nothing before", x1, 3000, 0, 0},
             Row{"white, nothing before", 5000, 3000, 0, 0},
             Row{"white after a counted hour", 5000, 3000, 9, 9},
             Row{"above the canvas, nothing before", 1000, -20, 0, 0},
             Row{"above the canvas after a counted hour", 1000, -20, 4, 4},
             Row{"coloured, previous ignored", 1000, 3000, 4, 6},
         }) {
        SCOPED_TRACE(r.what);
        StrategyTally t;
        int previous = r.previous;
        EXPECT_EQ(ClassifyHour(r.x, r.y, 7, m.map, m.s, t, previous), r.counted);
        EXPECT_EQ(previous, r.counted ? r.counted : r.previous);
        int total = 0;
        for (int s = 1; s <= kStrategies; ++s)
            for (int month = 1; month <= kMonths; ++month) total += t.MonthHours[s][month];
        EXPECT_EQ(total, r.counted ? 1 : 0);
        if (r.counted) {
            EXPECT_EQ(t.MonthHours[r.counted][7], 1);
        }
    }
}

StrategyTally Counted(std::initializer_list<std::pair<int, int>> hours)
{
    StrategyTally t;
    for (auto [s, n] : hours) t.MonthHours[s][1] = static_cast<std::int16_t>(n);
    ComputeYearShares(t);
    return t;
}

// 288 hours: S2 10, S3 20, S5 208, S7 5, S8 15, S9 30. After merging S2 = 30, S8 = 20, S9 = 50;
// the total is 333.
TEST(ComputeYearShares, WorkedExample)
{
    const StrategyTally t = Counted({{2, 10}, {3, 20}, {5, 208}, {7, 5}, {8, 15}, {9, 30}});
    const float expected[11] = {0, 0, 9.0f, 6.0f, 0, 62.5f, 0, 1.5f, 6.0f, 15.0f, 0};
    for (int s = 1; s <= kStrategies; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(t.YearShare[s], expected[s]);
    }
    EXPECT_EQ(t.TopStrategy, (std::array<int, 4>{0, 5, 9, 2}));
}

TEST(ComputeYearShares, RoundsHalvesToEven)
{
    // 1 of 400 is 0.25 %, 399 of 400 is 99.75 %: tenths of 2.5 and 997.5.
    const StrategyTally t = Counted({{1, 1}, {5, 399}});
    EXPECT_EQ(t.YearShare[1], 0.2f);
    EXPECT_EQ(t.YearShare[5], 99.8f);
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
        EXPECT_EQ(Counted(r.hours).TopStrategy, r.top);
    }
    const StrategyTally none = Counted({});
    for (int s = 1; s <= kStrategies; ++s) EXPECT_EQ(none.YearShare[s], 0.0f);
}

HourlyTable Brasilia() { return SynthesizeHours(testing::Brasilia()); }

TEST(PlotAndClassify, BrasiliaSharesAddUp)
{
    const ChartScale s = ReferenceScale();
    const Psychrometrics psy(StationPressure(1160));
    RasterCanvas map(8076, 6259, 15, 15), chart(8076, 6259, 15, 15);
    PaintZoneMap(map, s, ComputeZoneVertices(s, psy), psy);
    const HourlyTable hours = Brasilia();
    const StrategyTally headless = PlotAndClassify(nullptr, map, s, hours);
    int counted = 0;
    for (int k = 1; k <= kStrategies; ++k)
        for (int m = 1; m <= kMonths; ++m) counted += headless.MonthHours[k][m];
    EXPECT_EQ(counted, 288);
    const float sum = std::accumulate(headless.YearShare + 1, headless.YearShare + 11, 0.0f);
    EXPECT_NEAR(sum, 100, 0.2);
    // The highlighted rows are the three largest shares.
    const auto& top = headless.TopStrategy;
    for (int k = 1; k <= kStrategies; ++k) {
        if (k == top[1] || k == top[2] || k == top[3]) continue;
        EXPECT_LE(headless.YearShare[k], headless.YearShare[top[3]]) << k;
    }
    EXPECT_GE(headless.YearShare[top[1]], headless.YearShare[top[2]]);
    EXPECT_GE(headless.YearShare[top[2]], headless.YearShare[top[3]]);

    // Drawing the hours changes nothing in the tally.
    const StrategyTally drawn = PlotAndClassify(&chart, map, s, hours);
    for (int k = 1; k <= kStrategies; ++k) EXPECT_EQ(drawn.YearShare[k], headless.YearShare[k]);
}

// A blank map: January is not counted, then every hour takes the last counted one, across
// months; hours left and right of the chart are drawn on its edges.
TEST(PlotAndClassify, MonthsArePolylinesHeldToThePlot)
{
    const ChartScale s = ReferenceScale();
    RasterCanvas map(8076, 6259, 15, 15);
    HourlyTable hours;
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h) hours.DBT[m][h] = 20, hours.W[m][h] = 8;
    hours.DBT[2][5] = -25;
    hours.DBT[11][7] = 47;
    RecordingCanvas chart(8076, 6259);
    const StrategyTally t = PlotAndClassify(&chart, map, s, hours);
    EXPECT_EQ(t.MonthHours[1][1], 0);
    EXPECT_EQ(t.MonthHours[1][2], 20);
    EXPECT_EQ(t.MonthHours[1][11], 6);
    EXPECT_EQ(t.MonthHours[10][11], 18);
    EXPECT_EQ(chart.DrawWidth(), 1);

    // Per month a dot and 24 segments two pixels wide in the quarter's colour.
    ASSERT_EQ(chart.Ops.size(), 12u * 25);
    for (int m = 1; m <= kMonths; ++m) {
        EXPECT_EQ(chart.Ops[(m - 1) * 25].What, RecordedOp::Pixel);
        EXPECT_EQ(chart.Ops[(m - 1) * 25].Colour, MarkColour[(m + 2) / 3]);
    }
    for (const RecordedOp& op : chart.Ops) EXPECT_EQ(op.Width, 2);
    EXPECT_EQ(chart.Ops[25 + 5].X2, s.X0);          // February hour 5
    EXPECT_EQ(chart.Ops[10 * 25 + 7].X2, s.X1);     // November hour 7
    EXPECT_FLOAT_EQ(chart.Ops[25 + 5].Y2, s.YOf(8));
}

TEST(DrawLegend, RowsSharesAndKey)
{
    const ChartScale s = ReferenceScale();
    StrategyTally t;
    t.MonthHours[2][1] = 10, t.MonthHours[3][1] = 20, t.MonthHours[5][1] = 208;
    t.MonthHours[7][1] = 5, t.MonthHours[8][1] = 15, t.MonthHours[9][1] = 30;
    ComputeYearShares(t);
    RecordingCanvas chart(8076, 6259);
    DrawLegend(chart, s, t, testing::Brasilia(), ',');

    ASSERT_FALSE(chart.Texts.empty());
    EXPECT_EQ(chart.Texts[0].Text, "Location: Brasília (Brazil)");
    EXPECT_TRUE(chart.Texts[0].Bold);
    EXPECT_FALSE(chart.Texts[1].Bold);
    // Per row: letter, name, share ("" for 0; decimal comma here).
    const char* shares[11] = {"", "", "9,0", "6,0", "", "62,5", "", "1,5", "6,0", "15,0", ""};
    for (int i = 1; i <= kStrategies; ++i) {
        SCOPED_TRACE(i);
        const size_t row = 1 + 3 * (i - 1);
        EXPECT_EQ(chart.Texts[row].Text, std::string(1, StrategyLetter(i)));
        EXPECT_EQ(chart.Texts[row + 1].Text, StrategyName[i]);
        EXPECT_EQ(chart.Texts[row + 2].Text, shares[i]);
        EXPECT_EQ(chart.Texts[row].Y, chart.Texts[row + 2].Y);
    }
    // Shares stand right-aligned 4 pixels inside their box.
    const double c2 = 200 + 200 + 600;  // "88", "D ", " 88.1 " at 100 units a character
    EXPECT_EQ(chart.Texts[1 + 3 * 4 + 2].X, c2 - 60 - 400);
    // Rows E, I and B are highlighted.
    std::vector<int> highlighted;
    int row = 0;
    for (const RecordedOp& op : chart.Ops) {
        if (op.What != RecordedOp::Box || !op.Filled || op.X1 != 400) continue;
        ++row;
        if (op.Colour == MakeRgb(255, 255, 160)) highlighted.push_back(row);
        else EXPECT_EQ(op.Colour, MakeRgb(232, 232, 232));
    }
    EXPECT_EQ(highlighted, (std::vector<int>{2, 5, 9}));
    const std::vector<std::string> texts = chart.TextStrings();
    EXPECT_EQ(std::vector<std::string>(texts.end() - 4, texts.end()),
              (std::vector<std::string>{"Jan Feb Mar", "Apr May Jun", "Jul Aug Sep", "Oct Nov Dec"}));
}

}  // namespace
}  // namespace qav
