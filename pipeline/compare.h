#pragma once
// Compare locations: every location of a list analysed as the window would analyse it (same
// screen, hour filter and warming), and the rows of the compare picture and of its CSV file.
#include <string>
#include <vector>

#include "chart/compare_chart.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// The compare row of the state's last analysis: its shown shares and, with recorded hours,
/// the recorded ones. Position is left to the caller.
CompareRow CompareRowOf(const AnalysisState& analysed);

/// Analyses every location of the state's table headless (no chart, no graph) with the state's
/// screen, filter and warming, in list order; the state itself is not changed.
std::vector<CompareRow> CompareLocations(const AnalysisState& state);

/// The rows as CSV (see exports.h): a title line, the caption line when there is one, then
/// position,slot,name,country,top and the shares A..J, and when a row has recorded hours,
/// recorded_top and rA..rJ (empty for the other rows).
std::string CompareCsv(const std::vector<CompareRow>& rows, const std::string& caption = {});

}  // namespace qav
