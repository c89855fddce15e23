#include "pipeline/exports.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "classify/raster_canvas.h"
#include "classify/recorded_classification.h"
#include "pipeline/pipeline.h"
#include "pipeline/weather_location.h"

#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

using Row = std::vector<std::string>;

// Lines split at commas: enough for every row but the quoted location, which is checked as text.
std::vector<Row> SplitCsv(const std::string& text)
{
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    std::vector<Row> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string f; std::getline(fields, f, ',');) rows.back().push_back(f);
        if (!line.empty() && line.back() == ',') rows.back().emplace_back();
    }
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

// Index of the first row that begins with the fields of `start`.
size_t Find(const std::vector<Row>& rows, const Row& start)
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].size() >= start.size() && std::equal(start.begin(), start.end(), rows[i].begin())) return i;
    ADD_FAILURE() << "no row " << start[0];
    return rows.size() - 1;
}

using Session = PipelineSession;

// The month x strategy table under its title: Strategy,Letter,Jan..Dec,Year.
void ExpectMonthHours(const std::vector<Row>& rows, const std::string& title, const StrategyTally& tally)
{
    const size_t t = Find(rows, {title});
    ASSERT_LT(t + 11, rows.size());
    EXPECT_EQ(rows[t + 1], (Row{"Strategy", "Letter", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep",
                                "Oct", "Nov", "Dec", "Year"}));
    for (int s = 1; s <= 10; ++s) {
        const Row& r = rows[t + 1 + s];
        ASSERT_EQ(r.size(), 15u);
        EXPECT_EQ(r[1], std::string(1, char('A' + s - 1)));
        int year = 0;
        for (int m = 1; m <= 12; ++m) {
            EXPECT_EQ(ToInt(r[1 + m]), tally.MonthHours[s][m]) << "strategy " << s << " month " << m;
            year += tally.MonthHours[s][m];
        }
        EXPECT_EQ(ToInt(r[14]), year);
    }
}

// The hourly table's letters, counted per strategy and month, are the tally's hours.
void ExpectLettersEqualTally(const std::vector<Row>& rows, size_t letterColumn, const StrategyTally& tally)
{
    int counts[11][13] = {};
    for (size_t i = 1; i < rows.size(); ++i)
        if (rows[i].size() > letterColumn && rows[i][letterColumn].size() == 1)
            ++counts[rows[i][letterColumn][0] - 'A' + 1][ToInt(rows[i][0])];
    for (int st = 1; st <= 10; ++st)
        for (int m = 1; m <= 12; ++m) EXPECT_EQ(counts[st][m], tally.MonthHours[st][m]) << st << "/" << m;
}

// Both tables of the typical days read back as the analysis; the hourly letters add up to the tally.
TEST(ExportsCsv, TypicalDaysReadBackAsTheAnalysis)
{
    Session s;
    s.state.Locations.Slot[5].LocationName = "Brasília, \"DF\"";  // needs quoting, must come back whole
    s.state.Locations.Slot[5].Country = "=HYPERLINK(\"x\")";      // a formula to a spreadsheet
    s.state.Locations.Slot[5].DataSource = "@GOV";
    RunPipeline(s.state, s.canvases);
    const LocationRecord& l = s.state.Current();
    const std::string csv = ResultsCsv(s.state);
    // Shortest round-trip texts of the floats: the data's own digits, and 88.251 kPa at 1150 m.
    // Texts that begin like a formula are quoted behind a single quote; negative numbers are not.
    EXPECT_NE(csv.find("\n\"Brasília, \"\"DF\"\"\",\"'=HYPERLINK(\"\"x\"\")\",\"'@GOV\",-15.78,-47.93,1160,1150,"
                       "88.25129\n"),
              std::string::npos)
        << csv;
    for (const auto& [text, field] :
         {std::pair{"+55 61", "\"'+55 61\""}, {"-", "\"'-\""}, {"\tx", "\"'\tx\""}, {"a=b", "a=b"}, {"", ""}})
        EXPECT_EQ(CsvTextField(text), field);
    const std::vector<Row> rows = SplitCsv(csv);
    const size_t months = Find(rows, {"Month", "DBTmin (C)"});
    for (int m = 1; m <= 12; ++m) {
        const Row& mr = rows[months + m];
        ASSERT_EQ(mr.size(), 4u);
        EXPECT_EQ((std::array{ToFloat(mr[0]), ToFloat(mr[1]), ToFloat(mr[2]), ToFloat(mr[3])}),
                  (std::array{float(m), l.Month[m].DBTmin, l.Month[m].DBTmax, l.Month[m].RHavg}));
    }
    const size_t shares = Find(rows, {"Strategy", "Letter", "Name", "Year share (%)"});
    for (int st = 1; st <= 10; ++st) {
        ASSERT_EQ(rows[shares + st].size(), 4u);
        EXPECT_EQ(rows[shares + st][2], std::string(StrategyName[st]));
        EXPECT_EQ(ToFloat(rows[shares + st][3]), s.state.Tally.YearShare[st]) << st;  // zeros included: all ten
    }
    ExpectMonthHours(rows, "Hours per month and strategy (typical days)", s.state.Tally);
    EXPECT_EQ(Find(rows, {"Hours per month and strategy (typical days)"}) + 12, rows.size());  // nothing recorded

    const std::vector<Row> hours = SplitCsv(HourlyCsv(s.state));
    ASSERT_EQ(hours.size(), 1u + 288u);
    EXPECT_EQ(hours[0], (Row{"Month", "Hour", "DBT (C)", "W (g/kg)", "RH (%)", "Strategy"}));
    const Psychrometrics psy(s.state.Pressure);
    for (int i = 0; i < 288; ++i) {
        const Row& r = hours[size_t(i) + 1];
        const int m = i / 24 + 1, h = i % 24 + 1;
        SCOPED_TRACE(testing::Message() << m << "/" << h);
        ASSERT_EQ(r.size(), 6u);
        EXPECT_EQ((std::tuple{r[0], r[1], ToFloat(r[2]), ToFloat(r[3])}),
                  (std::tuple{std::to_string(m), std::to_string(h), s.state.Hours.DBT[m][h], s.state.Hours.W[m][h]}));
        // FTax1 inverts FUR: the humidity, rounded to 0.01 %, gives back W within 0.01 g/kg.
        EXPECT_NEAR(psy.FTax1(ToFloat(r[2]), ToFloat(r[4]) / 100), ToFloat(r[3]), 0.01);
    }
    ExpectLettersEqualTally(hours, 5, s.state.Tally);
}

// A weather-file location adds the recorded shares, hours and disagreement to the results, and
// its hourly table lists the recorded hours with their dates.
TEST(ExportsCsv, WeatherFileExportsTheRecordedAnalysis)
{
    Session s;
    s.ShowWeatherFile("chicago.epw");
    const RecordedYear* recorded = s.state.CurrentRecorded();
    ASSERT_TRUE(recorded);
    std::vector<Row> rows = SplitCsv(ResultsCsv(s.state));
    const size_t shares = Find(rows, {"Strategy", "Letter", "Name", "Year share (%)", "Recorded year share (%)"});
    for (int st = 1; st <= 10; ++st)
        EXPECT_EQ((std::pair{ToFloat(rows[shares + st][3]), ToFloat(rows[shares + st][4])}),
                  (std::pair{s.state.Tally.YearShare[st], s.state.RecordedTally.YearShare[st]}));
    ExpectMonthHours(rows, "Hours per month and strategy (recorded hours)", s.state.RecordedTally);
    const size_t used = Find(rows, {"Hours used", "Hours missing"}) + 1;
    ASSERT_EQ(rows[used].size(), 3u);
    EXPECT_EQ(ToInt(rows[used][0]), recorded->HoursUsed);
    EXPECT_EQ(ToInt(rows[used][1]), recorded->HoursMissing);
    EXPECT_EQ(ToFloat(rows[used][2]), ShareDisagreement(s.state.Tally, s.state.RecordedTally));

    // The hourly table holds the hours of the view shown: the typical days first, then the year.
    EXPECT_EQ(SplitCsv(HourlyCsv(s.state)).size(), 1u + 288u);
    EXPECT_EQ(rows[1], (Row{"Hours shown", "typical days"}));
    s.state.View = HoursView::Recorded;
    EXPECT_EQ(SplitCsv(ResultsCsv(s.state))[1], (Row{"Hours shown", "recorded hours"}));
    // The window's export says when the analysis was laid out for its monitor.
    EXPECT_EQ(SplitCsv(ResultsCsv(s.state, "this screen's size (1366 x 768 px)"))[2],
              (Row{"Analysed at", "this screen's size (1366 x 768 px)"}));
    rows = SplitCsv(HourlyCsv(s.state));
    ASSERT_EQ(rows.size(), 1u + size_t(recorded->HoursUsed));
    EXPECT_EQ(rows[0], (Row{"Month", "Day", "Hour", "DBT (C)", "W (g/kg)", "RH (%)", "Strategy"}));
    EXPECT_EQ(rows[1][0] + "/" + rows[1][1] + "/" + rows[1][2], "1/1/1");
    EXPECT_EQ(rows.back()[0] + "/" + rows.back()[1] + "/" + rows.back()[2], "12/31/24");
    for (size_t i = 1; i < rows.size(); i += 97) {
        const RecordedHour& h = recorded->Hours[i - 1];
        EXPECT_EQ((std::tuple{rows[i][1], rows[i][2], ToFloat(rows[i][3]), ToFloat(rows[i][4])}),
                  (std::tuple{std::to_string(h.Day), std::to_string(h.Hour), h.DBT, h.W}))
            << i;
    }
    ExpectLettersEqualTally(rows, 6, s.state.RecordedTally);
}

TEST(PictureProvenance, NamesProgramLocationPressureElevationAndSource)
{
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(PictureProvenance(Session().state), (std::vector<Pair>{{"Software", std::string(kProgramAndVersion)},
                                                                     {"Location", "Brasília (Brazil)"},
                                                                     {"Pressure", "88.251 kPa"},
                                                                     {"Elevation", "1160 m (pressure taken at 1150 m)"},
                                                                     {"Source", "GOV"},
                                                                     {"Hours", "typical days"}}));
    // A weather-file location names its file, and the recorded hours when they are shown.
    Session s;
    s.ShowWeatherFile("chicago.epw");
    s.state.View = HoursView::Recorded;
    const auto provenance = PictureProvenance(s.state);
    EXPECT_EQ(provenance[4].second, "EPW (file chicago.epw)");  // the name only, never the folders
    EXPECT_EQ(provenance[5], (Pair{"Hours", "recorded hours"}));
}

}  // namespace
}  // namespace qav
