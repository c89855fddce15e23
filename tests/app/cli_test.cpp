// qav-cli end to end: the program is run as a user would run it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

struct CliRun {
    std::string out;
    int status = -1;
};

// Runs qav-cli with the arguments (shell words) and collects standard output; standard error
// goes to the file err when given.
CliRun RunCli(const std::string& arguments, const std::string& err = "/dev/null")
{
    const std::string command = std::string(QAV_CLI) + " " + arguments + " 2>" + err;
    CliRun r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// The sum of the numbers in the JSON array `key`.
double SumOf(const std::string& json, const std::string& key)
{
    std::smatch m;
    EXPECT_TRUE(std::regex_search(json, m, std::regex("\"" + key + "\":\\[([^\\]]*)\\]"))) << key;
    double total = 0;
    std::istringstream in(m[1].str());
    for (std::string v; std::getline(in, v, ',');) total += std::stod(v);
    return total;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(CliAnalyze, WithoutOptionsPrintsTheStartUpAnalysisOfBrasilia)
{
    const CliRun r = RunCli("analyze");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("QAV - Meridane\n\nLocation, Country, Data Source, Latitude, Longitude, Elevation\n"
                          "Brasília,Brazil,GOV,-15.78,-47.93,1160\n",
                          0),
              0u);
    EXPECT_NE(r.out.find("\nBioclimatic Strategies\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n5,Thermal Comfort,"), std::string::npos);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST(CliAnalyze, JsonCarriesPressureHoursAndSharesThatAddUp)
{
    const CliRun r = RunCli("analyze --format json");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"pressure_elevation\":1150,\"pressure_kpa\":88.25129"), std::string::npos);
    // January hours 1, 6, 14 and 24 of the typical day.
    const std::regex january(R"re("dbt":\[\[18\.51,([^,]+,){4}17\.45,([^,]+,){7}26\.85,([^,]+,){9}19\.04\])re");
    EXPECT_TRUE(std::regex_search(r.out, january));
    EXPECT_NEAR(SumOf(r.out, "shares"), 100, 0.2);
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("top":\[5,2,3\])")));
}

TEST(CliAnalyze, CsvHasOneRowPerLocationOfTheSet)
{
    const CliRun r = RunCli("analyze --dataset south-america --all --format csv");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "slot,name,country,source,latitude,longitude,elevation,"
                                                "pressure_elevation,pressure_kpa,A,B,C,D,E,F,G,H,I,J");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 13);
    EXPECT_NE(r.out.find("\n8,La Paz,Bolivia,BBC,-16.24,-67.39,3630,3600,"), std::string::npos);
}

TEST(CliArguments, BadArgumentsNameTheArgumentAndExitWithTwo)
{
    const std::filesystem::path err = std::filesystem::temp_directory_path() / "qav_cli_err.txt";
    struct Row { const char* args; const char* message; };
    for (const Row& row : {Row{"analyze --location 28", "error: --location: 28 is outside 1..27\n"},
                           Row{"analyze --dataset mars", "error: --dataset: 'mars' is not brazil, south-america or world\n"},
                           Row{"analyze --format xml", "error: --format: 'xml' is not table, json or csv\n"},
                           Row{"analyze --bogus", "error: --bogus: unknown option\n"},
                           Row{"analyze --location", "error: --location: a value is missing\n"},
                           Row{"analyze --screen 1024", "error: --screen: '1024' is not WIDTHxHEIGHT\n"},
                           Row{"psychro --elevation 0 --t 20", "error: --rh: give either --rh or --w\n"},
                           Row{"psychro --elevation 0 --t abc --rh 50", "error: --t: 'abc' is not a number\n"},
                           Row{"fly", "error: 'fly': unknown command (analyze, psychro, export-dataset)\n"}}) {
        SCOPED_TRACE(row.args);
        const CliRun r = RunCli(row.args, err.string());
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(ReadFile(err), row.message);
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliPsychro, ComfortablePointLiesInZoneE)
{
    const CliRun r = RunCli("psychro --elevation 0 --t 20 --rh 50 --format json");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"pressure_kpa\":101.325"), std::string::npos);
    EXPECT_NE(r.out.find("\"w\":7.29"), std::string::npos);  // 7.290 g/kg at sea level
    EXPECT_NE(r.out.find("\"zone\":\"E\""), std::string::npos);
    // Saturated air at 40 C holds more than 28 g/kg: above the chart, no zone.
    EXPECT_NE(RunCli("psychro --elevation 0 --t 40 --rh 100 --format json").out.find("\"zone\":null"),
              std::string::npos);
}

TEST(CliExportDataSet, ShippedWorldFileIsWhatTheExporterWrites)
{
    const CliRun r = RunCli("export-dataset world");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, ReadFile(std::filesystem::path(QAV_SOURCE_DIR) / "QAVworld.TXT"));
    EXPECT_NE(r.out.find("\"Brasília\",\"Brazil\",-15.78,-47.93,1160,\"GOV\"\n1,17.4,26.9,76\n"),
              std::string::npos);
}

TEST(CliPictures, ChartAndGraphAreSavedAsPng)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qav_cli_pictures";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string chart = (dir / "chart.png").string(), graph = (dir / "graph.png").string();
    ASSERT_EQ(RunCli("analyze --dataset south-america --location 8 --chart " + chart + " --graph " + graph).status, 0);
    for (const std::string& png : {chart, graph}) EXPECT_EQ(ReadFile(png).substr(0, 8), "\x89PNG\r\n\x1a\n") << png;
    std::filesystem::remove_all(dir);
}

TEST(CliInputs, FileErrorsPrintTheReaderMessageAndExitWithOne)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qav_cli_inputs";
    std::filesystem::create_directories(dir);
    const std::filesystem::path bad = dir / "QAVbad.TXT";
    std::ofstream(bad) << "\"Nowhere\",\"Land\",95,0,10,\"X\"\n";
    const std::filesystem::path err = dir / "err.txt";
    const CliRun r = RunCli("analyze --file " + bad.string(), err.string());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadFile(err), "error: " + bad.string() +
                                 ": Err code 22\nLocation 1 (Nowhere), line 1, field 3 (Latitude): 95 is out of range (-90 to 90)\n");
    std::filesystem::remove_all(dir);
}

// A file cut inside its last location: the others are analysed and standard error says which
// location was left out, and where.
TEST(CliInputs, ALocationCutShortIsNamedOnStandardError)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qav_cli_cut";
    std::filesystem::create_directories(dir);
    const std::filesystem::path cut = dir / "QAVcut.TXT";
    std::string text = "\"Alpha\",\"Land\",-10,-40,100,\"X\"\n";
    for (int m = 1; m <= 12; ++m) text += std::to_string(m) + ",18,28,70\n";
    std::ofstream(cut) << text << "\"Beta\",\"Land\",-11,-41,200,\"X\"\n1,18,28,70\n";
    const std::filesystem::path err = dir / "err.txt";
    const CliRun r = RunCli("analyze --file " + cut.string() + " --all --format csv", err.string());
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Alpha"), std::string::npos);
    EXPECT_EQ(r.out.find("Beta"), std::string::npos);
    EXPECT_EQ(ReadFile(err), "warning: " + cut.string() +
                                 ": Location 2 (Beta) was left out: the file ends at line 15, inside it.\n");
    std::filesystem::remove_all(dir);
}

TEST(CliInputs, ShippedWorldFileAnalysesLikeTheBuiltInSet)
{
    const std::string file = std::string(QAV_SOURCE_DIR) + "/QAVworld.TXT";
    const CliRun fromFile = RunCli("analyze --file " + file + " --all --format csv");
    const CliRun builtIn = RunCli("analyze --dataset world --all --format csv");
    ASSERT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, builtIn.out);
}

TEST(CliBatch, EveryJobCountGivesTheSameOutputInInputOrder)
{
    const CliRun one = RunCli("analyze --dataset all --all --format json --jobs 1");
    const CliRun two = RunCli("analyze --dataset all --all --format json --jobs 2");
    ASSERT_EQ(one.status, 0);
    EXPECT_EQ(one.out, two.out);
    const std::regex slot(R"("slot":)");
    EXPECT_EQ(std::distance(std::sregex_iterator(one.out.begin(), one.out.end(), slot), std::sregex_iterator()), 90);
}

TEST(CliWeatherFile, RecordedHoursAreClassifiedBesideTheTypicalDays)
{
    const std::string epw = QAV_FIXTURES_DIR "/chicago.epw";
    const CliRun r = RunCli("analyze --epw " + epw + " --format json");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"source\":\"EPW\""), std::string::npos);
    EXPECT_NE(r.out.find("\"hours_used\":8760,\"hours_missing\":0"), std::string::npos);
    EXPECT_NEAR(SumOf(r.out, "recorded_shares"), 100, 0.2);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.out, m, std::regex(R"("disagreement":([0-9.]+))")));
    EXPECT_GT(std::stod(m[1].str()), 0);
    EXPECT_LT(std::stod(m[1].str()), 50);
    // Typical days only: no recorded keys.
    EXPECT_EQ(RunCli("analyze --epw " + epw + " --hours typical --format json").out.find("recorded_shares"),
              std::string::npos);
}

}  // namespace
