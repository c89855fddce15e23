#pragma once
// A report's content as JSON, for a front end that lays it out itself (the browser page's print
// view): the same heading, tables, advice and notes as the PDF report, in the same order.
#include <string>

#include "pipeline/report.h"

namespace qav {

/// {"title": "...", "blocks": [{"kind": "section"|"text"|"note"|"facts"|"table"|"chart"|"graph"|
/// "guidance", "text": "...", and for facts and tables "columns", "rows" and "bold", for guidance
/// "heading", "share", "asks", "measures", "pitfalls", "site"}]}.
std::string ReportJson(const ReportContent& report);

}  // namespace qav
