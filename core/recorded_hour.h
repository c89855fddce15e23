#pragma once
// One recorded hour of a weather year as a point of the bioclimatic chart: the plain type that
// the weather-file reader produces and the classification reads, and the year they make.
#include <limits>
#include <vector>

namespace qav {

struct RecordedHour {
    int Month = 0;  // 1..12
    float DBT = 0;  // dry bulb, degrees C, to 0.01
    float W = 0;    // humidity ratio, g/kg, to 0.01
    int Day = 0;    // 1..31, as the file dates the hour
    int Hour = 0;   // 1..24, the hour ending at this time
    float RH = 0;   // relative humidity, %, as recorded; a warming shifts the hour keeping it
    int Year = 0;   // as the file dates the hour; 0 when it gives none
    // Wind as recorded: the direction it blows from (degrees from north, clockwise) and its speed
    // (m/s); NaN where the file has none.
    float WindDirection = std::numeric_limits<float>::quiet_NaN();
    float WindSpeed = std::numeric_limits<float>::quiet_NaN();
};

/// The recorded hours of a weather-file location, at its station pressure.
struct RecordedYear {
    std::vector<RecordedHour> Hours;
    int HoursUsed = 0;     // hours of the file with a value, the ones drawn and counted
    int HoursMissing = 0;  // hours the file marks as missing
    /// Hours east of UTC of the file's clock, for the sun's position; NaN when the file gives none.
    float TimeZoneHours = 0;
};

}  // namespace qav
