#pragma once
// The error object the WebAssembly modules answer with instead of a result, one writer for the
// analysis module and the finder's: {"error": {"status", "message", "code", "values", "kind"}},
// status 2 for a refused value (kind "usage") and 1 for an input that cannot be read (kind
// "input", or a file's failure with its fields). A page words it from the code and the values.
#include <optional>
#include <string>

#include "data/read_failure.h"
#include "pipeline/analysis_request.h"
#include "pipeline/option_error.h"
#include "text/language.h"

namespace qav {

/// The object for a failure with `message`, already worded; a file's failure adds file,
/// err_code, line, field, field_name and text, and its code as the kind.
std::string ErrorJson(int status, const std::string& message, const FailureCode& code,
                      const std::optional<ReadFailure>& read = std::nullopt);

/// The object for a refused value, worded in `language` (status 2).
std::string RefusalJson(const OptionError& error, Language language);

/// The object for the exception being handled, worded in `language`: a refused value, an input
/// that cannot be read (a file's line in `language`, what qav-cli puts before it kept), memory
/// run out, or any other failure by its own text. Call it inside a catch block only.
std::string CaughtFailureJson(Language language);

}  // namespace qav
