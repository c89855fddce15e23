#include "chart/clogfont.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qav {
namespace {

constexpr std::uint8_t kAnsiCharSet = 0;
constexpr std::uint8_t kOemCharSet = 255;
constexpr std::uint8_t kOutTrueTypeOnly = 7;
constexpr std::uint8_t kProofQuality = 2;

std::int32_t RoundToInt32(double x)
{
    if (std::isnan(x)) return 0;
    return static_cast<std::int32_t>(std::clamp(std::nearbyint(x), double{INT32_MIN}, double{INT32_MAX}));
}

std::uint8_t Flag(bool b) { return b ? 1 : 0; }

}  // namespace

CLogFont::~CLogFont()
{
    DeleteHandle();
    logFont_.reset();
}

void CLogFont::SetLogFont(const std::optional<FontDescription>& font)
{
    DeleteHandle();
    logFont_ = font;
    if (logFont_) handle_ = BuildFontHandle();
}

void CLogFont::SetRotation(float degrees)
{
    if (degrees == rotation_) return;
    rotation_ = degrees;
    DeleteHandle();
    if (logFont_) handle_ = BuildFontHandle();
}

LogFontRecord CLogFont::FontRecord() const
{
    LogFontRecord r;
    if (!logFont_) return r;
    const FontDescription& f = *logFont_;
    // A bitmap font cannot be turned: a rotated font asks for outline fonts only, and the OEM
    // set has none, so it falls back to ANSI.
    const bool turned = RoundToInt32(rotation_) % 360 != 0;
    r.lfHeight = -RoundToInt32(f.SizePt * factory_.LogPixelsY() / 72.0);
    r.lfEscapement = r.lfOrientation = RoundToInt32(rotation_ * 10.0);
    r.lfWeight = f.Weight;
    r.lfItalic = Flag(f.Italic);
    r.lfUnderline = Flag(f.Underline);
    r.lfStrikeOut = Flag(f.StrikeOut);
    r.lfCharSet = static_cast<std::uint8_t>(f.CharSet);
    if (turned && r.lfCharSet == kOemCharSet) r.lfCharSet = kAnsiCharSet;
    r.lfOutPrecision = turned ? kOutTrueTypeOnly : 0;
    r.lfClipPrecision = 0;
    r.lfQuality = kProofQuality;
    r.lfPitchAndFamily = 0;
    const size_t n = std::min(f.FaceName.size(), sizeof r.lfFaceName - 1);
    std::memcpy(r.lfFaceName, f.FaceName.data(), n);
    r.lfFaceName[n] = '\0';
    return r;
}

FontHandle CLogFont::BuildFontHandle() { return factory_.Create(FontRecord()); }

void CLogFont::DeleteHandle()
{
    if (handle_ != 0) factory_.Delete(handle_);
    handle_ = 0;
}

void PrintRotatedTitle(ChartCanvas& chart, CLogFont* rotatedFont, std::string_view text, std::int16_t x, std::int16_t y)
{
    if (!rotatedFont) {
        chart.MoveTo(x, y);
        chart.PrintText(text);
        return;
    }
    rotatedFont->SetRotation(90);  // rebuilds the font on the first call only
    const FontHandle previous = chart.SelectFont(rotatedFont->Handle());
    chart.MoveTo(x, y);
    chart.PrintText(text);
    chart.SelectFont(previous);
}

}  // namespace qav
