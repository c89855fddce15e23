#include "data/station_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qav {
namespace {

const StationCatalogue& Catalogue()
{
    static const StationCatalogueResult result =
        ReadStationCatalogue(std::filesystem::path(QAV_SOURCE_DIR) / "data/stations/stations-1991-2020.csv");
    return result.catalogue;
}

std::vector<std::string> Names(const std::vector<StationMatch>& matches)
{
    std::vector<std::string> names;
    for (const StationMatch& m : matches) names.push_back(m.station->Name);
    return names;
}

TEST(StationIndex, FindsNamesWhateverTheirCaseAccentsAndPunctuation)
{
    const StationIndex index(Catalogue());
    using Row = std::tuple<const char*, std::size_t, std::vector<std::string>>;
    for (const auto& [query, limit, names] :
         {Row{"sao paulo", 0, {"São Paulo (Mirante de Santana)"}},
          {"SÃO-PAULO", 1, {"São Paulo (Mirante de Santana)"}},
          {"geneve", 0, {"Geneve / Cointrin"}},
          {"zuerich", 0, {"Zuerich / Affoltern", "Zuerich / Fluntern", "Zuerich / Kloten"}},
          {"zürich  fluntern", 0, {"Zuerich / Fluntern"}},
          {"zuerich/fluntern", 0, {"Zuerich / Fluntern"}},
          {"83377", 0, {"Brasília"}},
          {"xyzzy", 0, {}},
          {" -/ ", 0, {}}}) {
        EXPECT_EQ(Names(index.ByName(query, limit)), names) << query;
    }
}

TEST(ParseCoordinates, ReadsEveryWayOfWritingThem)
{
    using Row = std::tuple<const char*, double, double, double>;  // text, latitude, longitude, elevation (-1: none)
    for (const auto& [text, lat, lon, elevation] :
         {Row{"-23.55, -46.63", -23.55, -46.63, -1}, Row{"-23,55; -46,63", -23.55, -46.63, -1},
          Row{"-23,55 -46,63", -23.55, -46.63, -1}, Row{"-23,55, -46,63", -23.55, -46.63, -1},
          Row{"-23.55,-46.63", -23.55, -46.63, -1}, Row{"23,46", 23, 46, -1},
          Row{"23°33′S 46°38′W", -23.55, -46.633333, -1}, Row{"23 33 S 46 38 W", -23.55, -46.633333, -1},
          Row{"23°33'S 46°38'W", -23.55, -46.633333, -1}, Row{"23 33 0\" s, 46 38 30\" o", -23.55, -46.641667, -1},
          Row{"51 28 N 0 0 7 E", 51.466667, 0.001944, -1}, Row{"-23.55, -46.63, 760", -23.55, -46.63, 760},
          Row{"-23,55; -46,63; 760 m", -23.55, -46.63, 760}, Row{"23°33′S 46°38′W 760m", -23.55, -46.633333, 760},
          Row{"\u22121.5 +2", -1.5, 2, -1}}) {
        SCOPED_TRACE(text);
        const CoordinatesParse p = ParseCoordinates(text);
        ASSERT_EQ(p.kind, CoordinatesParse::Valid);
        EXPECT_NEAR(p.site.Latitude, lat, 1e-6);
        EXPECT_NEAR(p.site.Longitude, lon, 1e-6);
        EXPECT_EQ(p.site.Elevation.value_or(-1), elevation);
    }
    for (const char* name : {"Lima", "sao paulo", "23", "1 2 3 4", "23 S 46 S", "23 60 S 46 W", "-23 S 46 W", "1 m 2",
                             "1, 2 m", "46 W 23 S", "1.2.3, 4"})
        EXPECT_EQ(ParseCoordinates(name).kind, CoordinatesParse::NotCoordinates) << name;
    for (const auto& [text, message] : std::initializer_list<std::pair<const char*, const char*>>{
             {"95, 10", "latitude 95 is out of range (-90 to 90)"},
             {"10; -180,5", "longitude -180.5 is out of range (-180 to 180)"},
             {"91 0 N 10 E", "latitude 91 0 N is out of range (-90 to 90)"},
             {"1, 2, 9500", "elevation 9500 is out of range (-500 to 9000 m)"},
             // Read with decimal commas it would blame a longitude of 100000.
             {"10,10 100000", "elevation 100000 is out of range (-500 to 9000 m)"},
             {"10,10 -200", "longitude -200 is out of range (-180 to 180)"}}) {
        const CoordinatesParse p = ParseCoordinates(text);
        EXPECT_EQ(std::tie(p.kind, p.message), std::make_tuple(CoordinatesParse::OutOfRange, message)) << text;
    }
}

// Distances against published great-circle figures on the 6,371 km sphere (London-Paris
// 343.5 km by the haversine formula; a degree of the equator 111.195 km).
TEST(GreatCircleKm, MatchesTheSphere)
{
    EXPECT_NEAR(GreatCircleKm(51.5074, -0.1278, 48.8566, 2.3522), 343.5, 0.1);
    EXPECT_NEAR(GreatCircleKm(0, 0, 0, 1), 111.195, 0.001);
    EXPECT_NEAR(GreatCircleKm(0, 179.9, 0, -179.9), 22.239, 0.001);
    EXPECT_NEAR(GreatCircleKm(90, 0, -90, 0), 20015.087, 0.001);
    EXPECT_NEAR(GreatCircleKm(89.9, 0, 89.9, 180), 22.239, 0.001);
}

Station Made(int wmo, float lat, float lon, float elevation = 0)
{
    Station s;
    s.Wmo = wmo, s.Name = std::to_string(wmo);
    s.Latitude = lat, s.Longitude = lon, s.Elevation = elevation;
    return s;
}

TEST(StationIndex, OrdersStationsByDistanceAcrossTheAntimeridianPolesAndEquator)
{
    StationCatalogue c;
    c.Stations = {Made(1, 0, -179.9, 500), Made(2, 0, 170), Made(3, 89.5, -90), Made(4, 88, 90),
                  Made(5, 0, 1),           Made(6, 0, -1),  Made(7, -0.5, 0)};
    const StationIndex index(c);
    // Made names each station by its number.
    EXPECT_EQ(Names(index.Near({0, 179.9, std::nullopt}, 2)), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Names(index.Near({89.9, 90, std::nullopt}, 2)), (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(Names(index.Near({0, 0, std::nullopt}, 3)), (std::vector<std::string>{"7", "5", "6"}));
    // Stations 5 and 6 lie at exactly the same distance from (0, 0): the lower number first.
    const std::vector<StationMatch> tie = index.Near({0, 0, 100.0}, 0);
    ASSERT_EQ(tie.size(), 7u);
    EXPECT_TRUE(*tie[1].DistanceKm == *tie[2].DistanceKm && tie[1].station->Wmo == 5);
    EXPECT_NEAR(*tie[0].DistanceKm, 55.597, 0.001);
    EXPECT_EQ(std::make_tuple(*tie[0].ElevationDifferenceM, tie[0].Far()), std::make_tuple(-100, true));  // 55.6 km
    const std::vector<StationMatch> across = index.Near({0, 179.9, 210.0}, 1);
    EXPECT_NEAR(*across[0].DistanceKm, 22.239, 0.001);
    EXPECT_FALSE(across[0].Far());                           // 290 m higher
    EXPECT_TRUE(index.Near({0, 179.9, 199.0}, 1)[0].Far());  // 301 m higher
}

// Names that begin with the query, then names with a word that does, then the rest; the limit
// keeps the first.
TEST(StationIndex, RanksNamesByWhereTheQueryBegins)
{
    StationCatalogue c;
    for (const char* name : {"Xsanta", "Vila Santa", "Santa Maria", "Santa Ana", "Lima"}) {
        c.Stations.push_back(Made(static_cast<int>(c.Stations.size()) + 1, 0, 0));
        c.Stations.back().Name = name;
    }
    const StationIndex index(c);
    EXPECT_EQ(Names(index.ByName("SANTA", 0)),
              (std::vector<std::string>{"Santa Ana", "Santa Maria", "Vila Santa", "Xsanta"}));
    EXPECT_EQ(Names(index.ByName("santa", 2)), (std::vector<std::string>{"Santa Ana", "Santa Maria"}));
}

TEST(SearchStations, TellsCoordinatesFromNames)
{
    const StationIndex index(Catalogue());
    const StationSearch near = SearchStations(index, "-15,78; -47,93; 1160", 3);
    ASSERT_EQ(near.matches.size(), 3u);
    EXPECT_EQ(
        std::make_tuple(near.coordinates.kind, near.matches[0].station->Wmo, *near.matches[0].ElevationDifferenceM),
        std::make_tuple(CoordinatesParse::Valid, 83377, 1));
    EXPECT_NEAR(*near.matches[0].DistanceKm, 1.168, 0.001);
    const StationSearch bad = SearchStations(index, "-95, 0", 3);
    EXPECT_EQ(std::make_tuple(bad.coordinates.kind, bad.matches.size()),
              std::make_tuple(CoordinatesParse::OutOfRange, 0u));
    EXPECT_EQ(SearchStations(index, "Brasília", 3).matches.at(0).station->Wmo, 83377);
}

}  // namespace
}  // namespace qav
