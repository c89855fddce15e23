#pragma once
// qav-cli's station commands: `stations` lists the catalogue by name or distance, and
// `analyze --station WMO` analyses a station as a Monthly Data location with its values.
#include <string>
#include <variant>
#include <vector>

#include "core/location.h"

namespace qav::cli {

/// `qav-cli stations [--near LAT,LON] [--name TEXT] [--limit N] [--format table|csv|json]`.
/// Writes the list or an error line; returns the exit status (2 for bad arguments, 1 when the
/// catalogue cannot be read).
int StationsCommand(const std::vector<std::string>& args);

/// A failure to look a station up: the message and the exit status it calls for.
struct StationFailure {
    std::string message;  // "--station: 12345 is not a station of the catalogue"
    int status = 2;
};
/// The location of the station numbered `wmo` (as typed), read from the catalogue on first use.
std::variant<LocationRecord, StationFailure> StationForAnalysis(const std::string& wmo);

}  // namespace qav::cli
