// The analysis module's stand-in for text/report_translation.cpp: the module writes the report's
// texts only in English (the design advice of its JSON), and the report itself, in either
// language, comes from the report's module. Linked as an object of the module, it is found before
// the library's, which then adds nothing: the report's Portuguese stays out of qav.wasm.
#include "text/report_texts.h"

namespace qav {

std::string_view ReportTranslation(std::string_view english) { return english; }

}  // namespace qav
