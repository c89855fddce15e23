// The hour filter, the warming and the compare view on the headless pipeline.
#include <gtest/gtest.h>

#include <filesystem>

#include "classify/raster_canvas.h"
#include "pipeline/compare.h"
#include "pipeline/exports.h"
#include "pipeline/pipeline.h"
#include "pipeline/weather_location.h"
#include "tests/chart/recording_canvas.h"

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

bool SameTally(const StrategyTally& a, const StrategyTally& b)
{
    for (int s = 1; s <= kStrategies; ++s) {
        if (a.YearShare[s] != b.YearShare[s]) return false;
        for (int m = 1; m <= kMonths; ++m)
            if (a.MonthHours[s][m] != b.MonthHours[s][m]) return false;
    }
    return a.TopStrategy == b.TopStrategy;
}

TEST(HourFilter, RangesWrapPastMidnightAndDecember)
{
    HourFilter f;
    EXPECT_TRUE(f.IsAll());
    EXPECT_EQ(DescribeHourFilter(f), "all hours");
    ASSERT_TRUE(MakeHourFilter(22, 5, 12, 2, f));
    EXPECT_EQ(f.HourCount(), 8);
    EXPECT_EQ(f.MonthCount(), 3);
    for (int h : {22, 24, 1, 5}) EXPECT_TRUE(f.IncludesHour(h)) << h;
    for (int h : {6, 21}) EXPECT_FALSE(f.IncludesHour(h)) << h;
    EXPECT_TRUE(f.IncludesMonth(1) && f.IncludesMonth(12) && !f.IncludesMonth(3) && !f.IncludesMonth(11));
    EXPECT_EQ(DescribeHourFilter(f), "hours 22-5, December-February");
    EXPECT_EQ(HourRangeText(f) + " " + MonthRangeText(f), "22-5 12-2");
    ASSERT_TRUE(MakeHourFilter(1, 24, 7, 7, f));
    EXPECT_EQ(DescribeHourFilter(f), "all hours, July");
    ASSERT_TRUE(MakeHourFilter(7, 6, 4, 3, f));  // wrapped all the way round
    EXPECT_TRUE(f.IsAll());
    for (auto [a, b, m, n] : {std::array{0, 5, 1, 12}, {1, 25, 1, 12}, {1, 5, 0, 12}, {1, 5, 1, 13}})
        EXPECT_FALSE(MakeHourFilter(a, b, m, n, f)) << a << "-" << b << " " << m << "-" << n;
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
    EXPECT_TRUE(SameTally(s.state.Tally, all));

    ASSERT_TRUE(MakeHourFilter(9, 18, 1, 12, s.state.Filter));
    s.Run();
    EXPECT_EQ(Counted(s.state.Tally), 120);
    EXPECT_EQ(s.state.HourStrategy, strategies);  // every hour is still classified as before
    const float office[11] = {0, 0, 4.8f, 4.8f, 0, 86.5f, 4.0f, 0, 0, 0, 0};
    for (int i = 1; i <= kStrategies; ++i) EXPECT_EQ(s.state.Tally.YearShare[i], office[i]) << i;

    ASSERT_TRUE(MakeHourFilter(22, 5, 12, 2, s.state.Filter));
    s.Run();
    EXPECT_EQ(Counted(s.state.Tally), 24);
    EXPECT_EQ(Counted(s.state.Tally, 12) + Counted(s.state.Tally, 1) + Counted(s.state.Tally, 2), 24);
    for (int m : {12, 1, 2}) {
        int month = 0;
        for (int h : {22, 23, 24, 1, 2, 3, 4, 5}) month += s.state.HourStrategy[m][h] == 0 ? 0 : 1;
        EXPECT_EQ(Counted(s.state.Tally, m), month) << m;
    }
}

// A full recorded year: 9-18 is ten hours of 365 days; 22-5 in December-February eight hours of
// 31 + 31 + 28 days.
TEST(HourFilter, CountsOnlyTheSelectedRecordedHours)
{
    Session s;
    s.ShowWeatherFile("chicago.epw");
    ASSERT_EQ(s.state.CurrentRecorded()->Hours.size(), 8760u);
    ASSERT_EQ(Counted(s.state.RecordedTally), 8760);
    ASSERT_TRUE(MakeHourFilter(9, 18, 1, 12, s.state.Filter));
    s.Run();
    EXPECT_EQ(Counted(s.state.RecordedTally), 3650);
    EXPECT_EQ(Counted(s.state.Tally), 120);
    ASSERT_TRUE(MakeHourFilter(22, 5, 12, 2, s.state.Filter));
    s.Run();
    EXPECT_EQ(Counted(s.state.RecordedTally), 720);
    EXPECT_EQ(Counted(s.state.RecordedTally, 2), 224);

    // The hourly export marks which hours are counted; the results export says which are.
    s.state.View = HoursView::Recorded;  // the hourly export writes the hours of the view shown
    const std::string hourly = HourlyCsv(s.state);
    EXPECT_EQ(hourly.substr(0, hourly.find('\n')), "Month,Day,Hour,DBT (C),W (g/kg),RH (%),Strategy,Counted");
    EXPECT_NE(ResultsCsv(s.state).find("\nHours analysed,\"hours 22-5, December-February\"\n"), std::string::npos);
}

TEST(Warming, ZeroEqualsTheBaseAnalysis)
{
    Session s;
    s.ShowWeatherFile("chicago.epw");
    const StrategyTally typical = s.state.Tally, recorded = s.state.RecordedTally;
    s.state.WarmingAsked = UniformWarming(0);
    s.Run();
    ASSERT_TRUE(s.state.Warmed);
    EXPECT_TRUE(SameTally(s.state.Tally, typical));
    EXPECT_TRUE(SameTally(s.state.RecordedTally, recorded));
    EXPECT_TRUE(SameTally(s.state.Base.Tally, typical));
    EXPECT_TRUE(SameTally(s.state.Base.RecordedTally, recorded));
}

// +2 C on Brasília: every DBTmin and DBTmax 2 higher, RHavg kept; the base analysis stays beside.
TEST(Warming, TwoDegreesOnBrasilia)
{
    Session s;
    const StrategyTally base = s.state.Tally;
    s.state.WarmingAsked = UniformWarming(2);
    s.Run();
    ASSERT_TRUE(s.state.Warmed);
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& was = s.state.Locations.Slot[5].Month[m];
        const MonthlyNormals& now = s.state.Current().Month[m];
        EXPECT_FLOAT_EQ(now.DBTmin, was.DBTmin + 2);
        EXPECT_FLOAT_EQ(now.DBTmax, was.DBTmax + 2);
        EXPECT_EQ(now.RHavg, was.RHavg);
    }
    EXPECT_TRUE(SameTally(s.state.Base.Tally, base));
    const float warmed[11] = {0, 0, 17.6f, 17.6f, 0, 29.1f, 25.5f, 3.4f, 3.4f, 3.4f, 0};
    for (int i = 1; i <= kStrategies; ++i) EXPECT_EQ(s.state.Tally.YearShare[i], warmed[i]) << i;
}

TEST(Warming, RefusedForALocationLeavesItUnchanged)
{
    Session s;
    s.state.WarmingAsked = UniformWarming(30);  // Brasília's 26.9 C in January would be 56.9
    s.Run();
    EXPECT_FALSE(s.state.Warmed);
    ASSERT_TRUE(s.state.WarmingRefusal);
    EXPECT_EQ(DescribeRefusedChange(*s.state.WarmingRefusal), "January DBTmax: 26.9 + 30 = 56.9 is outside -90 to 55");
    EXPECT_EQ(s.state.Current().Month[1].DBTmax, 26.9f);
}

// Chicago's recorded hours shifted by 2 C keep their relative humidity, and are reclassified.
TEST(Warming, ShiftsTheRecordedHours)
{
    Session s;
    s.ShowWeatherFile("chicago.epw");
    const std::vector<RecordedHour> read = s.state.CurrentRecorded()->Hours;
    s.state.WarmingAsked = UniformWarming(2);
    s.Run();
    const std::vector<RecordedHour>& shifted = s.state.CurrentRecorded()->Hours;
    ASSERT_EQ(shifted.size(), read.size());
    for (size_t i : {size_t{0}, size_t{4000}, size_t{8759}}) {
        EXPECT_FLOAT_EQ(shifted[i].DBT, read[i].DBT + 2) << i;
        EXPECT_EQ(shifted[i].RH, read[i].RH) << i;
        EXPECT_GT(shifted[i].W, read[i].W) << i;
    }
    EXPECT_FALSE(SameTally(s.state.RecordedTally, s.state.Base.RecordedTally));
    const float recorded[11] = {0, 36.2f, 19.0f, 11.3f, 0, 15.0f, 7.2f, 2.7f, 3.4f, 3.6f, 1.6f};
    for (int i = 1; i <= kStrategies; ++i) EXPECT_EQ(s.state.RecordedTally.YearShare[i], recorded[i]) << i;
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
        EXPECT_EQ(r.Position, slot);
        EXPECT_EQ(r.Name, s.state.Current().LocationName);
        EXPECT_EQ(r.Top, s.state.Tally.TopStrategy[1]);
        for (int i = 1; i <= kStrategies; ++i) EXPECT_EQ(r.Shares[i], s.state.Tally.YearShare[i]) << slot;
        EXPECT_FALSE(r.HasRecorded);
    }
}

TEST(CompareLocations, SortsByStrategyNameOrListAndExportsCsv)
{
    std::vector<CompareRow> rows(3);
    const char* names[] = {"Cuiabá", "Belém", "Curitiba"};
    const float comfort[] = {20, 35.5f, 20};
    for (int i = 0; i < 3; ++i) {
        rows[i].Position = rows[i].Slot = i + 1;
        rows[i].Name = names[i];
        rows[i].Shares[5] = comfort[i];
        rows[i].Shares[1] = 100 - comfort[i];
        rows[i].Top = 1;
    }
    rows[2].HasRecorded = true;
    rows[2].RecordedShares[5] = 100;
    rows[2].RecordedTop = 5;
    const auto order = [&] {
        std::string o;
        for (const CompareRow& r : rows) o += std::to_string(r.Position);
        return o;
    };
    using K = CompareSortKey;
    for (auto [sort, expected] : {std::pair{CompareSort{K::Strategy, 5}, "213"}, {CompareSort{K::Name, 0}, "213"},
                                  {CompareSort{K::ListOrder, 0}, "123"}, {CompareSort{K::Strategy, 1}, "132"}}) {
        SortCompareRows(rows, sort);
        EXPECT_EQ(order(), expected) << sort.Strategy;
    }
    // By name, accents aside: "Ávila" before "avila2" and "Zurich", not after them as in byte order.
    std::vector<CompareRow> named(3);
    named[0].Name = "Zurich", named[1].Name = "avila2", named[2].Name = "Ávila";
    SortCompareRows(named, {CompareSortKey::Name, 0});
    EXPECT_EQ(named[0].Name + "," + named[1].Name + "," + named[2].Name, "Ávila,avila2,Zurich");

    EXPECT_EQ(CompareCsv(rows, "Counted: hours 9-18"),
              std::string(kProgramAndVersion) + " - Yearly share of each strategy by location\nCounted: hours 9-18\n\n"
              "position,slot,name,country,top,A,B,C,D,E,F,G,H,I,J,recorded_top,rA,rB,rC,rD,rE,rF,rG,rH,rI,rJ\n"
              "1,1,Cuiabá,,A,80,0,0,0,20,0,0,0,0,0,,,,,,,,,,,\n"
              "3,3,Curitiba,,A,80,0,0,0,20,0,0,0,0,0,E,0,0,0,0,100,0,0,0,0,0\n"
              "2,2,Belém,,A,64.5,0,0,0,35.5,0,0,0,0,0,,,,,,,,,,,\n");
}

// The picture: one bar line per location and one more for recorded hours, segments as wide as
// the shares in the zone colours, and a click on a line finds its location.
TEST(CompareChart, SegmentsAreTheSharesInZoneColours)
{
    std::vector<CompareRow> rows(2);
    for (int i = 0; i < 20; ++i) rows[0].Name += "\u00E9";  // 40 bytes: wider than the name column
    rows[0].Shares[2] = 25, rows[0].Shares[5] = 75, rows[0].Top = 5;
    rows[1].Name = "South";
    rows[1].Shares[10] = 100, rows[1].Top = 10;
    rows[1].HasRecorded = true;
    rows[1].RecordedShares[9] = 50, rows[1].RecordedShares[10] = 50, rows[1].RecordedTop = 10;
    const CompareLayout l = MakeCompareLayout(rows, 15, 15);
    ASSERT_EQ(l.Lines.size(), 3u);
    EXPECT_EQ(CompareRowAt(l, l.BarsTop - 1), -1);
    EXPECT_EQ(CompareRowAt(l, l.BarsTop + 0.5 * l.LineHeight), 0);
    EXPECT_EQ(CompareRowAt(l, l.BarsTop + 2.5 * l.LineHeight), 1);
    EXPECT_EQ(CompareRowAt(l, l.BarsTop + 3.5 * l.LineHeight), -1);

    testing::RecordingCanvas canvas(l.Width, l.Height);
    DrawCompareChart(canvas, l, rows, "What if: +2 \u00B0C");
    const auto filledBoxes = [&](Rgb colour) {
        std::vector<testing::RecordedOp> boxes;
        for (const testing::RecordedOp& op : canvas.Ops)
            if (op.What == testing::RecordedOp::Box && op.Filled && op.Colour == colour && op.Y1 >= l.BarsTop)
                boxes.push_back(op);
        return boxes;
    };
    const auto e = filledBoxes(ZoneColour[5]);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_DOUBLE_EQ(e[0].X1, l.BarLeft + 0.25 * l.BarWidth);
    EXPECT_DOUBLE_EQ(e[0].X2 + 15, l.BarLeft + l.BarWidth);
    EXPECT_EQ(filledBoxes(ZoneColour[10]).size(), 2u);
    EXPECT_EQ(filledBoxes(ZoneColour[9]).size(), 1u);
    EXPECT_TRUE(canvas.FindText("What if: +2 \u00B0C"));
    EXPECT_TRUE(canvas.FindText("E Thermal Comfort 75.0 %"));
    EXPECT_TRUE(canvas.FindText("   recorded hours"));
    // The recording canvas gives 100 units a byte; the column holds 35 bytes: 16 whole "é" and "…".
    std::string cut;
    for (int i = 0; i < 16; ++i) cut += "\u00E9";
    EXPECT_TRUE(canvas.FindText(cut + "\u2026"));
}

}  // namespace
}  // namespace qav
