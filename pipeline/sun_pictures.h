#pragma once
// The sun path and the hours' calendar of an analysed location, drawn on a canvas or written as
// SVG documents: the picture layer, qav-cli, the report and the WebAssembly module draw them here.
#include <string>

#include "chart/sun_path.h"
#include "pipeline/analysis_state.h"

namespace qav {

enum class SunPictureKind { SunPath, Calendar };

/// The sun path of the state: its typical hours, its recorded ones and the chosen façade's mask.
SunPathInput SunPathInputOf(const AnalysisState& state);
/// The calendar of the state: the recorded hours' shares for a weather file, else the typical hours.
CalendarInput CalendarInputOf(const AnalysisState& state);

/// The picture's size in canvas units.
double SunPictureWidth(SunPictureKind kind);
double SunPictureHeight(SunPictureKind kind);

void DrawSunPicture(SunPictureKind kind, ChartCanvas& canvas, const AnalysisState& state, Language language);

/// "Brasília - sun path": the file's title.
std::string SunPictureTitle(SunPictureKind kind, const AnalysisState& state);

/// The picture as an SVG document, titled and described as the chart's files are.
std::string SunPictureSvg(SunPictureKind kind, const AnalysisState& state, Language language = Language::English);

}  // namespace qav
