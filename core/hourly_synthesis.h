#pragma once
// Typical day of 24 hours for each month from monthly normals: a two-branch sine curve of the
// dry-bulb temperature tied to sunrise at the site's latitude, and a vapour pressure that moves
// between a morning and an afternoon value along two fitted cubics.
#include <array>

#include "core/location.h"
#include "core/psychrometrics.h"

namespace qav {

inline constexpr int kHours = 24;  // hours 1..24; hour 24 is midnight at the end of the day

/// Synthesised hours, [month 1..12][hour 1..24]; index 0 of either dimension is unused.
struct HourlyTable {
    std::array<std::array<float, kHours + 1>, kMonths + 1> DBT{};  // degrees C, to 0.01
    std::array<std::array<float, kHours + 1>, kMonths + 1> W{};    // g/kg, to 0.01
};

/// Day of the year before the first day of each month, [1..12].
inline constexpr std::array<int, kMonths + 1> DaysBeforeMonth{0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

/// Sunrise and the two turning hours of the temperature curve of one month.
struct SunTimes {
    double SunriseHour = 0;  // Hsr, 0..12
    double MaxTempHour = 0;  // Tx = 13 + Hsr / 4
    double EveningHour = 0;  // Ty = 18 - Hsr / 4
};
SunTimes MonthSunTimes(float latitude, int month);

/// x * 100 to a 16-bit integer, halves to even, / 100 (how every hourly value is stored).
float RoundHundredth(double x);

/// The 288 hours of one location, at the station pressure of its own elevation.
HourlyTable SynthesizeHours(const LocationRecord& location);

}  // namespace qav
