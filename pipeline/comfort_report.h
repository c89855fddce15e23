#pragma once
// The report's sections on adaptive comfort and, for a weather file, the wind, and the wind the
// ventilation advice names; added to the composed report by one call.
#include <vector>

#include "core/wind_rose.h"
#include "pipeline/exports.h"
#include "pipeline/report.h"

namespace qav {

/// Inserts "Adaptive comfort" (the band's table by month and the graph with the band) and, with
/// recorded hours, "Wind rose" (the roses and the prevailing winds by season) before the design
/// advice, and adds the prevailing wind of the ventilation hours to the advice on Ventilation (F).
void AddComfortSections(const AnalysisState& state, Language language, std::vector<ReportBlock>& blocks);

/// "In the ventilation hours the wind comes from SW 16.3 % of the time, ...": the advice's
/// sentence on a rose's prevailing wind, which the window shows too; empty without wind.
std::string VentilationWindSentence(const WindRose& rose, Language language);

/// The picture a report block draws.
PictureKind ReportPictureKind(ReportBlockKind kind);

}  // namespace qav
