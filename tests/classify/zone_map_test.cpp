#include "classify/zone_map.h"

#include <gtest/gtest.h>

#include "classify/raster_canvas.h"
#include "classify/strategy.h"

namespace qav {
namespace {

constexpr float kHighSiteM = 4200;  // 60.05 kPa

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

struct Map {
    ChartScale s = ReferenceScale();
    Psychrometrics psy;
    RasterCanvas canvas{8076, 6259, 15, 15};
    explicit Map(float elevationM) : psy(StationPressure(elevationM))
    {
        PaintZoneMap(canvas, s, ComputeZoneVertices(s, psy), psy);
    }
    // Letter of the strategy at (t, w), or '-' where the map matches none.
    char At(double t, double w) const
    {
        const Rgb c = canvas.GetPixel(s.XOf(t), s.YOf(w));
        for (int i = 1; i <= kStrategies; ++i)
            if (ZoneColour[i] == c) return StrategyLetter(i);
        return '-';
    }
};

// Each point lies well inside its zone, at sea level and at 60 kPa alike: the strategy holds
// 0.3 C and 0.3 g/kg around it. Where zones nest, the map shows the innermost one (the chart's
// B at (15, 4.1) lies on C, its H at (29.7, 10) and I at (30.1, 8) on G, its I at (33.4, 8) on H).
TEST(ZoneMap, StrategiesAtReferencePoints)
{
    struct Row { double t, w; char letter; };
    const Row rows[] = {
        {3.8, 4.1, 'A'},  {11, 4.1, 'B'},   {15, 4.1, 'C'},   {15, 2.1, 'C'},  {19, 2, 'C'},
        {21.3, 2.1, 'D'}, {25, 3, 'I'},     {23, 10, 'E'},    {26.2, 20, 'F'}, {24, 18, 'F'},
        {29.7, 10, 'G'},  {29.7, 12, 'G'},  {30.1, 8, 'G'},   {32.8, 10, 'H'}, {33.4, 8, 'H'},
        {39, 8, 'I'},     {35.2, 20, 'J'},  {40, 29, '-'},
    };
    for (float elevation : {0.0f, kHighSiteM}) {
        const Map map(elevation);
        for (const Row& r : rows) {
            for (double dt : {-0.3, 0.0, 0.3}) {
                for (double dw : {-0.3, 0.0, 0.3}) {
                    SCOPED_TRACE(::testing::Message() << elevation << " m: (" << r.t + dt << ", " << r.w + dw << ")");
                    EXPECT_EQ(map.At(r.t + dt, r.w + dw), r.letter);
                }
            }
        }
    }
}

TEST(ZoneMap, ShapesAtLowPressure)
{
    const Map sea(0), high(kHighSiteM);
    // E is a rectangle from 18 to 29 C between 4 and 17 g/kg.
    for (auto [t, w] : {std::pair{18.2, 16.8}, {28.8, 16.8}, {28.8, 4.2}, {18.2, 4.2}}) {
        SCOPED_TRACE(::testing::Message() << t << ", " << w);
        EXPECT_EQ(high.At(t, w), 'E');
    }
    EXPECT_NE(sea.At(28.8, 16.8), 'E');
    // C reaches 20.5 g/kg; above it, up to the saturation curve, J.
    EXPECT_EQ(high.At(19, 20), 'C');
    EXPECT_EQ(high.At(19, 21.5), 'J');
    // Above saturation: white.
    EXPECT_EQ(sea.At(10, 9), '-');
}

// A batch run paints the map from the computed vertices without drawing the chart: the map and
// the vertices are the same as after the whole chart procedure.
TEST(ZoneMap, SameMapWithAndWithoutTheChart)
{
    for (float elevation : {0.0f, kHighSiteM}) {
        SCOPED_TRACE(elevation);
        const ChartScale s = ReferenceScale();
        const Psychrometrics psy(StationPressure(elevation));
        RasterCanvas chart(8076, 6259, 15, 15), drawnMap(8076, 6259, 15, 15), batchMap(8076, 6259, 15, 15);
        batchMap.DrawBox(0, 0, 8076, 6259, kBlack, true);  // stale content must not survive
        const ZoneVertices drawn = DrawBioclimaticChart(chart, drawnMap, s, psy, nullptr);
        const ZoneVertices batch = ComputeZoneVertices(s, psy);
        PaintZoneMap(batchMap, s, batch, psy);
        EXPECT_EQ(drawn, batch);
        int differing = 0;
        for (int c = 0; c < drawnMap.Columns(); ++c)
            for (int r = 0; r < drawnMap.Rows(); ++r) differing += drawnMap.PixelAt(c, r) != batchMap.PixelAt(c, r);
        EXPECT_EQ(differing, 0);
    }
}

// A canvas too small to hold the plot (its baseline above its top edge) still draws and paints
// in bounded time.
TEST(BioclimaticChart, TinyCanvasEnds)
{
    for (auto [w, h] : {std::pair{30.0, 5.0}, {30.0, 30.0}, {0.0, 0.0}}) {
        SCOPED_TRACE(::testing::Message() << w << " x " << h);
        const ChartScale s = MakeChartScale(w, h, 15, 15);
        RasterCanvas chart(w, h, 15, 15), map(w, h, 15, 15);
        const ZoneVertices v = DrawBioclimaticChart(chart, map, s, Psychrometrics(), nullptr);
        EXPECT_EQ(v, ComputeZoneVertices(s, Psychrometrics()));
    }
}

// The relative-humidity curves leave the plot at the top; the white box erases what they drew
// there, and only the heavy frame closes the plot along its top edge.
TEST(BioclimaticChart, NothingOfTheCurvesAboveThePlot)
{
    const ChartScale s = ReferenceScale();
    const Psychrometrics psy(StationPressure(kHighSiteM));
    RasterCanvas chart(8076, 6259, 15, 15), map(8076, 6259, 15, 15);
    DrawBioclimaticChart(chart, map, s, psy, nullptr);
    const int topRow = s.YTop / s.PixelHeight - 1;  // the frame is two pixels wide
    int grey = 0, greyInPlot = 0;
    for (int c = 0; c < chart.Columns(); ++c) {
        for (int r = 0; r < chart.Rows(); ++r) {
            const bool isGrey = chart.PixelAt(c, r) == MakeRgb(220, 220, 220);
            grey += isGrey && r < topRow && c * 15 < s.X1;
            greyInPlot += isGrey && r > topRow + 2;
        }
    }
    EXPECT_EQ(grey, 0);
    EXPECT_GT(greyInPlot, 100);
}

}  // namespace
}  // namespace qav
