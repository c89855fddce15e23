#include "app/output_names.h"

#include <sys/stat.h>

#include <cstdio>
#include <map>
#include <unordered_map>

#include "chart/compare_chart.h"
#include "pictures/pictures.h"

namespace qav::batch {

namespace fs = std::filesystem;

fs::path NumberedPath(const fs::path& path, int position, bool numbered)
{
    if (!numbered) return path;
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%02d", position);
    fs::path p = path;
    p.replace_filename(path.stem().string() + suffix + path.extension().string());
    return p;
}

fs::path PagePath(const fs::path& path, std::size_t page)
{
    if (page == 0) return path;
    fs::path p = path;
    p.replace_filename(path.stem().string() + "-" + std::to_string(page + 1) + path.extension().string());
    return p;
}

namespace {

// --sun-chart, --calendar-chart and --sun-chart-dir (both pictures, "-sun" and "-calendar" in the names).
void AddSunFiles(std::vector<LocationFile>& files, const Options& options, int position, int slot,
                 std::string_view name)
{
    if (options.sunChartPath)
        files.push_back(
            {OutputKind::SunPath, "--sun-chart", NumberedPath(*options.sunChartPath, position, options.numbered)});
    if (options.calendarPath)
        files.push_back({OutputKind::Calendar, "--calendar-chart",
                         NumberedPath(*options.calendarPath, position, options.numbered)});
    if (options.sunChartDir) {
        files.push_back(
            {OutputKind::SunPath, "--sun-chart-dir", *options.sunChartDir / RunFileName(position, slot, name, "sun")});
        files.push_back({OutputKind::Calendar, "--sun-chart-dir",
                         *options.sunChartDir / RunFileName(position, slot, name, "calendar")});
    }
}

}  // namespace

std::vector<LocationFile> LocationFiles(const Options& options, int position, int slot, std::string_view name)
{
    std::vector<LocationFile> files;
    const auto pictures = [&](OutputKind kind, const char* fileOption, const std::optional<fs::path>& file,
                              const char* dirOption, const std::optional<fs::path>& dir) {
        const char* kindInName = !options.kindInNames ? nullptr : kind == OutputKind::Chart ? "chart" : "graph";
        if (file) files.push_back({kind, fileOption, NumberedPath(*file, position, options.numbered)});
        if (dir) files.push_back({kind, dirOption, *dir / RunFileName(position, slot, name, kindInName)});
    };
    pictures(OutputKind::Chart, "--chart", options.chartPath, "--chart-dir", options.chartDir);
    pictures(OutputKind::Graph, "--graph", options.graphPath, "--graph-dir", options.graphDir);
    pictures(OutputKind::WindRose, "--wind-rose", options.windRosePath, nullptr, std::nullopt);
    pictures(OutputKind::AdaptiveChart, "--adaptive-chart", options.adaptiveChartPath, nullptr, std::nullopt);
    if (options.reportPath)
        files.push_back(
            {OutputKind::Report, "--report", NumberedPath(*options.reportPath, position, options.numbered)});
    if (options.reportDir)
        files.push_back({OutputKind::Report, "--report-dir",
                         *options.reportDir / fs::path(RunFileName(position, slot, name)).replace_extension(".pdf")});
    AddSunFiles(files, options, position, slot, name);
    return files;
}

namespace {

// What identifies the file a write reaches: the device and inode of a file that exists (so a hard
// link is the same file), otherwise the path reached. Folders are resolved once each, as a run
// of thousands of locations names thousands of files in one or two folders.
class FileKeys {
  public:
    std::string Key(const fs::path& path)
    {
        std::error_code ec;
        fs::path p = fs::absolute(path, ec).lexically_normal();
        if (ec) p = path.lexically_normal();
        if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();  // "dir/" is "dir"
        auto folder = folders_.find(p.parent_path());
        if (folder == folders_.end()) {
            fs::path canonical = fs::weakly_canonical(p.parent_path(), ec);
            folder = folders_.emplace(p.parent_path(), ec ? p.parent_path() : canonical).first;
        }
        p = folder->second / p.filename();
        if (fs::is_symlink(p, ec)) p = ReachedPath(path);
        struct stat status {};
        if (stat(p.c_str(), &status) == 0)
            return "inode " + std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
        return p.string();
    }

  private:
    std::map<fs::path, fs::path> folders_;
};

}  // namespace

std::optional<std::string> OutputClash(const Options& options, const std::vector<RunItem>& work,
                                       const std::optional<CompareOutput>& compare)
{
    FileKeys keys;
    std::unordered_map<std::string, const char*> seen;  // key -> the option of the first file
    std::optional<std::string> clash;
    const auto add = [&](const char* option, const fs::path& path) {
        if (clash) return;
        const auto [earlier, fresh] = seen.emplace(keys.Key(path), option);
        if (!fresh)
            clash = std::string(option) + ": '" + path.string() + "' is the file of " + earlier->second + " as well";
    };
    for (std::size_t i = 0; i < work.size() && !clash; ++i) {
        const RunItem& item = work[i];
        for (const LocationFile& file :
             LocationFiles(options, static_cast<int>(i) + 1, item.slot, item.input->table.Slot[item.slot].LocationName))
            add(file.option, file.path);
    }
    if (compare) {
        // The most pages the bars can take: every location with a second bar of recorded hours.
        std::size_t pages = 1;
        if (!compare->svg) {
            std::vector<CompareRow> rows(work.size());
            for (CompareRow& row : rows) row.HasRecorded = true;
            pages = ComparePages(std::move(rows), kMaxComparePixels).size();
        }
        for (std::size_t page = 0; page < pages; ++page) add("--compare-chart", PagePath(compare->path, page));
    }
    return clash;
}

}  // namespace qav::batch
