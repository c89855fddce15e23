#pragma once
// The PDF report of an analysis: the composed content (pipeline/report.h) laid out on A4 or Letter
// pages with Qt's PDF writer, the chart and the graph drawn by the Qt canvas as vector paths, the
// text in the shipped font, embedded and selectable. The window's Export report command and
// qav-cli's --report write the same bytes for the same analysis and time.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>

#include "text/language.h"
#include "pipeline/analysis_state.h"

namespace qav {

enum class Paper { A4, Letter };

/// "a4" or "letter" (any case); none for others.
std::optional<Paper> PaperFromName(std::string_view name);

/// The time a report is dated, in seconds since 1970 (UTC): SOURCE_DATE_EPOCH when it holds a
/// whole number (reproducible builds' convention), otherwise now.
std::int64_t ReportTime();

/// The report's bytes, dated `unixTime` (both the date in its heading and the document's
/// /CreationDate); empty when the state has no analysed location.
QByteArray RenderReportPdf(const AnalysisState& state, Paper paper, Language language, std::int64_t unixTime);

/// Writes the report atomically; the reason of a failure, or an empty text. A state with no
/// analysed location is refused with a message in the language, and nothing is written.
QString SaveReport(const AnalysisState& state, const QString& path, Paper paper, Language language,
                   std::int64_t unixTime);

/// The document's /CreationDate set to `unixTime` in place, keeping its length, so that a report is
/// reproducible byte for byte (Qt writes the current time there). Unchanged when it has none.
QByteArray WithCreationDate(QByteArray pdf, std::int64_t unixTime);

}  // namespace qav
