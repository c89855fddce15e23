#include "pipeline/bioclimatic_chart.h"

#include <gtest/gtest.h>

#include <vector>

#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
#include "tests/chart/recording_canvas.h"

namespace qav {
namespace {

constexpr float kHighSiteM = 4200;  // 60.05 kPa

ChartScale ReferenceScale() { return MakeChartScale(8076, 6259, 15, 15); }

// A canvas too small for the plot still draws and stops: a degree is at least one unit, and with
// the baseline above the top edge (30 x 5, 0 x 0) there is no grid. The map's few pixels take the
// last zone painted: H on the one row of 30 x 5, G on the 2 x 2 of 30 x 30.
TEST(BioclimaticChart, DegenerateCanvasesDrawInBoundedTime)
{
    struct Row {
        double width, height;
        std::size_t ops;
        std::vector<Rgb> map;
    };
    const Rgb h = MakeRgb(192, 192, 192), g = MakeRgb(0, 128, 255);
    for (const Row& r : {Row{30, 5, 487, {h, h}}, Row{30, 30, 1115, {g, g, g, g}}, Row{0, 0, 487, {}}}) {
        SCOPED_TRACE(::testing::Message() << r.width << " x " << r.height);
        testing::RecordingCanvas chart(r.width, r.height);
        RasterCanvas map(r.width, r.height, 15, 15);
        DrawBioclimaticChart(chart, map, MakeChartScale(r.width, r.height, 15, 15), Psychrometrics());
        EXPECT_EQ(chart.Ops.size(), r.ops);
        std::vector<Rgb> pixels;
        for (int c = 0; c < map.Columns(); ++c)
            for (int row = 0; row < map.Rows(); ++row) pixels.push_back(map.PixelAt(c, row));
        EXPECT_EQ(pixels, r.map);
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
