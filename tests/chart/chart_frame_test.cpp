#include "chart/chart_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_canvas.h"

namespace qav {
namespace {

using testing::RecordingCanvas;

constexpr float kHighSiteM = 4200;  // 60.05 kPa

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

TEST(ChartTitle, PressureAndElevation)
{
    EXPECT_EQ(ChartTitle(StationPressure(0)), "QAV 1.3 - Bioclimatic Chart for pressure of 101.325 kPa (Elev: 0 m)    ");
    // Brasilia: 1160 m is taken as 1150 m.
    EXPECT_EQ(ChartTitle(StationPressure(1160), ','),
              "QAV 1.3 - Bioclimatic Chart for pressure of 88,251 kPa (Elev: 1150 m)    ");
}

TEST(BioclimaticChart, LabelsTitlesLettersAndCanvasState)
{
    RecordingCanvas chart(8076, 6259), map(8076, 6259);
    chart.SetFontSize(9);
    const ChartScale s = ReferenceScale();
    DrawChartFrameAndZones(chart, map, s, Psychrometrics(), nullptr, ',');

    std::vector<std::string> humidity, temperature;
    std::string letters;
    for (const auto& t : chart.Texts) {
        if (t.X == s.X1 + 105) humidity.push_back(t.Text);  // right of the plot, bottom to top
        if (t.Y == s.YBase + 90) {
            temperature.push_back(t.Text);
            const int degrees = t.Text == "DBT" ? 42 : std::stoi(t.Text);
            EXPECT_EQ(t.X, s.XOf(degrees) - (degrees < 0 ? 120 : 90)) << t.Text;  // room for the minus
        }
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
    EXPECT_EQ(letters, "ABBCDEFJHHGIII");
    EXPECT_DOUBLE_EQ(chart.FindText("A")->X, s.XOf(3.8));
    EXPECT_DOUBLE_EQ(chart.FindText("A")->Y, s.YOf(4.1));

    const auto* title = chart.FindText(ChartTitle(StationPressure(0), ','));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Colour, MakeRgb(76, 76, 76));
    EXPECT_DOUBLE_EQ(title->X, (8076 - chart.TextWidth(title->Text)) / 2);  // centred on the canvas
    EXPECT_DOUBLE_EQ(title->Y, s.YBase + 90 + 1.3 * 195);
    // Without a font object the axis title is printed in the chart's own font from its bottom
    // end: (6259 + 43 characters x 112.5) / 2 = 5548.25.
    const auto* axis = chart.FindText(" Humidity Ratio (g water vapor / kg dry air");
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->X, s.X1 + 22 * 15);
    EXPECT_EQ(axis->Y, 5548);

    // The canvas is left as it was found: the font size before the chart, not a fixed one.
    EXPECT_EQ(chart.FontSize(), 9);
    EXPECT_EQ(chart.DrawWidth(), 1);
    EXPECT_EQ(chart.Style(), DrawStyle::Solid);
    EXPECT_EQ(chart.ForeColour(), kBlack);
    EXPECT_EQ(map.Clears, 1);
    EXPECT_TRUE(map.Ops.empty());  // the zone-map layer paints the map
}

TEST(ZoneVertices, SeaLevelAndUnassignedEntries)
{
    const ChartScale s = ReferenceScale();
    const ZoneVertices v = ComputeZoneVertices(s, Psychrometrics());
    const auto W = [&](int i) { return (s.YBase - v[i].Y) / s.GramHeight; };
    // Nothing is capped: 80 % of saturation at 18 C is about 10.3 g/kg, half of it at 29 C
    // about 12.8 and at 32 C about 15.3 (ASHRAE Fundamentals ch. 1, Table 2).
    EXPECT_NEAR(W(7), 10.3, 0.1);
    EXPECT_NEAR(W(10), 12.8, 0.1);
    EXPECT_NEAR(W(15), 15.3, 0.1);
    EXPECT_EQ(v[6].Y, s.YBase);
    // The sloped edges lean left going up: constant specific volume and wet bulb.
    EXPECT_LT(v[11].X, v[10].X);
    EXPECT_LT(v[14].X, v[15].X);
    EXPECT_LT(v[17].X, v[18].X);
    EXPECT_GT(v[6].X, v[5].X);
    // V19 is where the wet-bulb-25 line crosses 17 g/kg; V20 lies lower on it at the right edge.
    EXPECT_EQ(v[19].Y, RoundToInt16(s.YOf(17)));
    EXPECT_LT(v[19].X, s.X1);
    EXPECT_EQ(v[20].X, s.X1);
    EXPECT_GT(v[20].Y, v[19].Y);

    for (float elevation : {0.0f, 1160.0f, kHighSiteM}) {
        SCOPED_TRACE(elevation);
        const ZoneVertices u = ComputeZoneVertices(s, Psychrometrics(StationPressure(elevation)));
        for (int i : {0, 12, 21, 22}) EXPECT_EQ(u[i], ZoneVertex{}) << "V" << i;
        EXPECT_EQ(u[3].X, 0);
        EXPECT_EQ(u[4].X, 0);
        for (int i : {1, 2, 5, 7, 9, 11, 13, 14, 15, 17, 18, 19, 20}) EXPECT_GT(u[i].X * u[i].Y, 0) << "V" << i;
    }
}

// At about 60 kPa the saturation humidity ratio is high: the caps take effect.
TEST(ZoneVertices, CapsAtLowPressure)
{
    const ChartScale s = ReferenceScale();
    const ZoneVertices v = ComputeZoneVertices(s, Psychrometrics(StationPressure(kHighSiteM)));
    const auto Y = [&](double w) { return RoundToInt16(s.YOf(w)); };
    EXPECT_EQ(v[7].Y, Y(17));     // 0.8 x FTSat(18) above 17
    EXPECT_EQ(v[10].Y, Y(17));    // 0.5 x FTSat(29) above 17
    EXPECT_EQ(v[11].X, v[10].X);  // the specific-volume line through V10 at its own height
    EXPECT_EQ(v[15].Y, Y(20.5));  // 0.5 x FTSat(32) above 20.5
    EXPECT_EQ(v[14], v[15]);      // T14 is 32 C and never more
    EXPECT_EQ(v[3].Y, Y(20.5));
    EXPECT_EQ(v[4].Y, Y(17));
    // The wet-bulb-25 line reaches the right edge above 17 g/kg: V19 and V20 coincide there.
    EXPECT_EQ(v[20], (ZoneVertex{s.X1, Y(17)}));
    EXPECT_EQ(v[19], v[20]);
}

}  // namespace
}  // namespace qav
