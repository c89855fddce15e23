#include <gtest/gtest.h>

#include <string>

#include "cli_support.h"

namespace qav::test {
namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliPlaces, ListsPlacesWithTheirNearestStations)
{
    EXPECT_EQ(Shell("places --name 'Campinas, SC' --limit 1 --format json").out,
              "[\n{\"geonames_id\":6316729,\"name\":\"Campinas\",\"division\":\"SC\",\"country\":\"BR\","
              "\"population\":20000,\"latitude\":-27.59444,\"longitude\":-48.60694,\"stations\":["
              "{\"wmo\":83897,\"name\":\"Florianópolis\",\"distance_km\":1.6,\"elevation_m\":5},"
              "{\"wmo\":83920,\"name\":\"São Joaquim\",\"distance_km\":150.8,\"elevation_m\":1400},"
              "{\"wmo\":83891,\"name\":\"Lages\",\"distance_km\":171.8,\"elevation_m\":953}]}\n]\n");
    EXPECT_EQ(Shell("places --name moscow --country Rússia --format csv").out,
              "geonames_id,name,division,country,population,latitude,longitude,wmo_1,station_1,distance_km_1,"
              "elevation_m_1,wmo_2,station_2,distance_km_2,elevation_m_2,wmo_3,station_3,distance_km_3,elevation_m_3\n"
              "524901,Moscow,48,RU,10381222,55.75222,37.61556,27612,Moskva,9,147,27823,Pavelets,242.7,209,26393,"
              "Vysnij Volocek,272.6,167\n");
    // A header, two places, the elevation note and the 300 km mark of Phoenix.
    const std::string table = Shell("places --name phoenix --limit 2").out;
    EXPECT_TRUE(Has(table, "783 *")) << table;
    EXPECT_TRUE(Has(table, "* No station within 300 km: open a weather file for this site.\n")) << table;
    EXPECT_EQ(Seen(Shell("places --name sao --country XX")),
              std::tuple(2, std::string(),
                         "error: --country: 'XX' is not a country (an ISO code such as BR, or its name)\n"));
    EXPECT_EQ(Seen(Shell("places --name ' ;- '")),
              std::tuple(2, std::string(), "error: --name: ' ;- ' holds no letter or digit to search for\n"));
}

// The row of a place carries the station's columns and the place's; a station's row leaves the
// place's empty. The choice among two Campinas is named on standard error.
TEST(CliPlaces, AnalysesAPlaceAsItsNearestStation)
{
    EXPECT_EQ(
        Seen(Shell("analyze --place 'Campinas, SP' --station 83377 --format csv")),
        std::tuple(0,
                   "slot,name,country,source,latitude,longitude,elevation,pressure_elevation,pressure_kpa,A,B,"
                   "C,D,E,F,G,H,I,J,station,period,rh_source,place,place_division,place_country,geonames_id,"
                   "distance_km,input\n"
                   "1,\"Campinas (SP, Brazil): station 83781 São Paulo (Mirante de Santana), 80 km\",Brazil,INMET "
                   "83781 1991-2020,-23.4964,-46.62,785,750,92.633575,0,29,25.3,0,30.7,9.1,2,2,2,0,83781,"
                   "1991-2020,reported,Campinas,SP,BR,3467865,79.7,place:3467865\n"
                   "1,Brasília,Brazil,WMO 83377 1991-2020,-15.7897,-47.9258,1161,1150,88.25129,0,25.2,25.2,0,"
                   "44.4,5.2,0,0,0,0,83377,1991-2020,reported,,,,,,station:83377\n",
                   "note: Campinas, SP (Brazil) chosen among 2 places named Campinas\n"));
    const CliResult json = Shell("analyze --place 'juiz de fora' --format json");
    EXPECT_TRUE(Has(json.out,
                    ",\"station\":83692,\"period\":\"1991-2020\",\"rh_source\":\"reported\",\"place\":{"
                    "\"name\":\"Juiz de Fora\",\"division\":\"MG\",\"country\":\"BR\",\"geonames_id\":"
                    "3459505},\"distance_km\":1.6,\"hour_letters\":"))
        << json.out;
    EXPECT_EQ(json.err, "");  // one Juiz de Fora: nothing to say
    EXPECT_FALSE(Has(Shell("analyze --station 83377 --format csv").out, "place"));
}

TEST(CliPlaces, RefusesAPlaceWithoutAStationNear)
{
    EXPECT_EQ(Seen(Shell("analyze --place Phoenix")),
              std::tuple(1, std::string(),
                         "error: Phoenix (AZ, United States): No station within 300 km: open a weather file for this "
                         "site. The nearest station, 76225 Observatorio Meteorológico Chihuahua, 783 km away, is "
                         "listed for reference only. (--station 76225 analyses it)\n"));
    EXPECT_EQ(Seen(Shell("analyze --place xyzzyq")),
              std::tuple(2, std::string(), "error: --place: 'xyzzyq' names no place of the list\n"));
}

}  // namespace
}  // namespace qav::test
