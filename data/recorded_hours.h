#pragma once
// The recorded hours of a weather year as points of the bioclimatic chart.
#include <vector>

#include "core/psychrometrics.h"
#include "data/epw_reader.h"

namespace qav {

struct RecordedHour {
    int Month = 0;  // 1..12
    float DBT = 0;  // dry bulb, degrees C, to 0.01
    float W = 0;    // humidity ratio, g/kg, to 0.01
    int Day = 0;    // 1..31, as the file dates the hour
    int Hour = 0;   // 1..24, the hour ending at this time
};

/// One point per usable hour (Missing hours are left out), in file order. W = FTax1 of the
/// rounded dry bulb and the relative humidity, both values rounded to 0.01 as the synthesised
/// hours are. `psy` holds the station pressure of the location's elevation:
/// Psychrometrics(StationPressure(file.Location.Elevation)), not the pressure the file records,
/// so the recorded and the synthesised hours sit on the same chart.
std::vector<RecordedHour> RecordedHoursAt(const EpwFile& file, const Psychrometrics& psy);

}  // namespace qav
