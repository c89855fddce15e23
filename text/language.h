#pragma once
// The language of the texts drawn in pictures and written in the results table. The Portuguese
// comes from the window's translation file, turned into a table at build time, so the window,
// qav-cli and any other front end draw the same words.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qav {

enum class Language { English, PortugueseBrazil };

/// "en" or "pt_BR" (as qav-cli's --lang takes them); none for any other name.
std::optional<Language> LanguageFromName(std::string_view name);

/// The decimal separator of the language's locale: '.' in English, ',' in Brazilian Portuguese.
char DecimalSeparatorOf(Language language);

/// The text in the language: the translation of `english` (context and disambiguation as the
/// translation file holds them), or `english` itself in English or when it has none.
std::string_view Translated(Language language, std::string_view context, std::string_view english,
                            std::string_view disambiguation = {});

/// The pattern with %1..%9 replaced by the arguments in order, as QString::arg does.
std::string FilledText(std::string_view pattern, std::initializer_list<std::string_view> arguments);
std::string FilledText(std::string_view pattern, const std::vector<std::string>& arguments);

}  // namespace qav
