#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/psychrometrics.h"
#include "data/epw_normals.h"
#include "data/epw_reader.h"
#include "core/wind_rose.h"
#include "data/recorded_hours.h"

namespace qav {
namespace {

constexpr const char* kLocation = "LOCATION,Testville,XX,Nowhere,TEST,000000,45.00,-10.00,1.0,120.0";

struct Row {
    int year = 1999, month = 1, day = 1, hour = 1, minute = 0;
    std::string dryBulb, dewPoint = "5.0", rh, pressure = "100000";
};

// A plain year: dry bulb = month + (hour - 1) / 2, so each day runs from `month` to month + 11.5;
// relative humidity 40 + hour, a mean of 52.5 %.
std::vector<Row> Year(bool leapDay = false)
{
    const int days[] = {31, leapDay ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<Row> rows;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= days[m - 1]; ++d)
            for (int h = 1; h <= 24; ++h)
                rows.push_back({1999, m, d, h, 0, std::to_string(m + (h - 1) * 0.5), "5.0", std::to_string(40 + h)});
    return rows;
}

// `wind` gives the first rows' fields 21 and 22 ("90,3.5"); the other rows stop before them.
std::string Text(const std::vector<Row>& rows, const std::string& location = kLocation,
                 const std::vector<std::string>& wind = {})
{
    std::string s = location + "\n";
    for (int i = 2; i <= 8; ++i) s += "HEADER LINE " + std::to_string(i) + ",1,2,3\n";
    for (const Row& r : rows) {
        for (const int v : {r.year, r.month, r.day, r.hour, r.minute}) s += std::to_string(v) + ",";
        s += "?9?9?9," + r.dryBulb + "," + r.dewPoint + "," + r.rh + "," + r.pressure + ",0,0,0";
        if (const std::size_t i = &r - rows.data(); i < wind.size()) s += ",0,0,0,0,0,0,0," + wind[i];
        s += "\n";
    }
    return s;
}

// The plain year after `change`.
std::string YearWith(const std::function<void(std::vector<Row>&)>& change, bool leapDay = false)
{
    std::vector<Row> rows = Year(leapDay);
    change(rows);
    return Text(rows);
}

std::string FailureText(const EpwResult& r) { return r.failure ? EnglishReadFailure(*r.failure) : "(read)"; }

// The committed TMY3 year: its location and a whole year without gaps (its hours and their
// analysis: the pipeline's pinned results).
TEST(EpwSampleFile, LocationHoursAndNormals)
{
    const EpwResult r = ReadEpwFile(std::filesystem::path(QAV_FIXTURES_DIR) / "chicago.epw");
    ASSERT_FALSE(r.failure) << FailureText(r);
    const EpwFile& f = r.file;
    const LocationRecord& l = f.Location;
    EXPECT_EQ(l.LocationName + "|" + l.Country + "|" + l.DataSource, "Chicago Ohare Intl Ap|USA|EPW");
    EXPECT_TRUE(l.Latitude == 41.98f && l.Longitude == -87.92f && l.Elevation == 201)
        << l.Latitude << " " << l.Longitude;
    EXPECT_EQ(std::make_tuple(f.HoursUsed, DeriveMonthlyNormals(f).LocationName),
              std::make_tuple(8760, "Chicago Ohare Intl Ap"));
    EXPECT_EQ(f.Hours.size(), 8760u);
    EXPECT_EQ(f.TimeZoneHours, -6.0f);
    EXPECT_EQ(f.Hours.front().Year, 1986);  // a typical year of months from several years
    EXPECT_EQ(f.Hours.back().Year, 1981);
}

// The time zone and the year place the sun only: a file that writes neither is still read.
TEST(ReadEpw, TimeZoneAndYearAreReadWithoutRefusing)
{
    EXPECT_EQ(ReadEpw(Text(Year())).file.TimeZoneHours, 1.0f);
    EXPECT_EQ(ReadEpw(Text(Year())).file.Hours[0].Year, 1999);
    const EpwResult odd = ReadEpw(Text(Year(), "LOCATION,Testville,XX,Nowhere,TEST,000000,45.00,-10.00,GMT,120.0"));
    ASSERT_FALSE(odd.failure) << FailureText(odd);
    EXPECT_TRUE(std::isnan(odd.file.TimeZoneHours));
    EXPECT_TRUE(std::isnan(ReadEpw(Text(Year(), "LOCATION,T,XX,N,TEST,0,45.00,-10.00,15,120.0")).file.TimeZoneHours));
    const EpwResult noYear = ReadEpw(YearWith([](std::vector<Row>& rows) { rows[5].year = 0; }));
    ASSERT_FALSE(noYear.failure) << FailureText(noYear);
    EXPECT_EQ(noYear.file.Hours[5].Year, 0);
}

// A hand-made year whose first rows carry the sector edges, a calm, the 999 markers and an
// implausible value; the other rows stop before the wind and count as missing.
TEST(ReadEpw, WindOfRowsIntoRoses)
{
    const EpwResult r =
        ReadEpw(Text(Year(), kLocation,
                     {"11.25,3.0", "348.75,1.0", "360,8.0", "0,0.4", "999,0", "90,999", "400,5", "90,2", "90,x"}));
    ASSERT_FALSE(r.failure) << FailureText(r);
    EXPECT_EQ(r.file.Hours[2].WindDirection, 360.0f);
    EXPECT_TRUE(std::isnan(r.file.Hours[8].WindSpeed) && std::isnan(r.file.Hours[9].WindDirection));

    const WindRose all = WindRosesOf(RecordedHoursAt(r.file, Psychrometrics()), {}).All;
    EXPECT_EQ((std::array{all.Calm, all.Missing, all.Counted()}), (std::array{1, 8760 - 5, 5}));
    EXPECT_EQ(all.Hours[0], (std::array{1, 0, 0, 0, 1}));  // 348.75 and 360 degrees: north
    EXPECT_EQ(all.Hours[1], (std::array{0, 1, 0, 0, 0}));  // 11.25 degrees: NNE
    EXPECT_EQ(all.Hours[4], (std::array{0, 1, 0, 0, 0}));
    EXPECT_EQ(all.Prevailing, 0);
    EXPECT_FLOAT_EQ(all.PrevailingShare, 40.0f);
    EXPECT_FLOAT_EQ(all.PrevailingMedianMs, 4.5f);
}

// Chicago's roses, counted from fields 21 and 22 of the file by a separate awk script: every hour
// has a wind, 310 calms, the south prevailing over the year and the west in winter.
TEST(EpwSampleFile, WindRoses)
{
    const EpwResult r = ReadEpwFile(std::filesystem::path(QAV_FIXTURES_DIR) / "chicago.epw");
    ASSERT_FALSE(r.failure) << FailureText(r);
    const WindRoses roses = WindRosesOf(RecordedHoursAt(r.file, Psychrometrics()), {});
    EXPECT_EQ((std::array{roses.All.Calm, roses.All.Missing, roses.All.Counted()}), (std::array{310, 0, 8760}));
    EXPECT_EQ(roses.All.Hours[8], (std::array{42, 398, 375, 209, 114}));
    EXPECT_EQ(roses.All.Hours[5], (std::array{7, 102, 69, 33, 13}));
    EXPECT_EQ(roses.All.Prevailing, 8);
    EXPECT_FLOAT_EQ(roses.All.PrevailingShare, 13.0f);
    EXPECT_EQ((std::array{roses.Season[0].Calm, roses.Season[0].SectorHours(12), *roses.Season[0].Prevailing}),
              (std::array{66, 357, 12}));
    EXPECT_FLOAT_EQ(roses.Season[0].PrevailingShare, 16.5f);
    EXPECT_EQ(roses.Ventilation.Counted(), 0);
}

TEST(ReadEpw, NormalsOfAKnownYearLeaveMissingHoursOut)
{
    const EpwResult r = ReadEpw(YearWith([](std::vector<Row>& y) {
        for (Row& row : y)
            if (row.month == 1 && row.hour == 24) row.dryBulb = "99.9";  // the daily maximum of January
    }));
    ASSERT_FALSE(r.failure) << FailureText(r);
    EXPECT_EQ(std::tie(r.file.HoursUsed, r.file.HoursMissing, r.file.Hours[23].Missing),
              std::make_tuple(8729, 31, true));
    EXPECT_TRUE(std::isnan(r.file.Hours[23].DryBulb));
    const LocationRecord n = DeriveMonthlyNormals(r.file);
    // January: hour 23 is the highest left, the humidity the mean of 41..63.
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(std::tie(n.Month[m].DBTmin, n.Month[m].DBTmax, n.Month[m].RHavg),
                  std::make_tuple(float(m), m == 1 ? 12.0f : m + 11.5f, m == 1 ? 52.0f : 52.5f))
            << m;
    EXPECT_EQ(RecordedHoursAt(r.file, Psychrometrics()).size(), 8760u - 31);

    // Means of daily minima never pass the means of the maxima; normals that do are refused.
    LocationRecord crossed = n;
    crossed.Month[3].DBTmin = crossed.Month[3].DBTmax = 15.5f;
    EXPECT_FALSE(NormalOutsideRanges(crossed));
    crossed.Month[3].DBTmax = 15.4f;
    const auto refused = NormalOutsideRanges(crossed);
    EXPECT_EQ(refused ? EnglishReadFailure(*refused) : "",
              "In month 3, DBTmin '15.5' is above DBTmax '15.4'. Err code 45");
}

TEST(ReadEpw, HumidityDerivedCappedOrMissing)
{
    std::vector<Row> rows = Year();
    rows[0] = {1999, 1, 1, 1, 0, "20.0", "10.0", "999", "999999"};
    rows[1] = {1999, 1, 1, 2, 0, "20.0", "99.9", "999", "100000"};
    rows[2] = {1999, 1, 1, 3, 0, "4.0", "4.5", "105", "100000"};
    rows[3] = {1999, 1, 1, 4, 0, "20", "0", "50", "100000"};
    const EpwResult r = ReadEpw(Text(rows, "LOCATION,Sea,,Nowhere,TEST,0,0,0,0,0"));
    ASSERT_FALSE(r.failure) << FailureText(r);
    const auto& h = r.file.Hours;
    // ASHRAE Fundamentals (2017) ch. 1 Table 3: saturation pressure 1.2282 kPa at 10 C and
    // 2.3392 kPa at 20 C, a ratio of 52.51 %; the fit is quoted at about 300 ppm.
    EXPECT_NEAR(h[0].RelativeHumidity, 52.51, 0.03);
    EXPECT_TRUE(std::isnan(h[0].PressurePa));
    // Hour 2 has neither humidity nor dew point; hour 3's is capped.
    EXPECT_EQ(std::tie(h[0].Missing, h[1].Missing, h[2].RelativeHumidity, r.file.HoursMissing),
              std::make_tuple(false, true, 100.0f, 1));
    // At sea level FTax1(20, 0.5) is 7.290 g/kg.
    const auto hours = RecordedHoursAt(r.file, Psychrometrics(StationPressure(0)));
    EXPECT_EQ(std::tie(hours[2].DBT, hours[2].W), std::make_tuple(20.0f, 7.29f));
}

TEST(ReadEpw, AcceptsLeapYearsMinute60CrLfAndStrayHeaderBytes)
{
    std::vector<Row> rows = Year();
    for (Row& r : rows) r.year = 1988, r.minute = 60;
    std::string text = Text(rows, "LOCATION,Z\xFCrich \x96 Kloten,ZH,Schweiz,TEST,066700,47.48,8.53,1,432");
    text.replace(text.find("HEADER LINE 6"), 13, "COMMENTS 1,f\xFCr \xFF\xFE\x01");
    std::string crlf;
    for (char c : text) c == '\n' ? crlf += "\r\n" : crlf += c;
    EpwResult r = ReadEpw(crlf);
    ASSERT_FALSE(r.failure) << FailureText(r);
    // Windows-1252 0xFC and 0x96 (every other case of the names' decoding: the Monthly Data reader's).
    EXPECT_EQ(std::make_tuple(r.file.Location.LocationName, r.file.Hours.size()),
              std::make_tuple("Zürich – Kloten", 8760u));
    // A leap year of 8784 rows loses 29 February and reads as 365 days.
    r = ReadEpw(Text(Year(true)));
    ASSERT_FALSE(r.failure) << FailureText(r);
    EXPECT_EQ(r.file.Hours.size(), 8760u);
    for (const EpwHour& h : r.file.Hours) ASSERT_FALSE(h.Month == 2 && h.Day == 29);
    // A year from July to June (the year changes at the wrap), station pressure left empty or
    // absent: a column the analysis does not use.
    rows = Year(true);
    std::rotate(rows.begin(), rows.begin() + 182 * 24, rows.end());
    for (Row& row : rows) row.pressure = row.month == 3 ? "" : "abc";
    std::string wrapped = Text(rows);
    wrapped.replace(wrapped.rfind(",abc,"), 11, "\n");  // the last row stops after the humidity
    r = ReadEpw(wrapped);
    ASSERT_FALSE(r.failure) << FailureText(r);
    EXPECT_EQ(std::make_tuple(r.file.Hours.size(), r.file.Hours.front().Month), std::make_tuple(8760u, 7));
    EXPECT_TRUE(std::isnan(r.file.Hours.front().PressurePa));
}

TEST(ReadEpw, FailuresNameTheLineAndField)
{
    const std::vector<Row> y = Year();
    const std::string year = Text(y), first5000 = Text({y.begin(), y.begin() + 5000});
    // The plain year with the row on `line` changed: the rows start at line 9.
    const auto edit = [](int line, void (*change)(Row&)) {
        return YearWith([&](std::vector<Row>& rows) { change(rows[line - 9]); });
    };
    const std::string order =
        "does not follow line 32 (month 1, day 1, hour 24): the rows must advance one hour at a "
        "time. Line 33. Err code 48";
    // The plain year with every row changed by `change`.
    const auto each = [](void (*change)(Row&)) {
        return YearWith([&](std::vector<Row>& rows) { std::for_each(rows.begin(), rows.end(), change); });
    };
    const std::string header7 = std::string(year).erase(year.find("HEADER LINE 8"), 20);
    // The message ends in the failure's code, so it pins that too.
    const std::pair<std::string, std::string> cases[] = {
        {"", "The file is empty. Err code 41"},
        {Text({}), "The file holds 0 hourly rows; a weather year has 8760. Err code 46"},
        {std::string(kLocation) + "\nA\nB\n", "The file ends inside its 8-line header. Line 3. Err code 46"},
        {header7,
         "The header is short: the hourly rows begin after 7 lines; a weather file has 8 header lines. Line 8. Err code 46"},
        {first5000, "The file holds 5000 hourly rows; a weather year has 8760. Err code 46"},
        {year.substr(0, first5000.size() + 12),
         "The file ends in the middle of a row, after 5000 complete hourly rows; a weather year has 8760. Line 5009. Err code 46"},
        {YearWith([](std::vector<Row>& r) { r.push_back(r.back()); }, true),
         "The file holds more than 8784 hourly rows; a weather year has 8760. Line 8793. Err code 46"},
        {edit(12, [](Row& r) { r.dryBulb = "abc"; }),
         "'abc' is not a number. Line 12, field 7 (dry bulb). Err code 44"},
        {edit(12, [](Row& r) { r.dewPoint = "inf"; }),
         "'inf' is not a number. Line 12, field 8 (dew point). Err code 44"},
        {edit(12, [](Row& r) { r.dryBulb = "1e400"; }),
         "'1e400' is not a representable number. Line 12, field 7 (dry bulb). Err code 44"},
        {each([](Row& r) { r.dryBulb = r.month == 7 && r.hour > 12 ? "60" : r.dryBulb; }),
         "The monthly normal DBTmax of month 7, 60.0, is out of range (-90 to 55). Err code 45"},
        {edit(12, [](Row& r) { r.hour = 0; }), "'0' is out of range (1 to 24). Line 12, field 4 (hour). Err code 45"},
        {edit(12, [](Row& r) { r.dryBulb = "75.5"; }),
         "'75.5' is out of range (-70 to 70). Line 12, field 7 (dry bulb). Err code 45"},
        {edit(9 + 31 * 24, [](Row& r) { r.day = 30; }),
         "Day 30 is past the end of month 2. Line 753, field 3 (day). Err code 45"},
        {Text({}) + "1999,1,1,1,0\n", "The line has 5 fields; it needs at least 9. Line 9. Err code 43"},
        {edit(12, [](Row& r) { r.hour = 3; }),
         "The row of month 1, day 1, hour 3 does not follow line 11 (month 1, day 1, hour 3): the rows must advance one hour at a time. Line 12. Err code 48"},
        {each([](Row& r) { r.day = 1; }), "The row of month 1, day 1, hour 1 " + order},
        {YearWith([](std::vector<Row>& rows) { rows.erase(rows.begin() + 24, rows.begin() + 48); }),
         "The row of month 1, day 3, hour 1 " + order},
        {each([](Row& r) { r.dryBulb = r.month == 1 ? "99.9" : r.dryBulb; }),
         "Month 1 has no hour with both a dry bulb and a humidity. Err code 47"},
        {R"("Lima","Peru",-12.1,-77,13,"GOV")",
         "Line 1 does not begin with LOCATION: this is not a weather file (EPW). Line 1. Err code 41"},
        {Text({}, "LOCATION,X,,Y,Z,0,north,0,0,0"), "'north' is not a number. Line 1, field 7 (latitude). Err code 44"},
        {Text({}, "LOCATION,X,,Y"), "The line has 4 fields; it needs at least 10. Line 1. Err code 43"},
        {"LOCATION," + std::string(70000, 'x'), "The line is longer than 65536 bytes. Line 1. Err code 42"},
        {std::string((std::size_t{64} << 20) + 1, '\n'),
         "The file is larger than 64 MiB: it is not a weather file (EPW). Err code 40"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(FailureText(ReadEpw(text)), message);
}

}  // namespace
}  // namespace qav
