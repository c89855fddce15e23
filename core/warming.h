#pragma once
// A warming added to a location's monthly normals, to ask what a warmer climate changes: one
// value in degrees C for every month, or twelve monthly changes of DBTmin, DBTmax and RHavg.
// This is a sensitivity test, not a projection. Relative humidity is kept unless a change of it
// is given, so the humidity ratio rises with temperature. data/warming_reader.h reads a warming
// from a file.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/location.h"
#include "core/psychrometrics.h"
#include "core/recorded_hour.h"

namespace qav {

/// Change of one month's normals.
struct MonthlyChange {
    float DBTmin = 0;  // degrees C
    float DBTmax = 0;  // degrees C
    float RHavg = 0;   // percentage points
    bool operator==(const MonthlyChange&) const = default;
};

struct Warming {
    std::array<MonthlyChange, kMonths + 1> Month{};  // index 1..12
    bool IsZero() const;
    /// One value for every month's DBTmin and DBTmax; the uniform warming's degrees, or nullopt.
    std::optional<float> Uniform() const;
    /// The month's mean change of temperature: (change of DBTmin + change of DBTmax) / 2.
    double MeanTemperatureChange(int month) const;
    bool operator==(const Warming&) const = default;
};

/// The same change in degrees C of DBTmin and DBTmax in every month, relative humidity kept.
Warming UniformWarming(float degrees);

/// "+2 °C" for a uniform warming, "monthly changes" for a table.
std::string DescribeWarming(const Warming& warming);

/// Largest change a warming may hold: wider ones are typing errors, not climates.
inline constexpr float kMaxTemperatureChange = 30;  // degrees C
inline constexpr float kMaxHumidityChange = 100;    // percentage points

/// The first normal that a warming would move out of its range of core/location.h
/// (kTemperatureRange, kHumidityRange), or the first month whose warmed DBTmin would lie above
/// its warmed DBTmax: the facts, which each program words in its language.
struct RefusedChange {
    enum class Normal { DBTmin, DBTmax, RHavg };
    int Month = 1;  // 1..12
    Normal Field = Normal::DBTmin;
    float Base = 0;    // the normal as read
    float Change = 0;  // the warming's change of it
    float Result = 0;  // Base + Change, outside Range
    ValueRange Range;
    /// DBTmax's side of a crossing (Field is then DBTmin, its Result above this Result; Range unused).
    struct Pair {
        float Base = 0, Change = 0, Result = 0;
        bool operator==(const Pair&) const = default;
    };
    std::optional<Pair> AboveMax = std::nullopt;
    bool operator==(const RefusedChange&) const = default;
};

/// The normal's name as the Monthly Data format and the messages spell it: "DBTmin".
const char* NormalName(RefusedChange::Normal normal);
/// The numbers of a refusal as every program prints them: shortest round-trip, point decimal.
std::string WarmingNumberText(float value);

/// The location's normals with the warming added, or the change it refuses.
struct WarmedLocation {
    std::optional<LocationRecord> Location;  // set when every changed value is in its range
    std::optional<RefusedChange> Refusal;    // set otherwise
};
WarmedLocation WarmLocation(const LocationRecord& location, const Warming& warming);

/// The refusal in English, as qav-cli prints it: "July DBTmax: 54 + 2 = 56 is outside -90 to 55",
/// "July DBTmin: 20 + 5 = 25 is above DBTmax 22 - 1 = 21".
std::string DescribeRefusedChange(const RefusedChange& refusal);

/// The "shift" method of weather-file morphing: each hour's dry bulb moved by its month's mean
/// change of temperature, its relative humidity moved by the month's change of RHavg (kept at
/// zero) and held within 0..100 %, and the humidity ratio recomputed at the station pressure of
/// `psy`. Rounded to 0.01 like the hours as read, so a zero warming gives the hours unchanged.
std::vector<RecordedHour> ShiftRecordedHours(const std::vector<RecordedHour>& hours, const Warming& warming,
                                             const Psychrometrics& psy);

}  // namespace qav
