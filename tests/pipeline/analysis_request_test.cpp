// The analysis request qav-cli and the WebAssembly module share: its refusals, its inputs opened
// from contents, the module's JSON keys as options, and the codes a front end words itself.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "pipeline/analysis_request.h"
#include "pipeline/pipeline.h"

namespace qav {
namespace {

// Options as a command line gives them ("--dataset world --all"): a word after an option is its value.
std::vector<RequestOption> Options(const std::string& line)
{
    std::vector<RequestOption> options;
    std::istringstream words(line);
    for (std::string word; words >> word;)
        if (word.starts_with("--"))
            options.push_back({word, "", std::nullopt});
        else
            options.back().value = word;
    return options;
}

// The module's keys as it flattens them, written "key type value, key type value"; a missing value is empty.
std::vector<std::string> Keys(const std::string& triples)
{
    std::vector<std::string> entries;
    std::istringstream items(triples);
    for (std::string item; std::getline(items, item, ',');) {
        std::istringstream words(item);
        std::string key, type, value;
        words >> key >> type >> value;
        entries.insert(entries.end(), {key, type, value});
    }
    return entries;
}

std::string Refused(const std::function<void()>& parse)
{
    try {
        parse();
    } catch (const OptionError& e) {
        return e.message;
    } catch (const InputFailure& e) {
        return "input: " + e.message;
    }
    return "accepted";
}

std::string WorldFile()
{
    std::ifstream in(QAV_SOURCE_DIR "/QAVworld.TXT", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(AnalysisRequest, RefusalsNameTheOption)
{
    const std::pair<std::vector<RequestOption>, const char*> rows[] = {
        {Options("--format xml"), "--format: 'xml' is not table, json or csv"},
        {Options("--all --location 2"), "--all: cannot be combined with --location"},
        {Options("--warming 1 --warming-file w.csv"), "--warming: give either --warming or --warming-file"},
        {Options("--hours typical --hours both"), "--hours: given more than once"},
        {Options("--chart c.png"), "--chart: unknown option"},
    };
    for (const auto& [options, message] : rows) {
        SCOPED_TRACE(message);
        EXPECT_EQ(Refused([&] { ParseAnalysisRequest(options); }), message);
    }
    const AnalysisRequest r =
        ParseAnalysisRequest(Options("--chart c.png --dataset world --months 12-2 --file a.txt"), {"--chart"});
    EXPECT_EQ(std::tuple(r.own.size(), r.inputs.size(), r.filterGiven, r.format),
              std::tuple(1u, 2u, true, RowFormat::Table));
}

// A file handed over as contents opens as qav-cli opens it: the same warnings in the same words,
// the same limits (a warming file's 64 KiB), the failure naming the path given.
TEST(AnalysisRequest, ContentsOpenAsFilesDo)
{
    const std::string world = WorldFile();
    std::string cut = world.substr(0, world.find("\"Athens\""));
    cut += "\"Athens\",\"Greece\",37.9,23.7,107,\"BBC\"\n1,6,13\n";
    AnalysisRequest request;
    request.inputs = {{"--file", "cut.txt", cut}, {"--file", "51.txt", world + "\"Extra\",\"Land\",0,0,0,\"X\"\n"}};
    RequestInputs opened;
    ASSERT_EQ(Refused([&] { OpenRequestInputs(request, {}, opened); }), "accepted");
    EXPECT_EQ(std::pair(opened.inputs[0].table.LocationCount, opened.inputs[1].table.LocationCount), std::pair(2, 50));
    EXPECT_EQ(opened.warnings,
              (std::vector<std::string>{
                  "cut.txt: Location 3 (Athens) ends at line 28 after 9 of its 54 fields; it was left out.",
                  "51.txt: Only 50 locations are read; left out from line 651 on: 6 fields."}));

    request.inputs = {};
    request.warmingFile = RequestOption{"--warming-file", "w.csv", std::string(64 * 1024 + 1, ' ')};
    EXPECT_EQ(Refused([&] { OpenRequestInputs(request, {}, opened); }),
              "input: --warming-file: w.csv: The file is larger than 64 KiB: it is not a warming file. Err code 60");
    request.warmingFile.reset();
    request.inputs = {{"--station", "83377", std::nullopt}};
    EXPECT_EQ(Refused([&] { OpenRequestInputs(request, {}, opened); }), "input: the station catalogue was not loaded");
    request.inputs = {{"--station", "83x", std::nullopt}};
    EXPECT_EQ(Refused([&] { OpenRequestInputs(request, {}, opened); }), "--station: '83x' is not a station number");
}

TEST(AnalysisRequest, PlanAddsTheStartUpLocationAndBoundsTheRun)
{
    const AnalysisState startup = MakeStartupState(ScreenDescription{});
    AnalysisRequest request;
    RequestInputs opened;
    RequestPlan plan = PlanRequest(request, opened, startup);
    ASSERT_EQ(plan.items.size(), 1u);
    EXPECT_TRUE(plan.defaultInput);
    EXPECT_EQ(plan.items[0].slot, 5);  // Brasília
    request = ParseAnalysisRequest(Options("--dataset all --all"));
    EXPECT_EQ(MostLocations(request), 90u);
    OpenRequestInputs(request, {}, opened);
    EXPECT_EQ(Refused([&] { PlanRequest(request, opened, startup, Language::English, 89); }),
              "the request asks for up to 90 locations; at most 89 are analysed in one request");
    // Counted before anything is read: each set's slots, 50 for a Monthly Data file, one a slot.
    request = ParseAnalysisRequest(Options("--dataset world --file x --station 1"));
    EXPECT_EQ(MostLocations(request), 3u);
    request = ParseAnalysisRequest(
        Options("--dataset brazil --dataset south-america --file x --dataset world:3 --epw y --all"));
    EXPECT_EQ(MostLocations(request), 27u + 13 + 50 + 1 + 1);
}

// The module's keys in the object's order become qav-cli's options: the listed inputs first,
// each with its own slot, then the request's own source, then the other options.
TEST(AnalysisRequest, ModuleKeysBecomeOptions)
{
    bool warnings = false;
    const std::vector<RequestOption> options =
        RequestFromKeys(Keys("location number 3, dataset string world, inputs list, inputs.0 object, "
                             "inputs.0.dataset string brazil, inputs.0.location number 5, inputs.1 object, "
                             "inputs.1.md string TEXT, inputs.1.path string a.txt, inputs.2 object, "
                             "inputs.2.near string -15.8;-47.9, all boolean false, "
                             "warnings boolean true"),
                        warnings);
    std::string shown;
    for (const RequestOption& o : options)
        shown += o.name + "=" + o.value + (o.contents ? "+" + *o.contents : "") + " ";
    EXPECT_EQ(shown, "--dataset=brazil:5 --file=a.txt+TEXT --near=-15.8;-47.9 --dataset=world --location=3 ");
    EXPECT_TRUE(warnings);

    using Entries = std::vector<std::string>;
    const std::pair<Entries, const char*> rows[] = {
        {{"Dataset", "string", "world"}, "Dataset: unknown key"},
        {{"all", "string", "false"}, "all: \"false\" is not true or false"},
        {{"inputs", "object", ""}, "inputs: {...} is not a list"},
        {{"inputs", "list", "", "inputs.0", "string", "brazil"}, "inputs.0: \"brazil\" is not an object"},
        {{"inputs", "list", "", "inputs.0", "object", ""},
         "inputs.0: an input names one of dataset, station, near, md or epw"},
        {Keys("inputs list, inputs.0 object, inputs.0.md string, inputs.0.location number 2"),
         "inputs.0.location: only a data set takes a location"},
        {{"location", "null", "null"}, "location: null is not a number or a text"},
        {{"path", "string", "a.txt"}, "path: needs md or epw"},
        {{"", "list", ""}, "the request is not a JSON object"},
    };
    for (const auto& [entries, message] : rows) {
        SCOPED_TRACE(message);
        EXPECT_EQ(Refused([&] { RequestFromKeys(entries, warnings); }), message);
    }
    const auto limit = [] { StationQueryFromKeys({"limit", "boolean", "true"}); };
    EXPECT_EQ(Refused(limit), "limit: true is not a number or a text");
    EXPECT_EQ(StationQueryFromKeys({"query", "string", "Lima", "limit", "number", "7"}).limit, 7u);
}

TEST(AnalysisRequest, FailureCodesAndCoordinatesLookalikes)
{
    const FailureCode slot = CodeOf(Refusal(option_text::kSlotOutside, {"--dataset", "28", "1..27", "brazil"}));
    EXPECT_EQ(slot.code, "slot_outside");
    EXPECT_EQ(slot.values, (std::vector<std::string>{"--dataset", "28", "1..27", "brazil"}));
    EXPECT_EQ(CodeOf(OptionError{"--jobs: x"}).code, "usage");
    ReadFailure f;
    f.File = "a.txt", f.Kind = ReadFault::OutOfRange, f.Code = 22, f.Line = 3, f.Text = "95";
    const FailureCode read = CodeOf(f);
    EXPECT_EQ(read.code, "out_of_range");
    EXPECT_EQ(read.values, (std::vector<std::string>{"a.txt", "22", "3", "0", "", "95", "0"}));
    for (const char* text : {"NaN,0", "91.5.2,0", "-23.5; inf", "1 2"}) EXPECT_TRUE(LooksLikeCoordinates(text)) << text;
    for (const char* text : {"Lima", "São Paulo", "12", "Campo 2"}) EXPECT_FALSE(LooksLikeCoordinates(text)) << text;
}

}  // namespace
}  // namespace qav
