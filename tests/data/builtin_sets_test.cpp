#include "data/builtin_sets.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace qav {
namespace {

LocationTable Loaded(DataSetKind kind)
{
    LocationTable t;
    LoadDataSet(kind, t);
    return t;
}

constexpr std::array kAllKinds{DataSetKind::Brazil, DataSetKind::SouthAmerica, DataSetKind::World};

// The name without its accents' bytes: the lists are alphabetical in plain letters.
std::string Plain(const std::string& name)
{
    std::string s;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x80) s += c;
    return s;
}

// Slot order is what the user picks from. Spot checks at every fifth slot, the first and the last;
// Brazil and World are alphabetical (World but for Helsinki before Havana), which catches swaps.
TEST(BuiltinSets, CountsSlotOrderAndSources)
{
    struct Spot { int slot; const char* name; const char* country; };
    struct Case { DataSetKind kind; int count; std::vector<Spot> spots; bool sorted; };
    const Case cases[] = {
        {DataSetKind::Brazil, 27, {{1, "Aracajú", "Brazil"}, {5, "Brasília", "Brazil"}, {10, "Fortaleza", "Brazil"},
          {15, "Manaus", "Brazil"}, {20, "Recife", "Brazil"}, {25, "São Paulo", "Brazil"}, {27, "Vitória", "Brazil"}}, true},
        {DataSetKind::SouthAmerica, 13, {{1, "Asuncion", "Paraguay"}, {4, "Brasília", "Brazil"},
          {5, "Cayenne", "French Guiana"}, {10, "Montevideo", "Uruguay"}, {13, "Santiago", "Chile"}}, false},
        {DataSetKind::World, 50, {{1, "Addis Ababa", "Ethiopia"}, {5, "Bangkok", "Thailand"}, {10, "Boston", "USA"},
          {11, "Brasília", "Brazil"}, {15, "Bulawayo", "Zimbabwe"}, {20, "Concepcion", "Bolivia"},
          {25, "Geneva", "Switzerland"}, {26, "Helsinki", "Finland"}, {27, "Havana", "Cuba"}, {30, "Kiev", "Ukraine"},
          {35, "New Delhi", "India"}, {40, "Singapore", "Singapore"}, {45, "Tunis", "Tunisia"},
          {50, "Zurich", "Switzerland"}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const LocationTable t = Loaded(c.kind);
        ASSERT_EQ(t.LocationCount, c.count);
        for (const Spot& s : c.spots) {
            EXPECT_EQ(t.Slot[s.slot].LocationName, s.name) << "slot " << s.slot;
            EXPECT_EQ(t.Slot[s.slot].Country, s.country) << "slot " << s.slot;
        }
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
        }
    }
}

struct FullRecord {
    DataSetKind kind;
    int slot;
    const char *name, *country;
    float latitude, longitude, elevation;
    const char* source;
    std::array<float, 12> min, max, rh;
};

// The four records published in full with the data sets; every digit binds.
const FullRecord kBrasilia{
    DataSetKind::Brazil, 5, "Brasília", "Brazil", -15.78f, -47.93f, 1160, "GOV",
    {17.4f, 17.4f, 17.5f, 16.8f, 15, 13.3f, 12.9f, 14.6f, 16, 17.4f, 17.5f, 17.5f},
    {26.9f, 26.7f, 27.1f, 26.6f, 25.7f, 25.2f, 25.1f, 27.3f, 28.3f, 27.5f, 26.6f, 26.2f},
    {76, 77, 76, 75, 68, 61, 56, 49, 53, 66, 75, 79}};

FullRecord WithSlot(FullRecord r, DataSetKind kind, int slot, const char* source)
{
    r.kind = kind, r.slot = slot, r.source = source;
    return r;
}

TEST(BuiltinSets, PublishedRecordsAreExact)
{
    const FullRecord records[] = {
        kBrasilia,
        WithSlot(kBrasilia, DataSetKind::SouthAmerica, 4, "BBC"),
        WithSlot(kBrasilia, DataSetKind::World, 11, "GOV"),
        {DataSetKind::Brazil, 1, "Aracajú", "Brazil", -10.92f, -37.05f, 5, "GOV",
         {24.3f, 24.2f, 24.2f, 23.6f, 23.1f, 22.3f, 21.6f, 21.6f, 22.5f, 23.3f, 23.5f, 23.8f},
         {29.6f, 29, 29.8f, 29.4f, 28.5f, 27.6f, 27, 26.9f, 27.4f, 28.2f, 28.6f, 29.1f},
         {78, 77, 78, 80, 78, 77, 78, 78, 78, 79, 79, 79}},
        {DataSetKind::SouthAmerica, 8, "La Paz", "Bolivia", -16.24f, -67.39f, 3630, "BBC",
         {5, 5.2f, 5, 3.8f, 1.8f, 0.5f, -0.1f, 0.6f, 2.1f, 3.6f, 4.3f, 4.8f},
         {22.1f, 21.8f, 22.1f, 21.9f, 21.6f, 20.3f, 19.9f, 21, 22, 22.9f, 23.4f, 23.5f},
         {67, 68, 66, 59, 46, 41, 44, 46, 51, 54, 54, 59}},
        {DataSetKind::World, 26, "Helsinki", "Finland", 60.25f, 25.1f, 28, "BBC",
         {-9, -10, -7, -1, 4, 9, 13, 12, 8, 3, -1, -5},
         {-3, -4, 0, 6, 14, 19, 22, 20, 15, 8, 3, -1},
         {90.4f, 87.2f, 78.7f, 73.2f, 64.9f, 66.1f, 69.7f, 74.8f, 80.2f, 85, 88.1f, 90.5f}},
    };
    for (const FullRecord& e : records) {
        SCOPED_TRACE(std::string(e.name) + " at slot " + std::to_string(e.slot));
        const LocationRecord r = Loaded(e.kind).Slot[e.slot];
        EXPECT_EQ(r.LocationName, e.name);
        EXPECT_EQ(r.Country, e.country);
        EXPECT_EQ(r.Latitude, e.latitude);
        EXPECT_EQ(r.Longitude, e.longitude);
        EXPECT_EQ(r.Elevation, e.elevation);
        EXPECT_EQ(r.DataSource, e.source);
        for (int m = 1; m <= kMonths; ++m) {
            SCOPED_TRACE("month " + std::to_string(m));
            EXPECT_EQ(r.Month[m].DBTmin, e.min[m - 1]);
            EXPECT_EQ(r.Month[m].DBTmax, e.max[m - 1]);
            EXPECT_EQ(r.Month[m].RHavg, e.rh[m - 1]);
        }
    }
    EXPECT_EQ(Loaded(DataSetKind::World).Slot[9].Elevation, 0.0f);  // Berlin: 0 is a valid elevation
}

// Each loader writes its own slots whole and nothing else: stale fields would reach the analysis,
// and slots above the count must keep the earlier set (Brazil loaded over World keeps 28..50).
TEST(BuiltinSets, LoadersWriteExactlyTheirSlots)
{
    LocationTable stale;
    for (LocationRecord& r : stale.Slot) {
        r = {"stale", "stale", 99, 99, 9999, "OLD", {}};
        r.Month.fill({-99, -99, -99});
    }
    stale.LocationCount = 7;
    struct Case { const char* name; void (*load)(LocationTable&); int first, last, count; };
    for (const Case& c : {Case{"Brazil", LoadBrazilDataSet, 1, 27, 27},
                          Case{"South America", LoadSouthAmericaDataSet, 1, 13, 13},
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
                          !(written && m >= 1)) << "slot " << slot << " month " << m;
            }
        }
    }
}

// Typing slips in 90 hand-entered climates (a swapped min and max, a month shifted, a
// hemisphere sign lost) break at least one of these invariants.
TEST(BuiltinSets, EveryRecordIsPlausible)
{
    for (DataSetKind kind : kAllKinds) {
        const LocationTable t = Loaded(kind);
        for (int slot = 1; slot <= t.LocationCount; ++slot) {
            const LocationRecord& r = t.Slot[slot];
            SCOPED_TRACE(r.LocationName);
            EXPECT_LE(std::abs(r.Latitude), 90);
            EXPECT_LE(std::abs(r.Longitude), 180);
            EXPECT_TRUE(r.Elevation >= -50 && r.Elevation <= 4500) << r.Elevation;
            const auto mean = [&](int m) { return r.Month[m].DBTmin + r.Month[m].DBTmax; };
            int warmest = 1;
            for (int m = 1; m <= kMonths; ++m) {
                EXPECT_LT(r.Month[m].DBTmin, r.Month[m].DBTmax) << "month " << m;
                EXPECT_TRUE(r.Month[m].RHavg >= 0 && r.Month[m].RHavg <= 100) << "month " << m;
                if (mean(m) > mean(warmest)) warmest = m;
            }
            // Outside the tropics (23.5 degrees) the warmest month is the hemisphere's summer;
            // inside them it varies.
            EXPECT_TRUE(r.Latitude >= -23.5f || warmest == 12 || warmest <= 3) << "warmest " << warmest;
            EXPECT_TRUE(r.Latitude <= 23.5f || (warmest >= 6 && warmest <= 8)) << "warmest " << warmest;
        }
    }
}

}  // namespace
}  // namespace qav
