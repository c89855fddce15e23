#pragma once
// The files a user saves from an analysis: the results and the hourly table as CSV text, and the
// provenance that saved pictures carry. CSV here: UTF-8, comma-separated, LF line ends, a field
// quoted only when it holds a comma, a quote or a line break; numbers with a decimal point in
// the shortest text that reads back to the same float.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/version.h"
#include "pipeline/analysis_state.h"

namespace qav {

inline constexpr std::string_view kSoftwareName = kProgramAndVersion;

/// The text as one CSV field (RFC 4180 quoting).
std::string CsvField(std::string_view text);

/// A text read from a user's file (a name, a country, a source) as one CSV field. One that
/// begins with =, +, -, @, a tab or a carriage return would be taken for a formula by a
/// spreadsheet: it gets a single quote in front and is quoted, "'=1+2" (the OWASP advice on CSV
/// injection). Anything else is CsvField's. Numbers never pass through here.
std::string CsvTextField(std::string_view text);

/// The results of the last run: the location with its station pressure, the twelve monthly
/// normals, the ten yearly shares and the hours per month and strategy of the typical days; for
/// a weather-file location also the recorded shares, the recorded hours per month and strategy,
/// the hours used and missing and the share of the year the two analyses classify differently.
/// A line names the hours counted when not all are, and the warming with the shares without it
/// when there is one. A basis, when given, says the analysis was laid out for a screen other than
/// the reference one ("Analysed at,this screen's size (1366 x 768 px)").
std::string ResultsCsv(const AnalysisState& state, std::string_view basis = {});

/// One row per hour with its month, hour, dry bulb (C), humidity ratio (g/kg), relative humidity
/// (%, from FUR at the station pressure) and the letter of its strategy: the hours of the view
/// shown, the 288 typical hours or a weather file's recorded hours with their day. The letters are the
/// strategies the last run classified, so those of a month's counted hours add up to its
/// MonthHours; an hour that no rule counts has no letter. With an hour filter a last column,
/// Counted, holds 1 for the hours the shares count and 0 for the others.
std::string HourlyCsv(const AnalysisState& state);

/// The graph's canvas holds the adaptive graph (the graph with the band of the model chosen,
/// ASHRAE 55 under the chart's) and the wind roses as well.
enum class PictureKind { Chart, Graph, AdaptiveGraph, WindRose };

/// "Bioclimatic chart of Brasília (Brazil)", "Monthly climate graph of ...".
std::string PictureTitle(PictureKind kind, const AnalysisState& state);

/// The hours the chart and the legend show, as outputs name them: "typical days" or "recorded hours".
std::string HoursShownText(const AnalysisState& state);

/// Key and value pairs that describe where a picture of the state comes from: Software,
/// Location, Pressure, Elevation, Source (with the file a location was read from) and Hours
/// ("typical days" or "recorded hours"), e.g. {"Pressure", "88.251 kPa"}, then "Hours analysed"
/// and "What if" when the analysis has a filter or a warming.
std::vector<std::pair<std::string, std::string>> PictureProvenance(const AnalysisState& state);

}  // namespace qav
