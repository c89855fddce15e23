#pragma once
// Folding names for searching and sorting: "São Paulo (Mirante de Santana)" and "sao paulo
// mirante de santana" fold alike, so a search needs neither the case nor the accents nor the
// punctuation of the name, and a sort by name puts "Ávila" beside "Avila" rather than after "Zurich".
#include <string>
#include <string_view>

namespace qav {

/// How ä, ö and ü fold: to the bare vowel ("Zürich" -> "zurich"), or, as German writes them
/// without the dots, to the vowel and an e ("Zürich" -> "zuerich").
enum class UmlautFold { Plain, WithE };

/// UTF-8 text folded to lower case without accents: Latin letters with diacritics lose them
/// (ß -> ss, æ -> ae, œ -> oe, þ -> th), combining marks are dropped, every character that is
/// neither a letter nor a digit becomes a blank, runs of blanks become one and the ends are
/// trimmed. Letters of other scripts are kept as written; invalid bytes become blanks.
std::string FoldText(std::string_view utf8, UmlautFold umlauts = UmlautFold::Plain);

/// Order of names for sorting: by their folded text, then by their bytes, so that names that
/// fold alike still have one order.
bool FoldedLess(std::string_view a, std::string_view b);

}  // namespace qav
