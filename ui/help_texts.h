#pragma once
// The fixed texts of the help and about boxes. Each line of a text ends with one line feed, so
// every text ends with a line feed and an empty line is a line feed alone.
#include <QString>
#include <string>

namespace qav {

/// "QAV" and its version: the title of the program's own boxes.
QString ProgramTitle();

struct MessageText {
    std::string Title;  // UTF-8; "%1" stands for the version (HelpTitle)
    std::string Text;   // UTF-8, lines separated by LF
};

/// "Monthly Climatic Files" (and "About climatic files"): the Monthly Data file format.
MessageText FileFormatHelpText();
/// A box title of the texts below in the window's language, with the version in place of "%1".
QString HelpTitle(const std::string& english);

/// "About QAV": the program, the chart method it is based on, its licence and its release.
MessageText ProgramAboutText();
/// "What if it were warmer": what the warming does, its assumption and where to find values.
MessageText WhatIfHelpText();
/// "About this data": where the built-in climate normals come from.
MessageText ClimaticDataAboutText();
/// How closely the built-in sets match published normals, in English; "About this data" and
/// Help both show it.
std::string BuiltInDataProvenanceText();
/// The lines "About this data" adds after the built-in sets' own: the station catalogue of Find a
/// station and its two sources.
std::string StationCatalogueAboutText();
/// The place list's source and licence (GeoNames, CC BY 4.0), after the catalogue's.
std::string PlaceListAboutText();

/// Help > "Using QAV": the chart, the strategies, how shares are counted and merged, typical
/// days and recorded hours, weather files, the reference screen, exports and qav-cli (HTML).
QString UsingQavHtml();

/// The one sentence that says which shares are merged and why.
QString MergedSharesSentence();

}  // namespace qav
