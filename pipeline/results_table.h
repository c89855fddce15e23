#pragma once
// The plain-text results table (the "Tabel" copy and the command line's table output).
#include <string>
#include <string_view>

#include "classify/classification.h"
#include "core/location.h"

namespace qav {

/// Shortest decimal text that reads back to the same float (at most 7 significant digits, no
/// exponent for the magnitudes of climate data), with the given decimal separator.
std::string FormatGeneral(float value, char decimalSeparator = '.');

/// The results table: header, the location line, twelve month lines and one line per strategy
/// whose yearly share is not zero. Every line ends with a line feed; no carriage return. A
/// caption (what the shares count, a warming) follows after an empty line when given.
std::string ResultsTableText(const LocationRecord& location, const StrategyTally& tally,
                             char decimalSeparator = '.', std::string_view caption = {});

}  // namespace qav
