#pragma once
// The report's "Sun and shade" section: the sun path with the equator side's mask, the hours'
// calendar, the eight façades' table and a sentence for each.
#include <string>
#include <vector>

#include "pipeline/report.h"

namespace qav {

/// "North: an overhang with a 39° cut-off ... depth 1.23 × the window height. Fins ..."
std::string FacadeSentence(const FacadeShading& facade, Language language);

std::vector<ReportBlock> SunReportSection(const AnalysisState& state, Language language);

}  // namespace qav
