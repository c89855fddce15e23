// qav-cli analyze: reads the inputs, plans the locations to analyse, runs them through the batch
// and prints the results as a table, JSON or CSV, with the pictures asked for.
#include <QGuiApplication>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <system_error>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "app/batch.h"
#include "app/cli_arguments.h"
#include "app/cli_commands.h"
#include "app/cli_io.h"
#include "app/cli_places.h"
#include "app/cli_stations.h"
#include "app/output_names.h"
#include "chart/qt/upper_vector_state.h"
#include "data/md_reader.h"
#include "data/station_catalogue.h"
#include "data/warming_reader.h"
#include "pictures/pictures.h"
#include "pictures/report_pdf.h"
#include "pipeline/analysis_output.h"
#include "pipeline/analysis_request.h"
#include "pipeline/analysis_run.h"
#include "pictures/temporary_files.h"
#include "pipeline/compare.h"
#include "text/comfort_texts.h"
#include "pipeline/exports.h"
#include "pipeline/pipeline.h"
#include "pipeline/rendering.h"
#include "pipeline/open_inputs.h"

namespace qav::cli {
namespace {

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
        // Ctrl+C or a kill while pictures are written removes their temporary files.
        RemoveTemporaryFilesOnSignals();
        ClearUpperVectorState();
    }

  private:
    char name_[8] = "qav-cli";
    char* argv_[2] = {name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QGuiApplication> app_;
};

/// --compare-chart FILE.png|FILE.svg and --sort; the format follows the file's extension.
struct CompareChartRequest {
    std::filesystem::path path;
    bool svg = false;
    CompareSort sort;
};
std::optional<CompareChartRequest> ParseCompareChart(const Arguments& a, const std::optional<CompareSort>& sort)
{
    if (!a.Has("--compare-chart")) return std::nullopt;
    CompareChartRequest request;
    request.path = *a.Value("--compare-chart");
    const auto format = PictureFormatOf(request.path);
    if (!format) Fail("--compare-chart: '" + request.path.string() + "' ends neither in .png nor in .svg");
    request.svg = *format == PictureFormat::Svg;
    if (sort) request.sort = *sort;
    return request;
}

/// Draws the compare picture of the run's rows and writes it; false (and a message) on failure.
/// A PNG holds at most 16384 pixels a side: more bars continue on further pages, said on
/// standard error. An SVG has no such bound and stays one file.
bool SaveCompareChart(const CompareChartRequest& request, std::vector<CompareRow> rows, const AnalysisState& startup,
                      const std::string& caption, Language language)
{
    SortCompareRows(rows, request.sort);
    const std::vector<std::vector<CompareRow>> pages = request.svg
                                                           ? std::vector<std::vector<CompareRow>>{std::move(rows)}
                                                           : ComparePages(std::move(rows), kMaxComparePixels);
    if (pages.size() > 1) {
        std::string names;
        for (std::size_t page = 0; page < pages.size(); ++page)
            names += (page ? ", " : "") + batch::PagePath(request.path, page).string();
        WriteErr("note: --compare-chart: the bars take " + std::to_string(pages.size()) +
                 " pictures of at most 16384 pixels: " + names + "\n");
    }
    bool ok = true;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const std::filesystem::path path = batch::PagePath(request.path, page);
        const QByteArray bytes =
            RenderCompareFile(pages[page], caption, startup.Layout.PixelWidth, startup.Layout.PixelHeight,
                              request.svg ? PictureFormat::Svg : PictureFormat::Png, language);
        const QString failure = bytes.isEmpty() ? QStringLiteral("the picture could not be encoded")
                                                : WriteFileAtomically(QString::fromStdString(path.string()), bytes);
        if (failure.isEmpty()) continue;
        WriteErr("error: cannot write " + path.string() + ": " + failure.toStdString() + "\n");
        ok = false;
    }
    return ok;
}

/// What the options of one analyze run ask for, checked before any input is read.
struct AnalyzeRequest {
    AnalysisRequest request;  // what every front end of the analysis takes
    batch::Options options;
    int jobs = 1;
    std::optional<CompareChartRequest> compareChart;
};

// qav-cli's own options, beside those of the analysis request: the pictures, reports and jobs.
const std::vector<std::string_view> kPictureAndJobOptions = {
    "--jobs",           "--chart",         "--graph",      "--chart-dir",     "--graph-dir",
    "--compare-chart",  "--report",        "--report-dir", "--paper",         "--sun-chart",
    "--calendar-chart", "--sun-chart-dir", "--wind-rose",  "--adaptive-chart"};

const std::vector<std::string> kAnalyzeValued = {
    "--dataset",        "--file",          "--epw",       "--station",       "--near",           "--place",
    "--location",       "--format",        "--screen",    "--chart",         "--graph",          "--chart-dir",
    "--graph-dir",      "--hours",         "--jobs",      "--hour-range",    "--months",         "--warming",
    "--warming-file",   "--compare-chart", "--sort",      "--lang",          "--report",         "--report-dir",
    "--paper",          "--shade-above",   "--facade",    "--sun-chart",     "--calendar-chart", "--sun-chart-dir",
    "--sun-projection", "--comfort",       "--wind-rose", "--adaptive-chart"};

/// ".pdf" in any case.
bool IsPdfName(const std::filesystem::path& path)
{
    std::string suffix = path.extension().string();
    for (char& c : suffix) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return suffix == ".pdf";
}

/// The picture options: suffixes, and no two naming one file in any spelling.
void ParsePictureOptions(const Arguments& a, batch::Options& options)
{
    for (const char* option :
         {"--chart", "--graph", "--sun-chart", "--calendar-chart", "--wind-rose", "--adaptive-chart"}) {
        if (!a.Has(option)) continue;
        const std::filesystem::path path = *a.Value(option);
        if (!PictureFormatOf(path))
            Fail(std::string(option) + ": '" + path.string() + "' ends neither in .png nor in .svg");
    }
    if (a.Has("--report") && !IsPdfName(*a.Value("--report")))
        Fail("--report: '" + *a.Value("--report") + "' does not end in .pdf");
    const char* const files[] = {"--chart",  "--graph",     "--compare-chart",
                                 "--report", "--wind-rose", "--adaptive-chart"};
    for (std::size_t i = 0; i < std::size(files); ++i) {
        for (std::size_t j = i + 1; j < std::size(files); ++j) {
            if (a.Has(files[i]) && a.Has(files[j]) && batch::SamePath(*a.Value(files[i]), *a.Value(files[j])))
                Fail(std::string(files[j]) + ": '" + *a.Value(files[j]) + "' is the file of " + files[i] + " as well");
        }
    }
    if (a.Has("--chart")) options.chartPath = *a.Value("--chart");
    if (a.Has("--graph")) options.graphPath = *a.Value("--graph");
    if (a.Has("--wind-rose")) options.windRosePath = *a.Value("--wind-rose");
    if (a.Has("--adaptive-chart")) options.adaptiveChartPath = *a.Value("--adaptive-chart");
    if (a.Has("--chart-dir")) options.chartDir = *a.Value("--chart-dir");
    if (a.Has("--graph-dir")) options.graphDir = *a.Value("--graph-dir");
    if (a.Has("--report")) options.reportPath = *a.Value("--report");
    if (a.Has("--report-dir")) options.reportDir = *a.Value("--report-dir");
    if (a.Has("--sun-chart")) options.sunChartPath = *a.Value("--sun-chart");
    if (a.Has("--calendar-chart")) options.calendarPath = *a.Value("--calendar-chart");
    if (a.Has("--sun-chart-dir")) options.sunChartDir = *a.Value("--sun-chart-dir");
    if (a.Has("--paper")) {
        // A paper size with no report to print it on is a mistake in the command, not a default.
        if (!a.Has("--report") && !a.Has("--report-dir")) Fail("--paper: given without --report or --report-dir");
        const std::optional<Paper> paper = PaperFromName(*a.Value("--paper"));
        if (!paper) Fail("--paper: '" + *a.Value("--paper") + "' is not a4 or letter");
        options.paper = *paper;
    }
    options.reportTime = ReportTime();
    // Charts and graphs in one folder would share their names: give them distinct ones.
    options.kindInNames = options.chartDir && options.graphDir && batch::SamePath(*options.chartDir, *options.graphDir);
}

/// Every output folder, checked once after the inputs are read and before anything is analysed:
/// --chart-dir and --graph-dir are created, the folders of the picture files must take a new
/// file. A failure of the file system names the option, the path and the system's reason.
void PrepareOutputFolders(const Arguments& a)
{
    namespace fs = std::filesystem;
    for (const char* option : {"--chart-dir", "--graph-dir", "--report-dir", "--sun-chart-dir"}) {
        if (!a.Has(option)) continue;
        const fs::path dir = *a.Value(option);
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (!ec && !fs::is_directory(dir, ec) && !ec) ec = std::make_error_code(std::errc::not_a_directory);
        if (!ec && access(dir.c_str(), W_OK | X_OK) != 0) ec = std::error_code(errno, std::generic_category());
        if (ec) throw InputFailure{std::string(option) + " " + dir.string() + ": " + ec.message(), {}};
    }
    for (const char* option : {"--chart", "--graph", "--compare-chart", "--report", "--sun-chart", "--calendar-chart",
                               "--wind-rose", "--adaptive-chart"}) {
        if (!a.Has(option)) continue;
        const fs::path file = *a.Value(option);
        const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
        std::error_code ec;
        if (!fs::is_directory(folder, ec) && !ec) ec = std::make_error_code(std::errc::not_a_directory);
        if (!ec && access(folder.c_str(), W_OK | X_OK) != 0) ec = std::error_code(errno, std::generic_category());
        if (ec) throw InputFailure{std::string(option) + " " + file.string() + ": " + ec.message(), {}};
    }
}

AnalyzeRequest ParseRequest(const Arguments& a)
{
    if (!a.Positional().empty()) Fail("'" + a.Positional().front() + "': unexpected argument");
    for (const char* pathOption :
         {"--file", "--epw", "--chart", "--graph", "--chart-dir", "--graph-dir", "--report", "--report-dir",
          "--sun-chart", "--calendar-chart", "--sun-chart-dir", "--wind-rose", "--adaptive-chart"}) {
        for (const auto& [name, value] : a.Ordered())
            if (name == pathOption && value.empty()) Fail(name + ": the path is empty");
    }
    if (a.Has("--sort") && !a.Has("--compare-chart")) Fail("--sort: needs --compare-chart");
    std::vector<RequestOption> given;
    for (const auto& [name, value] : a.Ordered()) given.push_back({name, value, std::nullopt});
    if (a.Has("--all")) given.push_back({"--all", "", std::nullopt});
    AnalyzeRequest r;
    r.request = ParseAnalysisRequest(given, kPictureAndJobOptions);
    batch::Options& options = r.options;
    options.format = r.request.format;
    options.language = r.request.language;
    if (r.request.hours == HoursChoice::Recorded) options.view = HoursView::Recorded;
    const int cores = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
    r.jobs = a.Has("--jobs") ? ParseWhole("--jobs", *a.Value("--jobs"), 1, 256) : cores;
    ParsePictureOptions(a, options);
    options.filter = r.request.filter;
    options.filterColumns = r.request.filterGiven;
    r.compareChart = ParseCompareChart(a, r.request.sort);
    // Only a weather file records the wind.
    if (a.Has("--wind-rose") && !a.Has("--epw")) Fail(FilledText(comfort_text::kWindRoseNeedsWeather, {"--wind-rose"}));
    return r;
}

/// The catalogue of --station, read beside the program on first use.
const StationCatalogue* Stations(std::string& failure) { return cli::CatalogueForAnalysis(failure); }

/// Runs the batch and prints each result as it comes; the exit status.
int RunAndPrint(const AnalysisState& startup, const std::vector<RunItem>& work, batch::Options& options,
                const AnalyzeRequest& r, const RunFraming& framing)
{
    std::vector<CompareRow> compareRows(r.compareChart ? work.size() : 0);
    if (r.compareChart) options.compareRows = &compareRows;
    std::optional<PictureSession> pictures;
    if (options.Pictures() || r.compareChart) pictures.emplace();

    const int usedJobs = batch::JobsForMemory(startup, options, r.jobs);
    if (usedJobs < r.jobs && work.size() > 1)
        WriteErr("note: --jobs " + std::to_string(r.jobs) + " lowered to " + std::to_string(usedJobs) +
                 " to fit the available memory\n");
    ProgressLine progress(work.size());
    if (const std::string begin = framing.Begin(); !begin.empty()) WriteOut(begin);
    const batch::Outcome outcome =
        batch::RunBatch(startup, work, options, usedJobs, [&](size_t i, const std::string& text) {
            const std::string out = framing.Row(i, text);
            progress.BeforeResult();
            WriteOut(out);
            progress.AfterResult(i + 1);
        });
    progress.Finish();
    if (outcome.failure) {
        WriteErr("error: " + *outcome.failure + "\n");
        return kExitFailure;
    }
    if (const std::string end = framing.End(); !end.empty()) WriteOut(end);
    bool compareOk = true;
    if (r.compareChart) {
        const std::string caption =
            AnalysisCaption(options.filter, options.warming ? &*options.warming : nullptr, options.language);
        compareOk = SaveCompareChart(*r.compareChart, std::move(compareRows), startup, caption, options.language);
    }
    return outcome.picturesOk && compareOk ? kExitOk : kExitFailure;
}

}  // namespace

int AnalyzeCommand(const std::vector<std::string>& args)
{
    const Arguments a(args, kAnalyzeValued, {"--all"},
                      {"--dataset", "--file", "--epw", "--station", "--near", "--place"});
    AnalyzeRequest r = ParseRequest(a);
    RequestInputs opened;
    const auto fail = [&](const InputFailure& e) {
        WriteErr("error: " + e.message + (e.message.ends_with('\n') ? "" : "\n"));
        return kExitFailure;
    };
    try {
        OpenRequestInputs(r.request, Stations, opened, [](const std::string& query, std::vector<std::string>& notes) {
            return PlaceInput(query, PlacesForAnalysis, notes);
        });
    } catch (const InputFailure& e) {
        for (const std::string& warning : opened.warnings) WriteErr("warning: " + warning + "\n");
        return fail(e);
    }
    for (const std::string& warning : opened.warnings) WriteErr("warning: " + warning + "\n");
    for (const std::string& note : opened.notes) WriteErr("note: " + note + "\n");
    r.options.warming = opened.warming;
    AnalysisState startup = MakeStartupState(r.request.screen);
    startup.Sun = r.request.sun;
    startup.Comfort = r.request.comfort;
    RequestPlan plan;
    try {
        plan = PlanRequest(r.request, opened, startup);
        r.options.recordedColumns = plan.rows.recordedColumns;
        r.options.stationColumns = plan.rows.stationColumns;
        r.options.placeColumns = plan.rows.placeColumns;
        r.options.numbered = plan.items.size() > 1;
        // Every file the run writes, named before any is written: none may replace another.
        std::optional<batch::CompareOutput> compare;
        if (r.compareChart) compare = batch::CompareOutput{r.compareChart->path, r.compareChart->svg};
        if (const std::optional<std::string> clash = batch::OutputClash(r.options, plan.items, compare)) Fail(*clash);
        PrepareOutputFolders(a);
    } catch (const InputFailure& e) {
        return fail(e);
    }
    return RunAndPrint(startup, plan.items, r.options, r, plan.framing);
}

}  // namespace qav::cli
