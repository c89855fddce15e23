#pragma once
// The files a qav-cli run writes, named before anything is written, so that two outputs that would
// name one file are refused instead of one silently replacing the other.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/batch.h"

namespace qav::batch {

/// "chart.png" for the 7th location of a run -> "chart-07.png": one picture per location.
std::filesystem::path NumberedPath(const std::filesystem::path& path, int position, bool numbered);

/// "compare.png" -> "compare-2.png": the further pages (0-based `page`) of a long compare picture.
std::filesystem::path PagePath(const std::filesystem::path& path, std::size_t page);

enum class OutputKind { Chart, Graph, Report, SunPath, Calendar, WindRose, AdaptiveChart };

/// One file of one location, and the option that asks for it.
struct LocationFile {
    OutputKind kind;
    const char* option;
    std::filesystem::path path;
};

/// The files written for the location at `position` (1-based) of the run, slot `slot` named `name`,
/// in the order they are written.
std::vector<LocationFile> LocationFiles(const Options& options, int position, int slot, std::string_view name);

/// The compare picture of a run, when asked for.
struct CompareOutput {
    std::filesystem::path path;
    bool svg = false;
};

/// Every file the run will write, checked as a whole: the first one that names the file of an
/// earlier one, in any spelling (relative or absolute, through links, a hard link), as
/// "--chart-dir: 'dd/0001-05-Brasília.png' is the file of --graph as well"; none when all differ.
/// A PNG compare picture is counted with as many pages as its bars could take.
std::optional<std::string> OutputClash(const Options& options, const std::vector<RunItem>& work,
                                       const std::optional<CompareOutput>& compare);

}  // namespace qav::batch
