#pragma once
// Text of data files as UTF-8. Files written on older Windows machines are in Windows-1252,
// newer ones in UTF-8 with or without a byte-order mark.
#include <string>
#include <string_view>

namespace qav {

/// Well-formed UTF-8 (Unicode 15, table 3-7): no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s);

/// Skips a UTF-8 byte-order mark; valid UTF-8 is returned as it is, anything else is decoded as
/// Windows-1252 (so "Brasília" reads back unchanged either way).
std::string DecodeToUtf8(std::string_view bytes);

}  // namespace qav
