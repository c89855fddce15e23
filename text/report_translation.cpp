// The report's Portuguese, in a file of its own: the browser's analysis module, which writes no
// report, links web/english_report_texts.cpp instead and leaves this table out (about 24 KB).
#include "text/report_texts.h"
#include "text/translations_data.h"

namespace qav {

std::string_view ReportTranslation(std::string_view english)
{
    for (const TranslatedText& t : kPortugueseBrazilReport)
        if (t.Source == english && t.Disambiguation.empty()) return t.Translation;
    return english;
}

}  // namespace qav
