#include "pipeline/place_request.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace qav {
namespace {

using Entries = std::vector<std::string>;

// A place object as the finder hands it over: its members as "place.KEY" after it, a number's
// kind told by a leading '#' ("#3467865"), then `more` key, kind, text triples.
Entries Keys(std::initializer_list<std::pair<const char*, std::string>> members, const Entries& more = {})
{
    Entries e = {"place", "object", ""};
    for (const auto& [key, value] : members) {
        const bool number = value.starts_with('#');
        e.insert(e.end(),
                 {std::string("place.") + key, number ? "number" : "string", number ? value.substr(1) : value});
    }
    e.insert(e.end(), more.begin(), more.end());
    return e;
}

Entries Campinas(const Entries& more = {})
{
    return Keys({{"geonames_id", "#3467865"},
                 {"name", "Campinas"},
                 {"division", "SP"},
                 {"country", "BR"},
                 {"latitude", "#-22.90556"},
                 {"longitude", "#-47.06083"}},
                more);
}

LocationRecord Opened(const Entries& entries, Language language = Language::English)
{
    static const StationCatalogueResult loaded =
        ReadStationCatalogue(std::filesystem::path(QAV_SOURCE_DIR) / "data/stations/stations-1991-2020.csv");
    bool warnings = false;
    const std::vector<RequestOption> options = RequestFromKeys(entries, warnings);
    EXPECT_EQ(options.size(), 1u);
    const RunInput in = PlaceRequestInput(
        options.at(0), [](std::string&) { return &loaded.catalogue; }, language, language);
    EXPECT_EQ(in.key, "place:" + entries[5]);
    return in.table.Slot[1];
}

TEST(PlaceRequest, AnalysesThePlaceAsItsNameWouldBe)
{
    const LocationRecord l = Opened(Campinas());
    EXPECT_EQ(l.LocationName, "Campinas (SP, Brazil): station 83781 São Paulo (Mirante de Santana), 80 km");
    EXPECT_EQ(PlaceCsvFields(l), ",Campinas,SP,BR,3467865,79.7");
    // The Portuguese names of the place and of the station's word; the rows keep GeoNames' name.
    const LocationRecord pt = Opened(Keys({{"geonames_id", "524901"},
                                           {"name", "Moscow"},
                                           {"name_pt", "Moscou"},
                                           {"country", "RU"},
                                           {"latitude", "55.75222"},
                                           {"longitude", "#37.61556"}}),
                                     Language::PortugueseBrazil);
    EXPECT_EQ(pt.LocationName, "Moscou (Rússia): estação 27612 Moskva, 9 km");
    EXPECT_EQ(PlaceCsvFields(pt), ",Moscow,,RU,524901,9");
    try {
        Opened(Keys({{"geonames_id", "#5308655"},
                     {"name", "Phoenix"},
                     {"division", "AZ"},
                     {"country", "US"},
                     {"latitude", "#33.44838"},
                     {"longitude", "#-112.07404"}}),
               Language::PortugueseBrazil);
        ADD_FAILURE();
    } catch (const InputFailure& e) {
        EXPECT_EQ(e.message,
                  "Phoenix (AZ, Estados Unidos): Nenhuma estação a menos de 300 km: abra um arquivo "
                  "climático deste local. A estação mais próxima, 76225 Observatorio Meteorológico "
                  "Chihuahua, a 783 km, é indicada apenas como referência.");
    }
}

TEST(PlaceRequest, RefusesAMemberByItsKey)
{
    const std::tuple<Entries, const char*, const char*> cases[] = {
        {{"place", "string", "Campinas"}, "place: \"Campinas\" is not an object", "not_object"},
        {{"place.name", "string", "Campinas"}, "place.name: unknown key", "unknown_key"},
        {Campinas({"place.elevation", "number", "700"}), "place.elevation: unknown key", "unknown_key"},
        {Keys({{"name", "Campinas"}}), "place: needs geonames_id", "needs_key"},
        {Campinas({"place.latitude", "number", "95"}), "place.latitude: 95 is outside -90..90", "outside"},
        {Campinas({"place.longitude", "number", "-180.5"}), "place.longitude: -180.5 is outside -180..180", "outside"},
        {Campinas({"place.name", "number", "5"}), "place.name: 5 is not a text", "not_text"},
        {Campinas({"place.country", "string", "br"}), "place.country: 'br' is not a country's two-letter code (BR, PT)",
         "not_country_code"},
        {Campinas({"place.name", "string", "Cam\npinas"}),
         "place.name: \"Cam\npinas\" holds a tab, a line break or another control character", "control_character"},
    };
    for (const auto& [entries, message, code] : cases) {
        bool warnings = false;
        try {
            RequestFromKeys(entries, warnings);
            ADD_FAILURE() << message;
        } catch (const OptionError& e) {
            EXPECT_EQ(e.message, message);
            EXPECT_EQ(CodeOf(e).code, code);
        }
    }
}

}  // namespace
}  // namespace qav
