#include "pipeline/bioclimatic_chart.h"

#include <gtest/gtest.h>

#include "classify/raster_canvas.h"
#include "classify/zone_map.h"

namespace qav {
namespace {

constexpr float kHighSiteM = 4200;  // 60.05 kPa

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

// A canvas too small to hold the plot (its baseline above its top edge, or no pixels at all)
// still draws the chart and paints the map, in bounded time.
TEST(BioclimaticChart, DegenerateCanvasesDrawInBoundedTime)
{
    for (const auto& [width, height] : {std::pair{30.0, 5.0}, {30.0, 30.0}, {0.0, 0.0}}) {
        SCOPED_TRACE(::testing::Message() << width << " x " << height);
        const ChartScale s = MakeChartScale(width, height, 15, 15);
        RasterCanvas chart(width, height, 15, 15), map(width, height, 15, 15);
        const ZoneVertices v = DrawBioclimaticChart(chart, map, s, Psychrometrics());
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
    DrawBioclimaticChart(chart, map, s, psy);
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
