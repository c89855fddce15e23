#pragma once
// A refused option value, as qav-cli prints it and the WebAssembly module returns it: "--months:
// '0-5' is not a range within 1..12 (months)". The wording is a text of the translation file
// (context "qav::OptionText", text/option_texts.h) with %1, %2... for the option, the value and the
// bounds, so that the browser page can show the refusal in Portuguese; qav-cli keeps the English.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "text/language.h"
#include "text/option_texts.h"

namespace qav {

struct OptionError {
    std::string message;                      // in English
    const char* wording = nullptr;            // its text, when it has one in the translation file
    std::vector<std::string> parts{};         // what fills the wording's %1, %2...
    const char* context = "qav::OptionText";  // the wording's in the translation file
};

/// The refusal of `wording` filled with `parts`.
OptionError Refusal(const char* wording, std::initializer_list<std::string_view> parts);

/// The refusal in `language`; English, or a refusal without a wording, is its message.
std::string OptionErrorText(const OptionError& error, Language language);

}  // namespace qav
