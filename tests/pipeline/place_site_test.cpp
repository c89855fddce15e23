#include "pipeline/place_site.h"

#include <gtest/gtest.h>

#include "pipeline/analysis_output.h"
#include "pipeline/analysis_request.h"
#include "pipeline/analysis_run.h"
#include "pipeline/option_error.h"
#include "pipeline/pipeline.h"
#include "pipeline/report.h"

namespace qav {
namespace {

struct Sources {
    StationCatalogueResult catalogue =
        ReadStationCatalogue(std::filesystem::path(QAV_SOURCE_DIR) / "data/stations/stations-1991-2020.csv");
    PlaceListResult list = ReadPlaceList(std::filesystem::path(QAV_SOURCE_DIR) / "data/places/places.tsv");
    PlaceIndex index{list.list};
    StationLocator stations{catalogue.catalogue};
    PlaceSource Source() const
    {
        return [this](std::string&) { return PlaceSources{&index, &stations}; };
    }
};

const Sources& Loaded()
{
    static const Sources sources;
    return sources;
}

RunInput Opened(const std::string& text, std::vector<std::string>& notes)
{
    return PlaceInput(text, Loaded().Source(), notes);
}

TEST(PlaceInput, NamesTheLocationForThePlaceAndCarriesIt)
{
    std::vector<std::string> notes;
    const RunInput in = Opened("Campinas, SP", notes);
    EXPECT_EQ(in.key, "place:3467865");
    const LocationRecord& l = in.table.Slot[1];
    EXPECT_EQ(l.LocationName, "Campinas (SP, Brazil): station 83781 São Paulo (Mirante de Santana), 80 km");
    EXPECT_EQ(l.DataSource, "INMET 83781 1991-2020");
    EXPECT_FLOAT_EQ(l.Elevation, 785);  // the station's: the place's is not known
    ASSERT_TRUE(l.Place);
    EXPECT_DOUBLE_EQ(l.Place->Latitude, -22.90556);
    EXPECT_EQ(PlaceJsonFields(l),
              ",\"place\":{\"name\":\"Campinas\",\"division\":\"SP\",\"country\":\"BR\",\"geonames_id\":3467865},"
              "\"distance_km\":79.7");
    EXPECT_EQ(PlaceCsvFields(l), ",Campinas,SP,BR,3467865,79.7");
    EXPECT_EQ(notes, (std::vector<std::string>{"Campinas, SP (Brazil) chosen among 2 places named Campinas"}));
    const LocationRecord pt =
        PlaceLocation(*Loaded().index.Search("Moscou", 1)[0], Loaded().stations.Nearest(55.75222, 37.61556, 1)[0],
                      Language::PortugueseBrazil);
    EXPECT_EQ(pt.LocationName, "Moscou (Rússia): estação 27612 Moskva, 9 km");
    EXPECT_EQ(pt.Country, "Rússia");
    EXPECT_EQ(PlaceCsvFields(LocationRecord{}), ",,,,,");
    EXPECT_EQ(PlaceJsonFields(LocationRecord{}), "");
}

TEST(PlaceInput, RefusesWhatNamesNoPlaceAndAPlaceWithoutAStationNear)
{
    std::vector<std::string> notes;
    for (const auto& [text, message] : {std::pair{"xyzzyq", "--place: 'xyzzyq' names no place of the list"},
                                        {"..", "--place: '..' holds no letter or digit to search for"}}) {
        try {
            Opened(text, notes);
            ADD_FAILURE() << text;
        } catch (const OptionError& e) {
            EXPECT_EQ(e.message, message);
            EXPECT_EQ(OptionErrorText(e, Language::PortugueseBrazil).substr(0, 9), "--place: ");
        }
    }
    try {
        Opened("Phoenix, AZ", notes);
        ADD_FAILURE();
    } catch (const InputFailure& e) {
        EXPECT_EQ(e.message,
                  "Phoenix (AZ, United States): No station within 300 km: open a weather file for this site. The "
                  "nearest station, 76225 Observatorio Meteorológico Chihuahua, 783 km away, is listed for "
                  "reference only. (--station 76225 analyses it)");
    }
    try {
        PlaceInput(
            "Campinas",
            [](std::string& failure) {
                failure = "the place list places.tsv was not found";
                return PlaceSources{};
            },
            notes);
        ADD_FAILURE();
    } catch (const InputFailure& e) {
        EXPECT_EQ(e.message, "the place list places.tsv was not found");
    }
    EXPECT_TRUE(notes.empty());
}

// The report names the place and its coordinates, then the station, its distance and elevation.
TEST(PlaceSiteRow, GivesTheReportsSiteLineInBothLanguages)
{
    std::vector<std::string> notes;
    const RunInput campinas = Opened("Campinas, SP", notes);
    EXPECT_EQ(PlaceSiteRow(campinas.table.Slot[1], Language::English),
              (std::vector<std::string>{
                  "Site",
                  "Campinas (SP, Brazil), -22.91°, -47.06°; station 83781 São Paulo (Mirante de Santana), 80 "
                  "km away, at 785 m (the place's own elevation is not known). The station is more than 50 km "
                  "away: the site's climate may differ."}));
    const RunInput brasilia = Opened("Brasília", notes);
    EXPECT_EQ(PlaceSiteRow(brasilia.table.Slot[1], Language::PortugueseBrazil),
              (std::vector<std::string>{"Local",
                                        "Brasília (DF, Brasil), -15,78°, -47,93°; estação 83377 Brasília, a 1 "
                                        "km, a 1161 m de altitude (a altitude do próprio local não é "
                                        "conhecida)"}));
    RowAnalyser analyser(MakeStartupState(), HoursView::Typical, HourFilter{}, std::nullopt);
    const std::optional<ReportContent> report =
        ComposeReport(analyser.Analyse({&brasilia, 1}), Language::English, "2026-12-08");
    ASSERT_TRUE(report);
    const auto& rows = report->Blocks.front().Table.Rows;
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[1][0], "Site");
}

TEST(PlaceListJson, ListsPlacesWithTheirStations)
{
    EXPECT_EQ(PlaceListJson({}), "[]\n");
    const auto found = SearchPlaces(Loaded().index, Loaded().stations, "Juiz de Fora", 1);
    EXPECT_EQ(PlaceListJson(found),
              "[\n{\"geonames_id\":3459505,\"name\":\"Juiz de Fora\",\"division\":\"MG\",\"country\":\"BR\","
              "\"population\":470193,\"latitude\":-21.76417,\"longitude\":-43.35028,\"stations\":[{\"wmo\":83692,"
              "\"name\":\"Juiz de Fora\",\"distance_km\":1.6,\"elevation_m\":937},{\"wmo\":83049,\"name\":\"Avelar "
              "(P.do Alferes)\",\"distance_km\":65.2,\"elevation_m\":507},{\"wmo\":83642,\"name\":\"Viçosa\","
              "\"distance_km\":122.3,\"elevation_m\":698}]}\n]\n");
}

}  // namespace
}  // namespace qav
