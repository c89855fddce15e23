#pragma once
// Reader of EnergyPlus Weather (EPW) files: one year of recorded hourly weather for one site.
// The format: 8 header lines, the first
//   LOCATION,city,region,country,source,WMO,latitude,longitude,time zone,elevation
// then one comma-separated row per hour with (0-based) columns 1 month, 2 day, 3 hour (1-24,
// hour ending), 4 minute (0 or 60 depending on the source), 6 dry bulb (degrees C), 7 dew point
// (degrees C), 8 relative humidity (%), 9 station pressure (Pa), 20 wind direction (degrees) and 21
// wind speed (m/s). Missing values are written as
// 99.9, 99.9, 999, 999999, 999 and 999 (EnergyPlus Auxiliary Programs, "Weather Converter Program").
// Rows advance one hour at a time through the year; the year column is not read, so typical years
// built from months of different years, and years that wrap from December to January, are fine.
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/location.h"
#include "data/md_reader.h"

namespace qav {

inline constexpr int kEpwYearHours = 8760;

/// Failure codes of the EPW reader (ReadFailure::code). Opening and reading the file fail with the
/// codes and fixed texts of the Monthly Data reader (kFileNotFound .. kDeviceIo, kSystemErrorBase);
/// the codes below are the EPW reader's own.
enum EpwError : int {
    kEpwTooLarge = 40,      // more than 64 MiB
    kEpwNotEpw = 41,        // empty, or line 1 is not a LOCATION line
    kEpwLineTooLong = 42,   // a line over 64 KiB
    kEpwMissingField = 43,  // a row with fewer than the 9 fields the analysis uses
    kEpwBadNumber = 44,     // text where a number belongs, or a fraction in month, day or hour
    kEpwOutOfRange = 45,    // a value outside its physical range, a day past the month's end
    kEpwRowCount = 46,      // fewer than 8760 rows (a truncated file) or more than 8784
    kEpwNoData = 47,        // a month without a single usable hour
    kEpwOutOfOrder = 48,    // a row that is not the hour after the one before: repeated, back or skipping
};

/// One hourly row. A value the file marks as missing is NaN.
struct EpwHour {
    int Year = 0;                // as written; 0 where the column is not a year
    int Month = 0;               // 1..12
    int Day = 0;                 // 1..31
    int Hour = 0;                // 1..24, the hour ending at this time
    float DryBulb = 0;           // degrees C
    float DewPoint = 0;          // degrees C
    float RelativeHumidity = 0;  // %, 0..100; derived from dry bulb and dew point if not recorded
    float PressurePa = 0;        // station pressure as recorded, Pa; NaN when missing or implausible
    float WindDirection = 0;     // degrees from north, clockwise, 0..360; NaN when missing or implausible
    float WindSpeed = 0;         // m/s, 0..40; NaN when missing or implausible
    bool Missing = false;        // no dry bulb or no humidity: left out of every analysis
};

struct EpwFile {
    /// Name and country from the LOCATION line (UTF-8), latitude, longitude, elevation,
    /// DataSource "EPW"; the monthly normals are left at zero (DeriveMonthlyNormals fills them).
    LocationRecord Location;
    /// Hours east of UTC of the file's standard time (LOCATION's time zone); NaN when the line
    /// gives none in -12..14.
    float TimeZoneHours = 0;
    std::vector<EpwHour> Hours;  // 8760 rows in file order, missing ones included
    int HoursUsed = 0;           // rows with Missing == false
    int HoursMissing = 0;        // rows with Missing == true
};

struct EpwResult {
    EpwFile file;                        // complete only when failure is empty
    std::optional<ReadFailure> failure;  // set when the bytes are not a usable weather year
};

/// Reads a whole file from memory. Header lines may hold any bytes; names are taken as UTF-8 when
/// they are valid UTF-8 and as Windows-1252 otherwise, with control characters blanked (DecodeName). A year needs 8760 rows; a leap-year file of
/// 8784 rows loses its 29 February so that every year has the same 365 days.
EpwResult ReadEpw(std::string_view bytes) noexcept;

/// Reads the file at `file` (at most 64 MiB) and parses it as ReadEpw does.
EpwResult ReadEpwFile(const std::filesystem::path& file) noexcept;

}  // namespace qav
