// qav-cli: the analysis without a window. Runs the same pipeline as the window on a described
// screen, prints the results as a table, JSON or CSV, and can save the chart and the graph.
#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli_output.h"
#include "chart/qt/qimage_canvas.h"
#include "classify/raster_canvas.h"
#include "classify/strategy.h"
#include "classify/zone_map.h"
#include "core/pipeline.h"
#include "core/results_table.h"
#include "data/md_writer.h"

namespace {

using namespace qav;

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the analysis or an output could not be done
constexpr int kExitUsage = 2;    // bad arguments

constexpr const char* kUsage =
    "Usage: qav-cli <command> [options]\n"
    "\n"
    "Commands:\n"
    "  analyze         Bioclimatic analysis of built-in locations\n"
    "    --dataset brazil|south-america|world   data set (default: brazil, start-up slot 5)\n"
    "    --location N  slot to analyse (default: 5 without --dataset, else 1)\n"
    "    --all         every location of the data set\n"
    "    --format table|json|csv                output form (default: table)\n"
    "    --screen WxH  screen whose window the analysis reproduces (default: 1024x768)\n"
    "    --chart FILE.png  save the bioclimatic chart\n"
    "    --graph FILE.png  save the monthly climate graph\n"
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
              const std::vector<std::string>& flags)
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
                if (values_.count(name)) Fail(name + ": given more than once");
                values_[name] = value;
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

private:
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

/// "chart.png" with slot 7 -> "chart-07.png": one picture per location of an --all run.
std::filesystem::path NumberedPath(const std::filesystem::path& path, int slot, bool numbered)
{
    if (!numbered) return path;
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%02d", slot);
    std::filesystem::path p = path;
    p.replace_filename(path.stem().string() + suffix + path.extension().string());
    return p;
}

/// Qt is started only when a picture is drawn: text needs fonts, the analysis does not.
class PictureSession {
public:
    PictureSession(int& argc, char** argv)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }

private:
    std::unique_ptr<QGuiApplication> app_;
};

bool SaveImage(const QImage& image, const std::filesystem::path& path)
{
    if (image.save(QString::fromStdString(path.string()), "PNG")) return true;
    std::cerr << "error: cannot write " << path.string() << "\n";
    return false;
}

int Analyze(const std::vector<std::string>& args, int& argc, char** argv)
{
    const Arguments a(args, {"--dataset", "--location", "--format", "--screen", "--chart", "--graph"},
                      {"--all"});
    if (!a.Positional().empty()) Fail("'" + a.Positional().front() + "': unexpected argument");
    const std::string format = a.Value("--format").value_or("table");
    if (format != "table" && format != "json" && format != "csv")
        Fail("--format: '" + format + "' is not table, json or csv");
    if (a.Has("--all") && a.Has("--location")) Fail("--all: cannot be combined with --location");
    const ScreenDescription screen = a.Has("--screen") ? ParseScreen(*a.Value("--screen")) : ScreenDescription{};

    AnalysisState state = MakeStartupState(screen);
    if (a.Has("--dataset")) {
        const DataSetKind kind = ParseDataSet("--dataset", *a.Value("--dataset"));
        LoadDataSet(kind, state.Locations);
        state.DataSetKind.Show(kind);
        state.CurrentLocation = 1;
    }
    std::vector<int> selectedSlots;
    if (a.Has("--all")) {
        for (int s = 1; s <= state.Locations.LocationCount; ++s) selectedSlots.push_back(s);
    } else if (a.Has("--location")) {
        const int count = state.Locations.LocationCount;
        selectedSlots.push_back(static_cast<int>(ParseNumber("--location", *a.Value("--location"), 1, count)));
    } else {
        selectedSlots.push_back(state.CurrentLocation);
    }

    const auto chartPath = a.Value("--chart");
    const auto graphPath = a.Value("--graph");
    std::optional<PictureSession> pictures;
    if (chartPath || graphPath) pictures.emplace(argc, argv);

    const CanvasRect& chartRect = state.Layout.Picture1;
    const CanvasRect& graphRect = state.Layout.Picture3;
    const int pw = state.Layout.PixelWidth, ph = state.Layout.PixelHeight;
    RasterCanvas zoneMap(chartRect.Width, chartRect.Height, pw, ph);
    std::unique_ptr<QImageCanvas> chart, graph;
    std::unique_ptr<CLogFont> rotatedFont;
    if (chartPath) {
        chart = std::make_unique<QImageCanvas>(chartRect.Width, chartRect.Height, pw, ph);
        rotatedFont = std::make_unique<CLogFont>(chart->FontFactory());
        rotatedFont->SetLogFont(chart->Font());
    }
    if (graphPath) graph = std::make_unique<QImageCanvas>(graphRect.Width, graphRect.Height, pw, ph);
    PipelineCanvases canvases{zoneMap, chart.get(), graph.get(), rotatedFont.get(), '.'};

    int status = kExitOk;
    if (format == "csv") std::cout << cli::CsvHeader();
    if (format == "json" && a.Has("--all")) std::cout << "[\n";
    const bool numbered = a.Has("--all");
    for (size_t i = 0; i < selectedSlots.size(); ++i) {
        state.CurrentLocation = selectedSlots[i];
        RunPipeline(state, canvases);
        if (format == "table") {
            if (i > 0) std::cout << "\n";
            std::cout << ResultsTableText(state.Current(), state.Tally, '.');
        } else if (format == "json") {
            std::cout << cli::AnalysisJson(state) << (a.Has("--all") && i + 1 < selectedSlots.size() ? ",\n" : "\n");
        } else {
            std::cout << cli::AnalysisCsvRow(state);
        }
        std::cout.flush();
        if (chart && !SaveImage(chart->Image(), NumberedPath(*chartPath, selectedSlots[i], numbered)))
            status = kExitFailure;
        if (graph && !SaveImage(graph->Image(), NumberedPath(*graphPath, selectedSlots[i], numbered)))
            status = kExitFailure;
    }
    if (format == "json" && a.Has("--all")) std::cout << "]\n";
    return status;
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
    const Rgb colour = zoneMap.GetPixel(scale.XOf(t), scale.YOf(w));
    std::string zone;
    for (int s = 1; s <= kStrategies; ++s)
        if (ZoneColour[s] == colour) zone = std::string(1, static_cast<char>('A' + s - 1));

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
