// Every text the code marks translatable sits in a listed header, under a listed context, and (for
// the contexts looked up at run time) has its Portuguese in the built table: a text left out would
// otherwise fall back to English with nothing to notice it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "text/translations_data.h"

namespace qav {
namespace {

namespace fs = std::filesystem;

struct Mark {
    std::string Context, Source, Disambiguation;
};

std::set<std::string> Words(const std::string& list)
{
    std::istringstream in(list);
    std::set<std::string> words;
    for (std::string w; in >> w;) words.insert(w);
    return words;
}

// One argument: adjacent string literals, escapes undone as the compiler does; none when the
// argument is not a literal.
std::optional<std::string> Literal(const std::string& code, std::size_t& i)
{
    std::string text;
    bool any = false;
    for (;;) {
        while (i < code.size() && std::isspace(static_cast<unsigned char>(code[i]))) ++i;
        if (i >= code.size() || code[i] != '"') return any ? std::optional(text) : std::nullopt;
        for (++i; i < code.size() && code[i] != '"'; ++i) {
            const bool escaped = code[i] == '\\' && i + 1 < code.size() && ++i;
            text += !escaped ? code[i] : code[i] == 'n' ? '\n' : code[i] == 't' ? '\t' : code[i];
        }
        ++i, any = true;
    }
}

// The marks of a source text; a mark whose arguments are not three literals is reported in
// `unreadable` (the macro's own definition, whose first argument is a name, is no mark).
std::vector<Mark> Marks(const std::string& code, int& unreadable)
{
    static const std::string kMacro = std::string("QAV_TRANS") + "LATABLE(";
    std::vector<Mark> marks;
    for (std::size_t at = code.find(kMacro); at != std::string::npos; at = code.find(kMacro, at + 1)) {
        std::size_t i = at + kMacro.size();
        std::string args[3];
        int read = 0;
        for (; read < 3; ++read) {
            const std::optional<std::string> a = Literal(code, i);
            if (!a) break;
            args[read] = *a;
            while (i < code.size() && std::isspace(static_cast<unsigned char>(code[i]))) ++i;
            if (i >= code.size() || code[i] != (read < 2 ? ',' : ')')) break;
            ++i;
        }
        if (read == 3)
            marks.push_back({args[0], args[1], args[2]});
        else if (read > 0 || code.compare(at > 8 ? at - 8 : 0, 8, "#define ") != 0)
            ++unreadable;
    }
    return marks;
}

bool Tabulated(const Mark& m)
{
    const auto same = [&](const TranslatedText& t) {
        return t.Context == m.Context && t.Source == m.Source && t.Disambiguation == m.Disambiguation;
    };
    return std::any_of(std::begin(kPortugueseBrazil), std::end(kPortugueseBrazil), same) ||
           std::any_of(std::begin(kPortugueseBrazilReport), std::end(kPortugueseBrazilReport), same);
}

TEST(TranslatableTexts, ReadsTheMarksAsTheCompilerDoes)
{
    int unreadable = 0;
    const std::string code = std::string("#define QAV_TRANS") + "LATABLE(context, text, d) text\n" + "x = QAV_TRANS" +
                             "LATABLE(\"qav::A\",\n  \"say \\\"%1\\\"\"\n \" then\\n\", \"\");\n" + "y = QAV_TRANS" +
                             "LATABLE(\"qav::B\", kName, \"\");";
    const std::vector<Mark> marks = Marks(code, unreadable);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(std::tie(marks[0].Context, marks[0].Source, marks[0].Disambiguation, unreadable),
              std::make_tuple("qav::A", "say \"%1\" then\n", "", 1));
}

// The whole source tree but the tests, whose texts are not the program's.
TEST(TranslatableTexts, EveryMarkedTextIsListedAndTabulated)
{
    const fs::path root = QAV_SOURCE_DIR;
    const std::set<std::string> headers = Words(QAV_TEXT_HEADERS), contexts = Words(QAV_TEXT_CONTEXTS),
                                pageContexts = Words(QAV_PAGE_CONTEXTS);
    std::set<std::string> markedFiles, markedContexts;
    std::vector<std::string> faults;
    int count = 0;
    for (const char* folder :
         {"app", "bench", "chart", "classify", "core", "data", "fuzz", "pictures", "pipeline", "text", "ui", "web"}) {
        if (!fs::exists(root / folder)) continue;
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(root / folder)) {
            const std::string ext = e.path().extension().string();
            if (!e.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            const std::string code{std::istreambuf_iterator<char>(std::ifstream(e.path(), std::ios::binary).rdbuf()),
                                   {}};
            const std::string file = e.path().lexically_relative(root).generic_string();
            int unreadable = 0;
            const std::vector<Mark> marks = Marks(code, unreadable);
            if (unreadable) faults.push_back(file + ": a mark whose arguments are not three string literals");
            if (marks.empty()) continue;
            markedFiles.insert(file);
            if (!headers.count(file)) faults.push_back(file + ": holds texts but is not in text/texts.cmake");
            for (const Mark& m : marks) {
                ++count;
                markedContexts.insert(m.Context);
                if (!contexts.count(m.Context) && !pageContexts.count(m.Context))
                    faults.push_back(file + ": context " + m.Context + " is not in text/texts.cmake");
                else if (contexts.count(m.Context) && !Tabulated(m))
                    faults.push_back(file + ": no Portuguese in the built table for " + m.Context + " \"" + m.Source +
                                     "\"");
            }
        }
    }
    for (const std::string& h : headers)
        if (!markedFiles.count(h)) faults.push_back(h + ": listed in text/texts.cmake but holds no text");
    for (const std::string& c : contexts)
        if (!markedContexts.count(c)) faults.push_back(c + ": listed in text/texts.cmake but no text has it");
    EXPECT_EQ(faults, std::vector<std::string>{});
    // Guards the scan itself: the strategies, months and picture texts alone are well over a hundred.
    EXPECT_GT(count, 200);
}

}  // namespace
}  // namespace qav
