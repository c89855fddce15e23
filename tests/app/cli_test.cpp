// qav-cli end to end: the program is run as a user would run it.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/version.h"
#include "tests/app/cli_support.h"

namespace {

using qav::test::ReadFile;
using qav::test::Seen;
using qav::test::Shell;
using CliRun = qav::test::CliResult;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// The rest of the table: the results table's test.
TEST(CliAnalyze, WithoutOptionsPrintsTheStartUpAnalysisOfBrasilia)
{
    const CliRun r = Shell("analyze");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("QAV - Meridane\n\nLocation, Country, Data Source, Latitude, Longitude, Elevation\n"
                          "Brasília,Brazil,GOV,-15.78,-47.93,1160\n",
                          0),
              0u);
}

TEST(CliArguments, BadArgumentsNameTheArgumentAndExitWithTwo)
{
    using Row = std::pair<const char*, const char*>;
    for (const auto& [args, message] :
         {Row{"analyze --location 28", "error: --location: 28 is outside 1..27: --dataset brazil has 27 locations\n"},
          Row{"analyze --dataset all --location 20",
              "error: --location: 20 is outside 1..13: --dataset south-america has 13 locations\n"},
          Row{"analyze --location 51", "error: --location: 51 is outside 1..50\n"},
          Row{"analyze --location 1.5", "error: --location: '1.5' is not a whole number\n"},
          Row{"analyze --jobs 0", "error: --jobs: 0 is outside 1..256\n"},
          Row{"analyze --screen 1024.5x768", "error: --screen: '1024.5' is not a whole number\n"},
          Row{"analyze --screen 1024x99999999999", "error: --screen: 99999999999 is outside 200..16384\n"},
          Row{"analyze --file=", "error: --file: the path is empty\n"},
          Row{"analyze --chart out.jpg", "error: --chart: 'out.jpg' ends neither in .png nor in .svg\n"},
          Row{"analyze --report r.png", "error: --report: 'r.png' does not end in .pdf\n"},
          Row{"analyze --report r.pdf --paper a5", "error: --paper: 'a5' is not a4 or letter\n"},
          Row{"psychro --elevation 0 --t 20 --w 14.755", "error: --w: 14.755 is outside 0.01..14.754\n"},
          Row{"psychro --elevation 0 --t 20 --rh 100.1", "error: --rh: 100.1 is outside 0.1..100\n"},
          Row{"analyze --dataset mars", "error: --dataset: 'mars' is not brazil, south-america or world\n"},
          Row{"analyze --format xml", "error: --format: 'xml' is not table, json or csv\n"},
          Row{"analyze --bogus", "error: --bogus: unknown option\n"},
          Row{"analyze --location", "error: --location: a value is missing\n"},
          Row{"analyze --screen 1024", "error: --screen: '1024' is not WIDTHxHEIGHT\n"},
          Row{"psychro --elevation 0 --t 20", "error: --rh: give either --rh or --w\n"},
          Row{"psychro --elevation 0 --t abc --rh 50", "error: --t: 'abc' is not a number\n"},
          Row{"fly", "error: 'fly': unknown command (analyze, psychro, stations, places, export-dataset)\n"},
          Row{"analyze --station 99999", "error: --station: 99999 is not a station of the catalogue\n"},
          Row{"analyze --station 8337x", "error: --station: '8337x' is not a station number\n"},
          Row{"analyze --warming 2 --warming-file x.csv",
              "error: --warming: give either --warming or --warming-file\n"},
          Row{"analyze --sort E", "error: --sort: needs --compare-chart\n"},
          Row{"stations --near 95,10", "error: --near: latitude 95 is out of range (-90 to 90)\n"},
          Row{"stations --near lima", "error: --near: 'lima' is not a latitude and a longitude (LAT,LON)\n"},
          Row{"stations --near '10,10 100000'", "error: --near: elevation 100000 is out of range (-500 to 9000 m)\n"},
          Row{"stations --limit -1", "error: --limit: '-1' is out of range (0 to 2147483647; 0: all)\n"},
          Row{"stations --limit 2147483648",
              "error: --limit: '2147483648' is out of range (0 to 2147483647; 0: all)\n"},
          Row{"stations --limit 1e3", "error: --limit: '1e3' is not a whole number of 0 or more (0: all)\n"},
          Row{"stations --name ''", "error: --name: '' holds no letter or digit to search for\n"},
          Row{"stations --name ' -.- '", "error: --name: ' -.- ' holds no letter or digit to search for\n"},
          Row{"analyze --paper letter", "error: --paper: given without --report or --report-dir\n"},
          Row{"stations --format xml", "error: --format: 'xml' is not table, csv or json\n"},
          Row{"stations --near", "error: --near: a value is missing\n"}}) {
        SCOPED_TRACE(args);
        EXPECT_EQ(Seen(Shell(args)), std::tuple(2, "", message));
    }
}

TEST(CliArguments, HelpAndVersionWorkAfterAnyCommand)
{
    for (const char* args : {"analyze --version", "psychro --t 20 --version", "export-dataset --version"}) {
        SCOPED_TRACE(args);
        EXPECT_EQ(Seen(Shell(args)), std::tuple(0, "qav-cli (QAV version " + std::string(qav::kVersion) + ")\n", ""));
    }
    EXPECT_EQ(Shell("analyze --jobs x --help").out.rfind("Usage: qav-cli", 0), 0u);
}

// An object for one location asked for; an array whenever the request may name several.
TEST(CliJson, ShapeFollowsTheRequestNotTheCount)
{
    const std::string epw = QAV_FIXTURES_DIR "/chicago.epw";
    using Row = std::tuple<std::string, char, long>;
    for (const auto& [args, first, objects] :
         {Row{"--dataset world --location 3", '{', 1}, Row{"--epw " + epw, '{', 1},
          Row{"--epw " + epw + " --all", '[', 1}, Row{"--dataset all", '[', 3},
          Row{"--dataset world --file " QAV_SOURCE_DIR "/QAVworld.TXT --location 2", '[', 2}}) {
        SCOPED_TRACE(args);
        const CliRun r = Shell("analyze --hours typical --format json " + args);
        ASSERT_EQ(r.status, 0);
        EXPECT_EQ(std::tuple(r.out.front(), Lines(r.out)), std::tuple(first, first == '[' ? objects + 2 : 1));
    }
}

// Saturated air: the dew point and the wet bulb are the dry bulb (over ice and water at both ends
// of the range and elevations: the calculator functions' test), and the saturation the tool
// prints is accepted back, in full or to three decimals.
TEST(CliPsychro, SaturationIsConsistentAndItsPrintedValueAccepted)
{
    EXPECT_TRUE(Has(Shell("psychro --elevation 0 --t -40 --rh 100").out,
                    "Dew point          -40.00 C\nWet bulb           -40.00 C\n"));
    for (const char* w : {"14.753777", "14.754"}) {
        const CliRun r = Shell(std::string("psychro --elevation 0 --t 20 --format json --w ") + w);
        EXPECT_EQ(r.status, 0) << w;
        EXPECT_TRUE(Has(r.out, "\"w\":14.753777,\"rh\":1,\"dew_point\":19.999977")) << r.out;
    }
}

TEST(CliExportDataSet, ShippedWorldFileIsWhatTheExporterWrites)
{
    EXPECT_EQ(Seen(Shell("export-dataset world")), std::tuple(0, ReadFile(QAV_SOURCE_DIR "/QAVworld.TXT"), ""));
}

TEST(CliInputs, FileErrorsPrintTheReaderMessageAndExitWithOne)
{
    const qav::test::TempFolder dir;
    const std::filesystem::path bad = dir / "QAVbad.TXT";
    std::ofstream(bad) << "\"Nowhere\",\"Land\",95,0,10,\"X\"\n";
    EXPECT_EQ(
        Seen(Shell("analyze --file " + bad.string())),
        std::tuple(
            1, "",
            "error: " + bad.string() +
                ": '95' is out of range (-90 to 90). Line 1, field 3 (Latitude), location 1 (Nowhere). Err code 22\n"));
    // The world set with its first location's January and July lines swapped.
    std::string world = ReadFile(QAV_SOURCE_DIR "/QAVworld.TXT");
    const std::size_t jan = world.find('\n') + 1, feb = world.find('\n', jan) + 1;
    std::size_t jul = feb;
    for (int line = 2; line < 7; ++line) jul = world.find('\n', jul) + 1;
    const std::size_t aug = world.find('\n', jul) + 1;
    world = world.substr(0, jan) + world.substr(jul, aug - jul) + world.substr(feb, jul - feb) +
            world.substr(jan, feb - jan) + world.substr(aug);
    const std::filesystem::path swapped = dir / "QAVswapped.TXT";
    std::ofstream(swapped) << world;
    EXPECT_EQ(Shell("analyze --file " + swapped.string()).err,
              "error: " + swapped.string() +
                  ": '7' is not month 1: the monthly lines hold months 1 to 12 in order. Line 2, field 1 (Month), "
                  "location 1 (Addis Ababa). Err code 26\n");
}

// Files piped in are read as streams under the size limit of their kind; what follows the 50th
// location of a Monthly Data file is left out with a warning. (The pipe goes in Shell's prefix.)
TEST(CliInputs, StandardInputIsReadAsAFileAndLeftOutLocationsAreCounted)
{
    const qav::test::TempFolder dir;
    std::ofstream(dir / "QAV51.TXT") << ReadFile(QAV_SOURCE_DIR "/QAVworld.TXT") << "\"Extra\",\"Land\",0,0,0,\"X\"\n";
    std::ofstream(dir / "warming.csv") << qav::test::WarmingTable("1,3,0");
    using Case = std::tuple<std::string, std::string, int, std::string, std::string>;
    const Case cases[] = {
        {"cat " + (dir / "QAV51.TXT").string() + " |", "analyze --file /dev/stdin --all --format csv", 0,
         "\n50,Zurich,", "warning: /dev/stdin: Only 50 locations are read; left out from line 651 on: 6 fields.\n"},
        {"cat " + (dir / "warming.csv").string() + " |", "analyze --warming-file /dev/stdin --format csv", 0,
         "\n5,Brasília,", ""},
        {"yes |", "analyze --warming-file /dev/stdin", 1, "",
         "error: --warming-file: /dev/stdin: The file is larger than 64 KiB: it is not a warming file. Err code 60\n"},
    };
    for (const auto& [input, arguments, status, out, err] : cases) {
        SCOPED_TRACE(arguments);
        const CliRun r = Shell(arguments, input);
        EXPECT_EQ(std::tuple(r.status, Has(r.out, out), r.err), std::tuple(status, true, err)) << r.out;
    }
}

TEST(CliWeatherFile, RecordedHoursAreClassifiedBesideTheTypicalDays)
{
    const std::string epw = QAV_FIXTURES_DIR "/chicago.epw";
    const CliRun r = Shell("analyze --epw " + epw + " --format json");
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(Has(r.out, "\"hours_used\":8760,\"hours_missing\":0"));
    EXPECT_TRUE(Has(r.out, R"("recorded_month_hours":[[733,642,650,429,145,7,0,0,27,295,472,743],[11,22,)"));
    EXPECT_TRUE(Has(r.out, R"("disagreement":6.4)"));
    // Typical days only: no recorded keys.
    EXPECT_FALSE(Has(Shell("analyze --epw " + epw + " --hours typical --format json").out, "recorded_shares"));
}

TEST(CliHoursAnalysed, CountOnlyTheSelectedHoursAndSaySo)
{
    // The hours counted themselves: the pipeline's hour filter tests.
    EXPECT_TRUE(Has(Shell("analyze --hour-range 9-18 --format json").out, R"("hour_range":"9-18","months":"1-12")"));
    const CliRun night = Shell("analyze --hour-range 22-5 --months 12-2 --format csv");
    EXPECT_EQ(night.out.substr(0, night.out.find('\n')),
              "slot,name,country,source,latitude,longitude,elevation,pressure_elevation,pressure_kpa,"
              "A,B,C,D,E,F,G,H,I,J,hour_range,months,input");
    EXPECT_TRUE(Has(night.out, ",22-5,12-2,brazil\n"));
    // Without the options nothing changes, not even the keys.
    EXPECT_EQ(Shell("analyze --format json").out.find("hour_range"), std::string::npos);
}

// A warming file is read; CSV says what JSON says of a warmed run: the changes of each month and
// the shares before them, after the input. (The warmed shares of Brasília: the pipeline's warming test.)
TEST(CliWarming, FileIsReadAndCsvCarriesTheWarmingAndTheBaseShares)
{
    const std::filesystem::path file = qav::test::ProgramFolder() / "warming.csv";
    std::ofstream(file) << "month,dbt_min,dbt_max,rh_avg\n1,1.5,2.5,-3\n2,0,0,0\n3,0,0,0\n4,0,0,0\n5,0,0,0\n6,0,0,0\n"
                           "7,0,0,0\n8,0,0,0\n9,0,0,0\n10,0,0,0\n11,0,0,0\n12,0.5,1,2\n";
    const CliRun r = Shell("analyze --dataset brazil:5 --warming-file " + file.string() + " --format csv");
    ASSERT_EQ(r.status, 0);
    const std::string header = r.out.substr(0, r.out.find('\n'));
    EXPECT_TRUE(Has(header, ",J,input,warming_dbt_min_1,warming_dbt_max_1,warming_rh_avg_1,warming_dbt_min_2,"));
    EXPECT_TRUE(
        header.ends_with(",warming_rh_avg_12,base_A,base_B,base_C,base_D,base_E,base_F,base_G,base_H,base_I,base_J"));
    std::string months2To11;
    for (int m = 2; m <= 11; ++m) months2To11 += ",0,0,0";
    EXPECT_TRUE(r.out.ends_with(",brazil,1.5,2.5,-3" + months2To11 + ",0.5,1,2,0,30.2,28,0,36.8,5,0,0,0,0\n")) << r.out;
    const CliRun json = Shell("analyze --warming-file " + file.string() + " --format json");
    EXPECT_TRUE(Has(json.out, R"("monthly":[{"month":1,"dbt_min":18.9,"dbt_max":29.4,"rh_avg":73},)")) << json.out;
    EXPECT_TRUE(
        Has(json.out,
            R"("base_shares":[0,30.2,28,0,36.8,5,0,0,0,0],"base_top":[5,2,3],"warming":[{"month":1,"dbt_min":1.5,)"));
}

// ---- Stations of the 1991-2020 normals ------------------------------------------------------------

TEST(CliStations, ListsByNameOrNearestFirstInEachFormat)
{
    // A negative latitude after --near is its value, not an option.
    EXPECT_EQ(
        Shell("stations --near -23.55,-46.63 --limit 2 --format json").out,
        "[\n{\"wmo\":83781,\"name\":\"São Paulo (Mirante de Santana)\",\"country\":\"Brazil\",\"latitude\":-23.4964,"
        "\"longitude\":-46.62,\"elevation_m\":785,\"source\":\"INMET\",\"rh_source\":\"reported\",\"distance_km\":6},\n"
        "{\"wmo\":83683,\"name\":\"Machado\",\"country\":\"Brazil\",\"latitude\":-21.6814,\"longitude\":-45.9408,"
        "\"elevation_m\":892,\"source\":\"WMO\",\"rh_source\":\"reported\",\"distance_km\":219.5}\n]\n");
    EXPECT_EQ(Shell("stations '--near=15 47 S 47 56 W 1160 m' --name bras --format csv").out,
              "wmo,name,country,latitude,longitude,elevation_m,source,rh_source,distance_km,elevation_diff_m\n"
              "83377,Brasília,Brazil,-15.7897,-47.9258,1161,WMO,reported,1.1,1\n");
    EXPECT_EQ(Lines(Shell("stations --limit 0 --format csv").out), 3731);
    EXPECT_EQ(Lines(Shell("stations").out), 12);  // the header, 10 stations, the humidity note
}

// Slot 5 of the Brazil set (1961-1990) beside station 83377 (1991-2020); only station rows carry
// station, period and rh_source.
TEST(CliStations, AnalysesAStationBesideABuiltInSlot)
{
    EXPECT_EQ(
        Shell("analyze --dataset brazil:5 --station 83377 --format csv").out,
        "slot,name,country,source,latitude,longitude,elevation,pressure_elevation,pressure_kpa,A,B,C,D,E,F,G,H,I,J,"
        "station,period,rh_source,input\n"
        "5,Brasília,Brazil,GOV,-15.78,-47.93,1160,1150,88.25129,0,30.2,28,0,36.8,5,0,0,0,0,,,,brazil\n"
        "1,Brasília,Brazil,WMO 83377 1991-2020,-15.7897,-47.9258,1161,1150,88.25129,0,25.2,25.2,0,44.4,5.2,0,0,0,0,"
        "83377,1991-2020,reported,station:83377\n");
    const std::string derived = Shell("analyze --station 60560 --format json").out;
    EXPECT_TRUE(Has(derived, ",\"station\":60560,\"period\":\"1991-2020\",\"rh_source\":\"derived\","));
    EXPECT_EQ(Shell("analyze --dataset brazil --format json").out.find("\"station\""), std::string::npos);
}

}  // namespace

// The sun's options refuse as the others do, and its pictures are written beside the rows.
TEST(CliSun, ShadeAboveFacadeAndPictures)
{
    EXPECT_EQ(Seen(Shell("analyze --shade-above 36")),
              std::tuple(2, "", "error: --shade-above: 36 is outside 10..35\n"));
    EXPECT_EQ(Seen(Shell("analyze --facade up")),
              std::tuple(2, "", "error: --facade: 'up' is not N, NE, E, SE, S, SW, W, NW or degrees from 0 to 359\n"));
    const qav::test::TempFolder dir;
    const CliRun r = Shell("analyze --format json --shade-above 26 --facade W --sun-chart " + (dir / "s.svg").string() +
                           " --calendar-chart " + (dir / "c.png").string());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "\"sun\":{\"shade_above\":26,"));
    EXPECT_TRUE(Has(ReadFile(dir / "s.svg"), "West façade"));
    EXPECT_EQ(ReadFile(dir / "c.png").substr(1, 3), "PNG");
}
