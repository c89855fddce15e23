#include "text/language.h"

#include "text/translations_data.h"

namespace qav {

std::optional<Language> LanguageFromName(std::string_view name)
{
    if (name == "en") return Language::English;
    if (name == "pt_BR") return Language::PortugueseBrazil;
    return std::nullopt;
}

char DecimalSeparatorOf(Language language) { return language == Language::PortugueseBrazil ? ',' : '.'; }

std::string_view Translated(Language language, std::string_view context, std::string_view english,
                            std::string_view disambiguation)
{
    if (language == Language::English) return english;
    for (const TranslatedText& t : kPortugueseBrazil)
        if (t.Source == english && t.Context == context && t.Disambiguation == disambiguation) return t.Translation;
    return english;
}

namespace {

template <typename Arguments>
std::string Filled(std::string_view pattern, const Arguments& arguments)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < arguments.size()) {
            out += arguments.begin()[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace

std::string FilledText(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    return Filled(pattern, arguments);
}

std::string FilledText(std::string_view pattern, const std::vector<std::string>& arguments)
{
    return Filled(pattern, arguments);
}

}  // namespace qav
