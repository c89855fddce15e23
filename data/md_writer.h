#pragma once
// Writes a location table as a Monthly Data (MD) file, the text that ReadMonthlyData reads back.
#include <string>

#include "core/location.h"

namespace qav {

/// Slots 1..LocationCount, each as 13 lines: `"Name","Country",lat,lon,elev,"Source"` then
/// `m,DBTmin,DBTmax,RHavg` for months 1..12. UTF-8, LF line ends, numbers in the shortest decimal
/// form that reads back to the same single-precision value, with a point as decimal separator
/// whatever the locale.
/// The format has no escape for a double quote inside a text, so `"` is written as `'`; a line
/// break inside a text is written as a blank. Everything else reads back unchanged as long as the
/// numbers lie in the reader's ranges and no text exceeds its 4096-byte field limit.
std::string WriteMonthlyData(const LocationTable& table);

}  // namespace qav
