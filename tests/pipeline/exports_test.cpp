#include "core/exports.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "classify/raster_canvas.h"
#include "core/pipeline.h"
#include "core/recorded_analysis.h"
#include "data/epw_reader.h"

namespace qav {
namespace {

using Row = std::vector<std::string>;

// An independent reader of the CSV dialect: quoted fields with doubled quotes, LF line ends.
std::vector<Row> ParseCsv(const std::string& text)
{
    std::vector<Row> rows;
    Row row;
    std::string field;
    bool quoted = false, lineHasContent = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') field += '"', ++i;
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"') {
            quoted = lineHasContent = true;
        } else if (c == ',') {
            row.push_back(field), field.clear(), lineHasContent = true;
        } else if (c == '\n') {
            if (lineHasContent || !field.empty()) row.push_back(field);
            rows.push_back(row), row.clear(), field.clear(), lineHasContent = false;
        } else {
            field += c, lineHasContent = true;
        }
    }
    EXPECT_TRUE(field.empty() && row.empty()) << "the text must end with a line feed";
    return rows;
}

float ToFloat(const std::string& s)
{
    float v = -12345;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    EXPECT_TRUE(ec == std::errc{} && end == s.data() + s.size()) << '"' << s << '"';
    return v;
}

int ToInt(const std::string& s) { return static_cast<int>(ToFloat(s)); }

// Index of the row whose first two fields are a and b.
size_t FindRow(const std::vector<Row>& rows, const std::string& a, const std::string& b, size_t from = 0)
{
    for (size_t i = from; i < rows.size(); ++i)
        if (rows[i].size() >= 2 && rows[i][0] == a && rows[i][1] == b) return i;
    ADD_FAILURE() << "no row " << a << "," << b;
    return rows.size();
}

struct Session {
    AnalysisState state = MakeStartupState();
    RasterCanvas zoneMap{state.Layout.Picture1.Width, state.Layout.Picture1.Height, state.Layout.PixelWidth,
                         state.Layout.PixelHeight};
    PipelineCanvases canvases{zoneMap};
    Session() { RunPipeline(state, canvases); }

    void ShowWeatherFile(const char* name)
    {
        const EpwResult epw = ReadEpwFile(std::filesystem::path(QAV_SHARED_DIR) / "epw" / name);
        ASSERT_FALSE(epw.failure);
        WeatherLocation w = MakeWeatherLocation(epw.file);
        LocationTable table;
        table.LocationCount = 1;
        table.Slot[1] = w.Location;
        std::array<std::shared_ptr<const RecordedYear>, kMaxLocations + 1> recorded{};
        recorded[1] = w.Recorded;
        ShowLocationsFromFile(state, std::move(table), canvases, recorded);
    }
};

size_t FindTitle(const std::vector<Row>& rows, const std::string& title)
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == Row{title}) return i;
    ADD_FAILURE() << "no title " << title;
    return rows.size();
}

// Month hours table starting at the row after its title: Strategy,Letter,Jan..Dec,Year.
void ExpectMonthHours(const std::vector<Row>& rows, size_t titleRow, const StrategyTally& tally)
{
    ASSERT_LT(titleRow + 11, rows.size());
    EXPECT_EQ(rows[titleRow + 1], (Row{"Strategy", "Letter", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul",
                                       "Aug", "Sep", "Oct", "Nov", "Dec", "Year"}));
    for (int s = 1; s <= 10; ++s) {
        SCOPED_TRACE(s);
        const Row& r = rows[titleRow + 1 + s];
        ASSERT_EQ(r.size(), 15u);
        EXPECT_EQ(ToInt(r[0]), s);
        EXPECT_EQ(r[1], std::string(1, char('A' + s - 1)));
        int year = 0;
        for (int m = 1; m <= 12; ++m) {
            EXPECT_EQ(ToInt(r[1 + m]), tally.MonthHours[s][m]) << "month " << m;
            year += tally.MonthHours[s][m];
        }
        EXPECT_EQ(ToInt(r[14]), year);
    }
}

TEST(ResultsCsv, ReadsBackAsTheNumbersOfTheAnalysis)
{
    Session s;
    // A name that needs quoting must come back whole.
    s.state.Locations.Slot[5].LocationName = "Brasília, \"DF\"";
    RunPipeline(s.state, s.canvases);
    const LocationRecord& l = s.state.Current();
    const std::string csv = ResultsCsv(s.state);
    EXPECT_EQ(csv.find('\r'), std::string::npos);
    const std::vector<Row> rows = ParseCsv(csv);

    const size_t loc = FindRow(rows, "Location", "Country");
    ASSERT_LT(loc + 1, rows.size());
    const Row& r = rows[loc + 1];
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(r[0], "Brasília, \"DF\"");
    EXPECT_EQ(r[1], "Brazil");
    EXPECT_EQ(r[2], "GOV");
    // The shortest round-trip text gives back the very float; the data's own digits show.
    EXPECT_EQ(r[3], "-15.78");
    EXPECT_EQ(ToFloat(r[4]), l.Longitude);
    EXPECT_EQ(r[5], "1160");
    EXPECT_EQ(r[6], "1150");
    EXPECT_EQ(ToFloat(r[7]), s.state.Pressure.PressureKPa);

    const size_t months = FindRow(rows, "Month", "DBTmin (C)");
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        const Row& mr = rows[months + m];
        ASSERT_EQ(mr.size(), 4u);
        EXPECT_EQ(ToInt(mr[0]), m);
        EXPECT_EQ(ToFloat(mr[1]), l.Month[m].DBTmin);
        EXPECT_EQ(ToFloat(mr[2]), l.Month[m].DBTmax);
        EXPECT_EQ(ToFloat(mr[3]), l.Month[m].RHavg);
    }

    const size_t shares = FindRow(rows, "Strategy", "Letter");
    EXPECT_EQ(rows[shares], (Row{"Strategy", "Letter", "Name", "Year share (%)"}));
    for (int st = 1; st <= 10; ++st) {
        SCOPED_TRACE(st);
        const Row& sr = rows[shares + st];
        ASSERT_EQ(sr.size(), 4u);
        EXPECT_EQ(sr[2], std::string(StrategyName[st]));
        EXPECT_EQ(ToFloat(sr[3]), s.state.Tally.YearShare[st]);  // zeros included: all ten
    }

    const size_t hours = FindTitle(rows, "Hours per month and strategy (typical days)");
    ExpectMonthHours(rows, hours, s.state.Tally);
    EXPECT_EQ(hours + 12, rows.size());  // nothing recorded follows
}

TEST(ResultsCsv, WeatherFileAddsTheRecordedAnalysis)
{
    Session s;
    s.ShowWeatherFile("mannheim.epw");
    const RecordedYear* recorded = s.state.CurrentRecorded();
    ASSERT_TRUE(recorded);
    const std::vector<Row> rows = ParseCsv(ResultsCsv(s.state));

    const size_t shares = FindRow(rows, "Strategy", "Letter");
    EXPECT_EQ(rows[shares].back(), "Recorded year share (%)");
    for (int st = 1; st <= 10; ++st) {
        SCOPED_TRACE(st);
        EXPECT_EQ(ToFloat(rows[shares + st][3]), s.state.Tally.YearShare[st]);
        EXPECT_EQ(ToFloat(rows[shares + st][4]), s.state.RecordedTally.YearShare[st]);
    }
    ExpectMonthHours(rows, FindTitle(rows, "Hours per month and strategy (typical days)"), s.state.Tally);
    ExpectMonthHours(rows, FindTitle(rows, "Hours per month and strategy (recorded hours)"),
                     s.state.RecordedTally);
    const size_t used = FindRow(rows, "Hours used", "Hours missing");
    ASSERT_EQ(rows[used + 1].size(), 3u);
    EXPECT_EQ(ToInt(rows[used + 1][0]), recorded->HoursUsed);
    EXPECT_EQ(ToInt(rows[used + 1][1]), recorded->HoursMissing);
    EXPECT_EQ(ToFloat(rows[used + 1][2]), ShareDisagreement(s.state.Tally, s.state.RecordedTally));
}

// Counts of each letter per month, [strategy][month].
std::map<std::pair<int, int>, int> LetterCounts(const std::vector<Row>& rows, size_t monthColumn,
                                                size_t letterColumn)
{
    std::map<std::pair<int, int>, int> counts;
    for (size_t i = 1; i < rows.size(); ++i) {
        const std::string& letter = rows[i][letterColumn];
        if (letter.empty()) continue;
        EXPECT_EQ(letter.size(), 1u);
        ++counts[{letter[0] - 'A' + 1, ToInt(rows[i][monthColumn])}];
    }
    return counts;
}

void ExpectCountsEqualTally(const std::map<std::pair<int, int>, int>& counts, const StrategyTally& tally)
{
    for (int st = 1; st <= 10; ++st)
        for (int m = 1; m <= 12; ++m) {
            const auto it = counts.find({st, m});
            EXPECT_EQ(it == counts.end() ? 0 : it->second, tally.MonthHours[st][m]) << "strategy " << st << " month " << m;
        }
}

TEST(HourlyCsv, TypicalHoursWithTheLettersOfTheTally)
{
    Session s;
    const std::vector<Row> rows = ParseCsv(HourlyCsv(s.state));
    ASSERT_EQ(rows.size(), 1u + 288u);
    EXPECT_EQ(rows[0], (Row{"Month", "Hour", "DBT (C)", "W (g/kg)", "RH (%)", "Strategy"}));
    const Psychrometrics psy(s.state.Pressure);
    for (int i = 0; i < 288; ++i) {
        const Row& r = rows[size_t(i) + 1];
        const int m = i / 24 + 1, h = i % 24 + 1;
        SCOPED_TRACE(testing::Message() << m << "/" << h);
        ASSERT_EQ(r.size(), 6u);
        EXPECT_EQ(ToInt(r[0]), m);
        EXPECT_EQ(ToInt(r[1]), h);
        EXPECT_EQ(ToFloat(r[2]), s.state.Hours.DBT[m][h]);
        EXPECT_EQ(ToFloat(r[3]), s.state.Hours.W[m][h]);
        // FTax1 inverts FUR: the humidity, rounded to 0.01 %, gives back W within 0.01 g/kg.
        EXPECT_NEAR(psy.FTax1(ToFloat(r[2]), ToFloat(r[4]) / 100), ToFloat(r[3]), 0.01);
    }
    ExpectCountsEqualTally(LetterCounts(rows, 0, 5), s.state.Tally);
}

TEST(HourlyCsv, WeatherFileGivesTheRecordedHoursWithTheirDates)
{
    Session s;
    s.ShowWeatherFile("chicago.epw");
    const RecordedYear* recorded = s.state.CurrentRecorded();
    ASSERT_TRUE(recorded);
    const std::vector<Row> rows = ParseCsv(HourlyCsv(s.state));
    ASSERT_EQ(rows.size(), 1u + size_t(recorded->HoursUsed));
    EXPECT_EQ(rows[0], (Row{"Month", "Day", "Hour", "DBT (C)", "W (g/kg)", "RH (%)", "Strategy"}));
    EXPECT_EQ(rows[1][0] + "/" + rows[1][1] + "/" + rows[1][2], "1/1/1");
    EXPECT_EQ(rows.back()[0] + "/" + rows.back()[1] + "/" + rows.back()[2], "12/31/24");
    for (size_t i = 1; i < rows.size(); i += 97) {
        SCOPED_TRACE(i);
        const RecordedHour& h = recorded->Hours[i - 1];
        EXPECT_EQ(ToInt(rows[i][1]), h.Day);
        EXPECT_EQ(ToInt(rows[i][2]), h.Hour);
        EXPECT_EQ(ToFloat(rows[i][3]), h.DBT);
        EXPECT_EQ(ToFloat(rows[i][4]), h.W);
    }
    ExpectCountsEqualTally(LetterCounts(rows, 0, 6), s.state.RecordedTally);
}

TEST(PictureProvenance, NamesProgramLocationPressureElevationAndSource)
{
    Session s;
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(PictureProvenance(s.state),
              (std::vector<Pair>{{"Software", "QAV 1.3"},
                                 {"Location", "Brasília (Brazil)"},
                                 {"Pressure", "88.251 kPa"},
                                 {"Elevation", "1160 m (pressure taken at 1150 m)"},
                                 {"Source", "GOV"}}));
}

}  // namespace
}  // namespace qav
