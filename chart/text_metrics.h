#pragma once
// Text measured in the shipped font (DejaVu Sans) from its generated metrics, the way the
// FreeType rasteriser measures it unhinted and without kerning: the Qt canvases draw in the same
// font with the same settings, so every canvas lays a picture out alike, on any machine.
#include <string_view>

namespace qav {

/// "DejaVu Sans": the one family every picture uses.
std::string_view ShippedFontFamily();

/// Pixels of the em at a point size and resolution: whole pixels, as the rasteriser sizes fonts.
int FontPixelSize(double points, double dotsPerInch);

/// Advance of UTF-8 text in pixels at a pixel size: each character's advance cut to 1/64 pixel,
/// as FreeType reports an unhinted advance; a malformed byte counts as U+FFFD.
double TextAdvancePx(std::string_view utf8, int pixelSize, bool bold);
/// Ascent and descent of the font at a pixel size, rounded to 1/64 pixel.
double FontAscentPx(int pixelSize);
double FontDescentPx(int pixelSize);

/// Calls `each` with every code point of UTF-8 text; a malformed sequence gives U+FFFD.
template <class Each>
void ForEachCodePoint(std::string_view utf8, Each&& each)
{
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const int length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        char32_t code = length == 1 ? c : length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are malformed too.
        constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)) valid = false;
        each(valid ? code : char32_t{0xFFFD});
        i += valid ? static_cast<std::size_t>(length) : 1;
    }
}

}  // namespace qav
