#include "text/language.h"
#include "text/stored_country_names.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

// The table comes from text/qav_pt_BR.ts at build time; these rows pin what it holds.
// That no English word is left in a Portuguese picture: the window's language walk, over the
// pictures both programs save.
TEST(Language, TranslatesFromTheWindowsTranslationFile)
{
    struct Row {
        const char* context;
        const char* english;
        const char* disambiguation;
        const char* portuguese;
    };
    for (const Row& r :
         {Row{"qav::Strategy", "Thermal Comfort", "", "Conforto térmico"},
          Row{"qav::Month", "May", "abbreviation", "Mai"}, Row{"qav::Month", "February", "", "fevereiro"},
          Row{"qav::Picture", "DBT", "", "TBS"}, Row{"qav::Picture", "no such text", "", "no such text"}}) {
        SCOPED_TRACE(r.english);
        EXPECT_EQ(Translated(Language::PortugueseBrazil, r.context, r.english, r.disambiguation), r.portuguese);
        EXPECT_EQ(Translated(Language::English, r.context, r.english, r.disambiguation), r.english);
    }
    EXPECT_EQ(FilledText("%1 - %2 kPa %3%", {"QAV", "101,325"}), "QAV - 101,325 kPa %3%");
    EXPECT_TRUE(LanguageFromName("pt_BR") == Language::PortugueseBrazil &&
                LanguageFromName("en") == Language::English && !LanguageFromName("pt"));
    EXPECT_EQ(DecimalSeparatorOf(Language::PortugueseBrazil), ',');
}

// The stored names are named through the table of countries; English keeps the stored spelling.
TEST(StoredCountryName, NamesEveryStoredCountryThroughItsCode)
{
    for (const StoredCountry& c : kStoredCountries) {
        SCOPED_TRACE(std::string(c.Stored));
        EXPECT_NE(CountryName(c.Code, Language::English), c.Code);
        EXPECT_EQ(StoredCountryName(Language::English, c.Stored), c.Stored);
    }
    for (const auto& [stored, portuguese] :
         {std::pair{"Brazil", "Brasil"},
          {"USA", "EUA"},
          {"Saudi Arabia", "Arábia Saudita"},
          {"Hong Kong, China", "Hong Kong (China)"},
          {"Bosnia and Herzegovina Srpska", "Bósnia e Herzegovina (República Sérvia)"},
          {"Curacao a. S. Maarten", "Curaçao e São Martinho"},
          {"Czech Republic", "Tchéquia"},
          {"Russian Federation", "Rússia"},
          {"Türkiye", "Turquia"},
          {"Turkey", "Turquia"},
          {"Brasil", "Brasil"},
          {"Atlantis", "Atlantis"}})
        EXPECT_EQ(StoredCountryName(Language::PortugueseBrazil, stored), portuguese) << stored;
}

}  // namespace
}  // namespace qav
