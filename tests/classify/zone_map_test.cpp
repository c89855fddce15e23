#include "classify/zone_map.h"

#include <gtest/gtest.h>

#include <string>

#include "classify/classification.h"
#include "classify/raster_canvas.h"
#include "chart/strategy.h"

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
    static char LetterOf(Rgb c)
    {
        for (int i = 1; i <= kStrategies; ++i)
            if (ZoneColour[i] == c) return StrategyLetter(i);
        return '-';
    }
    // The runs of one pixel row (along humidity ratio w) or column (along temperature t) of the
    // plot, as the letter and the first pixel of each run: "A0 B61" is A from pixel 0, B from 61.
    std::string Runs(char axis, double value) const
    {
        std::string runs;
        char last = 0;
        const int row = static_cast<int>(s.YOf(value) / s.PixelHeight);
        const int col = static_cast<int>(s.XOf(value) / s.PixelWidth);
        const int n = axis == 'w' ? canvas.Columns() : canvas.Rows();
        for (int i = 0; i < n; ++i) {
            const char letter = LetterOf(axis == 'w' ? canvas.PixelAt(i, row) : canvas.PixelAt(col, i));
            if (letter == last) continue;
            if (!runs.empty()) runs += ' ';
            runs += letter;
            runs += std::to_string(i);
            last = letter;
        }
        return runs;
    }
};

// Every zone edge between the reference points, pixel by pixel, at sea level and at 4200 m.
// Rows along a humidity ratio cross the edges in x: both edges of the boxes, the G band right
// of E, H from six pixels left of V17 (seen at 16.95 g/kg, between the top of G and 17 g/kg),
// J from the saturation curve above 20.5 g/kg. Columns along a temperature cross them in y:
// the curved top of E (80 % of saturation, at most 17 g/kg), the top of F, G and D. At 4200 m
// the caps make E a rectangle (18 to 29 C, 4 to 17 g/kg), C reaches 20.5 g/kg and J lies above
// it from Ta.
TEST(ZoneMap, EdgesBetweenTheReferencePoints)
{
    struct Row {
        float elevation;
        char axis;
        double value;
        const char* runs;
    };
    const Row rows[] = {
        {0, 'w', 2, "-0 A89 B224 C253 D298 I335 -478"},
        {0, 'w', 4.05, "-0 A156 B224 C253 E283 G366 H389 I433 -478"},
        {0, 'w', 10, "-0 C253 E283 G366 H389 I411 -478"},
        {0, 'w', 14, "-0 C292 F298 E318 G362 H389 I397 J447 -478"},
        {0, 'w', 16.95, "-0 F314 E341 G352 H383 I386 J395 -478"},
        {0, 'w', 17, "-0 F315 E342 G351 H383 I386 J393 -478"},
        {0, 'w', 18, "-0 F322 J380 -478"},
        {0, 'w', 20.6, "-0 J339 -478"},
        {0, 'w', 25, "-0 J363 -478"},
        {0, 't', 19, "-0 C187 E221 C309 -358"},
        {0, 't', 25, "-0 F109 E158 I309 D334 -358"},
        {0, 't', 29.5, "-0 J34 F106 G148 I309 D356 -358"},
        {0, 't', 31, "-0 J14 F141 G149 I310 -358"},
        {0, 't', 37, "-0 J14 I172 H284 I309 -358"},
        {kHighSiteM, 'w', 2, "-0 A46 B224 C253 D298 I336 -477"},
        {kHighSiteM, 'w', 4.05, "-0 A108 B224 C253 E283 G366 H389 I433 -477"},
        {kHighSiteM, 'w', 10, "-0 A194 B224 C253 E283 G366 H389 I411 -477"},
        {kHighSiteM, 'w', 16.95, "-0 C253 E283 G366 I389 -477"},
        {kHighSiteM, 'w', 17, "-0 C253 E283 G366 I389 -477"},
        {kHighSiteM, 'w', 18, "-0 C259 F298 J389 -477"},
        {kHighSiteM, 'w', 20.6, "-0 J275 -477"},
        {kHighSiteM, 'w', 25, "-0 J297 -477"},
        {kHighSiteM, 't', 19, "-0 J66 C106 E149 C309 -358"},
        {kHighSiteM, 't', 25, "-0 J14 F106 E149 I309 D334 -358"},
        {kHighSiteM, 't', 29.5, "-0 J14 F106 G149 I309 D356 -358"},
        {kHighSiteM, 't', 31, "-0 J14 F106 G149 I309 -358"},
    };
    const Map sea(0), high(kHighSiteM);
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.elevation << " m, " << r.axis << " = " << r.value);
        EXPECT_EQ((r.elevation == 0 ? sea : high).Runs(r.axis, r.value), r.runs);
    }
}

// Each point lies well inside its zone, at sea level and at 60 kPa alike: the strategy holds
// 0.3 C and 0.3 g/kg around it. Where zones nest, the map shows the innermost one (the chart's
// B at (15, 4.1) lies on C, its H at (29.7, 10) and I at (30.1, 8) on G, its I at (33.4, 8) on H).
TEST(ZoneMap, StrategiesAtReferencePoints)
{
    struct Row {
        double t, w;
        char letter;
    };
    const Row rows[] = {
        {3.8, 4.1, 'A'}, {11, 4.1, 'B'},  {15, 4.1, 'C'},  {15, 2.1, 'C'}, {19, 2, 'C'},    {21.3, 2.1, 'D'},
        {25, 3, 'I'},    {23, 10, 'E'},   {26.2, 20, 'F'}, {24, 18, 'F'},  {29.7, 10, 'G'}, {29.7, 12, 'G'},
        {30.1, 8, 'G'},  {32.8, 10, 'H'}, {33.4, 8, 'H'},  {39, 8, 'I'},   {35.2, 20, 'J'}, {40, 29, '-'},
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

}  // namespace
}  // namespace qav
