#pragma once
// Adaptive comfort of a free-running (naturally ventilated) building: the band of indoor operative
// temperatures that its occupants accept, which moves with the month's mean outdoor temperature.
// The site has no building yet, so the outdoor dry bulb of each hour stands in for the indoor
// operative temperature: a building that follows the outdoor air closely, as a light, well
// ventilated one does.
//
// ASHRAE 55-2020, section 5.4 (occupant-controlled naturally conditioned spaces), fig. 5.4.2:
//   t_c = 0.31 t_pma + 17.8 C, 80 % acceptability t_c +- 3.5 K, 90 % t_c +- 2.5 K, for
//   10 <= t_pma <= 33.5 C; table 5.4.2.4: elevated air speed raises the upper limits by 1.2, 1.8
//   and 2.2 K at 0.6, 0.9 and 1.2 m/s.
// EN 16798-1:2019, annex B.2.2 (buildings without mechanical cooling):
//   theta_c = 0.33 theta_rm + 18.8 C, category I -3/+2 K, II -4/+3 K, III -5/+4 K; the upper limits
//   apply for 10 <= theta_rm <= 30 C, the lower ones for 15 <= theta_rm <= 30 C.
// The prevailing (running) mean outdoor temperature is the month's mean: (DBTmin + DBTmax) / 2 of
// the normals for the typical days, the mean of the month's recorded hours for a weather file.
#include <array>
#include <string_view>
#include <vector>

#include "core/hourly_synthesis.h"
#include "core/location.h"
#include "core/recorded_hour.h"

namespace qav {

/// The comfort model the analysis reports: the bioclimatic chart's fixed zone, or an adaptive band.
enum class ComfortModel { Givoni, Ashrae55, En16798 };

/// "givoni", "ashrae55", "en16798": the model as qav-cli and the module name it.
std::string_view ComfortModelKey(ComfortModel model);
bool ParseComfortModel(std::string_view key, ComfortModel& model);

inline constexpr int kAdaptiveLevels = 3;  // ASHRAE 55: 80 % and 90 % (the third unused); EN 16798-1: I, II, III
inline constexpr int kAirSpeeds = 3;       // 0.6, 0.9 and 1.2 m/s
inline constexpr std::array<float, kAirSpeeds> kAirSpeedsMs{0.6f, 0.9f, 1.2f};
/// ASHRAE 55-2020 table 5.4.2.4: the rise of the upper acceptability limits at those speeds, K.
inline constexpr std::array<double, kAirSpeeds> kAirSpeedRiseK{1.2, 1.8, 2.2};

/// One month's band and the hours counted against it. Limits are unrounded, in degrees C.
struct AdaptiveMonth {
    double MeanOutdoor = 0;  // t_pma or theta_rm
    double Comfort = 0;      // t_c or theta_c
    std::array<double, kAdaptiveLevels> Lower{};
    std::array<double, kAdaptiveLevels> Upper{};
    bool InRange = false;  // the model holds for this month; the counts stay zero otherwise
    int Hours = 0;         // hours of the month counted
    std::array<int, kAdaptiveLevels> Within{};
    std::array<int, kAdaptiveLevels> Above{};
    std::array<int, kAdaptiveLevels> Below{};
    /// ASHRAE 55 only: within the 80 % band with its upper limit raised for each air speed.
    std::array<int, kAirSpeeds> WithinFan{};
};

struct AdaptiveYear {
    ComfortModel Model = ComfortModel::Ashrae55;
    std::array<AdaptiveMonth, kMonths + 1> Month{};  // 1..12
    int Levels() const { return Model == ComfortModel::En16798 ? 3 : 2; }
};

/// The band of one month for a mean outdoor temperature (degrees C), no hours counted.
AdaptiveMonth AdaptiveBand(ComfortModel model, double meanOutdoor);

/// Counts one hour of dry bulb `t` (degrees C) against the month's band; nothing when out of range.
void CountAdaptiveHour(ComfortModel model, AdaptiveMonth& month, float t);

/// The typical days: each month's mean from its normals, its 24 synthesised hours counted.
AdaptiveYear AdaptiveTypicalDays(ComfortModel model, const LocationRecord& location, const HourlyTable& hours);

/// The recorded hours: each month's mean of its hours, every hour counted. A month without hours
/// is out of range.
AdaptiveYear AdaptiveRecordedHours(ComfortModel model, const std::vector<RecordedHour>& hours);

}  // namespace qav
