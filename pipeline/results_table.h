#pragma once
// The plain-text results table (the "Tabel" copy and the command line's table output).
#include <string>
#include <string_view>

#include "text/language.h"
#include "classify/classification.h"
#include "core/location.h"
#include "core/text_format.h"

namespace qav {

/// The results table: header, the location line, twelve month lines and one line per strategy
/// whose yearly share is not zero. Every line ends with a line feed; no carriage return. Fields
/// are separated by fieldSeparator (the headers by it and a blank); a text holding the separator
/// or a double quote is written in double quotes with its quotes doubled; the strategies' heading says
/// "(recorded hours)" when the tally counts a weather file's recorded hours. A caption (what the
/// shares count, a warming) follows after an empty line when given. A month mark, when given,
/// ends every month line as a last field (the window's "warmed" for normals changed by a warming).
std::string ResultsTableText(const LocationRecord& location, const StrategyTally& tally, char decimalSeparator = '.',
                             char fieldSeparator = ',', bool recordedHours = false, std::string_view caption = {},
                             Language language = Language::English, std::string_view monthMark = {});

/// The field separator of a table pasted into a spreadsheet: a semicolon where the decimal
/// separator is a comma (as spreadsheets of those locales expect), a comma elsewhere.
char TableFieldSeparator(char decimalSeparator);

}  // namespace qav
