#include "chart/adaptive_graph.h"

#include <gtest/gtest.h>

#include "chart/monthly_graph.h"
#include "chart/wind_rose_picture.h"
#include "tests/chart/recording_canvas.h"

namespace qav {
namespace {

using testing::RecordedOp;
using testing::RecordingCanvas;

// A plot of 10 units per degree (15 + 520 + 24 high) and 100 per month (28 + 1200 + 35 wide).
// July alone in range: t_pma 24 gives t_c 25.24, 80 % 21.74-28.74, 90 % 22.74-27.74, fans 30.54 C.
TEST(AdaptiveGraph, BandOfEachMonthInRangeAndTheFanLine)
{
    AdaptiveYear year;
    for (int m = 1; m <= kMonths; ++m) year.Month[m] = AdaptiveBand(ComfortModel::Ashrae55, m == 7 ? 24 : 5);
    RecordingCanvas canvas(1263, 559);
    DrawMonthlyGraph(canvas, LocationRecord{}, 1, 1, Language::English, {}, kEveryMonth, &year);

    std::vector<std::array<double, 4>> bands;
    for (const RecordedOp& op : canvas.Ops)
        if (op.What == RecordedOp::Box && op.Filled && (op.Colour == kAdaptiveKeyColour || op.Colour == 0xC8F7FF))
            bands.push_back({op.X1, op.Y1, op.X2, op.Y2});
    ASSERT_EQ(bands.size(), 3u);  // the two of July and the key's
    EXPECT_EQ(bands[0][0], 628);
    EXPECT_EQ(bands[0][2], 728);
    EXPECT_NEAR(bands[0][1], 127.6, 1e-9);
    EXPECT_NEAR(bands[0][3], 197.6, 1e-9);
    EXPECT_NEAR(bands[1][1], 137.6, 1e-9);
    EXPECT_NEAR(bands[1][3], 187.6, 1e-9);
    const auto fan = std::find_if(canvas.Ops.begin(), canvas.Ops.end(),
                                  [](const RecordedOp& op) { return op.Colour == MakeRgb(0, 120, 0); });
    ASSERT_NE(fan, canvas.Ops.end());
    EXPECT_NEAR(fan->Y1, 109.6, 1e-9);
    EXPECT_TRUE(canvas.FindText("ASHRAE 55, 80 % / 90 % (dots: 0.9 m/s)"));
    EXPECT_FALSE(canvas.FindText("comfort band, 18 to 29 °C"));
}

// Every hour from the east at 5 m/s: one bar along the east axis in the 4-6 m/s colour.
TEST(WindRosePicture, BarsAlongTheirSectorAndTheFiguresUnder)
{
    WindRose east;
    east.Hours[4][2] = 30;
    east.Calm = 10;
    east.Prevailing = 4;
    east.PrevailingShare = 75;
    RecordingCanvas canvas(920, 560);
    DrawWindRoses(canvas, east, WindRose{}, 1, 1, Language::PortugueseBrazil, "X");
    const auto bar = std::find_if(canvas.Ops.begin(), canvas.Ops.end(),
                                  [](const RecordedOp& op) { return op.Colour == WindClassColour(2); });
    ASSERT_NE(bar, canvas.Ops.end());
    EXPECT_NEAR(bar->Y1, bar->Y2, 1e-9);
    EXPECT_GT(bar->X2, bar->X1);
    EXPECT_TRUE(canvas.FindText("calmaria 25,0 %"));
    // The Brazilian compass points, on the rim and in the figures; the second rose's own heading.
    EXPECT_TRUE(canvas.FindText("ventos predominantes: L, 75,0 %"));
    EXPECT_TRUE(canvas.FindText("O") && canvas.FindText("L") && !canvas.FindText("W"));
    EXPECT_TRUE(canvas.FindText("Horas de ventilação (F)"));
    EXPECT_TRUE(canvas.FindText("nenhuma hora com vento"));
    DrawWindRoses(canvas, east, east, 1, 1, Language::English, "X", "June-August");
    EXPECT_TRUE(canvas.FindText("June-August") && canvas.FindText("W"));
    EXPECT_FALSE(canvas.FindText("Ventilation hours (F)"));
}

}  // namespace
}  // namespace qav
