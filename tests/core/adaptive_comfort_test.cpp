#include "core/adaptive_comfort.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

// Hand-worked from the standards' equations: ASHRAE 55 t_c = 0.31 * 27.45 + 17.8 = 26.3095;
// EN 16798-1 theta_c = 0.33 * 20 + 18.8 = 25.4.
TEST(AdaptiveBand, LimitsOfBothModels)
{
    const AdaptiveMonth a = AdaptiveBand(ComfortModel::Ashrae55, 27.45);
    EXPECT_NEAR(a.Comfort, 26.3095, 1e-9);
    EXPECT_NEAR(a.Lower[0], 22.8095, 1e-9);
    EXPECT_NEAR(a.Upper[0], 29.8095, 1e-9);
    EXPECT_NEAR(a.Lower[1], 23.8095, 1e-9);
    EXPECT_NEAR(a.Upper[1], 28.8095, 1e-9);

    const AdaptiveMonth e = AdaptiveBand(ComfortModel::En16798, 20);
    EXPECT_NEAR(e.Comfort, 25.4, 1e-9);
    const std::array<double, 3> lower{22.4, 21.4, 20.4}, upper{27.4, 28.4, 29.4};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(e.Lower[i], lower[i], 1e-9);
        EXPECT_NEAR(e.Upper[i], upper[i], 1e-9);
    }
}

TEST(AdaptiveBand, RangeEdgesAreIncluded)
{
    struct Row {
        ComfortModel model;
        double mean;
        bool inRange;
    };
    for (const Row& r : {Row{ComfortModel::Ashrae55, 9.99, false}, Row{ComfortModel::Ashrae55, 10, true},
                         Row{ComfortModel::Ashrae55, 33.5, true}, Row{ComfortModel::Ashrae55, 33.51, false},
                         // EN 16798-1's lower limits start at 15 C: below it a month cannot be judged.
                         Row{ComfortModel::En16798, 14.99, false}, Row{ComfortModel::En16798, 15, true},
                         Row{ComfortModel::En16798, 30, true}, Row{ComfortModel::En16798, 30.01, false}}) {
        SCOPED_TRACE(r.mean);
        EXPECT_EQ(AdaptiveBand(r.model, r.mean).InRange, r.inRange);
    }
}

// Hours on either side of the 80 % limits (22.8095, 29.8095) and of the raised upper limits at
// 0.6, 0.9 and 1.2 m/s (31.0095, 31.6095, 32.0095).
TEST(CountAdaptiveHour, LimitsAndAirSpeedSteps)
{
    AdaptiveMonth m = AdaptiveBand(ComfortModel::Ashrae55, 27.45);
    for (const float t : {22.80f, 22.81f, 29.80f, 29.81f, 31.0f, 31.01f, 31.61f, 32.0f, 32.01f})
        CountAdaptiveHour(ComfortModel::Ashrae55, m, t);
    EXPECT_EQ(m.Hours, 9);
    EXPECT_EQ((std::array{m.Within[0], m.Above[0], m.Below[0]}), (std::array{2, 6, 1}));
    EXPECT_EQ((std::array{m.Within[1], m.Above[1], m.Below[1]}), (std::array{0, 7, 2}));
    EXPECT_EQ(m.WithinFan, (std::array{4, 5, 7}));

    // An hour on a limit is within it (lower <= t <= upper); limits set to values a float holds.
    AdaptiveMonth edges = AdaptiveBand(ComfortModel::Ashrae55, 27.45);
    edges.Lower[0] = 22.5;
    edges.Upper[0] = 29.5;
    for (const float t : {22.5f, 29.5f}) CountAdaptiveHour(ComfortModel::Ashrae55, edges, t);
    EXPECT_EQ(edges.Within[0], 2);

    AdaptiveMonth outside = AdaptiveBand(ComfortModel::Ashrae55, 35);
    CountAdaptiveHour(ComfortModel::Ashrae55, outside, 30);
    EXPECT_EQ((std::array{outside.Hours, outside.Within[0], outside.Above[0]}), (std::array{0, 0, 0}));
}

TEST(AdaptiveYear, MeansOfNormalsAndOfRecordedHours)
{
    LocationRecord l;
    HourlyTable t;
    for (int m = 1; m <= kMonths; ++m) {
        l.Month[m] = {22.0f, 32.9f, 80};                                   // mean 27.45
        for (int h = 1; h <= kHours; ++h) t.DBT[m][h] = 20.0f + h * 0.5f;  // 20.5 .. 32
    }
    l.Month[7] = {-5, 5, 80};
    const AdaptiveYear typical = AdaptiveTypicalDays(ComfortModel::Ashrae55, l, t);
    EXPECT_NEAR(typical.Month[1].MeanOutdoor, 27.45, 1e-6);
    // 22.81 .. 29.81 from 20.5 by 0.5: 23.0 .. 29.5, 14 hours.
    EXPECT_EQ(typical.Month[1].Within[0], 14);
    EXPECT_FALSE(typical.Month[7].InRange);
    EXPECT_EQ(typical.Month[7].Hours, 0);

    const std::vector<RecordedHour> hours{{3, 20.0f, 5}, {3, 30.0f, 5}, {3, 31.0f, 5}, {4, 12.0f, 5}};
    const AdaptiveYear recorded = AdaptiveRecordedHours(ComfortModel::En16798, hours);
    EXPECT_NEAR(recorded.Month[3].MeanOutdoor, 27.0, 1e-6);  // theta_c 27.71, category III 22.71 .. 31.71
    EXPECT_EQ((std::array{recorded.Month[3].Within[0], recorded.Month[3].Within[1], recorded.Month[3].Within[2]}),
              (std::array{0, 1, 2}));
    EXPECT_FALSE(recorded.Month[4].InRange);  // 12 C: below the lower limits' range
    EXPECT_FALSE(recorded.Month[5].InRange);  // no hours
}

TEST(ComfortModel, KeysRoundTrip)
{
    ComfortModel m = ComfortModel::Givoni;
    EXPECT_TRUE(ParseComfortModel("en16798", m));
    EXPECT_EQ(m, ComfortModel::En16798);
    EXPECT_EQ(ComfortModelKey(ComfortModel::Ashrae55), "ashrae55");
    EXPECT_FALSE(ParseComfortModel("ASHRAE55", m));
}

}  // namespace
}  // namespace qav
