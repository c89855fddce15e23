#pragma once
// Wind roses of recorded hours: 16 sectors of 22.5 degrees centred on N, NNE, ... NNW (sector k
// covers [22.5k - 11.25, 22.5k + 11.25) degrees, the direction the wind blows from), calms apart
// (below 0.5 m/s), and five speed classes per sector.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/recorded_hour.h"

namespace qav {

inline constexpr int kWindSectors = 16;
inline constexpr int kWindClasses = 5;  // 0.5-2, 2-4, 4-6, 6-8 and from 8 m/s, lower bounds included
inline constexpr float kCalmBelowMs = 0.5f;
inline constexpr int kSeasons = 4;  // December-February, March-May, June-August, September-November

/// "N", "NNE", ... "NNW" for sectors 0..15.
std::string_view WindSectorName(int sector);
/// The sector of a direction in degrees (0..360; 360 is north).
int WindSector(double directionDeg);
/// The speed class 0..4 of a speed of at least kCalmBelowMs, in m/s.
int WindClass(double speedMs);
/// The season 0..3 of a month 1..12.
int SeasonOf(int month);

struct WindRose {
    int Calm = 0;
    int Missing = 0;  // hours without a direction or a speed, left out of the rest
    std::array<std::array<int, kWindClasses>, kWindSectors> Hours{};
    std::optional<int> Prevailing;  // the sector with most hours, the first from N on a tie; none without wind
    float PrevailingShare = 0;      // its hours, % of calm and sector hours, to 0.1
    float PrevailingMedianMs = 0;   // median speed of the prevailing sector's hours, m/s

    int SectorHours(int sector) const;
    int Counted() const;  // calm and sector hours
};

struct WindRoses {
    WindRose All;
    WindRose Ventilation;  // the hours classified Ventilation (F)
    std::array<WindRose, kSeasons> Season{};
};

/// The roses of a year's hours; `strategies` holds each hour's strategy (1..10, 0 for none) in the
/// same order, or is empty, which leaves the ventilation rose without hours.
WindRoses WindRosesOf(const std::vector<RecordedHour>& hours, const std::vector<std::int8_t>& strategies);

}  // namespace qav
