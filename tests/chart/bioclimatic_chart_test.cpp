#include "chart/bioclimatic_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_canvas.h"

namespace qav {
namespace {

using testing::RecordedOp;
using testing::RecordingCanvas;

constexpr float kHighSiteM = 4200;  // about 60 kPa

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

struct DrawnChart {
    RecordingCanvas chart{8076, 6259};
    RecordingCanvas map{8076, 6259};
    ZoneVertices v{};
    explicit DrawnChart(float elevationM, char separator = '.')
    {
        chart.SetFontSize(9);
        v = DrawChartFrameAndZones(chart, map, ReferenceScale(), Psychrometrics(StationPressure(elevationM)),
                                   nullptr, separator);
    }
    std::vector<std::string> TextsBetween(double xMin, double xMax) const
    {
        std::vector<std::string> out;
        for (const auto& t : chart.Texts)
            if (t.X >= xMin && t.X <= xMax && t.Text.size() <= 3) out.push_back(t.Text);
        return out;
    }
};

TEST(ChartTitle, PressureAndElevation)
{
    EXPECT_EQ(ChartTitle(StationPressure(0)), "QAV 1.3 - Bioclimatic Chart for pressure of 101.325 kPa (Elev: 0 m)    ");
    // Brasilia: 1160 m is taken as 1150 m.
    EXPECT_EQ(ChartTitle(StationPressure(1160), ','),
              "QAV 1.3 - Bioclimatic Chart for pressure of 88,251 kPa (Elev: 1150 m)    ");
}

TEST(BioclimaticChart, AxisLabels)
{
    const DrawnChart d(0);
    const ChartScale s = ReferenceScale();
    // Humidity labels right of the plot, bottom to top.
    std::vector<std::string> humidity;
    for (int w = 0; w <= 28; w += 2) humidity.push_back(w < 10 ? "0" + std::to_string(w) : std::to_string(w));
    EXPECT_EQ(d.TextsBetween(s.X1 + 105, s.X1 + 105), humidity);
    const auto* label28 = d.chart.FindText("28");
    ASSERT_NE(label28, nullptr);
    EXPECT_NEAR(label28->Y, s.YTop - 90, 0.01);  // 6 pixels above its row

    // Temperature labels below the baseline; the one for 42 reads "DBT".
    std::vector<std::string> temperature;
    for (const auto& t : d.chart.Texts)
        if (t.Y == s.YBase + 90) temperature.push_back(t.Text);
    EXPECT_EQ(temperature, (std::vector<std::string>{"-18", "-14", "-10", "-06", "-02", "02", "06", "10", "14", "18",
                                                     "22", "26", "30", "34", "38", "DBT"}));
    // Negative labels stand 30 units further left for their minus sign.
    for (const auto& t : d.chart.Texts) {
        if (t.Y != s.YBase + 90) continue;
        const int degrees = t.Text == "DBT" ? 42 : std::stoi(t.Text);
        EXPECT_EQ(t.X, s.XOf(degrees) - (degrees < 0 ? 120 : 90)) << t.Text;
    }
}

TEST(BioclimaticChart, TitlesAndLetters)
{
    const DrawnChart d(0, ',');
    const ChartScale s = ReferenceScale();
    const auto* title = d.chart.FindText("QAV 1.3 - Bioclimatic Chart for pressure of 101,325 kPa (Elev: 0 m)    ");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Colour, MakeRgb(76, 76, 76));
    EXPECT_DOUBLE_EQ(title->X, (8076 - d.chart.TextWidth(title->Text)) / 2);  // centred on the canvas
    EXPECT_DOUBLE_EQ(title->Y, s.YBase + 90 + 1.3 * 195);

    // Without a font object the axis title is printed in the chart's own font from its bottom end.
    const auto* axis = d.chart.FindText(" Humidity Ratio (g water vapor / kg dry air");
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->X, s.X1 + 22 * 15);
    EXPECT_EQ(axis->Y, 5548);  // (6259 + 43 characters x 112.5) / 2 = 5548.25, rounded

    std::string letters;
    for (const auto& t : d.chart.Texts) {
        if (t.Text.size() == 1) {
            letters += t.Text;
            EXPECT_EQ(t.FontSize, 12);
        }
    }
    EXPECT_EQ(letters, "ABBCDEFJHHGIII");
    const auto* a = d.chart.FindText("A");
    EXPECT_DOUBLE_EQ(a->X, s.XOf(3.8));
    EXPECT_DOUBLE_EQ(a->Y, s.YOf(4.1));
    EXPECT_EQ(d.chart.FontSize(), 9);  // the size before the chart, not a fixed one
}

// Letters stay where they are when the pressure changes, though the zones move.
TEST(BioclimaticChart, LettersDoNotFollowThePressure)
{
    const DrawnChart sea(0), high(kHighSiteM);
    std::vector<std::pair<double, double>> a, b;
    for (const auto& t : sea.chart.Texts)
        if (t.Text.size() == 1) a.emplace_back(t.X, t.Y);
    for (const auto& t : high.chart.Texts)
        if (t.Text.size() == 1) b.emplace_back(t.X, t.Y);
    EXPECT_EQ(a, b);
    EXPECT_NE(sea.v, high.v);
}

TEST(BioclimaticChart, LeavesTheCanvasAsItFoundIt)
{
    const DrawnChart d(0);
    EXPECT_EQ(d.chart.DrawWidth(), 1);
    EXPECT_EQ(d.chart.Style(), DrawStyle::Solid);
    EXPECT_EQ(d.chart.ForeColour(), kBlack);
    EXPECT_EQ(d.map.Clears, 1);
    EXPECT_TRUE(d.map.Ops.empty());  // the zone map is painted by the zone-map layer
    // The heavy frame is the only thing drawn two pixels wide.
    int heavy = 0;
    for (const RecordedOp& op : d.chart.Ops) heavy += op.Width == 2;
    EXPECT_EQ(heavy, 1 + (7168 - 224) / 15 + 1 + 2);
}

TEST(BioclimaticChart, HumidityRowsEndAtTheSaturationCurve)
{
    const DrawnChart d(0);
    const ChartScale s = ReferenceScale();
    const Psychrometrics psy;
    for (int w = 2; w <= 28; w += 2) {
        SCOPED_TRACE(w);
        const double y = s.YBase - w * static_cast<double>(s.GramHeight);
        double leftmost = s.X1 + 1;
        int dots = 0;
        for (const RecordedOp& op : d.chart.Ops) {
            if (op.What == RecordedOp::Pixel && op.Y1 == y && op.X1 > s.X0 && op.Colour == kBlack &&
                static_cast<int>(s.X1 - op.X1) % s.DegreeWidth == 0) {
                leftmost = std::min(leftmost, op.X1);
                ++dots;
            }
        }
        ASSERT_GT(dots, 0);
        // The dots reach to within a degree of the saturation curve. Below 0 C the dew-point
        // fit over water lets the last dot pass the curve over ice by a little.
        EXPECT_GE(psy.FTSat(static_cast<float>(s.TOf(leftmost))), w < 6 ? 0.95 * w : w - 0.01);
        EXPECT_LT(psy.FTSat(static_cast<float>(s.TOf(leftmost - s.DegreeWidth))), w);
    }
}

TEST(ZoneVertices, UnassignedEntriesStayZero)
{
    for (float elevation : {0.0f, 1160.0f, kHighSiteM}) {
        SCOPED_TRACE(elevation);
        const ZoneVertices v = ComputeZoneVertices(ReferenceScale(), Psychrometrics(StationPressure(elevation)));
        for (int i : {0, 12, 21, 22}) EXPECT_EQ(v[i], ZoneVertex{});
        EXPECT_EQ(v[3].X, 0);
        EXPECT_EQ(v[4].X, 0);
        for (int i : {1, 2, 5, 7, 9, 11, 13, 14, 15, 17, 18, 19, 20}) {
            EXPECT_GT(v[i].X, 0) << "V" << i;
            EXPECT_GT(v[i].Y, 0) << "V" << i;
        }
    }
}

TEST(ZoneVertices, SeaLevel)
{
    const ChartScale s = ReferenceScale();
    const ZoneVertices v = ComputeZoneVertices(s, Psychrometrics());
    const auto X = [&](double t) { return RoundToInt16(s.XOf(t)); };
    const auto Y = [&](double w) { return RoundToInt16(s.YOf(w)); };
    EXPECT_EQ(v[5], (ZoneVertex{X(20), Y(4)}));
    EXPECT_EQ(v[6].Y, s.YBase);
    EXPECT_EQ(v[8], (ZoneVertex{X(18), Y(4)}));
    EXPECT_EQ(v[16], (ZoneVertex{X(32), Y(4)}));
    EXPECT_EQ(v[18], (ZoneVertex{X(38), Y(4)}));
    // Nothing is capped at sea level: 80 % of saturation at 18 C is about 10.3 g/kg, half of it
    // at 29 C about 12.8 and at 32 C about 15.3 g/kg.
    EXPECT_NEAR(s.TOf(v[7].X), 18, 1e-9);
    EXPECT_NEAR((s.YBase - v[7].Y) / s.GramHeight, 10.3, 0.1);
    EXPECT_NEAR((s.YBase - v[10].Y) / s.GramHeight, 12.8, 0.1);
    EXPECT_NEAR((s.YBase - v[15].Y) / s.GramHeight, 15.3, 0.1);
    // The sloped edges lean left going up: constant specific volume and wet bulb.
    EXPECT_LT(v[11].X, v[10].X);
    EXPECT_LT(v[14].X, v[15].X);
    EXPECT_LT(v[17].X, v[18].X);
    EXPECT_GT(v[6].X, v[5].X);
    // V19 is where the wet-bulb-25 line crosses 17 g/kg, left of the right edge; V20 lies on
    // that line at the right edge, lower.
    EXPECT_EQ(v[19].Y, Y(17));
    EXPECT_LT(v[19].X, s.X1);
    EXPECT_EQ(v[20].X, s.X1);
    EXPECT_GT(v[20].Y, v[19].Y);
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
