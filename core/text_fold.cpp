#include "core/text_fold.h"

#include <cstdint>

namespace qav {

namespace {

// U+00C0..U+00FF without their marks; '*' marks the letters that fold to two letters and ' ' the
// signs (multiplication and division).
constexpr std::string_view kLatin1 = "aaaaaa*ceeeeiiiidnooooo ouuuuy**aaaaaa*ceeeeiiiidnooooo ouuuuy*y";
// U+0100..U+017F without their marks; '*' marks the ligatures IJ and OE.
constexpr std::string_view kLatinExtendedA =
    "aaaaaacccccccc"
    "dddd"
    "eeeeeeeeee"
    "gggggggg"
    "hhhh"
    "iiiiiiiiii"
    "**"
    "jj"
    "kkk"
    "llllllllll"
    "nnnnnnnnn"
    "oooooo"
    "**"
    "rrrrrr"
    "ssssssss"
    "tttttt"
    "uuuuuuuuuuuu"
    "ww"
    "yyy"
    "zzzzzz"
    "s";
static_assert(kLatin1.size() == 64 && kLatinExtendedA.size() == 128);

std::string_view TwoLetters(char32_t c, UmlautFold umlauts)
{
    switch (c) {
        case 0xC4:
        case 0xE4:
            return umlauts == UmlautFold::WithE ? "ae" : "a";
        case 0xD6:
        case 0xF6:
            return umlauts == UmlautFold::WithE ? "oe" : "o";
        case 0xDC:
        case 0xFC:
            return umlauts == UmlautFold::WithE ? "ue" : "u";
        case 0xC6:
        case 0xE6:
            return "ae";
        case 0xDE:
        case 0xFE:
            return "th";
        case 0xDF:
            return "ss";
        case 0x132:
        case 0x133:
            return "ij";
        case 0x152:
        case 0x153:
            return "oe";
        default:
            return {};
    }
}

// Decodes one UTF-8 character at s[i] and advances i; an invalid or truncated sequence gives
// U+FFFD and advances one byte. Invalid includes what a lax decoder lets through (RFC 3629,
// section 3): an overlong form such as C0 B3 for "3", a surrogate, a code point above U+10FFFF.
char32_t NextCharacter(std::string_view s, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t b0 = byte(i);
    const int length = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = length == 1 ? b0 : b0 & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kShortest[5] = {0, 0, 0x80, 0x800, 0x10000};  // least code point of each length
    if (c < kShortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += length;
    return c;
}

}  // namespace

std::string FoldText(std::string_view utf8, UmlautFold umlauts)
{
    std::string out;
    out.reserve(utf8.size());
    bool blank = false;  // a blank is owed before the next letter
    const auto put = [&](std::string_view letters) {
        if (blank && !out.empty()) out += ' ';
        blank = false;
        out += letters;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t c = NextCharacter(utf8, i);
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')) {
            const char ascii = static_cast<char>(c);
            put(std::string_view(&ascii, 1));
        } else if (c >= 'A' && c <= 'Z') {
            const char lower = static_cast<char>(c - 'A' + 'a');
            put(std::string_view(&lower, 1));
        } else if (c >= 0xC0 && c <= 0x17F) {
            const char base = c <= 0xFF ? kLatin1[c - 0xC0] : kLatinExtendedA[c - 0x100];
            if (base == ' ')
                blank = true;
            else if (base == '*' || TwoLetters(c, umlauts).size())
                put(TwoLetters(c, umlauts));
            else
                put(std::string_view(&base, 1));
        } else if (c >= 0x300 && c <= 0x36F) {
            // combining marks: the letter before them stays as it is
        } else if (c < 0xC0 || c == 0xFFFD || (c >= 0x2000 && c <= 0x206F) || (c >= 0x3000 && c <= 0x303F)) {
            blank = true;  // ASCII and Latin-1 signs, general and CJK punctuation, invalid bytes
        } else {
            put(utf8.substr(start, i - start));
        }
    }
    return out;
}

bool FoldedLess(std::string_view a, std::string_view b)
{
    const std::string fa = FoldText(a), fb = FoldText(b);
    return fa != fb ? fa < fb : a < b;
}

}  // namespace qav
