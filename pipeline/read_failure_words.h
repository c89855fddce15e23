#pragma once
// A reader's failure worded in a language: the parts the window shows on lines of their own and
// the browser page on one line. The English is the window's; the Portuguese comes from the
// window's translation file, so every front end words a failure alike.
#include <string>

#include "chart/language.h"
#include "data/read_failure.h"

namespace qav {

/// The file as given (empty when unknown), the reason in one sentence, the position with its full
/// stop (empty when unknown) and "Err code N", each in `language`.
FailureWords ReadFailureWords(const ReadFailure& failure, Language language);

/// The parts on one line, "FILE: REASON POSITION CODE". In English this is qav-cli's own line
/// (EnglishReadFailure), which scripts read and which stays as it is.
std::string ReadFailureLine(const ReadFailure& failure, Language language);

}  // namespace qav
