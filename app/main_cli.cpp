// qav-cli: the analysis without a window. Runs the same pipeline as the window on a described
// screen, prints the results as a table, JSON or CSV, and can save the chart and the graph.
#include <QGuiApplication>

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/batch.h"
#include "app/cli_output.h"
#include "chart/qt/upper_vector_state.h"
#include "classify/classification.h"
#include "classify/raster_canvas.h"
#include "classify/strategy.h"
#include "classify/zone_map.h"
#include "data/md_reader.h"
#include "data/md_writer.h"
#include "pipeline/pipeline.h"
#include "pipeline/weather_location.h"

namespace {

using namespace qav;

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the analysis or an output could not be done
constexpr int kExitUsage = 2;    // bad arguments

constexpr const char* kUsage =
    "Usage: qav-cli <command> [options]\n"
    "\n"
    "Commands:\n"
    "  analyze         Bioclimatic analysis of locations (inputs may be repeated and mixed)\n"
    "    --dataset brazil|south-america|world|all   built-in data set\n"
    "    --file PATH   Monthly Data file (QAV*.TXT)\n"
    "    --epw PATH    EnergyPlus weather file: one location, typical days and recorded hours\n"
    "                  (without input: Brazil, the start-up slot 5)\n"
    "    --location N  slot to analyse in each input (default: 1)\n"
    "    --all         every location of every input\n"
    "    --format table|json|csv                output form (default: table)\n"
    "    --hours typical|recorded|both          for weather files (default: both)\n"
    "    --screen WxH  screen whose window the analysis reproduces (default: 1024x768)\n"
    "    --jobs N      threads (default: the number of cores); output is the same for any N\n"
    "    --chart FILE.png, --graph FILE.png     save the chart and the monthly graph\n"
    "    --chart-dir DIR, --graph-dir DIR       save one picture per location into DIR\n"
    "  psychro         Moist-air properties at the station pressure of an elevation\n"
    "    --elevation M --t C (--rh PERCENT | --w G_PER_KG) [--format text|json]\n"
    "  export-dataset brazil|south-america|world\n"
    "                  Write a built-in data set as a Monthly Data file to standard output\n"
    "\n"
    "Options --help and --version work everywhere.\n";

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

double ParseNumber(const std::string& name, const std::string& text, double lo, double hi)
{
    double v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, v);
    if (ec != std::errc{} || end != last || !std::isfinite(v))
        Fail(name + ": '" + text + "' is not a number");
    if (v < lo || v > hi)
        Fail(name + ": " + text + " is outside " + cli::JsonNumber(static_cast<float>(lo)) + ".." +
             cli::JsonNumber(static_cast<float>(hi)));
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
    s.WidthPx = static_cast<int>(ParseNumber("--screen", text.substr(0, x), 320, 16384));
    s.HeightPx = static_cast<int>(ParseNumber("--screen", text.substr(x + 1), 200, 16384));
    return s;
}

/// Qt is started only when a picture is drawn: text needs fonts, the analysis does not.
class PictureSession {
public:
    PictureSession(int& argc, char** argv)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc, argv);
        ClearUpperVectorState();
    }

private:
    std::unique_ptr<QGuiApplication> app_;
};

/// A failure to read an input file: the reader's message, exit status 1.
struct InputError {
    std::string message;
};

std::vector<batch::Input> LoadInputs(const Arguments& a)
{
    std::vector<batch::Input> inputs;
    for (const auto& [name, value] : a.Ordered()) {
        if (name == "--dataset") {
            const std::vector<DataSetKind> kinds =
                value == "all" ? std::vector{DataSetKind::Brazil, DataSetKind::SouthAmerica, DataSetKind::World}
                               : std::vector{ParseDataSet("--dataset", value)};
            for (DataSetKind kind : kinds) {
                batch::Input in;
                LoadDataSet(kind, in.table);
                inputs.push_back(std::move(in));
            }
        } else if (name == "--file") {
            ReadResult r = ReadMonthlyDataFile(value);
            if (r.failure) throw InputError{value + ": " + r.failure->message};
            if (r.warning) std::cerr << "warning: " << value << ": " << r.warning->message << "\n";
            inputs.push_back(batch::Input{std::move(r.table), {}});
        } else if (name == "--epw") {
            WeatherFiles opened = OpenWeatherFiles({value});
            if (!opened.Failures.empty()) throw InputError{value + ": " + opened.Failures.front().Message};
            inputs.push_back(batch::Input{std::move(opened.Table), std::move(opened.Recorded)});
        }
    }
    return inputs;
}

int Analyze(const std::vector<std::string>& args, int& argc, char** argv)
{
    const Arguments a(args,
                      {"--dataset", "--file", "--epw", "--location", "--format", "--screen", "--chart", "--graph",
                       "--chart-dir", "--graph-dir", "--hours", "--jobs"},
                      {"--all"}, {"--dataset", "--file", "--epw"});
    if (!a.Positional().empty()) Fail("'" + a.Positional().front() + "': unexpected argument");
    batch::Options options;
    const std::string format = a.Value("--format").value_or("table");
    if (format == "json") options.format = batch::Format::Json;
    else if (format == "csv") options.format = batch::Format::Csv;
    else if (format != "table") Fail("--format: '" + format + "' is not table, json or csv");
    const std::string hours = a.Value("--hours").value_or("both");
    if (hours == "recorded") options.view = HoursView::Recorded;
    else if (hours != "both" && hours != "typical") Fail("--hours: '" + hours + "' is not typical, recorded or both");
    if (a.Has("--all") && a.Has("--location")) Fail("--all: cannot be combined with --location");
    const ScreenDescription screen = a.Has("--screen") ? ParseScreen(*a.Value("--screen")) : ScreenDescription{};
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int jobs = a.Has("--jobs") ? static_cast<int>(ParseNumber("--jobs", *a.Value("--jobs"), 1, 256)) : cores;
    for (const char* dirOption : {"--chart-dir", "--graph-dir"}) {
        if (!a.Has(dirOption)) continue;
        std::error_code ec;
        std::filesystem::create_directories(*a.Value(dirOption), ec);
        if (!std::filesystem::is_directory(*a.Value(dirOption)))
            Fail(std::string(dirOption) + ": cannot create the folder '" + *a.Value(dirOption) + "'");
    }
    if (a.Has("--chart")) options.chartPath = *a.Value("--chart");
    if (a.Has("--graph")) options.graphPath = *a.Value("--graph");
    if (a.Has("--chart-dir")) options.chartDir = *a.Value("--chart-dir");
    if (a.Has("--graph-dir")) options.graphDir = *a.Value("--graph-dir");

    std::vector<batch::Input> inputs;
    try {
        inputs = LoadInputs(a);
    } catch (const InputError& e) {
        std::cerr << "error: " << e.message << (e.message.ends_with('\n') ? "" : "\n");
        return kExitFailure;
    }
    const AnalysisState startup = MakeStartupState(screen);
    const bool defaultInput = inputs.empty();
    if (defaultInput) inputs.push_back(batch::Input{startup.Locations, {}});

    // The locations to analyse, in input order.
    std::vector<batch::WorkItem> work;
    for (const batch::Input& in : inputs) {
        const int count = in.table.LocationCount;
        if (a.Has("--all")) {
            for (int s = 1; s <= count; ++s) work.push_back({&in, s});
        } else if (a.Has("--location")) {
            work.push_back({&in, static_cast<int>(ParseNumber("--location", *a.Value("--location"), 1, count))});
        } else {
            work.push_back({&in, defaultInput ? startup.CurrentLocation : 1});
        }
        for (const auto& r : in.recorded) options.recordedColumns = options.recordedColumns || r;
    }
    if (hours == "typical") options.recordedColumns = false;
    options.numbered = work.size() > 1;

    std::optional<PictureSession> pictures;
    if (options.Pictures()) pictures.emplace(argc, argv);

    const bool progress = isatty(STDERR_FILENO) && work.size() > 1;
    const bool array = options.format == batch::Format::Json && work.size() > 1;
    if (options.format == batch::Format::Csv) std::cout << cli::CsvHeader(options.recordedColumns);
    if (array) std::cout << "[\n";
    const bool picturesOk = batch::RunBatch(startup, work, options, jobs, [&](size_t i, const std::string& text) {
        if (options.format == batch::Format::Table && i > 0) std::cout << "\n";
        std::cout << text;
        if (options.format == batch::Format::Json) std::cout << (array && i + 1 < work.size() ? ",\n" : "\n");
        std::cout.flush();
        if (progress) std::cerr << "\rAnalysed " << i + 1 << " of " << work.size() << " locations" << std::flush;
    });
    if (progress) std::cerr << "\n";
    if (array) std::cout << "]\n";
    return picturesOk ? kExitOk : kExitFailure;
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

    // The functions are fitted for the chart's range; these bounds keep them there.
    const float elevation = static_cast<float>(ParseNumber("--elevation", *a.Value("--elevation"), -500, 9000));
    const float t = static_cast<float>(ParseNumber("--t", *a.Value("--t"), -40, 60));
    const Psychrometrics psy(StationPressure(elevation));
    const float wSat = psy.FTSat(t);
    float w, rh;
    if (a.Has("--rh")) {
        rh = static_cast<float>(ParseNumber("--rh", *a.Value("--rh"), 0.1, 100) / 100);
        w = psy.FTax1(t, rh);
    } else {
        w = static_cast<float>(ParseNumber("--w", *a.Value("--w"), 0.01, wSat));
        rh = psy.FUR(t, w);
    }
    const float pvKPa = static_cast<float>(rh * FPvsPa(t) / 1000.0);
    const float dewPoint = FTorv(pvKPa);
    const float wetBulb = psy.FTBU(t, w);
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
        std::cout << "{\"pressure_kpa\":" << cli::JsonNumber(p.PressureKPa)
                  << ",\"pvs_pa\":" << cli::JsonNumber(FPvsPa(t)) << ",\"w_sat\":" << cli::JsonNumber(wSat)
                  << ",\"w\":" << cli::JsonNumber(w) << ",\"rh\":" << cli::JsonNumber(rh)
                  << ",\"dew_point\":" << cli::JsonNumber(dewPoint)
                  << ",\"wet_bulb\":" << cli::JsonNumber(wetBulb)
                  << ",\"specific_volume\":" << cli::JsonNumber(volume)
                  << ",\"zone\":" << (zone.empty() ? "null" : cli::JsonString(zone)) << "}\n";
    } else {
        std::printf("Station pressure   %.3f kPa (elevation used %.0f m)\n", p.PressureKPa, p.PressureElevation);
        std::printf("Dry bulb           %.2f C\n", t);
        std::printf("Saturation         %.2f Pa, %.3f g/kg\n", FPvsPa(t), wSat);
        std::printf("Humidity ratio     %.3f g/kg\n", w);
        std::printf("Relative humidity  %.1f %%\n", rh * 100);
        std::printf("Dew point          %.2f C\n", dewPoint);
        std::printf("Wet bulb           %.2f C\n", wetBulb);
        std::printf("Specific volume    %.4f m3/kg\n", volume);
        std::printf("Strategy zone      %s\n", zone.empty() ? "none" : zone.c_str());
    }
    return kExitOk;
}

int ExportDataSet(const std::vector<std::string>& args)
{
    const Arguments a(args, {}, {});
    if (a.Positional().size() != 1) Fail("export-dataset: name one data set: brazil, south-america or world");
    LocationTable table;
    LoadDataSet(ParseDataSet("export-dataset", a.Positional().front()), table);
    std::cout << WriteMonthlyData(table);
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
            std::cout << kUsage;
            return args.empty() ? kExitUsage : kExitOk;
        }
        if (args[0] == "--version") {
            std::cout << "qav-cli (QAV version 1.3)\n";
            return kExitOk;
        }
        const std::string command = args[0];
        args.erase(args.begin());
        for (const std::string& a : args) {
            if (a == "--help" || a == "-h") {
                std::cout << kUsage;
                return kExitOk;
            }
        }
        if (command == "analyze") return Analyze(args, argc, argv);
        if (command == "psychro") return Psychro(args);
        if (command == "export-dataset") return ExportDataSet(args);
        Fail("'" + command + "': unknown command (analyze, psychro, export-dataset)");
    } catch (const UsageError& e) {
        std::cerr << "error: " << e.message << "\n";
        return kExitUsage;
    } catch (const std::exception& e) {
        std::cerr << "error: " << e.what() << "\n";
        return kExitFailure;
    }
}
