#pragma once
// The pictures of the last analysis drawn again on a canvas of the caller's choice (a vector
// drawing, a picture at another pixel density), from the state alone and without changing it.
#include <optional>
#include <string>

#include "chart/chart_canvas.h"
#include "text/language.h"
#include "chart/monthly_graph.h"
#include "classify/raster_canvas.h"
#include "data/station_catalogue.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// Draws the chart as the last run left it: frame, rotated title, zones, then the hours and
/// the legend (DrawHoursAndLegend). The canvas should have the chart's size.
/// A highlighted strategy (1..10) pales every hour that does not count toward its share.
void RenderChart(ChartCanvas& chart, const AnalysisState& state, char decimalSeparator = '.',
                 Language language = Language::English, int highlighted = 0);

/// The second half of the chart, after the frame and zones: the hours of the view shown (month
/// polylines of the typical days or dots of the recorded hours) and the legend of the shown tally.
/// The pipeline draws it after classifying; RenderChart after redrawing the frame.
void DrawHoursAndLegend(ChartCanvas& chart, const AnalysisState& state, char decimalSeparator = '.',
                        Language language = Language::English, int highlighted = 0);

/// What a picture's caption says about the analysis shown: the station and its period for a
/// station of the catalogue, the hours counted ("Counted: hours 9-18, December-February") and the
/// warming ("What if: +2 °C"); empty for the plain analysis of any other location.
std::string AnalysisCaption(const AnalysisState& state, Language language = Language::English);
/// "Station INMET 83897, normals 1991-2020" (", humidity derived" when it is) for a location whose
/// source field names a station of the catalogue; empty for any other.
std::string StationCaption(const LocationRecord& location, Language language = Language::English);
std::string StationCaption(const StationTag& station, Language language);
/// The station as the window, the report and the pictures name it: "INMET 83897", "WMO 83377"
/// ("OMM 83377" in Portuguese).
std::string StationName(const StationTag& station, Language language);
/// The same for a run of many locations with one filter and warming (none: nullptr).
std::string AnalysisCaption(const HourFilter& filter, const Warming* warming, Language language = Language::English);
/// DescribeHourFilter and DescribeWarming in the language (the warming's number with its decimal
/// separator).
std::string HourFilterText(const HourFilter& filter, Language language);
std::string WarmingText(const Warming& warming, Language language);
/// What a caption says about the analysis shown, as values that the window words in its own
/// language: the station and its period for a station of the catalogue, the hours counted unless
/// every hour is, and the warming added. All empty for the plain analysis of any other location.
struct AnalysisCaptionParts {
    std::optional<StationTag> Station;
    std::optional<HourFilter> Counted;
    std::optional<Warming> WhatIf;
    bool IsEmpty() const { return !Station && !Counted && !WhatIf; }
};
AnalysisCaptionParts CaptionPartsOf(const AnalysisState& state);
/// The same for a run of many locations with one filter and warming (none: nullptr): no station.
AnalysisCaptionParts CaptionPartsOf(const HourFilter& filter, const Warming* warming);

/// Draws the monthly graph of the current location on a canvas of the graph's size, titled when a
/// title is given, the months the filter leaves out washed out.
void RenderGraph(ChartCanvas& graph, const AnalysisState& state, Language language = Language::English,
                 std::string_view title = {});
/// The months the filter counts, for the graph.
CountedMonths CountedMonthsOf(const HourFilter& filter);

}  // namespace qav
