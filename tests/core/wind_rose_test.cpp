#include "core/wind_rose.h"

#include <gtest/gtest.h>

#include <cmath>

#include "text/compass_names.h"

namespace qav {
namespace {

TEST(WindSector, EdgesBelongToTheSectorClockwise)
{
    for (const auto& [deg, sector] :
         {std::pair{0.0, 0}, {11.24, 0}, {11.25, 1}, {90.0, 4}, {191.25, 9}, {348.74, 15}, {348.75, 0}, {360.0, 0}}) {
        SCOPED_TRACE(deg);
        EXPECT_EQ(WindSector(deg), sector);
    }
    EXPECT_EQ(WindSectorName(4), "E");
    EXPECT_EQ(WindSectorName(15), "NNW");
    // Stored sectors stay English; what people read follows the language.
    EXPECT_EQ(CompassName(Language::PortugueseBrazil, 4), "L");
    EXPECT_EQ(CompassName(Language::PortugueseBrazil, 10), "SO");
    EXPECT_EQ(CompassName(Language::PortugueseBrazil, 13), "ONO");
    EXPECT_EQ(CompassName(Language::English, -1), "NNW");
}

TEST(WindClass, LowerBoundsIncludedAndSeasonsFromDecember)
{
    for (const auto& [speed, cls] :
         {std::pair{0.5, 0}, {1.99, 0}, {2.0, 1}, {5.99, 2}, {6.0, 3}, {8.0, 4}, {35.0, 4}}) {
        SCOPED_TRACE(speed);
        EXPECT_EQ(WindClass(speed), cls);
    }
    EXPECT_EQ((std::array{SeasonOf(12), SeasonOf(2), SeasonOf(3), SeasonOf(8), SeasonOf(9), SeasonOf(11)}),
              (std::array{0, 0, 1, 2, 3, 3}));
}

TEST(WindRosesOf, CalmMissingTiesShareAndMedian)
{
    const float nan = std::nanf("");
    const auto hour = [](int month, float dir, float speed) {
        RecordedHour h{month, 20, 5};
        h.WindDirection = dir;
        h.WindSpeed = speed;
        return h;
    };
    const std::vector<RecordedHour> hours{
        hour(1, 90, 3),  hour(1, 95, 5),  hour(1, 180, 1), hour(1, 185, 9), hour(1, 0, 0.4f),
        hour(1, nan, 0), hour(7, 0, nan), hour(7, 100, 2), hour(7, 270, 4), hour(7, 275, 6),
    };
    const std::vector<std::int8_t> strategies{6, 6, 6, 0, 6, 6, 5, 6, 5, 5};
    const WindRoses r = WindRosesOf(hours, strategies);

    // E and S hold two hours each in January: the tie goes to E, the first from N.
    EXPECT_EQ((std::array{r.All.Calm, r.All.Missing, r.All.Counted()}), (std::array{1, 2, 8}));
    EXPECT_EQ(r.All.Hours[4], (std::array{0, 2, 1, 0, 0}));
    EXPECT_EQ(r.All.Prevailing, 4);
    EXPECT_FLOAT_EQ(r.All.PrevailingShare, 37.5f);
    EXPECT_FLOAT_EQ(r.All.PrevailingMedianMs, 3.0f);

    EXPECT_EQ(r.Season[0].Prevailing, 4);
    EXPECT_FLOAT_EQ(r.Season[0].PrevailingShare, 40.0f);
    EXPECT_EQ(r.Season[2].Prevailing, 12);  // July: W 2 hours of 3
    EXPECT_FLOAT_EQ(r.Season[2].PrevailingShare, 66.7f);
    EXPECT_FALSE(r.Season[1].Prevailing);

    EXPECT_EQ((std::array{r.Ventilation.Calm, r.Ventilation.Missing, r.Ventilation.Counted()}), (std::array{1, 1, 5}));
    EXPECT_EQ(r.Ventilation.Prevailing, 4);
    EXPECT_FLOAT_EQ(r.Ventilation.PrevailingShare, 60.0f);
    EXPECT_FLOAT_EQ(r.Ventilation.PrevailingMedianMs, 3.0f);

    // 0.5 m/s is the slowest wind with a sector, not calm.
    const WindRose slowest = WindRosesOf({hour(1, 90, 0.5f)}, {}).All;
    EXPECT_EQ((std::array{slowest.Calm, slowest.Hours[4][0]}), (std::array{0, 1}));
}

}  // namespace
}  // namespace qav
