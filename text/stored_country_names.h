#pragma once
// The country names the built-in data sets, the station catalogue and weather-file headers store,
// in English as their sources give them, each tied to its ISO 3166-1 code so that the report, the
// pictures and the window name it in the reader's language from the one table of countries
// (CountryName). English keeps the stored spelling ("USA", "Republic of Korea"): files, exports
// and other front ends rely on it.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "text/country_names.h"
#include "text/language.h"

namespace qav {

struct StoredCountry {
    std::string_view Stored;  // as the source writes it: "Russian Federation"
    std::string_view Code;    // ISO 3166-1 alpha-2: "RU"
    // The Portuguese form when the stored name is more than the country: %1 is the country's name
    // ("%1 (China)" for "Hong Kong, China"); without %1 the whole name ("EUA" for the
    // abbreviation "USA"). Empty: the country's name alone.
    std::string_view PortugueseForm = {};
};

inline constexpr std::array<StoredCountry, 111> kStoredCountries{{
    {"Algeria", "DZ"},
    {"Argentina", "AR"},
    {"Australia", "AU"},
    {"Austria", "AT"},
    {"Bahamas", "BS"},
    {"Bahrain", "BH"},
    {"Barbados", "BB"},
    {"Belarus", "BY"},
    {"Belgium", "BE"},
    {"Benin", "BJ"},
    {"Bermuda", "BM"},
    {"Bolivia", "BO"},
    {"Bosnia and Herzegovina", "BA"},
    {"Bosnia and Herzegovina Srpska", "BA", "%1 (República Sérvia)"},
    {"Brazil", "BR"},
    {"Bulgaria", "BG"},
    {"Cameroon", "CM"},
    {"Canada", "CA"},
    {"Cayman Islands", "KY"},
    {"Central African Republic", "CF"},
    {"Chile", "CL"},
    {"China", "CN"},
    {"Colombia", "CO"},
    {"Croatia", "HR"},
    {"Cuba", "CU"},
    {"Curacao a. S. Maarten", "CW", "%1 e São Martinho"},
    {"Cyprus", "CY"},
    {"Czech Republic", "CZ"},
    {"Dem. Rep. Congo", "CD"},
    {"Denmark", "DK"},
    {"Dominican Republic", "DO"},
    {"Ecuador", "EC"},
    {"Egypt", "EG"},
    {"Estonia", "EE"},
    {"Ethiopia", "ET"},
    {"Faroe Islands", "FO"},
    {"Finland", "FI"},
    {"Fr. Polynesia", "PF"},
    {"France", "FR"},
    {"French Guiana", "GF"},
    {"Georgia", "GE"},
    {"Germany", "DE"},
    {"Greece", "GR"},
    {"Greenland", "GL"},
    {"Guyana", "GY"},
    {"Hong Kong, China", "HK", "%1 (China)"},
    {"Hungary", "HU"},
    {"Iceland", "IS"},
    {"India", "IN"},
    {"Iran", "IR"},
    {"Iraq", "IQ"},
    {"Ireland", "IE"},
    {"Israel", "IL"},
    {"Italy", "IT"},
    {"Japan", "JP"},
    {"Kazakhstan", "KZ"},
    {"Kiribati", "KI"},
    {"Laos", "LA"},
    {"Latvia", "LV"},
    {"Lebanon", "LB"},
    {"Libya", "LY"},
    {"Luxembourg", "LU"},
    {"Macao, China", "MO", "%1 (China)"},
    {"Malaysia", "MY"},
    {"Mali", "ML"},
    {"Mauritius", "MU"},
    {"Mexico", "MX"},
    {"Moldova", "MD"},
    {"Morocco", "MA"},
    {"Netherlands", "NL"},
    {"New Zealand", "NZ"},
    {"Niger", "NE"},
    {"Nigeria", "NG"},
    {"Norway", "NO"},
    {"Oman", "OM"},
    {"Pakistan", "PK"},
    {"Paraguay", "PY"},
    {"Peru", "PE"},
    {"Philippines", "PH"},
    {"Poland", "PL"},
    {"Portugal", "PT"},
    {"Republic of Korea", "KR"},
    {"Romania", "RO"},
    {"Russian Federation", "RU"},
    {"Saudi Arabia", "SA"},
    {"Senegal", "SN"},
    {"Serbia", "RS"},
    {"Seychelles", "SC"},
    {"Singapore", "SG"},
    {"Slovakia", "SK"},
    {"Slovenia", "SI"},
    {"Spain", "ES"},
    {"Sudan", "SD"},
    {"Suriname", "SR"},
    {"Sweden", "SE"},
    {"Switzerland", "CH"},
    {"Syria", "SY"},
    {"Thailand", "TH"},
    {"Trinidad and Tobago", "TT"},
    {"Tunisia", "TN"},
    {"Turkey", "TR"},
    {"Turkmenistan", "TM"},
    {"Türkiye", "TR"},
    {"USA", "US", "EUA"},
    {"Ukraine", "UA"},
    {"United Arab Emirates", "AE"},
    {"United Kingdom", "GB"},
    {"Uruguay", "UY"},
    {"Uzbekistan", "UZ"},
    {"Venezuela", "VE"},
    {"Zimbabwe", "ZW"},
}};

/// A stored country name in the language; a name the list lacks (a user's own file, or a name
/// already given in the language) as stored. The view stays valid for the program's run.
inline std::string_view StoredCountryName(Language language, std::string_view stored)
{
    if (language == Language::English) return stored;
    const auto it = std::find_if(kStoredCountries.begin(), kStoredCountries.end(),
                                 [&](const StoredCountry& c) { return c.Stored == stored; });
    if (it == kStoredCountries.end()) return stored;
    if (it->PortugueseForm.empty()) return CountryName(it->Code, language);
    // The composed forms, made once: the views handed out point into them.
    static const std::array<std::string, kStoredCountries.size()> composed = [] {
        std::array<std::string, kStoredCountries.size()> forms;
        for (std::size_t i = 0; i < forms.size(); ++i) {
            std::string form(kStoredCountries[i].PortugueseForm);
            const std::size_t at = form.find("%1");
            if (at != std::string::npos)
                form.replace(at, 2, CountryName(kStoredCountries[i].Code, Language::PortugueseBrazil));
            forms[i] = std::move(form);
        }
        return forms;
    }();
    return composed[static_cast<std::size_t>(it - kStoredCountries.begin())];
}

}  // namespace qav
