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
#include "app/cli_stations.h"
#include "chart/qt/upper_vector_state.h"
#include "data/md_reader.h"
#include "data/station_catalogue.h"
#include "data/warming_reader.h"
#include "pictures/pictures.h"
#include "pictures/report_pdf.h"
#include "pipeline/analysis_output.h"
#include "pipeline/analysis_run.h"
#include "pictures/temporary_files.h"
#include "pipeline/compare.h"
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

/// --warming C or --warming-file FILE; a file that cannot be read is an input error.
std::optional<Warming> ParseWarming(const Arguments& a)
{
    if (a.Has("--warming") && a.Has("--warming-file")) Fail("--warming: give either --warming or --warming-file");
    if (a.Has("--warming")) return ParseWarmingChange(*a.Value("--warming"));
    if (!a.Has("--warming-file")) return std::nullopt;
    const std::string file = *a.Value("--warming-file");
    WarmingResult r = ReadWarmingFile(file);
    if (r.failure) throw InputError{"--warming-file: " + EnglishReadFailure(*r.failure)};
    return r.warming;
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
    if (a.Has("--sort")) request.sort = ParseSort(*a.Value("--sort"));
    return request;
}

/// "compare.png" -> "compare-2.png": the further pages of a long compare picture.
std::filesystem::path PagePath(const std::filesystem::path& path, std::size_t page)
{
    if (page == 0) return path;
    std::filesystem::path p = path;
    p.replace_filename(path.stem().string() + "-" + std::to_string(page + 1) + path.extension().string());
    return p;
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
            names += (page ? ", " : "") + PagePath(request.path, page).string();
        WriteErr("note: --compare-chart: the bars take " + std::to_string(pages.size()) +
                 " pictures of at most 16384 pixels: " + names + "\n");
    }
    bool ok = true;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const std::filesystem::path path = PagePath(request.path, page);
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

std::vector<batch::Input> LoadInputs(const Arguments& a)
{
    std::vector<batch::Input> inputs;
    // An input holds a whole location table (about 16 KB): growing the vector by doubling would
    // hold the old and the new copy at once, twice the memory of thousands of inputs.
    inputs.reserve(a.Ordered().size());
    for (const auto& [name, value] : a.Ordered()) {
        if (name == "--dataset") {
            for (batch::Input& in : DataSetInputs(value)) inputs.push_back(std::move(in));
        } else if (name == "--station") {
            auto station = cli::StationForAnalysis(value);
            if (auto* failure = std::get_if<cli::StationFailure>(&station)) {
                if (failure->status == kExitUsage) Fail(failure->message);
                throw InputError{failure->message};
            }
            batch::Input in{{}, {}, "--station " + value, 0, {}};
            in.table.LocationCount = 1;
            in.table.Slot[1] = std::get<LocationRecord>(std::move(station));
            in.key = StationInputKey(in.table.Slot[1]);
            inputs.push_back(std::move(in));
        } else if (name == "--file") {
            OpenedInputs r = OpenInputs({InputRequest::Kind::MonthlyData, {}, {value}});
            if (!r.Failures.empty()) throw InputError{EnglishReadFailure(r.Failures.front())};
            if (r.Warning) WriteErr("warning: " + value + ": " + EnglishCutShort(*r.Warning) + "\n");
            if (r.LeftOut) WriteErr("warning: " + value + ": " + EnglishLeftOut(*r.LeftOut) + "\n");
            inputs.push_back(batch::Input{std::move(r.Table), {}, "--file " + value, 0, value});
        } else if (name == "--epw") {
            OpenedInputs opened = OpenInputs({InputRequest::Kind::Weather, {}, {value}});
            if (!opened.Failures.empty()) throw InputError{EnglishReadFailure(opened.Failures.front())};
            inputs.push_back(
                batch::Input{std::move(opened.Table), std::move(opened.Recorded), "--epw " + value, 0, value});
        }
    }
    return inputs;
}

/// What the options of one analyze run ask for, checked before any input is read.
struct AnalyzeRequest {
    batch::Options options;
    ScreenDescription screen;
    int jobs = 1;
    int location = 0;          // --location N, 0 when not given
    std::string locationText;  // as typed, for messages
    bool all = false;
    bool typicalOnly = false;  // --hours typical: no recorded columns
    std::optional<CompareChartRequest> compareChart;
};

const std::vector<std::string> kAnalyzeValued = {
    "--dataset", "--file",       "--epw",    "--station",    "--location",     "--format",
    "--screen",  "--chart",      "--graph",  "--chart-dir",  "--graph-dir",    "--hours",
    "--jobs",    "--hour-range", "--months", "--warming",    "--warming-file", "--compare-chart",
    "--sort",    "--lang",       "--report", "--report-dir", "--paper"};

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
    for (const char* option : {"--chart", "--graph"}) {
        if (!a.Has(option)) continue;
        const std::filesystem::path path = *a.Value(option);
        if (!PictureFormatOf(path))
            Fail(std::string(option) + ": '" + path.string() + "' ends neither in .png nor in .svg");
    }
    if (a.Has("--report") && !IsPdfName(*a.Value("--report")))
        Fail("--report: '" + *a.Value("--report") + "' does not end in .pdf");
    const char* const files[] = {"--chart", "--graph", "--compare-chart", "--report"};
    for (std::size_t i = 0; i < std::size(files); ++i) {
        for (std::size_t j = i + 1; j < std::size(files); ++j) {
            if (a.Has(files[i]) && a.Has(files[j]) && batch::SamePath(*a.Value(files[i]), *a.Value(files[j])))
                Fail(std::string(files[j]) + ": '" + *a.Value(files[j]) + "' is the file of " + files[i] + " as well");
        }
    }
    if (a.Has("--chart")) options.chartPath = *a.Value("--chart");
    if (a.Has("--graph")) options.graphPath = *a.Value("--graph");
    if (a.Has("--chart-dir")) options.chartDir = *a.Value("--chart-dir");
    if (a.Has("--graph-dir")) options.graphDir = *a.Value("--graph-dir");
    if (a.Has("--report")) options.reportPath = *a.Value("--report");
    if (a.Has("--report-dir")) options.reportDir = *a.Value("--report-dir");
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
    for (const char* option : {"--chart-dir", "--graph-dir", "--report-dir"}) {
        if (!a.Has(option)) continue;
        const fs::path dir = *a.Value(option);
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (!ec && !fs::is_directory(dir, ec) && !ec) ec = std::make_error_code(std::errc::not_a_directory);
        if (!ec && access(dir.c_str(), W_OK | X_OK) != 0) ec = std::error_code(errno, std::generic_category());
        if (ec) throw InputError{std::string(option) + " " + dir.string() + ": " + ec.message()};
    }
    for (const char* option : {"--chart", "--graph", "--compare-chart", "--report"}) {
        if (!a.Has(option)) continue;
        const fs::path file = *a.Value(option);
        const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
        std::error_code ec;
        if (!fs::is_directory(folder, ec) && !ec) ec = std::make_error_code(std::errc::not_a_directory);
        if (!ec && access(folder.c_str(), W_OK | X_OK) != 0) ec = std::error_code(errno, std::generic_category());
        if (ec) throw InputError{std::string(option) + " " + file.string() + ": " + ec.message()};
    }
}

AnalyzeRequest ParseRequest(const Arguments& a)
{
    if (!a.Positional().empty()) Fail("'" + a.Positional().front() + "': unexpected argument");
    for (const char* pathOption :
         {"--file", "--epw", "--chart", "--graph", "--chart-dir", "--graph-dir", "--report", "--report-dir"}) {
        for (const auto& [name, value] : a.Ordered())
            if (name == pathOption && value.empty()) Fail(name + ": the path is empty");
    }
    AnalyzeRequest r;
    batch::Options& options = r.options;
    const std::string format = a.Value("--format").value_or("table");
    if (format == "json")
        options.format = batch::Format::Json;
    else if (format == "csv")
        options.format = batch::Format::Csv;
    else if (format != "table")
        Fail("--format: '" + format + "' is not table, json or csv");
    options.language = ParseLanguage(a.Value("--lang").value_or("en"));
    const HoursChoice hours = ParseHours(a.Value("--hours").value_or("both"));
    if (hours == HoursChoice::Recorded) options.view = HoursView::Recorded;
    r.typicalOnly = hours == HoursChoice::Typical;
    if (a.Has("--all") && a.Has("--location")) Fail("--all: cannot be combined with --location");
    r.all = a.Has("--all");
    r.screen = a.Has("--screen") ? ParseScreen(*a.Value("--screen")) : ScreenDescription{};
    const int cores = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
    r.jobs = a.Has("--jobs") ? ParseWhole("--jobs", *a.Value("--jobs"), 1, 256) : cores;
    r.locationText = a.Value("--location").value_or("");
    r.location = a.Has("--location") ? ParseWhole("--location", r.locationText, 1, kMaxLocations) : 0;
    ParsePictureOptions(a, options);
    options.filter = ParseHourFilter(a.Value("--hour-range"), a.Value("--months"));
    options.filterColumns = a.Has("--hour-range") || a.Has("--months");
    r.compareChart = ParseCompareChart(a);
    return r;
}

/// The locations to analyse, in input order; a --location beyond an input's count is refused.
std::vector<batch::WorkItem> PlanWork(const std::vector<batch::Input>& inputs, const AnalyzeRequest& r, int defaultSlot)
{
    RunPlan plan = PlanRun(inputs, r.all, r.location, r.locationText, defaultSlot);
    if (plan.failure) Fail(plan.failure->message);
    return std::move(plan.items);
}

/// Which columns the rows carry: those of recorded hours and of stations when any row has them.
RowOptions ChooseColumns(const std::vector<batch::WorkItem>& work, const AnalyzeRequest& r, batch::Options& options)
{
    const RowOptions rows =
        RunRowOptions(work, options.format, r.typicalOnly, options.filterColumns, options.warming.has_value());
    options.recordedColumns = rows.recordedColumns;
    options.stationColumns = rows.stationColumns;
    options.numbered = work.size() > 1;
    return rows;
}

/// Runs the batch and prints each result as it comes; the exit status.
int RunAndPrint(const AnalysisState& startup, const std::vector<batch::WorkItem>& work, batch::Options& options,
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
    const Arguments a(args, kAnalyzeValued, {"--all"}, {"--dataset", "--file", "--epw", "--station"});
    AnalyzeRequest r = ParseRequest(a);
    std::vector<batch::Input> inputs;
    try {
        r.options.warming = ParseWarming(a);
        inputs = LoadInputs(a);
    } catch (const InputError& e) {
        WriteErr("error: " + e.message + (e.message.ends_with('\n') ? "" : "\n"));
        return kExitFailure;
    }
    const AnalysisState startup = MakeStartupState(r.screen);
    const bool defaultInput = inputs.empty();
    if (defaultInput) inputs.push_back(batch::Input{startup.Locations, {}, "--dataset brazil", 0, "brazil"});
    const std::vector<batch::WorkItem> work = PlanWork(inputs, r, defaultInput ? startup.CurrentLocation : 1);
    const RowOptions rows = ChooseColumns(work, r, r.options);
    try {
        if (r.options.warming) {
            const auto failure =
                WarmingFailure(work, *r.options.warming, a.Has("--warming-file") ? "--warming-file" : "--warming");
            if (failure) throw InputError{*failure};
        }
        PrepareOutputFolders(a);
    } catch (const InputError& e) {
        WriteErr("error: " + e.message + "\n");
        return kExitFailure;
    }
    // One object for one location asked for; an array whenever the request may name several,
    // so that a script sees the same shape whatever the inputs hold.
    const RunFraming framing{rows, r.options.format == batch::Format::Json && (r.all || inputs.size() > 1),
                             work.size()};
    return RunAndPrint(startup, work, r.options, r, framing);
}

}  // namespace qav::cli
