#pragma once
// Machine-readable forms of an analysis, for qav-cli and the WebAssembly module: JSON objects
// and CSV rows. Numbers always use a decimal point; floats are written in their shortest round-trip form.
#include <string>
#include <string_view>

#include "core/text_format.h"
#include "pipeline/analysis_state.h"

namespace qav {

std::string JsonString(std::string_view utf8);

/// One analysed location as a JSON object (no trailing newline). `input` names the input the
/// location came from ("brazil", a file's path as given, "station:83377"). Beside the merged shares,
/// hour_shares gives each strategy's own hours and hour_totals the cold (A-C), comfortable (E), hot
/// (F-J) and dry (D) hours, each as a percent of the hours counted. With recorded hours (a weather
/// file) and withRecorded, it adds recorded_shares, recorded_top, recorded_month_hours,
/// hours_used, hours_missing, disagreement, recorded_hour_shares and recorded_hour_totals. guidance
/// lists the report's blocks of advice and their checks against the site (SiteGuidance), on the
/// recorded hours when they are given. withFilter adds hour_range and months ("9-18",
/// "12-2"). A warmed analysis keeps monthly and shares for the changed normals and adds
/// base_monthly, base_shares, base_top (and base_recorded_shares for recorded hours) and warming
/// (12 objects month, dbt_min, dbt_max, rh_avg of changes).
/// A location of the station catalogue (its source field "WMO 83377 1991-2020", see
/// StationSourceField) adds station, period and rh_source; one found by its town then adds place
/// and distance_km (PlaceJsonFields); one chosen for a searched site (--near) adds searched,
/// distance_km and elevation_diff_m (SearchedSiteJsonFields).
std::string AnalysisJson(const AnalysisState& state, std::string_view input, bool withRecorded = true,
                         bool withFilter = false);

/// With withRecorded the columns rA..rJ, hours_used, hours_missing and disagreement follow the
/// shares; they stay empty for locations without recorded hours. withFilter adds hour_range and
/// months. withStation adds station, period and rh_source, empty for locations that are no station.
/// withPlace adds the place's columns (kPlaceCsvColumns). Then always input; withWarming adds the warming of each month (warming_dbt_min_1,
/// warming_dbt_max_1, warming_rh_avg_1, ... warming_rh_avg_12) and the shares before it (base_A..base_J).
std::string CsvHeader(bool withRecorded = false, bool withFilter = false, bool withStation = false,
                      bool withWarming = false, bool withPlace = false);
/// One analysed location as a CSV row, with its line feed.
std::string AnalysisCsvRow(const AnalysisState& state, std::string_view input, bool withRecorded = false,
                           bool withFilter = false, bool withStation = false, bool withWarming = false,
                           bool withPlace = false);

}  // namespace qav
