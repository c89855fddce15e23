#include "data/builtin_sets.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace qav {
namespace {

struct Identity {
    const char* name;
    const char* country;
    const char* source;
};

LocationTable Loaded(DataSetKind kind)
{
    LocationTable t;
    LoadDataSet(kind, t);
    return t;
}

// The binding slot order of the location lists the user sees.
const std::vector<Identity>& ExpectedIdentities(DataSetKind kind)
{
    static const std::vector<Identity> brazil = [] {
        std::vector<Identity> v;
        for (const char* n :
             {"Aracajú", "Belém", "Belo Horizonte", "Boa Vista", "Brasília", "Campo Grande", "Cuiabá",
              "Curitiba", "Florianópolis", "Fortaleza", "Goiânia", "João Pessoa", "Macapá", "Maceió",
              "Manaus", "Natal", "Palmas", "Porto Alegre", "Porto Velho", "Recife", "Rio Branco",
              "Rio de Janeiro", "Salvador", "São Luis", "São Paulo", "Teresina", "Vitória"}) {
            v.push_back({n, "Brazil", "GOV"});
        }
        return v;
    }();
    static const std::vector<Identity> southAmerica = {
        {"Asuncion", "Paraguay", "BBC"},    {"Bogota", "Colombia", "BBC"},
        {"Buenos Aires", "Argentina", "BBC"}, {"Brasília", "Brazil", "BBC"},
        {"Cayenne", "French Guiana", "BBC"}, {"Caracas", "Venezuela", "BBC"},
        {"Georgetown", "Guyana", "BBC"},    {"La Paz", "Bolivia", "BBC"},
        {"Lima", "Peru", "BBC"},            {"Montevideo", "Uruguay", "BBC"},
        {"Paramaribo", "Suriname", "BBC"},  {"Quito", "Ecuador", "BBC"},
        {"Santiago", "Chile", "BBC"}};
    static const std::vector<Identity> world = {
        {"Addis Ababa", "Ethiopia", "BBC"}, {"Alexandria", "Egypt", "BBC"},
        {"Athens", "Greece", "BBC"},        {"Baghdad", "Iraq", "BBC"},
        {"Bangkok", "Thailand", "BBC"},     {"Barcelona", "Spain", "BBC"},
        {"Beirut", "Lebanon", "BBC"},       {"Belgrade", "Serbia", "BBC"},
        {"Berlin", "Germany", "BBC"},       {"Boston", "USA", "BBC"},
        {"Brasília", "Brazil", "GOV"},      {"Brisbane", "Australia", "BBC"},
        {"Brussels", "Belgium", "BBC"},     {"Budapest", "Hungary", "BBC"},
        {"Bulawayo", "Zimbabwe", "BBC"},    {"Cairo", "Egypt", "BBC"},
        {"Calcutta", "India", "BBC"},       {"Canberra", "Australia", "BBC"},
        {"Chicago", "USA", "BBC"},          {"Concepcion", "Bolivia", "BBC"},
        {"Copenhagen", "Denmark", "BBC"},   {"Cuzco", "Peru", "BBC"},
        {"Dakar", "Senegal", "BBC"},        {"Frankfurt", "Germany", "BBC"},
        {"Geneva", "Switzerland", "BBC"},   {"Helsinki", "Finland", "BBC"},
        {"Havana", "Cuba", "BBC"},          {"Istanbul", "Turkey", "BBC"},
        {"Jerusalem", "Israel", "BBC"},     {"Kiev", "Ukraine", "BBC"},
        {"Lisbon", "Portugal", "BBC"},      {"London", "United Kingdom", "BBC"},
        {"Madrid", "Spain", "BBC"},         {"Mexico", "Mexico", "BBC"},
        {"New Delhi", "India", "BBC"},      {"New York", "USA", "BBC"},
        {"Oslo", "Norway", "BBC"},          {"Rome", "Italy", "BBC"},
        {"Shanghai", "China", "BBC"},       {"Singapore", "Singapore", "BBC"},
        {"Stockholm", "Sweden", "BBC"},     {"Sydney", "Australia", "BBC"},
        {"Tokyo", "Japan", "BBC"},          {"Toronto", "Canada", "BBC"},
        {"Tunis", "Tunisia", "BBC"},        {"Vienna", "Austria", "BBC"},
        {"Warsaw", "Poland", "BBC"},        {"Washington", "USA", "BBC"},
        {"Yaounde", "Cameroon", "BBC"},     {"Zurich", "Switzerland", "BBC"}};
    switch (kind) {
    case DataSetKind::Brazil: return brazil;
    case DataSetKind::SouthAmerica: return southAmerica;
    case DataSetKind::World: break;
    }
    return world;
}

constexpr std::array kAllKinds{DataSetKind::Brazil, DataSetKind::SouthAmerica, DataSetKind::World};

TEST(BuiltinSets, HoldTheListedLocationsInSlotOrder)
{
    for (DataSetKind kind : kAllKinds) {
        const LocationTable t = Loaded(kind);
        const auto& expected = ExpectedIdentities(kind);
        ASSERT_EQ(t.LocationCount, static_cast<int>(expected.size()));
        for (int slot = 1; slot <= t.LocationCount; ++slot) {
            SCOPED_TRACE(std::string(expected[slot - 1].name) + " at slot " + std::to_string(slot));
            EXPECT_EQ(t.Slot[slot].LocationName, expected[slot - 1].name);
            EXPECT_EQ(t.Slot[slot].Country, expected[slot - 1].country);
            EXPECT_EQ(t.Slot[slot].DataSource, expected[slot - 1].source);
        }
    }
}

struct FullRecord {
    DataSetKind kind;
    int slot;
    const char* name;
    const char* country;
    float latitude, longitude, elevation;
    const char* source;
    std::array<float, 12> min, max, rh;
};

// The four records published in full with the data sets; every digit binds.
const FullRecord kBrasiliaRecord{
    DataSetKind::Brazil, 5, "Brasília", "Brazil", -15.78f, -47.93f, 1160, "GOV",
    {17.4f, 17.4f, 17.5f, 16.8f, 15, 13.3f, 12.9f, 14.6f, 16, 17.4f, 17.5f, 17.5f},
    {26.9f, 26.7f, 27.1f, 26.6f, 25.7f, 25.2f, 25.1f, 27.3f, 28.3f, 27.5f, 26.6f, 26.2f},
    {76, 77, 76, 75, 68, 61, 56, 49, 53, 66, 75, 79}};

FullRecord WithSlot(FullRecord r, DataSetKind kind, int slot, const char* source)
{
    r.kind = kind;
    r.slot = slot;
    r.source = source;
    return r;
}

TEST(BuiltinSets, PublishedRecordsAreExact)
{
    const FullRecord records[] = {
        kBrasiliaRecord,
        WithSlot(kBrasiliaRecord, DataSetKind::SouthAmerica, 4, "BBC"),
        WithSlot(kBrasiliaRecord, DataSetKind::World, 11, "GOV"),
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
        const LocationTable t = Loaded(e.kind);
        const LocationRecord& r = t.Slot[e.slot];
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
}

TEST(BuiltinSets, BrazilOverWorldLeavesWorldAboveItsCount)
{
    LocationTable t;
    LoadDataSet(DataSetKind::World, t);
    const LocationTable world = t;
    LoadBrazilDataSet(t);
    EXPECT_EQ(t.LocationCount, 27);
    EXPECT_EQ(t.Slot[27].LocationName, "Vitória");
    for (int slot = 28; slot <= kMaxLocations; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(t.Slot[slot].LocationName, world.Slot[slot].LocationName);
        EXPECT_EQ(t.Slot[slot].Elevation, world.Slot[slot].Elevation);
        EXPECT_EQ(t.Slot[slot].Month[7].DBTmax, world.Slot[slot].Month[7].DBTmax);
    }
}

// Each loader writes its own slots whole and nothing else: stale fields would reach the analysis.
TEST(BuiltinSets, LoadersWriteExactlyTheirSlots)
{
    LocationTable stale;
    for (int slot = 0; slot <= kMaxLocations; ++slot) {
        stale.Slot[slot] = {"stale", "stale", 99, 99, 9999, "OLD", {}};
        stale.Slot[slot].Month.fill({-99, -99, -99});
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
            SCOPED_TRACE(slot);
            const LocationRecord& r = t.Slot[slot];
            const bool written = slot >= c.first && slot <= c.last;
            EXPECT_EQ(r.DataSource == "OLD", !written);
            for (int m = 0; m <= kMonths; ++m) {
                const bool monthWritten = written && m >= 1;
                EXPECT_EQ(r.Month[m].DBTmin == -99 && r.Month[m].RHavg == -99, !monthWritten) << "month " << m;
            }
        }
    }
}

TEST(BuiltinSets, WorldEndsWithZurichAndKeepsBerlinAtSeaLevel)
{
    const LocationTable t = Loaded(DataSetKind::World);
    EXPECT_EQ(t.LocationCount, kMaxLocations);
    EXPECT_EQ(t.Slot[50].LocationName, "Zurich");
    EXPECT_EQ(t.Slot[9].LocationName, "Berlin");
    EXPECT_EQ(t.Slot[9].Elevation, 0.0f);
}

double MeanTemperature(const LocationRecord& r, int month)
{
    return (r.Month[month].DBTmin + r.Month[month].DBTmax) / 2.0;
}

// Typing slips in 90 hand-entered climates (a swapped min and max, a month shifted, a
// hemisphere sign lost) break at least one of these invariants.
TEST(BuiltinSets, EveryRecordIsPlausible)
{
    constexpr double kTropic = 23.5;  // degrees: inside the tropics the warmest month varies
    for (DataSetKind kind : kAllKinds) {
        const LocationTable t = Loaded(kind);
        for (int slot = 1; slot <= t.LocationCount; ++slot) {
            const LocationRecord& r = t.Slot[slot];
            SCOPED_TRACE(r.LocationName);
            EXPECT_LE(std::abs(r.Latitude), 90);
            EXPECT_LE(std::abs(r.Longitude), 180);
            EXPECT_GE(r.Elevation, -50);
            EXPECT_LE(r.Elevation, 4500);
            int warmest = 1;
            for (int m = 1; m <= kMonths; ++m) {
                SCOPED_TRACE("month " + std::to_string(m));
                EXPECT_LT(r.Month[m].DBTmin, r.Month[m].DBTmax);
                EXPECT_GE(r.Month[m].RHavg, 0);
                EXPECT_LE(r.Month[m].RHavg, 100);
                if (MeanTemperature(r, m) > MeanTemperature(r, warmest)) warmest = m;
            }
            if (r.Latitude < -kTropic) {
                EXPECT_TRUE(warmest == 12 || warmest <= 3) << "warmest month " << warmest;
            } else if (r.Latitude > kTropic) {
                EXPECT_TRUE(warmest >= 6 && warmest <= 8) << "warmest month " << warmest;
            }
        }
    }
}

}  // namespace
}  // namespace qav
