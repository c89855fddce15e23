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
#include <exception>
#include <fstream>
#include <mutex>
#include <new>
#include <thread>

#include "app/cli_io.h"
#include "app/output_names.h"
#include "classify/raster_canvas.h"
#include "pictures/pictures.h"
#include "pictures/sun_picture_files.h"
#include "pipeline/compare.h"
#include "pipeline/exports.h"
#include "pipeline/pipeline.h"
#include "pipeline/rendering.h"
#include "pipeline/results_table.h"

namespace qav::batch {
namespace {

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

// The sun path's or the calendar's file, written as the chart's is.
bool SaveSunPicture(bool sunPath, const AnalysisState& state, const std::filesystem::path& path, Language language)
{
    const QByteArray bytes = RenderSunPictureFile(sunPath ? SunPictureKind::SunPath : SunPictureKind::Calendar, state,
                                                  PictureFormatOf(path).value_or(PictureFormat::Png), language);
    const QString failure = bytes.isEmpty() ? QStringLiteral("the picture could not be encoded")
                                            : WriteFileAtomically(QString::fromStdString(path.string()), bytes);
    if (failure.isEmpty()) return true;
    cli::WriteErr("error: cannot write " + path.string() + ": " + failure.toStdString() + "\n");
    return false;
}

// The report's file, written as the window's Export report command writes it.
bool SaveReportFile(const AnalysisState& state, const std::filesystem::path& path, const Options& options)
{
    const QString failure =
        SaveReport(state, QString::fromStdString(path.string()), options.paper, options.language, options.reportTime);
    if (failure.isEmpty()) return true;
    cli::WriteErr("error: cannot write " + path.string() + ": " + failure.toStdString() + "\n");
    return false;
}

// What a worker was doing when it failed, for the message.
std::string Doing(const std::vector<RunItem>& work, std::size_t i, std::size_t jobBytes)
{
    if (i >= work.size()) return "preparing the canvases (about " + std::to_string(jobBytes >> 20) + " MB per job)";
    const RunInput& in = *work[i].input;
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

PictureKind PictureKindOf(OutputKind kind)
{
    switch (kind) {
        case OutputKind::Chart:
            return PictureKind::Chart;
        case OutputKind::WindRose:
            return PictureKind::WindRose;
        case OutputKind::AdaptiveChart:
            return PictureKind::AdaptiveGraph;
        case OutputKind::Graph:
        case OutputKind::Report:
        case OutputKind::SunPath:  // drawn by the sun's own pictures
        case OutputKind::Calendar:
            break;
    }
    return PictureKind::Graph;
}

/// What one thread analyses and draws on.
class Worker {
  public:
    Worker(const AnalysisState& startup, const Options& options)
        : analyser_(startup, options.view, options.filter, options.warming), options_(options)
    {
    }

    /// Analyses one location and returns its text; pictures are saved here.
    std::string Analyze(const RunItem& item, int position)
    {
        const AnalysisState& state = analyser_.Analyse(item);
        for (const LocationFile& file :
             LocationFiles(options_, position, state.CurrentLocation, state.Current().LocationName)) {
            if (file.kind == OutputKind::SunPath || file.kind == OutputKind::Calendar) {
                picturesOk_ &= SaveSunPicture(file.kind == OutputKind::SunPath, state, file.path, options_.language);
                continue;
            }
            picturesOk_ &= file.kind == OutputKind::Report
                               ? SaveReportFile(state, file.path, options_)
                               : SavePicture(PictureKindOf(file.kind), state, file.path, options_.language);
        }
        if (options_.compareRows) {
            CompareRow& row = (*options_.compareRows)[position - 1];  // each position has one writer
            row = CompareRowOf(state);
            row.Position = position;
        }
        return RowText(state, item.input->key,
                       {options_.format, options_.recordedColumns, options_.filterColumns, options_.stationColumns,
                        options_.warming.has_value(), options_.language, options_.placeColumns});
    }

    bool PicturesOk() const { return picturesOk_; }

  private:
    RowAnalyser analyser_;
    const Options& options_;
    bool picturesOk_ = true;
};

}  // namespace

std::filesystem::path ReachedPath(const std::filesystem::path& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path p = fs::absolute(path, ec).lexically_normal();
    if (ec) return path.lexically_normal();
    if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();  // "dir/" is "dir"
    for (int hops = 0; hops < 40; ++hops) {                               // the kernel's limit of links in one lookup
        const fs::path folder = fs::weakly_canonical(p.parent_path(), ec);
        if (ec) break;
        p = folder / p.filename();
        if (!fs::is_symlink(p, ec)) break;
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) break;
        p = (target.is_absolute() ? target : folder / target).lexically_normal();
    }
    return p;
}

bool SamePath(const std::filesystem::path& a, const std::filesystem::path& b)
{
    return ReachedPath(a) == ReachedPath(b);
}

std::size_t JobBytes(const AnalysisState& startup, const Options& options)
{
    const ScreenLayout& l = startup.Layout;
    const auto pixels = [&](const CanvasRect& r) {
        return static_cast<std::size_t>(r.Width / l.PixelWidth + 1) *
               static_cast<std::size_t>(r.Height / l.PixelHeight + 1);
    };
    std::size_t bytes = pixels(l.Picture1) * 4;  // the zone map, one 32-bit colour per pixel
    // A picture: its 32-bit image and, while it is encoded, about as much again.
    if (options.chartPath || options.chartDir) bytes += pixels(l.Picture1) * 8;
    if (options.graphPath || options.graphDir) bytes += pixels(l.Picture3) * 8;
    if (options.windRosePath) bytes += pixels(l.Picture3) * 8;
    if (options.adaptiveChartPath) bytes += pixels(l.Picture3) * 8;
    return bytes + (std::size_t{16} << 20);  // the thread's stack, its state and its texts
}

int JobsForMemory(const AnalysisState& startup, const Options& options, int jobs)
{
    // Three quarters of what is free: the rest for the page cache, the inputs and the results.
    const std::size_t fit = AvailableBytes() / 4 * 3 / JobBytes(startup, options);
    return static_cast<int>(std::clamp<std::size_t>(fit, 1, static_cast<std::size_t>(std::max(jobs, 1))));
}

namespace {

// What a failed location is reported as; the run stops there.
std::string FailureOf(std::exception_ptr error, const std::vector<RunItem>& work, std::size_t i, std::size_t jobBytes)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return "out of memory while " + Doing(work, i, jobBytes);
    } catch (const std::exception& e) {
        return std::string(e.what()) + " while " + Doing(work, i, jobBytes);
    } catch (...) {
        return "unexpected failure while " + Doing(work, i, jobBytes);
    }
}

// One job: each result goes to the sink as soon as it is done, so nothing is kept.
Outcome RunOnThisThread(const AnalysisState& startup, const std::vector<RunItem>& work, const Options& options,
                        const ResultSink& sink)
{
    std::size_t i = work.size();
    std::string text;
    try {
        Worker worker(startup, options);
        for (i = 0; i < work.size(); ++i) {
            try {
                text = worker.Analyze(work[i], static_cast<int>(i) + 1);
            } catch (...) {
                return {worker.PicturesOk(), FailureOf(std::current_exception(), work, i, JobBytes(startup, options))};
            }
            sink(i, text);  // its exceptions pass on
        }
        return {worker.PicturesOk(), std::nullopt};
    } catch (const std::bad_alloc&) {
        if (i < work.size()) throw;  // the sink's
        return {true, FailureOf(std::current_exception(), work, i, JobBytes(startup, options))};
    }
}

}  // namespace

Outcome RunBatch(const AnalysisState& startup, const std::vector<RunItem>& work, const Options& options, int jobs,
                 const ResultSink& sink)
{
    const int wanted = std::max(1, std::min<int>(jobs, static_cast<int>(work.size())));
    if (wanted == 1) return RunOnThisThread(startup, work, options, sink);

    // Results wait here for those before them. A worker takes a location only while it is
    // within `ahead` of the next one handed over, so a slow reader of the output (or one slow
    // location) holds back the run instead of letting the waiting results grow without bound.
    const std::size_t ahead = 4 * static_cast<std::size_t>(wanted);
    std::vector<std::optional<std::string>> results(work.size());
    std::optional<std::string> failure;
    std::mutex mutex;
    std::condition_variable ready, room;
    std::size_t next = 0, handed = 0;
    bool stop = false;
    std::atomic<bool> picturesOk{true};
    const auto fail = [&](std::string message) {
        std::lock_guard lock(mutex);
        if (!failure) failure = std::move(message);
        stop = true;
        ready.notify_all();
        room.notify_all();
    };
    // Nothing may leave a thread: an escaping exception would end the process without a word.
    const auto runWorker = [&]() noexcept {
        std::size_t i = work.size();
        try {
            Worker worker(startup, options);
            for (;;) {
                {
                    std::unique_lock lock(mutex);
                    room.wait(lock, [&] { return stop || next >= work.size() || next < handed + ahead; });
                    if (stop || next >= work.size()) break;
                    i = next++;
                }
                std::string text = worker.Analyze(work[i], static_cast<int>(i) + 1);
                std::lock_guard lock(mutex);
                results[i] = std::move(text);
                ready.notify_all();
            }
            if (!worker.PicturesOk()) picturesOk = false;
        } catch (...) {
            fail(FailureOf(std::current_exception(), work, i, JobBytes(startup, options)));
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(wanted));
    for (int t = 0; t < wanted; ++t) {
        try {
            threads.emplace_back(runWorker);
        } catch (const std::exception&) {
            break;  // no more threads (EAGAIN, address space): go on with those started
        }
    }
    if (threads.empty()) return RunOnThisThread(startup, work, options, sink);
    const auto joinAll = [&] {
        {
            std::lock_guard lock(mutex);
            stop = true;
            room.notify_all();
        }
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
                handed = i + 1;
                room.notify_all();
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
