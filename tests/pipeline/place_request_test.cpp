#include "pipeline/place_request.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "pipeline/option_error.h"

namespace qav {
namespace {

const StationCatalogue& Catalogue()
{
    static const StationCatalogueResult loaded =
        ReadStationCatalogue(std::filesystem::path(QAV_SOURCE_DIR) / "data/stations/stations-1991-2020.csv");
    return loaded.catalogue;
}

using Entries = std::vector<std::string>;

// Campinas as the finder hands it over, then `more` (key, kind, text triples) after it.
Entries CampinasKeys(const Entries& more = {})
{
    Entries e = {"place",           "object", "",         "place.geonames_id", "number", "3467865",
                 "place.name",      "string", "Campinas", "place.division",    "string", "SP",
                 "place.country",   "string", "BR",       "place.latitude",    "number", "-22.90556",
                 "place.longitude", "number", "-47.06083"};
    e.insert(e.end(), more.begin(), more.end());
    return e;
}

RunInput Opened(const Entries& entries, Language language = Language::English)
{
    bool warnings = false;
    const std::vector<RequestOption> options = RequestFromKeys(entries, warnings);
    EXPECT_EQ(options.size(), 1u);
    return PlaceRequestInput(
        options.at(0), [](std::string&) { return &Catalogue(); }, language, language);
}

TEST(PlaceRequest, AnalysesThePlaceAsItsTextWouldBe)
{
    const RunInput in = Opened(CampinasKeys());
    EXPECT_EQ(in.key, "place:3467865");
    const LocationRecord& l = in.table.Slot[1];
    EXPECT_EQ(l.LocationName, "Campinas (SP, Brazil): station 83781 São Paulo (Mirante de Santana), 80 km");
    EXPECT_EQ(l.DataSource, "WMO 83781 1991-2020");
    EXPECT_EQ(PlaceJsonFields(l),
              ",\"place\":{\"name\":\"Campinas\",\"division\":\"SP\",\"country\":\"BR\",\"geonames_id\":3467865},"
              "\"distance_km\":79.7");
    // The Portuguese name of the place and of the station's word; the rows keep GeoNames' name.
    const RunInput pt = Opened({"place",           "object", "",        "place.geonames_id", "string", "524901",
                                "place.name",      "string", "Moscow",  "place.name_pt",     "string", "Moscou",
                                "place.country",   "string", "RU",      "place.latitude",    "string", "55.75222",
                                "place.longitude", "number", "37.61556"},
                               Language::PortugueseBrazil);
    EXPECT_EQ(pt.table.Slot[1].LocationName, "Moscou (Rússia): estação 27612 Moskva, 9 km");
    EXPECT_EQ(PlaceCsvFields(pt.table.Slot[1]), ",Moscow,,RU,524901,9");
    // An element of the inputs takes a place too, beside another source.
    bool warnings = false;
    Entries listed = {"inputs", "list", "", "inputs.0", "object", ""};
    for (std::size_t i = 0; i < CampinasKeys().size(); i += 3) {
        const Entries k = CampinasKeys();
        listed.insert(listed.end(), {"inputs.0." + k[i], k[i + 1], k[i + 2]});
    }
    listed.insert(listed.end(), {"station", "number", "83781"});
    const std::vector<RequestOption> options = RequestFromKeys(listed, warnings);
    ASSERT_EQ(options.size(), 2u);
    EXPECT_EQ(options[0].name, "--place");
    EXPECT_EQ(options[0].value, "Campinas");
    EXPECT_EQ(options[1].name, "--station");
}

TEST(PlaceRequest, RefusesAMemberByItsKeyInTheRequestsLanguage)
{
    struct Case {
        Entries entries;
        const char* message;
        const char* code;
    };
    const Case cases[] = {
        {{"place", "string", "Campinas"}, "place: \"Campinas\" is not an object", "not_object"},
        {{"place.name", "string", "Campinas"}, "place.name: unknown key", "unknown_key"},
        {CampinasKeys({"place.elevation", "number", "700"}), "place.elevation: unknown key", "unknown_key"},
        {{"place", "object", "", "place.name", "string", "Campinas"}, "place: needs geonames_id", "needs_key"},
        {CampinasKeys({"place.name", "string", ""}), "place: needs name", "needs_key"},
        {CampinasKeys({"place.latitude", "number", "95"}), "place.latitude: 95 is outside -90..90", "outside"},
        {CampinasKeys({"place.longitude", "string", "west"}), "place.longitude: 'west' is not a number",
         "not_a_number"},
        {CampinasKeys({"place.geonames_id", "number", "0"}), "place.geonames_id: 0 is outside 1..2147483647",
         "outside"},
        {CampinasKeys({"place.name", "number", "5"}), "place.name: 5 is not a text", "not_text"},
        {CampinasKeys({"place.country", "string", "Brazil"}),
         "place.country: 'Brazil' is not a country's two-letter code (BR, PT)", "not_country_code"},
        {CampinasKeys({"place.division", "string", "S\tP"}),
         "place.division: \"S\tP\" holds a tab, a line break or another control character", "control_character"},
    };
    for (const Case& c : cases) {
        bool warnings = false;
        try {
            RequestFromKeys(c.entries, warnings);
            ADD_FAILURE() << c.message;
        } catch (const OptionError& e) {
            EXPECT_EQ(e.message, c.message);
            EXPECT_EQ(CodeOf(e).code, c.code);
        }
    }
    bool warnings = false;
    try {
        RequestFromKeys(CampinasKeys({"place.country", "string", "br"}), warnings);
        ADD_FAILURE();
    } catch (const OptionError& e) {
        EXPECT_EQ(OptionErrorText(e, Language::PortugueseBrazil),
                  "place.country: 'br' não é o código de duas letras de um país (BR, PT)");
    }
}

TEST(PlaceRequest, APlaceWithoutAStationNearIsRefusedAsOnTheCommandLine)
{
    const Entries phoenix = {"place",           "object", "",          "place.geonames_id", "number", "5308655",
                             "place.name",      "string", "Phoenix",   "place.division",    "string", "AZ",
                             "place.country",   "string", "US",        "place.latitude",    "number", "33.44838",
                             "place.longitude", "number", "-112.07404"};
    for (const auto& [language, message] :
         {std::pair{Language::English,
                    "Phoenix (AZ, United States): No station within 300 km: open a weather file for this site. The "
                    "nearest station, 76225 Observatorio Meteorológico Chihuahua, 783 km away, is listed for "
                    "reference only. (--station 76225 analyses it)"},
          {Language::PortugueseBrazil,
           "Phoenix (AZ, Estados Unidos): Nenhuma estação a menos de 300 km: abra um arquivo climático deste local. "
           "A estação mais próxima, 76225 Observatorio Meteorológico Chihuahua, a 783 km, é indicada apenas como "
           "referência."}}) {
        try {
            Opened(phoenix, language);
            ADD_FAILURE();
        } catch (const InputFailure& e) {
            EXPECT_EQ(e.message, message);
        }
    }
}

}  // namespace
}  // namespace qav
