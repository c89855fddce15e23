#pragma once
// The browser page's texts about its report module, loaded when the report is first opened,
// marked for lupdate (context "qav::WebReport"); text/make_texts.py writes their Portuguese to
// the page's texts-pt_BR.json. The page's scripts use the English as the key.
#include "text/translatable.h"

namespace qav::web_report_text {

inline constexpr const char* kTexts[] = {
    QAV_TRANSLATABLE("qav::WebReport", "The report could not be loaded. Check the connection and try again.", ""),
};

}  // namespace qav::web_report_text
