#include "app/batch.h"

#include <QString>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <new>
#include <thread>

#include "app/cli_io.h"
#include "app/cli_output.h"
#include "classify/raster_canvas.h"
#include "pictures/pictures.h"
#include "pipeline/compare.h"
#include "pipeline/exports.h"
#include "pipeline/pipeline.h"
#include "pipeline/rendering.h"
#include "pipeline/results_table.h"

namespace qav::batch {
namespace {

/// "chart.png" for the 7th location of a run -> "chart-07.png": one picture per location.
std::filesystem::path NumberedPath(const std::filesystem::path& path, int position, bool numbered)
{
    if (!numbered) return path;
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%02d", position);
    std::filesystem::path p = path;
    p.replace_filename(path.stem().string() + suffix + path.extension().string());
    return p;
}

// The picture's file, drawn by the picture layer as the window's Save command draws it; the
// suffix of the path chooses PNG or SVG.
bool SavePicture(PictureKind kind, const AnalysisState& state, const std::filesystem::path& path, Language language)
{
    const QByteArray bytes = RenderPictureFile(kind, state, PictureFormatOf(path).value_or(PictureFormat::Png), 1,
                                               DecimalSeparatorOf(language), language);
    const QString failure = bytes.isEmpty() ? QStringLiteral("the picture could not be encoded")
                                            : WriteFileAtomically(QString::fromStdString(path.string()), bytes);
    if (failure.isEmpty()) return true;
    cli::WriteErr("error: cannot write " + path.string() + ": " + failure.toStdString() + "\n");
    return false;
}

// What a worker was doing when it failed, for the message.
std::string Doing(const std::vector<WorkItem>& work, std::size_t i, std::size_t jobBytes)
{
    if (i >= work.size()) return "preparing the canvases (about " + std::to_string(jobBytes >> 20) + " MB per job)";
    const Input& in = *work[i].input;
    return "analysing " + in.table.Slot[work[i].slot].LocationName + " (" + in.label + ", location " +
           std::to_string(work[i].slot) + ")";
}

// Bytes left to this process: MemAvailable, and what an address-space or data limit (ulimit -v,
// ulimit -d) leaves above what is mapped already.
std::size_t AvailableBytes()
{
    std::size_t available = SIZE_MAX, vmSize = 0, vmData = 0;
    const auto readKb = [](const char* file, std::initializer_list<std::pair<std::string_view, std::size_t*>> keys) {
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            for (const auto& [key, value] : keys) {
                if (line.starts_with(key)) *value = std::strtoull(line.c_str() + key.size(), nullptr, 10) * 1024;
            }
        }
    };
    std::size_t memAvailable = 0;
    readKb("/proc/meminfo", {{"MemAvailable:", &memAvailable}});
    readKb("/proc/self/status", {{"VmSize:", &vmSize}, {"VmData:", &vmData}});
    if (memAvailable > 0) available = memAvailable;
    for (const auto& [resource, used] : {std::pair{RLIMIT_AS, vmSize}, std::pair{RLIMIT_DATA, vmData}}) {
        rlimit limit{};
        if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) continue;
        available = std::min<std::size_t>(available, limit.rlim_cur > used ? limit.rlim_cur - used : 0);
    }
    return available;
}

/// What one thread draws on.
class Worker {
public:
    Worker(const AnalysisState& startup, const Options& options) : state_(startup), options_(options)
    {
        const CanvasRect& c = state_.Layout.Picture1;
        const int pw = state_.Layout.PixelWidth, ph = state_.Layout.PixelHeight;
        // The pictures are drawn afresh from the state by the picture layer, so the run itself
        // needs only the zone map.
        zoneMap_ = std::make_unique<RasterCanvas>(c.Width, c.Height, pw, ph);
        state_.View = options.view;
        state_.Filter = options.filter;
        state_.WarmingAsked = options.warming;
    }

    /// Analyses one location and returns its text; pictures are saved here.
    std::string Analyze(const WorkItem& item, int position)
    {
        if (current_ != item.input) {
            state_.Locations = item.input->table;
            state_.Recorded = item.input->recorded;
            current_ = item.input;
        }
        state_.CurrentLocation = item.slot;
        PipelineCanvases canvases{*zoneMap_, nullptr, nullptr, nullptr, '.'};
        RunPipeline(state_, canvases);
        SavePictures(PictureKind::Chart, options_.chartPath, options_.chartDir, position);
        SavePictures(PictureKind::Graph, options_.graphPath, options_.graphDir, position);
        if (options_.compareRows) {
            CompareRow& row = (*options_.compareRows)[position - 1];  // each position has one writer
            row = CompareRowOf(state_);
            row.Position = position;
        }
        switch (options_.format) {
        case Format::Table: {
            const char point = DecimalSeparatorOf(options_.language);
            return ResultsTableText(state_.Current(), state_.ShownTally(), point, TableFieldSeparator(point),
                                    state_.ShowsRecordedHours(), AnalysisCaption(state_, options_.language),
                                    options_.language);
        }
        case Format::Json: return cli::AnalysisJson(state_, options_.recordedColumns, options_.filterColumns);
        case Format::Csv: return cli::AnalysisCsvRow(state_, options_.recordedColumns, options_.filterColumns, options_.stationColumns);
        }
        return {};
    }

    bool PicturesOk() const { return picturesOk_; }

private:
    void SavePictures(PictureKind kind, const std::optional<std::filesystem::path>& path,
                      const std::optional<std::filesystem::path>& dir, int position)
    {
        const char* kindInName = !options_.kindInNames ? nullptr : kind == PictureKind::Chart ? "chart" : "graph";
        if (path) picturesOk_ &= SavePicture(kind, state_, NumberedPath(*path, position, options_.numbered), options_.language);
        if (dir) picturesOk_ &= SavePicture(kind, state_, *dir / RunPictureName(position, state_, kindInName), options_.language);
    }

    AnalysisState state_;
    const Options& options_;
    const Input* current_ = nullptr;
    std::unique_ptr<RasterCanvas> zoneMap_;
    bool picturesOk_ = true;
};

}  // namespace

bool ParseCompareSort(std::string_view text, CompareSort& sort)
{
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (text == "name") sort = {CompareSortKey::Name, 0};
    else if (text == "list") sort = {CompareSortKey::ListOrder, 0};
    else if (text.size() == 1 && upper(text[0]) >= 'A' && upper(text[0]) <= StrategyLetter(kStrategies))
        sort = {CompareSortKey::Strategy, upper(text[0]) - 'A' + 1};
    else return false;
    return true;
}

bool SamePath(const std::filesystem::path& a, const std::filesystem::path& b)
{
    // Absolute first: weakly_canonical leaves a relative path whose first part does not exist as it is.
    std::error_code ea, eb;
    const std::filesystem::path ca = std::filesystem::weakly_canonical(std::filesystem::absolute(a, ea), ea);
    const std::filesystem::path cb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, eb), eb);
    return ea || eb ? a.lexically_normal() == b.lexically_normal() : ca.lexically_normal() == cb.lexically_normal();
}

std::size_t JobBytes(const AnalysisState& startup, const Options& options)
{
    const ScreenLayout& l = startup.Layout;
    const auto pixels = [&](const CanvasRect& r) {
        return static_cast<std::size_t>(r.Width / l.PixelWidth + 1) * static_cast<std::size_t>(r.Height / l.PixelHeight + 1);
    };
    std::size_t bytes = pixels(l.Picture1) * 4;  // the zone map, one 32-bit colour per pixel
    // A picture: its 32-bit image and, while it is encoded, about as much again.
    if (options.chartPath || options.chartDir) bytes += pixels(l.Picture1) * 8;
    if (options.graphPath || options.graphDir) bytes += pixels(l.Picture3) * 8;
    return bytes + (std::size_t{16} << 20);  // the thread's stack, its state and its texts
}

int JobsForMemory(const AnalysisState& startup, const Options& options, int jobs)
{
    // Three quarters of what is free: the rest for the page cache, the inputs and the results.
    const std::size_t fit = AvailableBytes() / 4 * 3 / JobBytes(startup, options);
    return static_cast<int>(std::clamp<std::size_t>(fit, 1, static_cast<std::size_t>(std::max(jobs, 1))));
}

Outcome RunBatch(const AnalysisState& startup, const std::vector<WorkItem>& work, const Options& options, int jobs,
                 const ResultSink& sink)
{
    std::vector<std::optional<std::string>> results(work.size());
    std::optional<std::string> failure;
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<size_t> next{0};
    std::atomic<bool> stop{false}, picturesOk{true};
    const auto fail = [&](std::string message) {
        std::lock_guard lock(mutex);
        if (!failure) failure = std::move(message);
        stop = true;
        ready.notify_all();
    };
    // Nothing may leave a thread: an escaping exception would end the process without a word.
    const auto runWorker = [&]() noexcept {
        std::size_t i = work.size();
        try {
            Worker worker(startup, options);
            while (!stop && (i = next.fetch_add(1)) < work.size()) {
                std::string text = worker.Analyze(work[i], static_cast<int>(i) + 1);
                std::lock_guard lock(mutex);
                results[i] = std::move(text);
                ready.notify_all();
            }
            if (!worker.PicturesOk()) picturesOk = false;
        } catch (const std::bad_alloc&) {
            fail("out of memory while " + Doing(work, i, JobBytes(startup, options)));
        } catch (const std::exception& e) {
            fail(std::string(e.what()) + " while " + Doing(work, i, JobBytes(startup, options)));
        } catch (...) {
            fail("unexpected failure while " + Doing(work, i, JobBytes(startup, options)));
        }
    };
    const int wanted = std::max(1, std::min<int>(jobs, static_cast<int>(work.size())));
    std::vector<std::thread> threads;
    if (wanted > 1) {
        threads.reserve(static_cast<std::size_t>(wanted));
        for (int t = 0; t < wanted; ++t) {
            try {
                threads.emplace_back(runWorker);
            } catch (const std::exception&) {
                break;  // no more threads (EAGAIN, address space): go on with those started
            }
        }
    }
    if (threads.empty()) runWorker();
    const auto joinAll = [&] {
        stop = true;
        for (std::thread& t : threads) t.join();
    };
    try {
        // Hand each result over as soon as it and every one before it are done.
        for (size_t i = 0; i < work.size(); ++i) {
            std::string text;
            {
                std::unique_lock lock(mutex);
                ready.wait(lock, [&] { return results[i].has_value() || failure.has_value(); });
                if (!results[i]) break;
                text = std::move(*results[i]);
                results[i].reset();
            }
            sink(i, text);
        }
    } catch (...) {
        joinAll();
        throw;
    }
    joinAll();
    return {picturesOk, failure};
}

}  // namespace qav::batch
