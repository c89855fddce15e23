#include "data/text_encoding.h"

namespace qav {
namespace {

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 controls of the same value,
// as Windows itself converts them. 0xA0..0xFF equal Latin-1.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

// Well-formed UTF-8 (Unicode 15, table 3-7): no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        const unsigned c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int trailing;
        unsigned lo = 0x80, hi = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF)
            trailing = 1;
        else if (c == 0xE0) {
            trailing = 2;
            lo = 0xA0;
        } else if (c == 0xED) {
            trailing = 2;
            hi = 0x9F;
        } else if (c >= 0xE1 && c <= 0xEF)
            trailing = 2;
        else if (c == 0xF0) {
            trailing = 3;
            lo = 0x90;
        } else if (c == 0xF4) {
            trailing = 3;
            hi = 0x8F;
        } else if (c >= 0xF1 && c <= 0xF3)
            trailing = 3;
        else
            return false;
        if (end - p <= trailing) return false;
        if (p[1] < lo || p[1] > hi) return false;
        for (int i = 2; i <= trailing; ++i) {
            if (p[i] < 0x80 || p[i] > 0xBF) return false;
        }
        p += trailing + 1;
    }
    return true;
}

std::string DecodeToUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out += ch;
        else if (b < 0xA0)
            AppendUtf8(out, kCp1252High[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

std::string DecodeName(std::string_view bytes)
{
    const std::string utf8 = DecodeToUtf8(bytes);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        const auto third = i + 2 < utf8.size() ? static_cast<unsigned char>(utf8[i + 2]) : 0u;
        if (b < 0x20 || b == 0x7F) {
            out += ' ';
        } else if (b == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080..U+009F
            out += ' ';
            i += 1;
        } else if (b == 0xE2 && ((next == 0x80 && third >= 0xAA && third <= 0xAE) ||   // U+202A..U+202E
                                 (next == 0x81 && third >= 0xA6 && third <= 0xA9))) {  // U+2066..U+2069
            out += ' ';
            i += 2;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

}  // namespace qav
