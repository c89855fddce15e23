#pragma once
// The pictures of an analysis, drawn, named and saved in one place: the chart, the monthly graph
// and the compare picture as PNG or SVG. The window's Save and Copy commands and every picture
// option of qav-cli go through here, so one request gives one file from either program.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/compare_chart.h"
#include "pictures/picture_files.h"
#include "pipeline/analysis_state.h"
#include "pipeline/exports.h"

namespace qav {

/// PNG at the pixel ratio asked for, PNG at twice the reference pixels, or SVG.
enum class PictureFormat { Png, Png2x, Svg };

/// The format a file name asks for by its suffix: .png or .svg, any case; none for others.
std::optional<PictureFormat> PictureFormatOf(const std::filesystem::path& path);

/// A location's name as part of a file name: letters and digits are kept (other scripts' letters
/// included); format characters (byte-order mark, zero-width characters, direction marks,
/// overrides and isolates) are dropped; every other character, controls and line separators
/// included, becomes '_'. An empty name gives "QAV".
std::string FileNamePart(std::string_view name);

/// prefix + FileNamePart(name) + suffix, the name cut on a character boundary so the whole takes
/// at most 255 bytes, the longest name Linux file systems take.
std::string CleanFileName(std::string_view prefix, std::string_view name, std::string_view suffix);

/// "Brasília - chart.png": the name the window suggests for a file of the current location.
std::string SuggestedFileName(const AnalysisState& state, std::string_view what, std::string_view extension);

/// "0007-03-Lima.png" for the 7th location of a run, slot 3; "0007-03-Lima-chart.png" when a kind
/// is given (charts and graphs share a folder).
std::string RunPictureName(int position, const AnalysisState& state, const char* kind = nullptr);
/// The same name from the slot and the location's name, before the location is analysed.
std::string RunFileName(int position, int slot, std::string_view name, const char* kind = nullptr);

/// The chart or the graph of the state's last analysis as an image at a pixel ratio, with its
/// provenance as text: what the window shows and copies, and what a PNG file holds. A highlighted
/// strategy (1..10) pales the chart's hours that do not count toward its share.
QImage RenderPictureImage(PictureKind kind, const AnalysisState& state, double devicePixelRatio,
                          char decimalSeparator = '.', Language language = Language::English, int highlighted = 0);

/// The bytes of the chart's or the graph's file: PNG at `pixelRatio` (Png) or 2 (Png2x), or SVG;
/// empty when the picture cannot be encoded.
QByteArray RenderPictureFile(PictureKind kind, const AnalysisState& state, PictureFormat format, double pixelRatio = 1,
                             char decimalSeparator = '.', Language language = Language::English);

/// The compare picture of the rows, in the order given, on a canvas of pw x ph canvas units per
/// pixel; the caption says what the shares count.
QByteArray RenderCompareFile(const std::vector<CompareRow>& rows, const std::string& caption, int pixelWidth,
                             int pixelHeight, PictureFormat format, Language language = Language::English);

}  // namespace qav
