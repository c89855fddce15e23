#pragma once
// qav-cli's commands. Each takes the arguments after its name and returns the exit status; a bad
// argument throws OptionError, a lost output cli::OutputError.
#include <string>
#include <vector>

namespace qav::cli {

/// `analyze`: the bioclimatic analysis of locations of built-in sets, files and stations.
int AnalyzeCommand(const std::vector<std::string>& args);

/// `psychro`: the moist-air properties of one point at the station pressure of an elevation.
int PsychroCommand(const std::vector<std::string>& args);

/// `export-dataset`: a built-in set as a Monthly Data file on standard output.
int ExportDataSetCommand(const std::vector<std::string>& args);

}  // namespace qav::cli
