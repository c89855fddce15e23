#pragma once
// The fixed texts of the help and about boxes. Each line of a text ends with one line feed, so
// every text ends with a line feed and an empty line is a line feed alone.
#include <QString>
#include <string>

namespace qav {

struct MessageText {
    std::string Title;  // UTF-8
    std::string Text;   // UTF-8, lines separated by LF
};

/// "Monthly Climatic Files" (and "About climatic files"): the Monthly Data file format.
MessageText FileFormatHelpText();
/// "About QAV 1.3": the program, the chart method it is based on and its release.
MessageText ProgramAboutText();
/// "What if it were warmer": what the warming does, its assumption and where to find values.
MessageText WhatIfHelpText();
/// "About this data": where the built-in climate normals come from.
MessageText ClimaticDataAboutText();
/// The lines "About this data" adds after the built-in sets' own: the station catalogue of Find a
/// station and its two sources.
std::string StationCatalogueAboutText();

/// Help > "Using QAV": the chart, the strategies, how shares are counted and merged, typical
/// days and recorded hours, weather files, the reference screen, exports and qav-cli (HTML).
QString UsingQavHtml();

/// The one sentence that says which shares are merged and why.
QString MergedSharesSentence();

}  // namespace qav
