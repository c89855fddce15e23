#pragma once
// The sun of an analysed location: where it stands at each typical and recorded hour, which of
// those hours want sun or shade, and the shading of the eight façades, with their JSON.
#include <array>
#include <string>
#include <vector>

#include "classify/sun_shading.h"
#include "core/hourly_synthesis.h"
#include "core/location.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// The typical hours' sun: positions, needs and the façade table, on the state's shading line.
struct SunBlock {
    float ShadeAboveC = kShadingLineC;
    /// [month 1..12][hour 1..24]; Need is SunDown with the sun at or below the horizon.
    std::array<std::array<SunHour, kHours + 1>, kMonths + 1> Typical{};
    std::array<FacadeShading, kFacades> Facades{};
};

/// The typical hours of the state's last analysis; the façade table counts every hour, whatever
/// hours the tallies count.
SunBlock ComputeSunBlock(const AnalysisState& state);

/// Each recorded hour of the state's weather year, in file order, with its need; empty without one.
/// Year 0 (a file that dates no year) is taken as 2001; a file without its time zone keeps the
/// zone of its longitude (15 degrees an hour).
std::vector<SunHour> RecordedSunHours(const AnalysisState& state);

/// The façade of the sun-path picture: `facadeDeg` when one was chosen (0..359), else the side
/// facing the equator.
int ChosenFacade(const AnalysisState& state);

/// Typical hours' letters: 12 texts of 24 strategy letters, "-" where none was counted.
std::array<std::string, kMonths + 1> HourLetters(const AnalysisState& state);
/// The recorded year as 8760 letters by hour of a 365-day year, "-" for a hour the file lacks.
std::string RecordedHourLetters(const AnalysisState& state);

/// What the analysis row's JSON ends with: hour_letters, recorded_hour_letters (with recorded
/// hours and withRecorded) and the sun object, each key after a comma.
std::string SunJsonKeys(const AnalysisState& state, bool withRecorded);

}  // namespace qav
