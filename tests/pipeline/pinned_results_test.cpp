// The results the program exists for, pinned as literal tables: yearly shares, top three and
// hours per month and strategy of telling locations, and of one weather year's recorded hours.
// They were taken from the program and agree with an independent implementation; a change to
// any of them is a change of results, not a refactoring.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "data/builtin_sets.h"
#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

struct Pinned {
    const char* name;
    DataSetKind set;
    int slot;
    std::array<float, 10> shares;  // A..J, percent
    std::array<int, 3> top;
    std::array<std::array<int, 12>, 10> monthHours;  // [strategy A..J][Jan..Dec]
};

void ExpectTally(const StrategyTally& t, const Pinned& p)
{
    for (int s = 1; s <= kStrategies; ++s) {
        SCOPED_TRACE(::testing::Message() << "strategy " << char('A' + s - 1));
        EXPECT_EQ(t.YearShare[s], p.shares[size_t(s - 1)]);
        for (int m = 1; m <= kMonths; ++m)
            EXPECT_EQ(t.MonthHours[s][m], p.monthHours[size_t(s - 1)][size_t(m - 1)]) << "month " << m;
    }
    EXPECT_EQ((std::array<int, 3>{t.TopStrategy[1], t.TopStrategy[2], t.TopStrategy[3]}), p.top);
}

// Hours per month beside the shares (every location's shares: the fixture below). Brasilia
// (1160 m) with its two exact halves, 121 and 147 of 400 (30.25 and 36.75 %), which go to the
// even tenth.
const Pinned kBuiltIn[] = {
    {"Brasília",
     DataSetKind::Brazil,
     5,
     {0, 30.2f, 28, 0, 36.8f, 5, 0, 0, 0, 0},
     {5, 2, 3},
     {{
         {},
         {0, 0, 0, 0, 0, 4, 5, 0, 0, 0, 0, 0},
         {10, 10, 9, 11, 11, 8, 8, 10, 8, 7, 10, 10},
         {},
         {11, 10, 11, 11, 13, 12, 11, 14, 16, 17, 11, 10},
         {3, 4, 4, 2, 0, 0, 0, 0, 0, 0, 3, 4},
         {},
         {},
         {},
         {},
     }}},
};

TEST(PinnedResults, BuiltInLocations)
{
    PipelineSession s;
    for (const Pinned& p : kBuiltIn) {
        SCOPED_TRACE(p.name);
        LoadDataSet(p.set, s.state.Locations);
        s.state.CurrentLocation = p.slot;
        s.Run();
        ASSERT_EQ(s.state.Current().LocationName, p.name);
        ExpectTally(s.state.Tally, p);
    }
}

// Sum of the hours of a table in hundredths, as the fixture holds them.
long Hundredths(const decltype(HourlyTable::DBT)& table)
{
    long sum = 0;
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h) sum += std::lround(table[m][h] * 100.0);
    return sum;
}

// Every built-in location: its hours (as sums, so that any changed hour shows), its shares and
// top three, from a committed fixture.
TEST(PinnedResults, EveryBuiltInLocation)
{
    std::ifstream file(QAV_FIXTURES_DIR "/builtin_results.txt");
    ASSERT_TRUE(file) << "missing fixture builtin_results.txt";
    int locations = 0;
    PipelineSession s;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        std::string set, name;
        Pinned p{};
        long dbt = 0, w = 0;
        in >> set >> p.slot >> dbt >> w;
        for (float& share : p.shares) in >> share;
        for (int& top : p.top) in >> top;
        ASSERT_FALSE(in.fail()) << line;
        std::getline(in >> std::ws, name);
        SCOPED_TRACE(line);
        LoadDataSet(set == "Brazil"         ? DataSetKind::Brazil
                    : set == "SouthAmerica" ? DataSetKind::SouthAmerica
                                            : DataSetKind::World,
                    s.state.Locations);
        s.state.CurrentLocation = p.slot;
        s.Run();
        ASSERT_EQ(s.state.Current().LocationName, name);
        EXPECT_EQ(Hundredths(s.state.Hours.DBT), dbt);
        EXPECT_EQ(Hundredths(s.state.Hours.W), w);
        for (int i = 1; i <= kStrategies; ++i) EXPECT_EQ(s.state.Tally.YearShare[i], p.shares[size_t(i - 1)]) << i;
        EXPECT_EQ((std::array<int, 3>{s.state.Tally.TopStrategy[1], s.state.Tally.TopStrategy[2],
                                      s.state.Tally.TopStrategy[3]}),
                  p.top);
        ++locations;
    }
    EXPECT_EQ(locations, 90);
}

// The TMY3 year of Chicago O'Hare: its 8760 recorded hours classified on the zone map at 200 m.
const Pinned kChicagoRecorded = {"Chicago recorded",
                                 DataSetKind::World,
                                 0,
                                 {39.8f, 21.2f, 12.4f, 0, 15.5f, 5.2f, 1.7f, 1.7f, 1.8f, 0.6f},
                                 {1, 2, 5},
                                 {{
                                     {733, 642, 650, 429, 145, 7, 0, 0, 27, 295, 472, 743},
                                     {11, 22, 50, 96, 187, 70, 5, 25, 118, 225, 103, 1},
                                     {0, 8, 39, 63, 190, 168, 121, 168, 243, 169, 125, 0},
                                     {0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0},
                                     {0, 0, 5, 115, 196, 354, 272, 337, 263, 55, 20, 0},
                                     {0, 0, 0, 1, 10, 51, 236, 181, 61, 0, 0, 0},
                                     {0, 0, 0, 16, 9, 65, 55, 19, 8, 0, 0, 0},
                                     {0, 0, 0, 0, 0, 1, 2, 1, 0, 0, 0, 0},
                                     {0, 0, 0, 0, 5, 2, 8, 0, 0, 0, 0, 0},
                                     {0, 0, 0, 0, 0, 2, 45, 13, 0, 0, 0, 0},
                                 }}};

TEST(PinnedResults, RecordedHoursOfAWeatherYear)
{
    PipelineSession s;
    s.ShowWeatherFile("chicago.epw");
    const RecordedYear* recorded = s.state.CurrentRecorded();
    ASSERT_TRUE(recorded);
    ExpectTally(s.state.RecordedTally, kChicagoRecorded);
    // The hours themselves, summed in hundredths (means of 9.99 C and 6.71 g/kg): the dry bulb as
    // recorded, W from the rounded dry bulb.
    long dbt = 0, w = 0;
    for (const RecordedHour& h : recorded->Hours) dbt += std::lround(h.DBT * 100.0), w += std::lround(h.W * 100.0);
    EXPECT_EQ(recorded->Hours.size(), 8760u);
    EXPECT_EQ(dbt, 8749480);
    EXPECT_EQ(w, 5882174);
}

}  // namespace
}  // namespace qav
