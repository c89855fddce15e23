#pragma once
// The rotated font of the humidity-axis title: a private copy of a font description and an
// angle, and the platform font built from the two. The platform part sits behind FontFactory,
// so the logic that fills the font record is the same everywhere and testable without a screen.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_canvas.h"

namespace qav {

struct FontDescription {
    std::string FaceName;
    double SizePt = 8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int Weight = 400;  // 400 normal, 700 bold
    int CharSet = 0;   // 0 ANSI, 255 OEM
};

/// The fields of the classic logical-font record (LOGFONTA) that the platform font is made from.
struct LogFontRecord {
    std::int32_t lfHeight = 0;  // negative: match the character height, in device pixels
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;   // tenths of a degree, counter-clockwise
    std::int32_t lfOrientation = 0;  // tenths of a degree
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;  // 7: outline (TrueType) fonts only
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;  // 2: proof quality
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {};  // at most 31 characters and a terminating zero
};

/// Makes and releases platform fonts.
class FontFactory {
  public:
    virtual ~FontFactory() = default;
    /// A new font for the record, or 0 when none can be made.
    virtual FontHandle Create(const LogFontRecord& record) = 0;
    virtual void Delete(FontHandle font) = 0;
    /// Vertical resolution of the screen, dots per inch.
    virtual int LogPixelsY() const = 0;
};

/// Invariant: Handle is non-zero only while LogFont is set, and then it was built from the
/// current LogFont and Rotation. The factory must outlive the object.
class CLogFont {
  public:
    explicit CLogFont(FontFactory& factory) : factory_(factory) {}
    ~CLogFont();
    CLogFont(const CLogFont&) = delete;
    CLogFont& operator=(const CLogFont&) = delete;

    /// Copies the description (later changes to the source do not reach it) and rebuilds the
    /// handle; nullopt drops the font and leaves no handle.
    void SetLogFont(const std::optional<FontDescription>& font);
    const std::optional<FontDescription>& LogFont() const { return logFont_; }

    /// Degrees counter-clockwise. Setting the stored value again rebuilds nothing.
    void SetRotation(float degrees);
    float Rotation() const { return rotation_; }

    FontHandle Handle() const { return handle_; }

  private:
    LogFontRecord FontRecord() const;
    FontHandle BuildFontHandle();
    void DeleteHandle();

    FontFactory& factory_;
    std::optional<FontDescription> logFont_;
    FontHandle handle_ = 0;
    float rotation_ = 0;
};

/// Prints text reading upwards from (x, y), the bottom end of the title: the font is turned 90
/// degrees for this one output and the chart's previous font is selected again afterwards. With
/// no font object the text is printed in the chart's own font, as when no font could be made.
void PrintRotatedTitle(ChartCanvas& chart, CLogFont* rotatedFont, std::string_view text, std::int16_t x,
                       std::int16_t y);

}  // namespace qav
