#include "pipeline/option_error.h"

namespace qav {

OptionError Refusal(const char* wording, std::initializer_list<std::string_view> parts)
{
    return {FilledText(wording, parts), wording, std::vector<std::string>(parts.begin(), parts.end())};
}

std::string OptionErrorText(const OptionError& error, Language language)
{
    if (!error.wording || language == Language::English) return error.message;
    return FilledText(Translated(language, error.context, error.wording), error.parts);
}

}  // namespace qav
