#pragma once
// Batch analysis for qav-cli: many locations of several inputs spread over threads, each thread
// with its own state and canvases; the results come back in input order, identical for any
// number of threads.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/language.h"
#include "chart/compare_chart.h"
#include "pictures/report_pdf.h"
#include "pipeline/analysis_run.h"

namespace qav::batch {

struct Options {
    RowFormat format = RowFormat::Table;
    HoursView view = HoursView::Typical;
    bool recordedColumns = false;                               // JSON keys and CSV columns of the recorded hours
    std::optional<std::filesystem::path> chartPath, graphPath;  // numbered when the run has several
    std::optional<std::filesystem::path> chartDir, graphDir;    // one picture per location
    std::optional<std::filesystem::path> windRosePath, adaptiveChartPath;  // numbered as chartPath
    bool numbered = false;
    std::optional<std::filesystem::path> reportPath, reportDir;                    // PDF reports, named as pictures are
    std::optional<std::filesystem::path> sunChartPath, calendarPath, sunChartDir;  // the sun path and calendar
    Paper paper = Paper::A4;
    std::int64_t reportTime = 0;            // seconds since 1970 that the reports are dated
    bool kindInNames = false;               // charts and graphs share a folder: "-chart" and "-graph" in the names
    HourFilter filter;                      // the hours the shares count
    bool filterColumns = false;             // JSON keys and CSV columns hour_range and months
    bool stationColumns = false;            // CSV columns station, period and rh_source
    bool placeColumns = false;              // CSV columns of a place (found by its town)
    std::optional<Warming> warming;         // added to every location's normals
    Language language = Language::English;  // of the table's words and numbers and of the pictures
    /// When given, sized to the work: each location's row of the compare picture, in work order.
    std::vector<CompareRow>* compareRows = nullptr;
    bool Pictures() const
    {
        return chartPath || graphPath || chartDir || graphDir || reportPath || reportDir || sunChartPath ||
               calendarPath || sunChartDir || windRosePath || adaptiveChartPath;
    }
};

/// True when both paths name the same file or folder, existing or not (links resolved).
bool SamePath(const std::filesystem::path& a, const std::filesystem::path& b);
/// The path a write to `path` would reach: absolute, its folders' links resolved, and a link at
/// its end followed even when it points to a file that does not exist yet.
std::filesystem::path ReachedPath(const std::filesystem::path& path);

/// Called on the calling thread, in input order, with the position and the text of each result.
/// It may throw; the workers are then stopped and joined and the exception passes on.
using ResultSink = std::function<void(size_t position, const std::string& text)>;

struct Outcome {
    bool picturesOk = true;              // false when a picture could not be written
    std::optional<std::string> failure;  // the run stopped: "out of memory while analysing ..."
};

/// Memory one job needs: its zone map and the pictures it draws, in bytes.
std::size_t JobBytes(const AnalysisState& startup, const Options& options);
/// `jobs` lowered, if need be, so that the jobs fit the memory available to the process
/// (MemAvailable, and the address-space and data limits); at least 1.
int JobsForMemory(const AnalysisState& startup, const Options& options, int jobs);

/// Analyses every work item on up to `jobs` threads (fewer when threads cannot be started; the
/// calling thread when none can). Pictures need a running QGuiApplication. Results before a
/// failure reach the sink; an exception in a worker (out of memory, say) stops the run and is
/// reported in Outcome::failure, never by ending the process.
Outcome RunBatch(const AnalysisState& startup, const std::vector<RunItem>& work, const Options& options, int jobs,
                 const ResultSink& sink);

}  // namespace qav::batch
