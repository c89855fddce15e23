#pragma once
// Which strategies get design advice, by the hours each serves, and the checks of that advice
// against the site's own numbers: the report prints them, the JSON output lists them.
#include <array>
#include <string>
#include <vector>

#include "text/language.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// One comparison of a figure of the site with the limit the advice assumes.
struct GuidanceCheck {
    std::string Check;   // "night_cooling", "humidity", "orientation", "large_range"
    bool Holds = true;   // the advice stands as written; otherwise Text says what the site changes
    double Value = 0;    // the site's figure: degrees C, K, % or degrees of latitude
    double Limit = 0;    // in the same unit
    std::string Text;    // the sentence the report prints; empty when it holds (a façade's always says)
    std::string Facade;  // "N", "E", "S", "W" for a façade's check (FacadeChecks); empty otherwise
};

struct GuidanceBlock {
    std::array<int, 2> Strategies{};  // 1..10; the second 0 for a block of one strategy
    int Hours = 0;                    // the hours served: own zones and those merged into them
    float HourShare = 0;              // those hours as a percent of the hours counted, one decimal
    std::vector<GuidanceCheck> Checks;
};

/// The blocks of advice in the report's order, on the tally given (a weather file's recorded
/// hours or the typical days), with the checks' sentences in `language`.
std::vector<GuidanceBlock> SiteGuidance(const AnalysisState& state, const StrategyTally& basis, Language language);

/// "The building in brief": walls and roof, openings and how the building is run, by season (the
/// months named from the tally), and which need wins where the blocks pull different ways.
std::string BuildingInBrief(const AnalysisState& state, const StrategyTally& basis, Language language);

/// The blocks as a JSON array (English sentences).
std::string GuidanceJson(const std::vector<GuidanceBlock>& blocks);

}  // namespace qav
