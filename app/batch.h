#pragma once
// Batch analysis for qav-cli: many locations of several inputs spread over threads, each thread
// with its own state and canvases; the results come back in input order, identical for any
// number of threads.
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "classify/compare_chart.h"
#include "pipeline/analysis_state.h"

namespace qav::batch {

/// One input: a built-in set, a Monthly Data file or a weather file (one location).
struct Input {
    LocationTable table;
    RecordedYears recorded{};
};

struct WorkItem {
    const Input* input = nullptr;
    int slot = 1;
};

enum class Format { Table, Json, Csv };

struct Options {
    Format format = Format::Table;
    HoursView view = HoursView::Typical;
    bool recordedColumns = false;  // JSON keys and CSV columns of the recorded hours
    std::optional<std::filesystem::path> chartPath, graphPath;  // numbered when the run has several
    std::optional<std::filesystem::path> chartDir, graphDir;    // one picture per location
    bool numbered = false;
    HourFilter filter;                  // the hours the shares count
    bool filterColumns = false;         // JSON keys and CSV columns hour_range and months
    std::optional<Warming> warming;     // added to every location's normals
    /// When given, sized to the work: each location's row of the compare picture, in work order.
    std::vector<CompareRow>* compareRows = nullptr;
    bool Pictures() const { return chartPath || graphPath || chartDir || graphDir; }
};

/// Called on the calling thread, in input order, with the position and the text of each result.
using ResultSink = std::function<void(size_t position, const std::string& text)>;

/// Analyses every work item on `jobs` threads. Pictures need a running QGuiApplication. Returns
/// false when a picture could not be written (the analysis itself cannot fail).
bool RunBatch(const AnalysisState& startup, const std::vector<WorkItem>& work, const Options& options, int jobs,
              const ResultSink& sink);

}  // namespace qav::batch
