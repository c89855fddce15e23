#pragma once
// The location record shared by the built-in data sets, the Monthly Data reader and the analysis.
#include <array>
#include <memory>
#include <string>

namespace qav {

inline constexpr int kMaxLocations = 50;  // slots 1..50; slot 0 is never used
inline constexpr int kMonths = 12;        // months 1..12; month 0 is never used

/// The values a location may hold, bounds included. Wider values would overflow the 16-bit
/// roundings of the analysis or mean nothing on the chart; the Monthly Data reader, the weather
/// file reader and a warming added to the normals all keep to them.
struct ValueRange {
    int Low = 0;
    int High = 0;
    bool Contains(double v) const { return v >= Low && v <= High; }
    bool operator==(const ValueRange&) const = default;
};
inline constexpr ValueRange kLatitudeRange{-90, 90};      // degrees
inline constexpr ValueRange kLongitudeRange{-180, 180};   // degrees
inline constexpr ValueRange kElevationRange{-500, 9000};  // m
inline constexpr ValueRange kTemperatureRange{-90, 55};   // DBTmin and DBTmax, degrees C
inline constexpr ValueRange kHumidityRange{0, 100};       // RHavg, %

/// "-90 to 55": a range as messages show it.
inline std::string RangeText(const ValueRange& range)
{
    return std::to_string(range.Low) + " to " + std::to_string(range.High);
}

/// Monthly climate normals of one month: mean daily minimum and maximum dry-bulb temperature
/// (degrees C) and mean relative humidity (percent).
struct MonthlyNormals {
    float DBTmin = 0;
    float DBTmax = 0;
    float RHavg = 0;
};

/// The town a site was found by, when it was: its location holds the normals of the station
/// nearest the town, and this says where the site itself lies.
struct SitePlace {
    int GeonamesId = 0;
    std::string Name;       // UTF-8, as the place list gives it
    std::string NamePt;     // the Portuguese name, empty where it is the name
    std::string Division;   // Brazil's UF, else the list's division code
    std::string Country;    // ISO 3166-1 alpha-2
    double Latitude = 0;    // degrees, north positive; the place's elevation is not known
    double Longitude = 0;   // degrees, east positive
    double DistanceKm = 0;  // from the place to the station whose normals are analysed
};

struct LocationRecord {
    std::string LocationName;                         // UTF-8
    std::string Country;                              // UTF-8
    float Latitude = 0;                               // degrees, north positive
    float Longitude = 0;                              // degrees, west negative
    float Elevation = 0;                              // metres above sea level
    std::string DataSource;                           // "GOV", "BBC", ...
    std::array<MonthlyNormals, kMonths + 1> Month{};  // index 1..12
    std::shared_ptr<const SitePlace> Place;           // the town it was found by, if any (not kept in files)
};

/// The locations of the data set in use. Slots 1..LocationCount are valid; slots above the
/// count keep whatever an earlier data set left there and no consumer reads them.
struct LocationTable {
    int LocationCount = 0;
    std::array<LocationRecord, kMaxLocations + 1> Slot{};  // index 1..50
};

}  // namespace qav
