#pragma once
// Text of data files as UTF-8. Files written on older Windows machines are in Windows-1252,
// newer ones in UTF-8 with or without a byte-order mark.
#include <string>
#include <string_view>

namespace qav {

/// Well-formed UTF-8 (Unicode 15, table 3-7): no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s);

/// Valid UTF-8 is returned as it is, anything else is decoded as Windows-1252 (so "Brasília" reads
/// back unchanged either way). Callers decode each text field on its own, so that one field saved
/// by an older program does not garble the valid UTF-8 of the others.
std::string DecodeToUtf8(std::string_view bytes);

/// A name from a data file: decoded as DecodeToUtf8 does, with every C0 control, DEL, C1 control
/// and bidirectional embedding, override or isolate (U+202A..U+202E, U+2066..U+2069) replaced by a
/// blank. Names reach terminals, CSV files, file names and list entries; escape sequences, bells
/// and reversed text have no place there.
std::string DecodeName(std::string_view bytes);

}  // namespace qav
