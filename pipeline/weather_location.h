#pragma once
// A weather file turned into a location of the analysis: its derived monthly normals and its
// recorded year, and a set of weather files turned into a location table.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/epw_reader.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// A weather file as one location: its derived monthly normals and its recorded hours at the
/// station pressure of its elevation.
struct WeatherLocation {
    LocationRecord Location;
    std::shared_ptr<const RecordedYear> Recorded;
};
WeatherLocation MakeWeatherLocation(const EpwFile& file);

/// Weather files opened as a location table, one slot per file in the order given.
struct WeatherFiles {
    LocationTable Table;
    RecordedYears Recorded{};
    SourceFiles Files{};                // the file of each slot
    std::vector<ReadFailure> Failures;  // in the order given, each naming its file
    int NotOpened = 0;                  // files beyond the table's kMaxLocations slots, left unread
};

/// Reads each file and turns it into a location with its recorded year. A file that cannot be
/// read takes no slot; its failure is listed. The window and qav-cli both open files here.
WeatherFiles OpenWeatherFiles(const std::vector<std::filesystem::path>& files);

}  // namespace qav
