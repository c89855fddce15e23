#pragma once
// Countries and territories by their ISO 3166-1 alpha-2 code, named in English and in Brazilian
// Portuguese, for every layer that names a place's country: the place search, the report and the
// window. The names are data, not interface texts, so they live in this table rather than in the
// translation file; the Portuguese follows the forms of Brazilian atlases ("Países Baixos",
// "Coreia do Sul", "Estados Unidos").
#include <span>
#include <string_view>

#include "text/language.h"

namespace qav {

struct CountryNames {
    std::string_view Code;        // "BR"
    std::string_view English;     // "Brazil"
    std::string_view Portuguese;  // "Brasil"
};

/// Every country of the table, ordered by code.
std::span<const CountryNames> Countries();

/// The country's name in the language; the code itself when the table does not hold it. The code
/// is taken in either case ("br" or "BR").
std::string_view CountryName(std::string_view code, Language language);

}  // namespace qav
