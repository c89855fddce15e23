#include "data/station_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "data/md_reader.h"
#include "data/read_failure.h"
#include "data/md_writer.h"

namespace qav {
namespace {

const StationCatalogue& Catalogue()
{
    static const StationCatalogueResult result =
        ReadStationCatalogue(std::filesystem::path(QAV_SOURCE_DIR) / "data/stations/stations-1991-2020.csv");
    EXPECT_FALSE(result.failure) << *result.failure;
    return result.catalogue;
}

TEST(StationCatalogue, HoldsTheStationsOfBothSourcesOnceEach)
{
    const auto& stations = Catalogue().Stations;
    ASSERT_EQ(stations.size(), 3730u);
    std::set<int> numbers;
    for (const Station& s : stations) numbers.insert(s.Wmo);
    EXPECT_EQ(numbers.size(), 3730u);
    EXPECT_EQ(std::count_if(stations.begin(), stations.end(), [](const Station& s) { return s.Country == "Brazil"; }),
              113);
    EXPECT_EQ(std::count_if(stations.begin(), stations.end(), [](const Station& s) { return s.Source == "INMET"; }),
              38);
    EXPECT_EQ(std::count_if(stations.begin(), stations.end(), [](const Station& s) { return s.RhDerived; }), 1968);
}

// Rows copied from the file: Brasília, a derived humidity, and a quoted country holding a comma.
TEST(StationCatalogue, ReadsRowsAsWritten)
{
    const Station* b = Catalogue().Find(83377);
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(b->RhDerived);  // its name, place and source: qav-cli's stations test
    EXPECT_EQ((std::array{b->Month[1].DBTmin, b->Month[9].DBTmax, b->Month[8].RHavg}),
              (std::array{18.3f, 29.1f, 44.0f}));
    const Station* a = Catalogue().Find(60560);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->RhDerived);
    EXPECT_EQ(StationSourceField(*a), "WMO 60560 1991-2020 RH derived");
    EXPECT_EQ(StationSourceField(*Catalogue().Find(83897)), "INMET 83897 1991-2020");  // Florianópolis
    EXPECT_EQ(Catalogue().Find(45005)->Country, "Hong Kong, China");
    EXPECT_EQ(Catalogue().Find(45005)->Month[12].RHavg, 70);
    EXPECT_EQ(Catalogue().Find(1), nullptr);
}

// Written as Monthly Data files of 50 locations and read back, every station passes the reader's
// checks and comes back unchanged.
TEST(StationCatalogue, EveryStationReadsBackAsMonthlyData)
{
    const auto& stations = Catalogue().Stations;
    for (std::size_t first = 0; first < stations.size(); first += kMaxLocations) {
        LocationTable t;
        for (std::size_t i = first; i < std::min(stations.size(), first + kMaxLocations); ++i)
            t.Slot[++t.LocationCount] = StationLocation(stations[i]);
        const ReadResult r = ReadMonthlyData(WriteMonthlyData(t));
        ASSERT_FALSE(r.failure) << "stations from " << stations[first].Wmo << ": " << EnglishReadFailure(*r.failure);
        ASSERT_EQ(r.table.LocationCount, t.LocationCount);
        for (int s = 1; s <= t.LocationCount; ++s) {
            SCOPED_TRACE(t.Slot[s].DataSource);
            EXPECT_EQ(r.table.Slot[s].LocationName, t.Slot[s].LocationName);
            EXPECT_EQ(r.table.Slot[s].DataSource, t.Slot[s].DataSource);
            EXPECT_EQ(r.table.Slot[s].Elevation, t.Slot[s].Elevation);
            for (int m = 1; m <= kMonths; ++m) EXPECT_EQ(r.table.Slot[s].Month[m].DBTmax, t.Slot[s].Month[m].DBTmax);
        }
    }
}

TEST(StationCatalogue, NamesTheLineAndFieldOfABadRow)
{
    const std::string header = "wmo,name\n";
    struct Row {
        std::string text;
        const char* message;
    };
    std::string row = "7,A,B,0,0,0,WMO,reported";
    for (int k = 0; k < 36; ++k) row += ",1";
    for (const Row& r : {Row{header + row.substr(0, row.size() - 2), "line 2: 43 fields instead of 44"},
                         Row{header + "x" + row, "line 2, field 1 (wmo): 'x7' is not a station number"},
                         Row{header + "\n" + row.substr(0, 6) + "91" + row.substr(7),
                             "line 3, field 4 (latitude): 91 is out of range (-90 to 90)"},
                         Row{header + row.substr(0, row.size() - 1) + "101",
                             "line 2, field 44 (rh_12): 101 is out of range (0 to 100)"},
                         Row{header + row.substr(0, 16) + "guess" + row.substr(24),
                             "line 2, field 8 (rh_source): 'guess' is neither reported nor derived"},
                         Row{header + row.substr(0, 12) + "NOAA" + row.substr(15),
                             "line 2, field 7 (source): 'NOAA' is neither WMO nor INMET"},
                         Row{header, "the catalogue holds no station"}}) {
        SCOPED_TRACE(r.text);
        const StationCatalogueResult result = ParseStationCatalogue(r.text);
        ASSERT_TRUE(result.failure);
        EXPECT_EQ(*result.failure, r.message);
        EXPECT_TRUE(result.catalogue.Stations.empty());
    }
    EXPECT_FALSE(ParseStationCatalogue(header + row + "\r\n").failure);
}

// Both services' fields, and the "WMO" that files saved before named every station with.
TEST(StationSourceField, ReadsBackWhatItWritesAndNothingElse)
{
    struct Row {
        const char* field;
        const char* agency;
        int wmo;
        bool derived;
    };
    for (const Row& r :
         {Row{"WMO 83377 1991-2020", "WMO", 83377, false}, Row{"INMET 83897 1991-2020", "INMET", 83897, false},
          Row{"WMO 83897 1991-2020", "WMO", 83897, false}, Row{"WMO 60560 1991-2020 RH derived", "WMO", 60560, true}}) {
        SCOPED_TRACE(r.field);
        const auto tag = ParseStationSourceField(r.field);
        ASSERT_TRUE(tag);
        EXPECT_EQ(tag->Agency, r.agency);
        EXPECT_EQ(tag->Wmo, r.wmo);
        EXPECT_EQ(tag->Period, "1991-2020");
        EXPECT_EQ(tag->RhDerived, r.derived);
    }
    for (const char* other : {"GOV", "WMO", "WMO 83377", "WMO x 1991-2020", "WMO 83377 1991-20",
                              "WMO 83377 1991-2020 more", "INMET", "INMET83897 1991-2020", "NOAA 83897 1991-2020"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(ParseStationSourceField(other));
    }
}

}  // namespace
}  // namespace qav
