#include "app/batch.h"

#include <QImage>
#include <QString>

#include <atomic>
#include <cctype>
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <thread>

#include "app/cli_output.h"
#include "chart/qt/qimage_canvas.h"
#include "classify/raster_canvas.h"
#include "pipeline/pipeline.h"
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

bool SaveImage(const QImage& image, const std::filesystem::path& path)
{
    if (image.save(QString::fromStdString(path.string()), "PNG")) return true;
    std::cerr << "error: cannot write " << path.string() << "\n";
    return false;
}

/// A file name for the picture of one location of a run: position, slot and name.
std::string PictureName(int position, const AnalysisState& state)
{
    std::string name;
    for (unsigned char c : state.Current().LocationName)
        name += (std::isalnum(c) || c >= 0x80) ? static_cast<char>(c) : '_';
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%04d-%02d-", position, state.CurrentLocation);
    return prefix + name + ".png";
}

/// What one thread draws on.
class Worker {
public:
    Worker(const AnalysisState& startup, const Options& options) : state_(startup), options_(options)
    {
        const CanvasRect& c = state_.Layout.Picture1;
        const CanvasRect& g = state_.Layout.Picture3;
        const int pw = state_.Layout.PixelWidth, ph = state_.Layout.PixelHeight;
        zoneMap_ = std::make_unique<RasterCanvas>(c.Width, c.Height, pw, ph);
        if (options.chartPath || options.chartDir) {
            chart_ = std::make_unique<QImageCanvas>(c.Width, c.Height, pw, ph);
            rotatedFont_ = std::make_unique<CLogFont>(chart_->FontFactory());
            rotatedFont_->SetLogFont(chart_->Font());
        }
        if (options.graphPath || options.graphDir) graph_ = std::make_unique<QImageCanvas>(g.Width, g.Height, pw, ph);
        state_.View = options.view;
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
        PipelineCanvases canvases{*zoneMap_, chart_.get(), graph_.get(), rotatedFont_.get(), '.'};
        RunPipeline(state_, canvases);
        if (chart_) SavePictures(chart_->Image(), options_.chartPath, options_.chartDir, position);
        if (graph_) SavePictures(graph_->Image(), options_.graphPath, options_.graphDir, position);
        switch (options_.format) {
        case Format::Table:
            return ResultsTableText(state_.Current(), state_.ShownTally(), '.', ',',
                                    &state_.ShownTally() == &state_.RecordedTally);
        case Format::Json: return cli::AnalysisJson(state_, options_.recordedColumns);
        case Format::Csv: return cli::AnalysisCsvRow(state_, options_.recordedColumns);
        }
        return {};
    }

    bool PicturesOk() const { return picturesOk_; }

private:
    void SavePictures(const QImage& image, const std::optional<std::filesystem::path>& path,
                      const std::optional<std::filesystem::path>& dir, int position)
    {
        if (path) picturesOk_ &= SaveImage(image, NumberedPath(*path, position, options_.numbered));
        if (dir) picturesOk_ &= SaveImage(image, *dir / PictureName(position, state_));
    }

    AnalysisState state_;
    const Options& options_;
    const Input* current_ = nullptr;
    std::unique_ptr<RasterCanvas> zoneMap_;
    std::unique_ptr<QImageCanvas> chart_, graph_;
    std::unique_ptr<CLogFont> rotatedFont_;
    bool picturesOk_ = true;
};

}  // namespace

bool RunBatch(const AnalysisState& startup, const std::vector<WorkItem>& work, const Options& options, int jobs,
              const ResultSink& sink)
{
    std::vector<std::optional<std::string>> results(work.size());
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<size_t> next{0};
    std::atomic<bool> picturesOk{true};
    const auto runWorker = [&] {
        Worker worker(startup, options);
        for (size_t i; (i = next.fetch_add(1)) < work.size();) {
            std::string text = worker.Analyze(work[i], static_cast<int>(i) + 1);
            std::lock_guard lock(mutex);
            results[i] = std::move(text);
            ready.notify_one();
        }
        if (!worker.PicturesOk()) picturesOk = false;
    };
    const int threadCount = std::max(1, std::min<int>(jobs, static_cast<int>(work.size())));
    std::vector<std::thread> threads;
    if (threadCount > 1) {
        for (int t = 0; t < threadCount; ++t) threads.emplace_back(runWorker);
    } else {
        runWorker();
    }
    // Hand each result over as soon as it and every one before it are done.
    for (size_t i = 0; i < work.size(); ++i) {
        std::string text;
        {
            std::unique_lock lock(mutex);
            ready.wait(lock, [&] { return results[i].has_value(); });
            text = std::move(*results[i]);
            results[i].reset();
        }
        sink(i, text);
    }
    for (std::thread& t : threads) t.join();
    return picturesOk;
}

}  // namespace qav::batch
