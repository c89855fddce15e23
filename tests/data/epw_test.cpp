#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/psychrometrics.h"
#include "data/epw_normals.h"
#include "data/epw_reader.h"
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

std::string Text(const std::vector<Row>& rows, const std::string& location = kLocation)
{
    std::string s = location + "\n";
    for (int i = 2; i <= 8; ++i) s += "HEADER LINE " + std::to_string(i) + ",1,2,3\n";
    for (const Row& r : rows) {
        for (const int v : {r.year, r.month, r.day, r.hour, r.minute}) s += std::to_string(v) + ",";
        s += "?9?9?9," + r.dryBulb + "," + r.dewPoint + "," + r.rh + "," + r.pressure + ",0,0,0\n";
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
    EXPECT_EQ(f.Hours.size(), 8760u);
    EXPECT_EQ(f.HoursUsed, 8760);

    EXPECT_EQ(DeriveMonthlyNormals(f).LocationName, "Chicago Ohare Intl Ap");  // the normals: the next test
}

TEST(ReadEpw, NormalsOfAKnownYearLeaveMissingHoursOut)
{
    const EpwResult r = ReadEpw(YearWith([](std::vector<Row>& y) {
        for (Row& row : y)
            if (row.month == 1 && row.hour == 24) row.dryBulb = "99.9";  // the daily maximum of January
    }));
    ASSERT_FALSE(r.failure) << FailureText(r);
    EXPECT_EQ(r.file.HoursUsed, 8760 - 31);
    EXPECT_EQ(r.file.HoursMissing, 31);
    EXPECT_TRUE(r.file.Hours[23].Missing);
    EXPECT_TRUE(std::isnan(r.file.Hours[23].DryBulb));
    const LocationRecord n = DeriveMonthlyNormals(r.file);
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_FLOAT_EQ(n.Month[m].DBTmin, float(m));
        EXPECT_FLOAT_EQ(n.Month[m].DBTmax, m == 1 ? 12.0f : m + 11.5f);  // January: hour 23 is the highest left
        EXPECT_FLOAT_EQ(n.Month[m].RHavg, m == 1 ? 52 : 52.5f);          // January: mean of 41..63
    }
    EXPECT_EQ(RecordedHoursAt(r.file, Psychrometrics()).size(), 8760u - 31);

    // Means of daily minima never pass the means of the maxima; normals that do are refused.
    LocationRecord crossed = n;
    crossed.Month[3].DBTmin = 15.5f;
    crossed.Month[3].DBTmax = 15.5f;
    EXPECT_FALSE(NormalOutsideRanges(crossed));
    crossed.Month[3].DBTmax = 15.4f;
    const auto refused = NormalOutsideRanges(crossed);
    ASSERT_TRUE(refused);
    EXPECT_EQ(EnglishReadFailure(*refused), "In month 3, DBTmin '15.5' is above DBTmax '15.4'. Err code 45");
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
    EXPECT_FALSE(h[0].Missing);
    EXPECT_TRUE(std::isnan(h[0].PressurePa));
    EXPECT_TRUE(h[1].Missing);  // neither humidity nor dew point
    EXPECT_FLOAT_EQ(h[2].RelativeHumidity, 100);
    EXPECT_EQ(r.file.HoursMissing, 1);
    // At sea level FTax1(20, 0.5) is 7.290 g/kg.
    const auto hours = RecordedHoursAt(r.file, Psychrometrics(StationPressure(0)));
    EXPECT_FLOAT_EQ(hours[2].DBT, 20);
    EXPECT_FLOAT_EQ(hours[2].W, 7.29f);
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
    EXPECT_EQ(r.file.Location.LocationName, "Zürich – Kloten");
    EXPECT_EQ(r.file.Hours.size(), 8760u);
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
    EXPECT_EQ(r.file.Hours.size(), 8760u);
    EXPECT_EQ(r.file.Hours.front().Month, 7);
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
    const std::string notEpw =
        "Line 1 does not begin with LOCATION: this is not a weather file (EPW). Line 1. Err code 41";
    const std::string order =
        "does not follow line 32 (month 1, day 1, hour 24): the rows must advance one hour at a "
        "time. Line 33. Err code 48";
    struct Case {
        const char* what;
        std::string text;
        int code;
        std::string message;
    };
    const Case cases[] = {
        {"empty", "", kEpwNotEpw, "The file is empty. Err code 41"},
        {"header only", Text({}), kEpwRowCount, "The file holds 0 hourly rows; a weather year has 8760. Err code 46"},
        {"short header", std::string(kLocation) + "\nA\nB\n", kEpwRowCount,
         "The file ends inside its 8-line header. Line 3. Err code 46"},
        {"seven-line header",
         [&] {
             std::string t = year;
             return t.erase(t.find("HEADER LINE 8"), 20);
         }(),
         kEpwRowCount,
         "The header is short: the hourly rows begin after 7 lines; a weather file has 8 header lines. Line 8. Err code 46"},
        {"truncated", first5000, kEpwRowCount, "The file holds 5000 hourly rows; a weather year has 8760. Err code 46"},
        {"cut mid-row", year.substr(0, first5000.size() + 12), kEpwRowCount,
         "The file ends in the middle of a row, after 5000 complete hourly rows; a weather year has 8760. Line 5009. Err code 46"},
        {"too many rows", YearWith([](std::vector<Row>& r) { r.push_back(r.back()); }, true), kEpwRowCount,
         "The file holds more than 8784 hourly rows; a weather year has 8760. Line 8793. Err code 46"},
        {"text", edit(12, [](Row& r) { r.dryBulb = "abc"; }), kEpwBadNumber,
         "'abc' is not a number. Line 12, field 7 (dry bulb). Err code 44"},
        {"infinity", edit(12, [](Row& r) { r.dewPoint = "inf"; }), kEpwBadNumber,
         "'inf' is not a number. Line 12, field 8 (dew point). Err code 44"},
        {"beyond a double", edit(12, [](Row& r) { r.dryBulb = "1e400"; }), kEpwBadNumber,
         "'1e400' is not a representable number. Line 12, field 7 (dry bulb). Err code 44"},
        {"July afternoons at 60 C", YearWith([](std::vector<Row>& rows) {
             for (Row& r : rows) r.dryBulb = r.month == 7 && r.hour > 12 ? "60" : r.dryBulb;
         }),
         kEpwOutOfRange, "The monthly normal DBTmax of month 7, 60.0, is out of range (-90 to 55). Err code 45"},
        {"hour 0", edit(12, [](Row& r) { r.hour = 0; }), kEpwOutOfRange,
         "'0' is out of range (1 to 24). Line 12, field 4 (hour). Err code 45"},
        {"hot", edit(12, [](Row& r) { r.dryBulb = "75.5"; }), kEpwOutOfRange,
         "'75.5' is out of range (-70 to 70). Line 12, field 7 (dry bulb). Err code 45"},
        {"30 February", edit(9 + 31 * 24, [](Row& r) { r.day = 30; }), kEpwOutOfRange,
         "Day 30 is past the end of month 2. Line 753, field 3 (day). Err code 45"},
        {"short row", Text({}) + "1999,1,1,1,0\n", kEpwMissingField,
         "The line has 5 fields; it needs at least 9. Line 9. Err code 43"},
        {"repeated row", edit(12, [](Row& r) { r.hour = 3; }), kEpwOutOfOrder,
         "The row of month 1, day 1, hour 3 does not follow line 11 (month 1, day 1, hour 3): the rows must advance one hour at a time. Line 12. Err code 48"},
        {"every row dated day 1", YearWith([](std::vector<Row>& rows) {
             for (Row& r : rows) r.day = 1;
         }),
         kEpwOutOfOrder, "The row of month 1, day 1, hour 1 " + order},
        {"skipped day", YearWith([](std::vector<Row>& rows) { rows.erase(rows.begin() + 24, rows.begin() + 48); }),
         kEpwOutOfOrder, "The row of month 1, day 3, hour 1 " + order},
        {"January unrecorded", YearWith([](std::vector<Row>& rows) {
             for (Row& r : rows) r.dryBulb = r.month == 1 ? "99.9" : r.dryBulb;
         }),
         kEpwNoData, "Month 1 has no hour with both a dry bulb and a humidity. Err code 47"},
        {"monthly data file", R"("Lima","Peru",-12.1,-77,13,"GOV")", kEpwNotEpw, notEpw},
        {"latitude", Text({}, "LOCATION,X,,Y,Z,0,north,0,0,0"), kEpwBadNumber,
         "'north' is not a number. Line 1, field 7 (latitude). Err code 44"},
        {"short LOCATION", Text({}, "LOCATION,X,,Y"), kEpwMissingField,
         "The line has 4 fields; it needs at least 10. Line 1. Err code 43"},
        {"long line", "LOCATION," + std::string(70000, 'x'), kEpwLineTooLong,
         "The line is longer than 65536 bytes. Line 1. Err code 42"},
        {"larger than 64 MiB", std::string((std::size_t{64} << 20) + 1, '\n'), kEpwTooLarge,
         "The file is larger than 64 MiB: it is not a weather file (EPW). Err code 40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const EpwResult r = ReadEpw(c.text);
        ASSERT_TRUE(r.failure);
        EXPECT_EQ(r.failure->Code, c.code);
        EXPECT_EQ(EnglishReadFailure(*r.failure), c.message);
    }
}

}  // namespace
}  // namespace qav
