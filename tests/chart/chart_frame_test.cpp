#include "chart/chart_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/version.h"
#include "recording_canvas.h"

namespace qav {
namespace {

using testing::RecordingCanvas;

constexpr float kHighSiteM = 4200;  // 60.05 kPa

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

TEST(ChartTitle, PressureAndElevation)
{
    EXPECT_EQ(ChartTitle(StationPressure(0)),
              std::string(kProgramAndVersion) + " - Bioclimatic Chart for pressure of 101.325 kPa (Elev: 0 m)    ");
    // Brasilia: 1160 m is taken as 1150 m.
    EXPECT_EQ(ChartTitle(StationPressure(1160), ','),
              std::string(kProgramAndVersion) + " - Bioclimatic Chart for pressure of 88,251 kPa (Elev: 1150 m)    ");
}

TEST(BioclimaticChart, LabelsTitlesLettersAndCanvasState)
{
    RecordingCanvas chart(8076, 6259), map(8076, 6259);
    chart.SetFontSize(9);
    const ChartScale s = ReferenceScale();
    DrawChartFrameAndZones(chart, map, s, Psychrometrics(), ',');

    std::vector<std::string> humidity, temperature;
    std::string letters;
    for (const auto& t : chart.Texts) {
        if (t.X == s.X1 + 105) humidity.push_back(t.Text);  // right of the plot, bottom to top
        if (t.Y == s.YBase + 90) temperature.push_back(t.Text);
        if (t.Text.size() == 1) {
            letters += t.Text;
            EXPECT_EQ(t.FontSize, 12) << t.Text;
        }
    }
    EXPECT_EQ(humidity, (std::vector<std::string>{"00", "02", "04", "06", "08", "10", "12", "14", "16", "18", "20",
                                                  "22", "24", "26", "28"}));
    EXPECT_EQ(temperature, (std::vector<std::string>{"-18", "-14", "-10", "-06", "-02", "02", "06", "10", "14", "18",
                                                     "22", "26", "30", "34", "38", "DBT"}));
    EXPECT_NEAR(chart.FindText("28")->Y, s.YTop - 90, 0.01);  // 6 pixels above its row
    // Temperature labels stand left of their line, a minus further left.
    EXPECT_EQ((std::array{chart.FindText("-18")->X, chart.FindText("30")->X, chart.FindText("DBT")->X}),
              (std::array{104.0, 5510.0, 6854.0}));
    EXPECT_EQ(letters, "ABBCDEFJHHGIII");
    EXPECT_DOUBLE_EQ(chart.FindText("A")->X, s.XOf(3.8));
    EXPECT_DOUBLE_EQ(chart.FindText("A")->Y, s.YOf(4.1));

    const auto* title = chart.FindText(ChartTitle(StationPressure(0), ','));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Colour, MakeRgb(76, 76, 76));
    EXPECT_DOUBLE_EQ(title->X, 44.25);  // centred on the canvas: (8076 - 7987.5) / 2
    EXPECT_DOUBLE_EQ(title->Y, 5706.5);
    // The axis title is the one turned text, in the chart's font, from its bottom end:
    // (6259 + 43 characters x 112.5) / 2 = 5548.25.
    const auto* axis = chart.FindText(" Humidity Ratio (g water vapor / kg dry air");
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(std::count_if(chart.Texts.begin(), chart.Texts.end(), [](const auto& t) { return t.Rotated; }), 1);
    EXPECT_TRUE(axis->Rotated && axis->FontSize == 9);
    EXPECT_EQ(axis->X, s.X1 + 22 * 15);
    EXPECT_EQ(axis->Y, 5548);

    // The canvas is left as it was found: the font size before the chart, not a fixed one.
    EXPECT_TRUE(chart.FontSize() == 9 && chart.DrawWidth() == 1 && chart.Style() == DrawStyle::Solid &&
                chart.ForeColour() == kBlack);
    EXPECT_TRUE(map.Clears == 1 && map.Ops.empty());  // the zone-map layer paints the map
}

// The vertex table on the reference chart (YBase 5363, 183.5 units per g/kg, 112 per C).
// At sea level nothing is capped: V7, V10 and V15 lie at 10.39, 12.86 and 15.39 g/kg, 80 % of
// saturation at 18 C and half of it at 29 and 32 C. At 4200 m (60.05 kPa) the caps take effect: V7, V10 and V11 at
// 17 g/kg (V11 = V10), V15 at 20.5 g/kg with V14 on it (T14 is 32.0000038 C before its cap),
// and the wet-bulb-25 line reaches the right edge above 17 g/kg, so V19 = V20. Entries 0, 12,
// 21 and 22 and the x of V3 and V4 are never assigned.
TEST(ZoneVertices, ReferenceChartAtSeaLevelAndAt4200Metres)
{
    using V = ZoneVertex;
    const ZoneVertices sea = {V{0, 0},      {3360, 3957}, {3808, 3526}, {0, 2655},    {0, 3197},    {4480, 4629},
                              {5584, 5363}, {4256, 3456}, {4256, 4629}, {5488, 4629}, {5488, 3003}, {5269, 2243},
                              {0, 0},       {5071, 1601}, {5552, 1601}, {5824, 2539}, {5824, 4629}, {5787, 2243},
                              {6496, 4629}, {5881, 2243}, {7168, 3131}, {0, 0},       {0, 0}};
    const ZoneVertices high = {V{0, 0},      {3360, 2975}, {3808, 2234}, {0, 1601},    {0, 2243},    {4480, 4629},
                               {5594, 5363}, {4256, 2243}, {4256, 4629}, {5488, 4629}, {5488, 2243}, {5488, 2243},
                               {0, 0},       {4124, 1601}, {5824, 1601}, {5824, 1601}, {5824, 4629}, {5787, 2243},
                               {6496, 4629}, {7168, 2243}, {7168, 2243}, {0, 0},       {0, 0}};
    const ChartScale s = ReferenceScale();
    EXPECT_EQ(ComputeZoneVertices(s, Psychrometrics()), sea);
    EXPECT_EQ(ComputeZoneVertices(s, Psychrometrics(StationPressure(kHighSiteM))), high);
}

}  // namespace
}  // namespace qav
