#pragma once
// Machine-readable forms of an analysis for the command-line companion: JSON objects and CSV
// rows. Numbers always use a decimal point; floats are written in their shortest round-trip form.
#include <string>
#include <string_view>

#include "core/analysis_state.h"

namespace qav::cli {

/// Shortest round-trip text of a float, decimal point, "null" for a value that is not finite.
std::string JsonNumber(float value);
std::string JsonString(std::string_view utf8);

/// One analysed location as a JSON object (no trailing newline).
std::string AnalysisJson(const AnalysisState& state);

std::string CsvHeader();
/// One analysed location as a CSV row, with its line feed.
std::string AnalysisCsvRow(const AnalysisState& state);

}  // namespace qav::cli
