#include "pipeline/results_table.h"

#include <gtest/gtest.h>

#include "tests/chart/test_locations.h"

namespace qav {
namespace {

using testing::Brasilia;

TEST(ResultsTableText, BeginsWithTheLocationAndItsMonths)
{
    StrategyTally tally{};
    const std::string text = ResultsTableText(Brasilia(), tally);
    EXPECT_EQ(text.rfind("QAV - Meridane\n\n"
                         "Location, Country, Data Source, Latitude, Longitude, Elevation\n"
                         "Brasília,Brazil,GOV,-15.78,-47.93,1160\n\n"
                         "Month, DBTmin, DBTmax, RHavg\n"
                         "1,17.4,26.9,76\n"
                         "2,17.4,26.7,77\n",
                         0),
              0u);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    // No share: the table ends with its heading.
    EXPECT_TRUE(text.ends_with("12,17.5,26.2,79\n\nBioclimatic Strategies\n"));
}

TEST(ResultsTableText, ListsOnlyStrategiesWithAShareKeepingTheirNumbers)
{
    StrategyTally tally{};
    tally.YearShare[1] = 0.1f;
    tally.YearShare[2] = 30.5f;
    tally.YearShare[5] = 69.4f;
    LocationRecord l = Brasilia();
    l.LocationName = "Name, with comma";  // quoted, so that a pasted row keeps its columns
    l.Country = "5\" Ave";
    const std::string text = ResultsTableText(l, tally, ',');
    EXPECT_TRUE(
        text.ends_with("Bioclimatic Strategies\n"
                       "1,Artificial Heating,0,1\n"
                       "2,Solar Heating,30,5\n"
                       "5,Thermal Comfort,69,4\n"));
    EXPECT_NE(text.find("\"Name, with comma\",\"5\"\" Ave\",GOV,-15,78"), std::string::npos);
    EXPECT_TRUE(ResultsTableText(l, tally, '.', ',', false, "Counted: hours 9-18")
                    .ends_with("5,Thermal Comfort,69.4\n\nCounted: hours 9-18\n"));
}

// Where the comma is the decimal separator, fields are split by semicolons so that a spreadsheet
// of that locale takes the table apart; recorded hours say so in the strategies' heading.
TEST(ResultsTableText, DecimalCommaTablesUseSemicolonsAndRecordedHoursAreMarked)
{
    EXPECT_EQ((std::string{TableFieldSeparator(','), TableFieldSeparator('.')}), ";,");
    StrategyTally tally{};
    tally.YearShare[5] = 62.5f;
    LocationRecord l = Brasilia();
    l.LocationName = "Brasília, DF";  // a comma is no separator here
    const std::string text = ResultsTableText(l, tally, ',', ';', true);
    EXPECT_NE(text.find("Location; Country; Data Source; Latitude; Longitude; Elevation\n"
                        "Brasília, DF;Brazil;GOV;-15,78;-47,93;1160\n\n"
                        "Month; DBTmin; DBTmax; RHavg\n"
                        "1;17,4;26,9;76\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("\nBioclimatic Strategies (recorded hours)\n5;Thermal Comfort;62,5\n"));
}

}  // namespace
}  // namespace qav
