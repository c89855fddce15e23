#pragma once
// The recorded hours of a weather year as points of the bioclimatic chart.
#include <vector>

#include "core/psychrometrics.h"
#include "core/recorded_hour.h"
#include "data/epw_reader.h"

namespace qav {

/// One point per usable hour (Missing hours are left out), in file order. W = FTax1 of the
/// rounded dry bulb and the relative humidity, both values rounded to 0.01 as the synthesised
/// hours are. `psy` holds the station pressure of the location's elevation:
/// Psychrometrics(StationPressure(file.Location.Elevation)), not the pressure the file records,
/// so the recorded and the synthesised hours sit on the same chart.
std::vector<RecordedHour> RecordedHoursAt(const EpwFile& file, const Psychrometrics& psy);

}  // namespace qav
