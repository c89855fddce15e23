// The hour filter, the warming and the compare rows on the headless pipeline.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <tuple>
#include <utility>
#include <vector>

#include "classify/raster_canvas.h"
#include "pipeline/compare.h"
#include "pipeline/exports.h"
#include "pipeline/pipeline.h"
#include "pipeline/weather_location.h"

#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

using Session = PipelineSession;

int Counted(const StrategyTally& t, int month = 0)
{
    int n = 0;
    for (int s = 1; s <= kStrategies; ++s)
        for (int m = 1; m <= kMonths; ++m) n += (month == 0 || m == month) ? t.MonthHours[s][m] : 0;
    return n;
}

// The whole tally as one comparable value: shares, hours of each strategy and month, the top three.
auto Whole(const StrategyTally& t)
{
    const std::int16_t* hours = &t.MonthHours[0][0];
    return std::tuple{std::to_array(t.YearShare), std::vector<int>(hours, hours + sizeof t.MonthHours / sizeof *hours),
                      t.TopStrategy};
}

// Every hour of the year, written as a wrapped range, gives exactly the analysis without one;
// 9-18 counts ten hours of each typical day (120), 22-5 in December-February eight of three (24).
TEST(HourFilter, CountsOnlyTheSelectedTypicalHours)
{
    Session s;
    const StrategyTally all = s.state.Tally;
    const HourStrategies strategies = s.state.HourStrategy;
    ASSERT_TRUE(MakeHourFilter(7, 6, 4, 3, s.state.Filter));
    s.Run();
    EXPECT_EQ(Whole(s.state.Tally), Whole(all));

    ASSERT_TRUE(MakeHourFilter(9, 18, 1, 12, s.state.Filter));
    s.Run();
    EXPECT_EQ(Counted(s.state.Tally), 120);
    EXPECT_EQ(s.state.HourStrategy, strategies);  // every hour is still classified as before
    EXPECT_EQ(std::to_array(s.state.Tally.YearShare),
              (std::to_array<float>({0, 0, 4.8f, 4.8f, 0, 86.5f, 4.0f, 0, 0, 0, 0})));

    ASSERT_TRUE(MakeHourFilter(22, 5, 12, 2, s.state.Filter));
    s.Run();
    EXPECT_EQ((std::pair{Counted(s.state.Tally), Counted(s.state.Tally, 2)}), (std::pair{24, 8}));
}

// A full recorded year (8760 hours: the pinned results): 9-18 is ten hours of 365 days; 22-5 in
// December-February eight hours of 31 + 31 + 28 days.
TEST(HourFilter, CountsOnlyTheSelectedRecordedHours)
{
    Session s;
    s.ShowWeatherFile("chicago.epw");
    ASSERT_TRUE(MakeHourFilter(9, 18, 1, 12, s.state.Filter));
    s.Run();
    EXPECT_EQ(Counted(s.state.RecordedTally), 3650);
    ASSERT_TRUE(MakeHourFilter(22, 5, 12, 2, s.state.Filter));
    s.Run();
    EXPECT_EQ((std::pair{Counted(s.state.RecordedTally), Counted(s.state.RecordedTally, 2)}), (std::pair{720, 224}));

    // The hourly export marks which hours are counted; the results export says which are.
    s.state.View = HoursView::Recorded;  // the hourly export writes the hours of the view shown
    const std::string hourly = HourlyCsv(s.state);
    EXPECT_EQ(hourly.substr(0, hourly.find('\n')), "Month,Day,Hour,DBT (C),W (g/kg),RH (%),Strategy,Counted");
    EXPECT_NE(ResultsCsv(s.state).find("\nHours analysed,\"" + DescribeHourFilter(s.state.Filter) + "\"\n"),
              std::string::npos);
}

// +2 C on Brasília: the shares of the warmed normals (the normals themselves: WarmLocation's
// test), the base analysis beside them.
TEST(Warming, TwoDegreesOnBrasilia)
{
    Session s;
    const StrategyTally base = s.state.Tally;
    s.state.WarmingAsked = UniformWarming(2);
    s.Run();
    ASSERT_TRUE(s.state.Warmed);
    EXPECT_EQ(Whole(s.state.Base.Tally), Whole(base));
    EXPECT_EQ(std::to_array(s.state.Tally.YearShare),
              (std::to_array<float>({0, 0, 17.6f, 17.6f, 0, 29.1f, 25.5f, 3.4f, 3.4f, 3.4f, 0})));
}

TEST(Warming, RefusedForALocationLeavesItUnchanged)
{
    Session s;
    s.state.WarmingAsked = UniformWarming(30);  // Brasília's 26.9 C in January would be 56.9
    s.Run();
    EXPECT_FALSE(s.state.Warmed);
    ASSERT_TRUE(s.state.WarmingRefusal);
    EXPECT_EQ((std::pair{s.state.WarmingRefusal->Month, s.state.WarmingRefusal->Field}),
              (std::pair{1, RefusedChange::Normal::DBTmax}));  // its wording: WarmLocation's test
    EXPECT_EQ(s.state.Current().Month[1].DBTmax, 26.9f);
}

// Chicago's recorded hours shifted by 2 C are kept and reclassified (the shift itself:
// ShiftRecordedHours' test; the year before it: the pinned results).
TEST(Warming, ShiftsTheRecordedHours)
{
    Session s;
    s.ShowWeatherFile("chicago.epw");
    const std::vector<RecordedHour> read = s.state.CurrentRecorded()->Hours;
    s.state.WarmingAsked = UniformWarming(2);
    s.Run();
    const std::vector<RecordedHour>& shifted = s.state.CurrentRecorded()->Hours;
    ASSERT_EQ(shifted.size(), read.size());
    EXPECT_FLOAT_EQ(shifted[4000].DBT, read[4000].DBT + 2);  // the hours shown and exported are the shifted ones
    EXPECT_EQ(std::to_array(s.state.RecordedTally.YearShare),
              (std::to_array<float>({0, 36.2f, 19.0f, 11.3f, 0, 15.0f, 7.2f, 2.7f, 3.4f, 3.6f, 1.6f})));
}

// Each bar of the compare view is the analysis of its location, as a selection in the list gives.
TEST(CompareLocations, BarsAreEachLocationsShares)
{
    Session s;
    const std::vector<CompareRow> rows = CompareLocations(s.state);
    ASSERT_EQ(rows.size(), 27u);
    EXPECT_EQ(s.state.CurrentLocation, 5);  // the state is left alone
    for (int slot : {1, 5, 27}) {
        SelectLocation(s.state, slot - 1, s.canvases);
        const CompareRow& r = rows[slot - 1];
        EXPECT_EQ((std::tuple{r.Position, r.Name, r.Top, r.Shares, r.HasRecorded}),
                  (std::tuple{slot, s.state.Current().LocationName, s.state.Tally.TopStrategy[1],
                              std::to_array(s.state.Tally.YearShare), false}));
    }
}

TEST(CompareLocations, SortsByStrategyNameOrListAndExportsCsv)
{
    const auto made = [](int position, const char* name, float comfort) {
        CompareRow r;
        r.Position = r.Slot = position, r.Name = name, r.Top = 1;
        r.Shares[5] = comfort, r.Shares[1] = 100 - comfort;
        return r;
    };
    std::vector<CompareRow> rows{made(1, "Cuiabá", 20), made(2, "Belém", 35.5f), made(3, "Curitiba", 20)};
    rows[2].HasRecorded = true, rows[2].RecordedShares[5] = 100, rows[2].RecordedTop = 5;
    const auto order = [&] {
        std::string o;
        for (const CompareRow& r : rows) o += std::to_string(r.Position);
        return o;
    };
    using K = CompareSortKey;
    for (auto [sort, expected] : {std::pair{CompareSort{K::Strategy, 5}, "213"},
                                  {CompareSort{K::Name, 0}, "213"},
                                  {CompareSort{K::ListOrder, 0}, "123"},
                                  {CompareSort{K::Strategy, 1}, "132"}}) {
        SortCompareRows(rows, sort);
        EXPECT_EQ(order(), expected) << sort.Strategy;
    }
    // By name, accents aside: "Ávila" before "avila2" and "Zurich", not after them as in byte order.
    std::vector<CompareRow> named(3);
    named[0].Name = "Zurich", named[1].Name = "avila2", named[2].Name = "Ávila";
    SortCompareRows(named, {CompareSortKey::Name, 0});
    EXPECT_EQ(named[0].Name + "," + named[1].Name + "," + named[2].Name, "Ávila,avila2,Zurich");

    EXPECT_EQ(CompareCsv(rows, "Counted: hours 9-18"),
              std::string(kProgramAndVersion) +
                  " - Yearly share of each strategy by location\nCounted: hours 9-18\n\n"
                  "position,slot,name,country,top,A,B,C,D,E,F,G,H,I,J,recorded_top,rA,rB,rC,rD,rE,rF,rG,rH,rI,rJ\n"
                  "1,1,Cuiabá,,A,80,0,0,0,20,0,0,0,0,0,,,,,,,,,,,\n"
                  "3,3,Curitiba,,A,80,0,0,0,20,0,0,0,0,0,E,0,0,0,0,100,0,0,0,0,0\n"
                  "2,2,Belém,,A,64.5,0,0,0,35.5,0,0,0,0,0,,,,,,,,,,,\n");
}

}  // namespace
}  // namespace qav
