#include "pipeline/bioclimatic_chart.h"

#include <gtest/gtest.h>

#include "classify/raster_canvas.h"
#include "classify/zone_map.h"

namespace qav {
namespace {

constexpr float kHighSiteM = 4200;  // 60.05 kPa

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

// A batch run paints the map from the computed vertices without drawing the chart: the map and
// the vertices are the same as after the whole chart procedure. A canvas too small to hold the
// plot (its baseline above its top edge) still draws and paints, in bounded time.
TEST(ZoneMap, SameMapWithAndWithoutTheChart)
{
    struct Row { double width, height; float elevation; };
    for (const Row& r : {Row{8076, 6259, 0}, Row{8076, 6259, kHighSiteM}, Row{30, 5, 0}, Row{30, 30, 0}, Row{0, 0, 0}}) {
        SCOPED_TRACE(::testing::Message() << r.width << " x " << r.height << " at " << r.elevation << " m");
        const ChartScale s = MakeChartScale(r.width, r.height, 15, 15);
        const Psychrometrics psy(StationPressure(r.elevation));
        RasterCanvas chart(r.width, r.height, 15, 15), drawnMap(r.width, r.height, 15, 15),
            batchMap(r.width, r.height, 15, 15);
        batchMap.DrawBox(0, 0, r.width, r.height, kBlack, true);  // stale content must not survive
        const ZoneVertices drawn = DrawBioclimaticChart(chart, drawnMap, s, psy, nullptr);
        const ZoneVertices batch = ComputeZoneVertices(s, psy);
        PaintZoneMap(batchMap, s, batch, psy);
        EXPECT_EQ(drawn, batch);
        int differing = 0;
        for (int c = 0; c < drawnMap.Columns(); ++c)
            for (int row = 0; row < drawnMap.Rows(); ++row) differing += drawnMap.PixelAt(c, row) != batchMap.PixelAt(c, row);
        EXPECT_EQ(differing, 0);
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
