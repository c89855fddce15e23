#pragma once
// The pictures of an analysis as SVG documents, without Qt: the chart, the monthly graph and the
// compare picture. The picture layer writes its SVG files through here and draws its PNG images
// with DrawPicture on its Qt canvas; the WebAssembly module returns the same documents.
#include <string>
#include <utility>
#include <vector>

#include "chart/compare_chart.h"
#include "pipeline/analysis_state.h"
#include "pipeline/exports.h"
#include "pipeline/rendering.h"

namespace qav {

/// Draws the chart or the graph of the state's last analysis on a canvas of the picture's size.
void DrawPicture(PictureKind kind, ChartCanvas& canvas, const AnalysisState& state, char decimalSeparator,
                 Language language = Language::English, int highlighted = 0);

/// Key-value pairs of a picture's provenance as the lines of its description ("key: value").
std::string ProvenanceText(const std::vector<std::pair<std::string, std::string>>& provenance);

/// The title and the provenance of the compare picture.
inline constexpr const char* kCompareTitle = "Yearly share of each strategy by location";
std::vector<std::pair<std::string, std::string>> CompareProvenance();

/// The chart's or the graph's SVG document, titled and described as the PNG file is.
std::string PictureSvg(PictureKind kind, const AnalysisState& state, char decimalSeparator = '.',
                       Language language = Language::English);

/// The compare picture of the rows, in the order given, as an SVG document.
std::string CompareSvg(const std::vector<CompareRow>& rows, const std::string& caption, int pixelWidth, int pixelHeight,
                       Language language = Language::English);

}  // namespace qav
