#include "chart/text_metrics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "chart/font_metrics_data.h"  // generated at build time from chart/fonts

namespace qav {
namespace {

int AdvanceUnits(const FontTable& font, char32_t code)
{
    if (code >= 0x20000) return font.MissingAdvance;
    const AdvanceRun* begin = code < 0x10000 ? font.Runs : font.Runs + font.BmpRunCount;
    const AdvanceRun* end = code < 0x10000 ? font.Runs + font.BmpRunCount : font.Runs + font.RunCount;
    const auto low = static_cast<std::uint16_t>(code & 0xFFFF);
    // The run holding the character: the last one starting at or before it.
    const AdvanceRun* after =
        std::upper_bound(begin, end, low, [](std::uint16_t c, const AdvanceRun& r) { return c < r.First; });
    return after != begin && after[-1].Units != kNotMapped ? after[-1].Units : font.MissingAdvance;
}

// FreeType's scale from font units to 26.6 pixels, in 16.16 fixed point (FT_DivFix).
std::int64_t Scale(const FontTable& font, int pixelSize)
{
    return (std::int64_t{pixelSize} * 64 * 65536 + font.UnitsPerEm / 2) / font.UnitsPerEm;
}

// A vertical metric in 26.6 pixels (FT_MulFix rounds), as a pixel count.
double Scaled(const FontTable& font, int units, int pixelSize)
{
    return static_cast<double>((units * Scale(font, pixelSize) + 32768) >> 16) / 64;
}

}  // namespace

std::string_view ShippedFontFamily() { return kRegularFont.Family; }

int FontPixelSize(double points, double dotsPerInch)
{
    const double pixels = points * dotsPerInch / 72;
    return std::isfinite(pixels) ? static_cast<int>(std::clamp(std::lround(pixels), 1L, 4096L)) : 1;
}

double TextAdvancePx(std::string_view utf8, int pixelSize, bool bold)
{
    const FontTable& font = bold ? kBoldFont : kRegularFont;
    const std::int64_t scale = Scale(font, pixelSize);
    std::int64_t total = 0;  // 26.6 pixels
    ForEachCodePoint(utf8, [&](char32_t code) {
        // The unhinted advance in 16.16 (rounded), cut to 26.6: FreeType's linearHoriAdvance >> 10.
        const std::int64_t linear = (AdvanceUnits(font, code) * scale + 32) / 64;
        total += linear >> 10;
    });
    return static_cast<double>(total) / 64;
}

double FontAscentPx(int pixelSize) { return Scaled(kRegularFont, kRegularFont.Ascender, pixelSize); }
double FontDescentPx(int pixelSize) { return Scaled(kRegularFont, kRegularFont.Descender, pixelSize); }

}  // namespace qav
