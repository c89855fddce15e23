#pragma once
// Reads a user's Monthly Data (MD) file: comma-separated text, 13 lines (54 fields) per location,
//   "Name","Country",latitude,longitude,elevation,"Source"
//   month,DBTmin,DBTmax,RHavg          (twelve lines, January to December)
// Fields end at a comma or a line end (LF, CR LF or CR); blank lines are skipped, so line breaks
// may fall anywhere between fields. Texts are double-quoted (a comma inside belongs to the text)
// or bare; blanks around a field are ignored. The Month field must hold the month of its line,
// 1..12 in order ("1", "01" and "1.0" alike), and DBTmin may not exceed DBTmax (equal is allowed):
// a file with its lines swapped would otherwise report one month's climate under another's name.
// Numbers use a point as decimal separator.
// A file ending at the start of a location ends the reading; one ending inside a location drops
// that location; only the first 50 locations are read, and what follows them is counted.
// Encoding: a UTF-8 byte-order mark is skipped; each text field is decoded on its own, valid UTF-8
// as such and anything else as Windows-1252 (older files), so accented names read back the same
// either way. Control characters and direction overrides in texts become blanks (DecodeName).
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/location.h"
#include "data/read_failure.h"

namespace qav {

/// Stable failure codes (ReadFailure::Code), shown after "Err code ". Opening and reading a file
/// fail with 1..5 and kSystemErrorBase + errno in every reader.
enum MonthlyDataError : int {
    kFileNotFound = 1,         // "File not found"
    kPathNotFound = 2,         // "Path not found": a folder of the path is missing
    kPermissionDenied = 3,     // "Permission denied"
    kPathFileAccess = 4,       // "Path/File access error": a folder, device or pipe, a bad name
    kDeviceIo = 5,             // "Device I/O error"
    kFileTooLarge = 10,        // more than kMaxMonthlyDataBytes
    kNotText = 11,             // NUL bytes: a binary or UTF-16 file
    kNotANumber = 20,          // text (or nothing) in a number field
    kNotFinite = 21,           // inf, nan
    kOutOfRange = 22,          // outside the range the analysis handles (see below)
    kFieldTooLong = 23,        // more than kMaxFieldBytes
    kUnclosedQuote = 24,       // a quoted text still open at the end of its line
    kTextAfterQuote = 25,      // something other than blanks between a closing quote and the comma
    kWrongMonth = 26,          // a Month field that is not the month of its line
    kMinAboveMax = 27,         // DBTmin greater than DBTmax
    kNoCompleteLocation = 30,  // no location has all its 54 fields
    kSystemErrorBase = 1000,   // any other operating-system error: 1000 + errno
};

/// A file of 50 locations takes about 25 KB; anything this large is not an MD file.
inline constexpr std::size_t kMaxMonthlyDataBytes = std::size_t{16} << 20;
/// Longest field, in bytes as written and, for texts, in bytes of UTF-8 once decoded.
inline constexpr std::size_t kMaxFieldBytes = 4096;

// The numbers must lie in the ranges of core/location.h (kLatitudeRange ... kHumidityRange).

/// A last location that stops before its 54 fields are complete: it is left out of the table.
struct CutShortLocation {
    int Location = 0;          // 1-based
    std::string LocationName;  // cleaned; empty when the name was not read
    int Line = 0;              // the line of its last field
    int FieldsRead = 0;        // of 54
};
/// "Location 3 (Cut) ends at line 29 after 20 of its 54 fields; it was left out."
std::string EnglishCutShort(const CutShortLocation& cut);

/// What follows the 50th location, which the table has no slot for: left out of the table.
struct LeftOutData {
    int Line = 0;       // where the first field after the 50th location starts
    int Locations = 0;  // complete locations (54 fields each) among the fields left out
    int Fields = 0;     // fields beyond those, short of one more location
};
/// "Only 50 locations are read; left out from line 651 on: 2 more locations and 5 fields."
std::string EnglishLeftOut(const LeftOutData& leftOut);

struct ReadResult {
    /// On success the locations read, LocationCount 1..50, slots above it empty. On failure the
    /// complete locations before the fault; the caller keeps its previous table.
    LocationTable table;
    std::optional<ReadFailure> failure;
    /// Set when the last location stops before its 54 fields are complete and was left out.
    std::optional<CutShortLocation> warning;
    /// Set when data follow the 50th location.
    std::optional<LeftOutData> leftOut;
};

/// Parses the bytes of an MD file.
ReadResult ReadMonthlyData(std::string_view bytes) noexcept;
/// Opens, reads and parses an MD file; only regular files are read.
ReadResult ReadMonthlyDataFile(const std::filesystem::path& file) noexcept;

}  // namespace qav
