// qav-cli: the analysis without a window. Runs the same pipeline as the window on a described
// screen, prints the results as a table, JSON or CSV, and can save the chart and the graph.
#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <new>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "app/batch.h"
#include "app/cli_io.h"
#include "app/cli_output.h"
#include "app/cli_stations.h"
#include "chart/qt/upper_vector_state.h"
#include "chart/strategy.h"
#include "classify/classification.h"
#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
#include "core/version.h"
#include "data/md_reader.h"
#include "data/md_writer.h"
#include "data/station_catalogue.h"
#include "data/warming_reader.h"
#include "pictures/pictures.h"
#include "pipeline/compare.h"
#include "pipeline/exports.h"
#include "pipeline/pipeline.h"
#include "pipeline/rendering.h"
#include "pipeline/weather_location.h"

namespace {

using namespace qav;
using cli::WriteErr;
using cli::WriteOut;

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the analysis or an output could not be done
constexpr int kExitUsage = 2;    // bad arguments

constexpr const char* kUsage =
    "Usage: qav-cli <command> [options]\n"
    "\n"
    "Commands:\n"
    "  analyze         Bioclimatic analysis of locations (inputs may be repeated and mixed)\n"
    "    --dataset brazil|south-america|world|all   built-in data set; KEY:N takes its slot N alone\n"
    "    --station WMO station of the 1991-2020 normals (see stations), as a Monthly Data location\n"
    "    --file PATH   Monthly Data file (QAV*.TXT)\n"
    "    --epw PATH    EnergyPlus weather file: one location, typical days and recorded hours\n"
    "                  (without input: Brazil, the start-up slot 5)\n"
    "    --location N  slot to analyse in each input, 1 to its number of locations (default: 1)\n"
    "    --all         every location of every input\n"
    "    --format table|json|csv                output form (default: table); JSON is one\n"
    "                  object for one location asked without --all, otherwise an array\n"
    "    --hours typical|recorded|both          for weather files (default: both)\n"
    "    --lang en|pt_BR                        words and decimal separator of the table and\n"
    "                  the pictures (default: en; pt_BR: Portuguese, decimal comma); JSON\n"
    "                  and CSV are never translated\n"
    "    --screen WxH  screen whose window the analysis reproduces, 320..16384 by\n"
    "                  200..16384 pixels (default: 1024x768)\n"
    "    --jobs N      threads, 1..256 (default: the number of cores), lowered to fit the\n"
    "                  available memory; output is the same for any N\n"
    "    --chart FILE, --graph FILE             save the chart and the monthly graph;\n"
    "                  the suffix .png or .svg chooses the format\n"
    "    --chart-dir DIR, --graph-dir DIR       save one PNG per location into DIR\n"
    "    --hour-range A-B  clock hours counted, 1-24 (a range may wrap: 22-5; default 1-24)\n"
    "    --months M-N  months counted, 1-12 (may wrap: 12-2 is December to February)\n"
    "    --warming C   add C degrees to every DBTmin and DBTmax, relative humidity kept\n"
    "    --warming-file FILE   monthly changes: CSV month,dbt_min,dbt_max,rh_avg, 12 rows\n"
    "    --compare-chart FILE.png|FILE.svg      one bar of shares per location of the run\n"
    "    --sort A..J|name|list  order of the compare chart's bars (default: list)\n"
    "  psychro         Moist-air properties at the station pressure of an elevation\n"
    "    --elevation M --t C (--rh PERCENT | --w G_PER_KG) [--format text|json]\n"
    "                  ranges: elevation -500..9000 m, t -40..60 C, rh 0.1..100 %, w 0.01 g/kg\n"
    "                  up to saturation (the saturation it prints is accepted). The dew point\n"
    "                  inverts the saturation pressure (frost point below 0 C) and the wet bulb\n"
    "                  solves the psychrometric equation over water or ice: both hold over the\n"
    "                  whole range; the chart keeps its own fits for its -18..44 C.\n"
    "  stations        List stations of the 1991-2020 normals, by name or nearest first\n"
    "    [--near LAT,LON] [--name TEXT] [--limit N (default 10, 0: all)] [--format table|csv|json]\n"
    "  export-dataset brazil|south-america|world\n"
    "                  Write a built-in data set as a Monthly Data file to standard output\n"
    "\n"
    "Options --help and --version work everywhere.\n"
    "\n"
    "Exit status: 0 success, 1 an input, an output or the memory failed, 2 bad arguments.\n";

/// A bad command line: the message names the argument; exit status 2.
struct UsageError {
    std::string message;
};

[[noreturn]] void Fail(std::string message) { throw UsageError{std::move(message)}; }

/// Arguments of the form --name value, --flag and positional words.
class Arguments {
public:
    Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valued,
              const std::vector<std::string>& flags, const std::vector<std::string>& repeatable = {})
    {
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a.rfind("--", 0) != 0) {
                positional_.push_back(a);
                continue;
            }
            std::string name = a, value;
            const bool hasInlineValue = a.find('=') != std::string::npos;
            if (hasInlineValue) {
                name = a.substr(0, a.find('='));
                value = a.substr(a.find('=') + 1);
            }
            if (std::find(valued.begin(), valued.end(), name) != valued.end()) {
                if (!hasInlineValue) {
                    if (i + 1 >= args.size()) Fail(name + ": a value is missing");
                    value = args[++i];
                }
                const bool repeats = std::find(repeatable.begin(), repeatable.end(), name) != repeatable.end();
                if (values_.count(name) && !repeats) Fail(name + ": given more than once");
                values_[name] = value;
                ordered_.emplace_back(name, value);
            } else if (std::find(flags.begin(), flags.end(), name) != flags.end() && !hasInlineValue) {
                values_[name] = "";
            } else {
                Fail(name + ": unknown option");
            }
        }
    }
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const
    {
        auto it = values_.find(name);
        return it == values_.end() ? std::nullopt : std::optional(it->second);
    }
    const std::vector<std::string>& Positional() const { return positional_; }
    /// The valued options in the order given, repeated ones included.
    const std::vector<std::pair<std::string, std::string>>& Ordered() const { return ordered_; }

private:
    std::vector<std::pair<std::string, std::string>> ordered_;
    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
};

/// A number within lo..hi; `range` is how the message shows the bounds (by default lo..hi).
double ParseNumber(const std::string& name, const std::string& text, double lo, double hi, std::string range = {})
{
    double v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = ParseDecimal(first, last, v);
    if (ec != std::errc{} || end != last || !std::isfinite(v))
        Fail(name + ": '" + text + "' is not a number");
    if (range.empty()) range = JsonNumber(static_cast<float>(lo)) + ".." + JsonNumber(static_cast<float>(hi));
    if (v < lo || v > hi) Fail(name + ": " + text + " is outside " + range);
    return v;
}

/// A whole number within lo..hi: counts and sizes take no fractions.
int ParseWhole(const std::string& name, const std::string& text, int lo, int hi, const std::string& why = {})
{
    int v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, v);
    if (text.empty() || end != last || (ec != std::errc{} && ec != std::errc::result_out_of_range))
        Fail(name + ": '" + text + "' is not a whole number");
    if (ec == std::errc::result_out_of_range || v < lo || v > hi)
        Fail(name + ": " + text + " is outside " + std::to_string(lo) + ".." + std::to_string(hi) + why);
    return v;
}

DataSetKind ParseDataSet(const std::string& name, const std::string& text)
{
    if (text == "brazil") return DataSetKind::Brazil;
    if (text == "south-america") return DataSetKind::SouthAmerica;
    if (text == "world") return DataSetKind::World;
    Fail(name + ": '" + text + "' is not brazil, south-america or world");
}

ScreenDescription ParseScreen(const std::string& text)
{
    ScreenDescription s;
    const size_t x = text.find('x');
    if (x == std::string::npos) Fail("--screen: '" + text + "' is not WIDTHxHEIGHT");
    // 200 pixels high is the least that leaves a chart; 16384 keeps every chart coordinate
    // within the 16-bit integers of the chart scale.
    s.WidthPx = ParseWhole("--screen", text.substr(0, x), 320, 16384);
    s.HeightPx = ParseWhole("--screen", text.substr(x + 1), 200, 16384);
    return s;
}

// Qt's own notices ("QStandardPaths: XDG_RUNTIME_DIR not set", font fallbacks) are not for a
// script's standard error; the tool reports its failures itself. Fatal messages still print.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) WriteErr("error: " + message.toStdString() + "\n");
}

/// Qt is started only when a picture is drawn: text needs fonts, the analysis does not.
class PictureSession {
public:
    PictureSession()
    {
        // Headless whatever the session says: an inherited xcb or wayland platform, or a DISPLAY
        // pointing nowhere, would abort the program. Qt sees none of the user's arguments either.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        ClearUpperVectorState();
    }

private:
    char name_[8] = "qav-cli";
    char* argv_[2] = {name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QGuiApplication> app_;
};

/// A failure to read an input file: the reader's message, exit status 1.
struct InputError {
    std::string message;
};

/// "A-B" with both ends in 1..last, or a usage error naming the option.
std::pair<int, int> ParseRange(const std::string& name, const std::string& text, int last, const char* what)
{
    const size_t dash = text.find('-', 1);
    if (dash == std::string::npos) Fail(name + ": '" + text + "' is not FIRST-LAST");
    const std::string bounds = std::string("1..") + std::to_string(last) + " (" + what + ")";
    const auto end = [&](const std::string& part) {
        int v = 0;
        const auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), v);
        if (ec != std::errc{} || ptr != part.data() + part.size() || v < 1 || v > last)
            Fail(name + ": '" + text + "' is not a range within " + bounds);
        return v;
    };
    return {end(text.substr(0, dash)), end(text.substr(dash + 1))};
}

/// --hour-range and --months: the hours the shares count; true when either is given.
bool ParseHourFilter(const Arguments& a, HourFilter& filter)
{
    const auto [firstHour, lastHour] =
        a.Has("--hour-range") ? ParseRange("--hour-range", *a.Value("--hour-range"), 24, "clock hours")
                              : std::pair{1, 24};
    const auto [firstMonth, lastMonth] =
        a.Has("--months") ? ParseRange("--months", *a.Value("--months"), 12, "months") : std::pair{1, 12};
    MakeHourFilter(firstHour, lastHour, firstMonth, lastMonth, filter);
    return a.Has("--hour-range") || a.Has("--months");
}

/// --warming C or --warming-file FILE; a file that cannot be read is an input error.
std::optional<Warming> ParseWarming(const Arguments& a)
{
    if (a.Has("--warming") && a.Has("--warming-file")) Fail("--warming: give either --warming or --warming-file");
    if (a.Has("--warming"))
        return UniformWarming(static_cast<float>(
            ParseNumber("--warming", *a.Value("--warming"), -kMaxTemperatureChange, kMaxTemperatureChange)));
    if (!a.Has("--warming-file")) return std::nullopt;
    const std::string file = *a.Value("--warming-file");
    WarmingResult r = ReadWarmingFile(file);
    if (r.failure) throw InputError{EnglishReadFailure(*r.failure)};
    return r.warming;
}

/// Every location of the run must take the warming; the first that cannot is named.
void CheckWarming(const std::vector<batch::WorkItem>& work, const std::optional<Warming>& warming)
{
    if (!warming) return;
    for (const batch::WorkItem& item : work) {
        const LocationRecord& l = item.input->table.Slot[item.slot];
        std::string why;
        if (!ApplyWarming(l, *warming, why)) throw InputError{"--warming: " + l.LocationName + ": " + why};
    }
}

/// --compare-chart FILE.png|FILE.svg and --sort; the format follows the file's extension.
struct CompareChartRequest {
    std::filesystem::path path;
    bool svg = false;
    CompareSort sort;
};
std::optional<CompareChartRequest> ParseCompareChart(const Arguments& a)
{
    if (!a.Has("--compare-chart")) {
        if (a.Has("--sort")) Fail("--sort: needs --compare-chart");
        return std::nullopt;
    }
    CompareChartRequest request;
    request.path = *a.Value("--compare-chart");
    const auto format = PictureFormatOf(request.path);
    if (!format) Fail("--compare-chart: '" + request.path.string() + "' ends neither in .png nor in .svg");
    request.svg = *format == PictureFormat::Svg;
    if (a.Has("--sort") && !batch::ParseCompareSort(*a.Value("--sort"), request.sort))
        Fail("--sort: '" + *a.Value("--sort") + "' is not a strategy letter A..J, name or list");
    return request;
}

/// Draws the compare picture of the run's rows and writes it; false (and a message) on failure.
bool SaveCompareChart(const CompareChartRequest& request, std::vector<CompareRow> rows, const AnalysisState& startup,
                      const std::string& caption, Language language)
{
    SortCompareRows(rows, request.sort);
    const QByteArray bytes = RenderCompareFile(rows, caption, startup.Layout.PixelWidth, startup.Layout.PixelHeight,
                                               request.svg ? PictureFormat::Svg : PictureFormat::Png, language);
    const QString path = QString::fromStdString(request.path.string());
    const QString failure = bytes.isEmpty() ? QStringLiteral("the picture could not be encoded")
                                            : WriteFileAtomically(path, bytes);
    if (failure.isEmpty()) return true;
    WriteErr("error: cannot write " + request.path.string() + ": " + failure.toStdString() + "\n");
    return false;
}

std::vector<batch::Input> LoadInputs(const Arguments& a)
{
    std::vector<batch::Input> inputs;
    for (const auto& [name, value] : a.Ordered()) {
        if (name == "--dataset") {
            // "brazil:5": one slot of a set (set keys hold no colon).
            const std::string key = value.substr(0, value.find(':'));
            const std::vector<DataSetKind> kinds =
                key == "all" ? std::vector{DataSetKind::Brazil, DataSetKind::SouthAmerica, DataSetKind::World}
                             : std::vector{ParseDataSet("--dataset", key)};
            if (key == "all" && key != value) Fail("--dataset: '" + value + "': a slot needs one data set");
            for (DataSetKind kind : kinds) {
                batch::Input in;
                LoadDataSet(kind, in.table);
                in.label = "--dataset " + std::string(kind == DataSetKind::Brazil         ? "brazil"
                                                      : kind == DataSetKind::SouthAmerica ? "south-america"
                                                                                          : "world");
                if (key != value)
                    in.onlySlot = ParseWhole("--dataset", value.substr(key.size() + 1), 1, in.table.LocationCount,
                                             " (the slots of " + key + ")");
                inputs.push_back(std::move(in));
            }
        } else if (name == "--station") {
            auto station = cli::StationForAnalysis(value);
            if (auto* failure = std::get_if<cli::StationFailure>(&station)) {
                if (failure->status == kExitUsage) Fail(failure->message);
                throw InputError{failure->message};
            }
            batch::Input in{{}, {}, "--station " + value};
            in.table.LocationCount = 1;
            in.table.Slot[1] = std::get<LocationRecord>(std::move(station));
            inputs.push_back(std::move(in));
        } else if (name == "--file") {
            ReadResult r = ReadMonthlyDataFile(value);
            if (r.failure) throw InputError{EnglishReadFailure(*r.failure)};
            if (r.warning) WriteErr("warning: " + value + ": " + EnglishCutShort(*r.warning) + "\n");
            inputs.push_back(batch::Input{std::move(r.table), {}, "--file " + value});
        } else if (name == "--epw") {
            WeatherFiles opened = OpenWeatherFiles({value});
            if (!opened.Failures.empty()) throw InputError{EnglishReadFailure(opened.Failures.front())};
            inputs.push_back(batch::Input{std::move(opened.Table), std::move(opened.Recorded), "--epw " + value});
        }
    }
    return inputs;
}

int Analyze(const std::vector<std::string>& args)
{
    const Arguments a(args,
                      {"--dataset", "--file", "--epw", "--station", "--location", "--format", "--screen", "--chart", "--graph",
                       "--chart-dir", "--graph-dir", "--hours", "--jobs", "--hour-range", "--months", "--warming",
                       "--warming-file", "--compare-chart", "--sort", "--lang"},
                      {"--all"}, {"--dataset", "--file", "--epw", "--station"});
    if (!a.Positional().empty()) Fail("'" + a.Positional().front() + "': unexpected argument");
    for (const char* pathOption : {"--file", "--epw", "--chart", "--graph", "--chart-dir", "--graph-dir"}) {
        for (const auto& [name, value] : a.Ordered())
            if (name == pathOption && value.empty()) Fail(name + ": the path is empty");
    }
    batch::Options options;
    const std::string format = a.Value("--format").value_or("table");
    if (format == "json") options.format = batch::Format::Json;
    else if (format == "csv") options.format = batch::Format::Csv;
    else if (format != "table") Fail("--format: '" + format + "' is not table, json or csv");
    const std::string lang = a.Value("--lang").value_or("en");
    if (const std::optional<Language> language = LanguageFromName(lang)) options.language = *language;
    else Fail("--lang: '" + lang + "' is not en or pt_BR");
    const std::string hours = a.Value("--hours").value_or("both");
    if (hours == "recorded") options.view = HoursView::Recorded;
    else if (hours != "both" && hours != "typical") Fail("--hours: '" + hours + "' is not typical, recorded or both");
    if (a.Has("--all") && a.Has("--location")) Fail("--all: cannot be combined with --location");
    const ScreenDescription screen = a.Has("--screen") ? ParseScreen(*a.Value("--screen")) : ScreenDescription{};
    const int cores = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
    const int jobs = a.Has("--jobs") ? ParseWhole("--jobs", *a.Value("--jobs"), 1, 256) : cores;
    const int location = a.Has("--location") ? ParseWhole("--location", *a.Value("--location"), 1, kMaxLocations) : 0;
    for (const char* option : {"--chart", "--graph"}) {
        if (!a.Has(option)) continue;
        const std::filesystem::path path = *a.Value(option);
        if (!PictureFormatOf(path)) Fail(std::string(option) + ": '" + path.string() + "' ends neither in .png nor in .svg");
    }
    if (a.Has("--chart") && a.Has("--graph") && batch::SamePath(*a.Value("--chart"), *a.Value("--graph")))
        Fail("--graph: '" + *a.Value("--graph") + "' is the file of --chart as well");
    for (const char* dirOption : {"--chart-dir", "--graph-dir"}) {
        if (!a.Has(dirOption)) continue;
        std::error_code ec;
        std::filesystem::create_directories(*a.Value(dirOption), ec);
        if (!std::filesystem::is_directory(*a.Value(dirOption)))
            Fail(std::string(dirOption) + ": cannot create the folder '" + *a.Value(dirOption) + "'" +
                 (ec ? ": " + ec.message() : std::string()));
    }
    if (a.Has("--chart")) options.chartPath = *a.Value("--chart");
    if (a.Has("--graph")) options.graphPath = *a.Value("--graph");
    if (a.Has("--chart-dir")) options.chartDir = *a.Value("--chart-dir");
    if (a.Has("--graph-dir")) options.graphDir = *a.Value("--graph-dir");
    // Charts and graphs in one folder would share their names: give them distinct ones.
    options.kindInNames = options.chartDir && options.graphDir && batch::SamePath(*options.chartDir, *options.graphDir);
    options.filterColumns = ParseHourFilter(a, options.filter);
    const std::optional<CompareChartRequest> compareChart = ParseCompareChart(a);

    std::vector<batch::Input> inputs;
    try {
        options.warming = ParseWarming(a);
        inputs = LoadInputs(a);
    } catch (const InputError& e) {
        WriteErr("error: " + e.message + (e.message.ends_with('\n') ? "" : "\n"));
        return kExitFailure;
    }
    const AnalysisState startup = MakeStartupState(screen);
    const bool defaultInput = inputs.empty();
    if (defaultInput) inputs.push_back(batch::Input{startup.Locations, {}, "--dataset brazil"});

    // The locations to analyse, in input order.
    std::vector<batch::WorkItem> work;
    for (const batch::Input& in : inputs) {
        const int count = in.table.LocationCount;
        if (in.onlySlot > 0) {
            work.push_back({&in, in.onlySlot});
        } else if (a.Has("--all")) {
            for (int s = 1; s <= count; ++s) work.push_back({&in, s});
        } else if (location > 0) {
            if (location > count)
                Fail("--location: " + *a.Value("--location") + " is outside 1.." + std::to_string(count) + ": " +
                     in.label + " has " + std::to_string(count) + (count == 1 ? " location" : " locations"));
            work.push_back({&in, location});
        } else {
            work.push_back({&in, defaultInput ? startup.CurrentLocation : 1});
        }
        for (const auto& r : in.recorded) options.recordedColumns = options.recordedColumns || r;
    }
    for (const batch::WorkItem& w : work)
        options.stationColumns = options.stationColumns || ParseStationSourceField(w.input->table.Slot[w.slot].DataSource);
    if (hours == "typical") options.recordedColumns = false;
    options.numbered = work.size() > 1;
    try {
        CheckWarming(work, options.warming);
    } catch (const InputError& e) {
        WriteErr("error: " + e.message + "\n");
        return kExitFailure;
    }
    std::vector<CompareRow> compareRows(compareChart ? work.size() : 0);
    if (compareChart) options.compareRows = &compareRows;

    std::optional<PictureSession> pictures;
    if (options.Pictures() || compareChart) pictures.emplace();

    // One object for one location asked for; an array whenever the request may name several,
    // so that a script sees the same shape whatever the inputs hold.
    const bool array = options.format == batch::Format::Json && (a.Has("--all") || inputs.size() > 1);
    const int usedJobs = batch::JobsForMemory(startup, options, jobs);
    if (usedJobs < jobs && work.size() > 1)
        WriteErr("note: --jobs " + std::to_string(jobs) + " lowered to " + std::to_string(usedJobs) +
                 " to fit the available memory\n");
    cli::ProgressLine progress(work.size());
    if (options.format == batch::Format::Csv) WriteOut(cli::CsvHeader(options.recordedColumns, options.filterColumns, options.stationColumns));
    if (array) WriteOut("[\n");
    const batch::Outcome outcome = batch::RunBatch(startup, work, options, usedJobs, [&](size_t i, const std::string& text) {
        std::string out;
        if (options.format == batch::Format::Table && i > 0) out += "\n";
        out += text;
        if (options.format == batch::Format::Json) out += array && i + 1 < work.size() ? ",\n" : "\n";
        progress.BeforeResult();
        WriteOut(out);
        progress.AfterResult(i + 1);
    });
    progress.Finish();
    if (outcome.failure) {
        WriteErr("error: " + *outcome.failure + "\n");
        return kExitFailure;
    }
    if (array) WriteOut("]\n");
    bool compareOk = true;
    if (compareChart) {
        const std::string caption = AnalysisCaption(options.filter, options.warming ? &*options.warming : nullptr,
                                                    options.language);
        compareOk = SaveCompareChart(*compareChart, std::move(compareRows), startup, caption, options.language);
    }
    return outcome.picturesOk && compareOk ? kExitOk : kExitFailure;
}

int Psychro(const std::vector<std::string>& args)
{
    const Arguments a(args, {"--elevation", "--t", "--rh", "--w", "--format"}, {});
    if (!a.Positional().empty()) Fail("'" + a.Positional().front() + "': unexpected argument");
    for (const char* required : {"--elevation", "--t"})
        if (!a.Has(required)) Fail(std::string(required) + ": required");
    if (a.Has("--rh") == a.Has("--w")) Fail("--rh: give either --rh or --w");
    const std::string format = a.Value("--format").value_or("text");
    if (format != "text" && format != "json") Fail("--format: '" + format + "' is not text or json");

    // -40..60 C at up to 9000 m keeps the saturation pressure far below the station pressure
    // (20 kPa against at least 54 kPa), where every function used here holds.
    const float elevation = static_cast<float>(ParseNumber("--elevation", *a.Value("--elevation"), -500, 9000));
    const float t = static_cast<float>(ParseNumber("--t", *a.Value("--t"), -40, 60));
    const Psychrometrics psy(StationPressure(elevation));
    const float wSat = psy.FTSat(t);
    // Saturation as printed (100.0 %, w to 3 decimals or in full) is accepted and means saturation.
    float w, rh;
    if (a.Has("--rh")) {
        const double percent = ParseNumber("--rh", *a.Value("--rh"), 0.1, 100.05, "0.1..100");
        rh = static_cast<float>(std::min(percent, 100.0) / 100);
        w = psy.FTax1(t, rh);
    } else {
        char saturation[32];
        std::snprintf(saturation, sizeof saturation, "0.01..%.3f", wSat);
        w = std::min(static_cast<float>(ParseNumber("--w", *a.Value("--w"), 0.01, wSat + 0.0005, saturation)), wSat);
        rh = psy.FUR(t, w);
    }
    const float dewPoint = DewPointC(static_cast<float>(rh * FPvsPa(t)));
    const float wetBulb = psy.WetBulbC(t, w);
    const float volume = psy.FVE(t, w);

    // The strategy zone at this point, on the zone map of the reference screen.
    const ScreenLayout layout = LayoutForScreen({});
    const ChartScale scale = MakeChartScale(layout.Picture1.Width, layout.Picture1.Height,
                                            layout.PixelWidth, layout.PixelHeight);
    RasterCanvas zoneMap(layout.Picture1.Width, layout.Picture1.Height, layout.PixelWidth, layout.PixelHeight);
    PaintZoneMap(zoneMap, scale, ComputeZoneVertices(scale, psy), psy);
    const int strategy = StrategyAt(zoneMap, scale, t, w);
    const std::string zone = strategy > 0 ? std::string(1, StrategyLetter(strategy)) : std::string();

    const StationPressureValues& p = psy.Pressure();
    if (format == "json") {
        WriteOut("{\"pressure_kpa\":" + JsonNumber(p.PressureKPa) + ",\"pvs_pa\":" + JsonNumber(FPvsPa(t)) +
                 ",\"w_sat\":" + JsonNumber(wSat) + ",\"w\":" + JsonNumber(w) +
                 ",\"rh\":" + JsonNumber(rh) + ",\"dew_point\":" + JsonNumber(dewPoint) +
                 ",\"wet_bulb\":" + JsonNumber(wetBulb) + ",\"specific_volume\":" + JsonNumber(volume) +
                 ",\"zone\":" + (zone.empty() ? "null" : cli::JsonString(zone)) + "}\n");
    } else {
        char text[640];
        std::snprintf(text, sizeof text,
                      "Station pressure   %.3f kPa (elevation used %.0f m)\n"
                      "Dry bulb           %.2f C\n"
                      "Saturation         %.2f Pa, %.3f g/kg\n"
                      "Humidity ratio     %.3f g/kg\n"
                      "Relative humidity  %.1f %%\n"
                      "Dew point          %.2f C\n"
                      "Wet bulb           %.2f C\n"
                      "Specific volume    %.4f m3/kg\n"
                      "Strategy zone      %s\n",
                      p.PressureKPa, p.PressureElevation + 0.0f, t, FPvsPa(t), wSat, w, rh * 100, dewPoint, wetBulb,
                      volume, zone.empty() ? "none" : zone.c_str());
        WriteOut(text);
    }
    return kExitOk;
}

int ExportDataSet(const std::vector<std::string>& args)
{
    const Arguments a(args, {}, {});
    if (a.Positional().size() != 1) Fail("export-dataset: name one data set: brazil, south-america or world");
    LocationTable table;
    LoadDataSet(ParseDataSet("export-dataset", a.Positional().front()), table);
    WriteOut(WriteMonthlyData(table));
    return kExitOk;
}

int Run(std::vector<std::string> args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        WriteOut(kUsage);
        return args.empty() ? kExitUsage : kExitOk;
    }
    // Asking for help or the version wins over anything else on the line, after any command.
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            WriteOut(kUsage);
            return kExitOk;
        }
        if (a == "--version") {
            WriteOut("qav-cli (QAV version " + std::string(kVersion) + ")\n");
            return kExitOk;
        }
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "analyze") return Analyze(args);
    if (command == "psychro") return Psychro(args);
    if (command == "export-dataset") return ExportDataSet(args);
    if (command == "stations") return cli::StationsCommand(args);
    Fail("'" + command + "': unknown command (analyze, psychro, stations, export-dataset)");
}

}  // namespace

int main(int argc, char** argv)
{
    cli::GuardStandardStreams();
    int status = kExitFailure;
    try {
        status = Run(std::vector<std::string>(argv + 1, argv + argc));
        cli::FinishOut();  // a late failure to deliver the output fails the run
    } catch (const UsageError& e) {
        WriteErr("error: " + e.message + "\n");
        status = kExitUsage;
    } catch (const cli::OutputError& e) {
        WriteErr("error: " + e.message + "\n");
        status = kExitFailure;
    } catch (const std::bad_alloc&) {
        WriteErr("error: out of memory\n");
        status = kExitFailure;
    } catch (const std::exception& e) {
        WriteErr("error: " + std::string(e.what()) + "\n");
        status = kExitFailure;
    }
    return status;
}
