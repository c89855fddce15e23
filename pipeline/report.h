#pragma once
// What the PDF report of an analysis says, as plain values: the heading, the tables, the
// strategies that get design advice and the notes, worded in the report's language. The picture
// layer lays it out on pages; the window and qav-cli compose it here, so both say the same.
#include <optional>
#include <string>
#include <vector>

#include "text/language.h"
#include "pipeline/analysis_state.h"

namespace qav {

struct ReportTable {
    std::vector<std::string> Columns;
    std::vector<std::vector<std::string>> Rows;
    std::vector<bool> Bold;  // one per row: the rows to stress (the three largest shares)
};

struct ReportGuidance {
    std::string Heading;                   // "B - Solar Heating" (two strategies joined by " / ")
    std::string Share;                     // "30.2 %"; for a weather file the recorded and the typical share
    std::string Asks, Measures, Pitfalls;  // each with its lead-in ("Pitfalls: ...")
    std::string Site;                      // what the site's numbers change ("At this site: ..."); may be empty
};

enum class ReportBlockKind {
    Section,
    Text,
    Note,
    Facts,
    Table,
    Chart,
    Graph,
    Guidance,
    SunPath,
    Calendar,
    AdaptiveGraph,
    WindRose
};

/// One piece of the report, laid out in order. Facts holds label-value pairs in Table.Rows.
struct ReportBlock {
    ReportBlockKind Kind = ReportBlockKind::Text;
    std::string Text;
    ReportTable Table;
    ReportGuidance Advice;
};

struct ReportContent {
    std::string Title;  // "Bioclimatic analysis of Brasília (Brazil)"
    std::vector<ReportBlock> Blocks;
};

/// The report of the state's last analysis, dated `date` ("2026-12-07"), or none when no location
/// has been analysed (ReportText(language, report_text::kNoLocation) says why).
std::optional<ReportContent> ComposeReport(const AnalysisState& state, Language language, const std::string& date);

/// The strategies that get design advice, by the tally the report follows: every one serving 5 %
/// or more of the hours counted (its own zone and those merged into its share) and always the
/// three largest shares, in order of share (ties in strategy order).
std::vector<int> GuidedStrategies(const StrategyTally& tally);

}  // namespace qav
