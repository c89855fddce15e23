#pragma once
// The catalogue of station normals 1991-2020 (data/stations/stations-1991-2020.csv, installed as
// share/qav/stations-1991-2020.csv): 3,730 stations of WMO's and INMET's normals. It is a file
// of its own, read on first use, so that starting the program does not wait for it.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/location.h"

namespace qav {

inline constexpr std::string_view kStationCatalogueFile = "stations-1991-2020.csv";
inline constexpr std::string_view kStationPeriod = "1991-2020";

struct Station {
    int Wmo = 0;
    std::string Name;                                 // UTF-8, as the issuing service writes it
    std::string Country;                              // in English
    float Latitude = 0;                               // degrees, north positive
    float Longitude = 0;                              // degrees, east positive
    float Elevation = 0;                              // metres
    std::string Source;                               // "WMO" or "INMET"
    bool RhDerived = false;                           // humidity computed from the mean vapour pressure, not reported
    std::array<MonthlyNormals, kMonths + 1> Month{};  // index 1..12
};

struct StationCatalogue {
    std::vector<Station> Stations;  // in the file's order
    /// The station of that WMO number, or null.
    const Station* Find(int wmo) const;
};

struct StationCatalogueResult {
    StationCatalogue catalogue;
    std::optional<std::string> failure;  // "line 12, field 9 (tmin_1): ..." or the file's failure
};

/// Parses the catalogue's CSV text (header line, then one station a line). Every number must lie
/// in the Monthly Data reader's ranges, so that a station analyses as a location of such a file.
StationCatalogueResult ParseStationCatalogue(std::string_view csv);
/// Reads and parses the catalogue file; a failure message starts with the file's path.
StationCatalogueResult ReadStationCatalogue(const std::filesystem::path& file);

/// Where the catalogue is looked for, in order: the installed data folder beside the program's
/// folder (programDir/../share/qav), then the source tree the program was built from.
std::vector<std::filesystem::path> StationCatalogueCandidates(const std::filesystem::path& programDir);
/// The first candidate that exists, or none.
std::optional<std::filesystem::path> FindStationCatalogue(const std::filesystem::path& programDir);

/// The source field that names the service whose normals they are, the station, its period and
/// a derived humidity: "WMO 83377 1991-2020", "INMET 83897 1991-2020" or
/// "WMO 60560 1991-2020 RH derived".
std::string StationSourceField(const Station& station);

/// What a source field written by StationSourceField says; none for any other source field.
/// Fields written before the service was named say "WMO" for every station, and still read.
struct StationTag {
    std::string Agency = "WMO";  // "WMO" or "INMET", as the catalogue's source column
    int Wmo = 0;
    std::string Period;
    bool RhDerived = false;
};
std::optional<StationTag> ParseStationSourceField(std::string_view source);

/// The station as a location: the same values a Monthly Data file would hold for it.
LocationRecord StationLocation(const Station& station);

}  // namespace qav
