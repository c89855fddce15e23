#include "classify/zone_map.h"

#include <gtest/gtest.h>

#include "classify/classification.h"
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
        const int strategy = StrategyAt(canvas, s, t, w);
        return strategy > 0 ? StrategyLetter(strategy) : '-';
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

// At 60 kPa the caps make E a rectangle from 18 to 29 C between 4 and 17 g/kg, C reaches
// 20.5 g/kg and J lies above it; points just inside those edges.
TEST(ZoneMap, CappedShapesAtLowPressure)
{
    const Map sea(0), high(kHighSiteM);
    struct Row { const Map& map; double t, w; char letter; };
    for (const Row& r : {Row{high, 18.2, 16.8, 'E'}, Row{high, 28.8, 16.8, 'E'}, Row{high, 28.8, 4.2, 'E'},
                         Row{high, 18.2, 4.2, 'E'}, Row{high, 19, 20, 'C'}, Row{high, 19, 21.5, 'J'},
                         Row{sea, 10, 9, '-'}}) {  // above saturation: white
        EXPECT_EQ(r.map.At(r.t, r.w), r.letter) << (&r.map == &sea ? "sea level (" : "60 kPa (") << r.t << ", " << r.w;
    }
    EXPECT_NE(sea.At(28.8, 16.8), 'E');
}

}  // namespace
}  // namespace qav
