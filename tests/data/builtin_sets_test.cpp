#include "data/builtin_sets.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "data/md_writer.h"

namespace qav {
namespace {

LocationTable Loaded(DataSetKind kind)
{
    LocationTable t;
    LoadDataSet(kind, t);
    return t;
}

// The name without its accents' bytes: the lists are alphabetical in plain letters.
std::string Plain(const std::string& name)
{
    std::string s;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x80) s += c;
    return s;
}

// Slot order is what the user picks from (every slot's name is pinned with its results in the
// pipeline's fixture). Brazil and World are alphabetical (World but for Helsinki before Havana),
// which catches swaps. Typing slips in 90 hand-entered climates (a swapped min and max, a month
// shifted, a hemisphere sign lost) break at least one of the invariants of each record.
TEST(BuiltinSets, CountsSlotOrderSourcesAndPlausibleRecords)
{
    struct Case {
        DataSetKind kind;
        int count;
        bool sorted;
    };
    for (const Case& c : {Case{DataSetKind::Brazil, 27, true}, Case{DataSetKind::SouthAmerica, 13, false},
                          Case{DataSetKind::World, 50, true}}) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const LocationTable t = Loaded(c.kind);
        ASSERT_EQ(t.LocationCount, c.count);
        for (int slot = 1; slot <= c.count; ++slot) {
            const LocationRecord& r = t.Slot[slot];
            SCOPED_TRACE(r.LocationName);
            // Brasília's figures are the government's wherever it comes from, but South America
            // credits them to the BBC like the rest of that set.
            const bool gov = c.kind == DataSetKind::Brazil || (c.kind == DataSetKind::World && slot == 11);
            EXPECT_EQ(r.DataSource, gov ? "GOV" : "BBC");
            EXPECT_TRUE(c.kind != DataSetKind::Brazil || r.Country == "Brazil") << r.Country;
            if (c.sorted && slot > 1 && !(c.kind == DataSetKind::World && slot == 27)) {
                EXPECT_LT(Plain(t.Slot[slot - 1].LocationName), Plain(r.LocationName));
            }
            EXPECT_TRUE(std::abs(r.Latitude) <= 90 && std::abs(r.Longitude) <= 180);
            EXPECT_TRUE(r.Elevation >= -50 && r.Elevation <= 4500) << r.Elevation;
            const auto mean = [&](int m) { return r.Month[m].DBTmin + r.Month[m].DBTmax; };
            int warmest = 1;
            for (int m = 1; m <= kMonths; ++m) {
                EXPECT_LT(r.Month[m].DBTmin, r.Month[m].DBTmax) << "month " << m;
                EXPECT_TRUE(r.Month[m].RHavg >= 0 && r.Month[m].RHavg <= 100) << "month " << m;
                if (mean(m) > mean(warmest)) warmest = m;
            }
            // Outside the tropics (23.5 degrees) the warmest month is the hemisphere's summer.
            EXPECT_TRUE(r.Latitude >= -23.5f || warmest == 12 || warmest <= 3) << "warmest " << warmest;
            EXPECT_TRUE(r.Latitude <= 23.5f || (warmest >= 6 && warmest <= 8)) << "warmest " << warmest;
        }
    }
}

// One record in the Monthly Data layout: the writer gives every float in its shortest exact form,
// so equal texts are equal records (and the expected texts pin the writer's layout too).
std::string AsText(const LocationRecord& r)
{
    LocationTable t;
    t.LocationCount = 1;
    t.Slot[1] = r;
    return WriteMonthlyData(t);
}

// The four records published in full with the data sets; every digit binds. Brasília is the same
// record in all three sets, but South America credits it to the BBC like the rest of that set.
TEST(BuiltinSets, PublishedRecordsAreExact)
{
    const std::string brasilia =
        "\"Brasília\",\"Brazil\",-15.78,-47.93,1160,\"GOV\"\n1,17.4,26.9,76\n2,17.4,26.7,77\n3,17.5,27.1,76\n4,16.8,26.6,75\n"
        "5,15,25.7,68\n6,13.3,25.2,61\n7,12.9,25.1,56\n8,14.6,27.3,49\n9,16,28.3,53\n10,17.4,27.5,66\n11,17.5,26.6,75\n"
        "12,17.5,26.2,79\n";
    struct Case {
        DataSetKind kind;
        int slot;
        std::string text;
    };
    const Case cases[] = {
        {DataSetKind::Brazil, 5, brasilia},
        {DataSetKind::SouthAmerica, 4, std::string(brasilia).replace(brasilia.find("GOV"), 3, "BBC")},
        {DataSetKind::World, 11, brasilia},
        {DataSetKind::Brazil, 1,
         "\"Aracajú\",\"Brazil\",-10.92,-37.05,5,\"GOV\"\n1,24.3,29.6,78\n2,24.2,29,77\n3,24.2,29.8,78\n"
         "4,23.6,29.4,80\n5,23.1,28.5,78\n6,22.3,27.6,77\n7,21.6,27,78\n8,21.6,26.9,78\n9,22.5,27.4,78\n"
         "10,23.3,28.2,79\n11,23.5,28.6,79\n12,23.8,29.1,79\n"},
        {DataSetKind::SouthAmerica, 8,
         "\"La Paz\",\"Bolivia\",-16.24,-67.39,3630,\"BBC\"\n1,5,22.1,67\n2,5.2,21.8,68\n3,5,22.1,66\n"
         "4,3.8,21.9,59\n5,1.8,21.6,46\n6,0.5,20.3,41\n7,-0.1,19.9,44\n8,0.6,21,46\n9,2.1,22,51\n"
         "10,3.6,22.9,54\n11,4.3,23.4,54\n12,4.8,23.5,59\n"},
        {DataSetKind::World, 26,
         "\"Helsinki\",\"Finland\",60.25,25.1,28,\"BBC\"\n1,-9,-3,90.4\n2,-10,-4,87.2\n3,-7,0,78.7\n"
         "4,-1,6,73.2\n5,4,14,64.9\n6,9,19,66.1\n7,13,22,69.7\n8,12,20,74.8\n9,8,15,80.2\n10,3,8,85\n"
         "11,-1,3,88.1\n12,-5,-1,90.5\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(AsText(Loaded(c.kind).Slot[c.slot]), c.text) << "slot " << c.slot;
    EXPECT_EQ(Loaded(DataSetKind::World).Slot[9].Elevation, 0.0f);  // Berlin: 0 is a valid elevation
}

// Each loader writes its own slots whole and nothing else: stale fields would reach the analysis,
// and slots above the count must keep the earlier set (Brazil loaded over World keeps 28..50).
TEST(BuiltinSets, LoadersWriteExactlyTheirSlots)
{
    LocationTable stale;
    for (LocationRecord& r : stale.Slot) {
        r = {"stale", "stale", 99, 99, 9999, "OLD", {}, {}};
        r.Month.fill({-99, -99, -99});
    }
    stale.LocationCount = 7;
    struct Case {
        const char* name;
        void (*load)(LocationTable&);
        int first, last, count;
    };
    for (const Case& c :
         {Case{"Brazil", LoadBrazilDataSet, 1, 27, 27}, Case{"South America", LoadSouthAmericaDataSet, 1, 13, 13},
          Case{"World first", LoadWorldDataSetFirst, 1, 24, 7},
          Case{"World second", LoadWorldDataSetSecond, 25, 50, 50}}) {
        SCOPED_TRACE(c.name);
        LocationTable t = stale;
        c.load(t);
        EXPECT_EQ(t.LocationCount, c.count);
        for (int slot = 0; slot <= kMaxLocations; ++slot) {
            const bool written = slot >= c.first && slot <= c.last;
            EXPECT_EQ(t.Slot[slot].DataSource == "OLD", !written) << "slot " << slot;
            for (int m = 0; m <= kMonths; ++m) {
                EXPECT_EQ(t.Slot[slot].Month[m].DBTmin == -99 && t.Slot[slot].Month[m].RHavg == -99,
                          !(written && m >= 1))
                    << "slot " << slot << " month " << m;
            }
        }
    }
}

}  // namespace
}  // namespace qav
