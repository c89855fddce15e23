#pragma once
// Reads a warming (core/warming.h) from a file: UTF-8 or ASCII CSV (comma-separated, LF, CR LF
// or CR; blanks and tabs around fields ignored), a header and twelve rows,
//   month,dbt_min,dbt_max,rh_avg
//   1,1.8,2.1,0
//   ...
// months 1..12 each once, in any order; changes in degrees C and percentage points, at most
// kMaxTemperatureChange and kMaxHumidityChange either way.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/warming.h"
#include "data/read_failure.h"

namespace qav {

/// Failure codes of the warming reader (ReadFailure::Code). Opening and reading the file fail with
/// the codes of the Monthly Data reader (kFileNotFound .. kDeviceIo, kSystemErrorBase).
enum WarmingFileError : int {
    kWarmingTooLarge = 60,    // more than 64 KiB
    kWarmingNoHeader = 61,    // the first line is not month,dbt_min,dbt_max,rh_avg
    kWarmingFieldCount = 62,  // a row without exactly 4 fields
    kWarmingBadNumber = 63,   // text where a number belongs, a month with a fraction
    kWarmingOutOfRange = 64,  // a month outside 1..12, a change beyond the largest allowed
    kWarmingMonthCount = 65,  // a month given twice or missing, more than twelve rows
};

struct WarmingResult {
    Warming warming;                     // complete only when failure is empty
    std::optional<ReadFailure> failure;  // the line, the field and what is wrong
};

/// Parses the text of a warming file.
WarmingResult ReadWarming(std::string_view text) noexcept;
/// Opens and parses a warming file; opening errors are those of the Monthly Data reader.
WarmingResult ReadWarmingFile(const std::filesystem::path& file) noexcept;

}  // namespace qav
