#pragma once
// A canvas that writes an SVG document, without Qt: the pictures' vector form. It maps canvas
// units to pixels as every canvas does (one user unit is one screen pixel) and keeps the
// document small: lines that continue one another are one path, a dotted line is one dashed
// line, each dot is a <use> of one shared symbol, and text stays text in the shipped font.
#include <map>
#include <string>
#include <string_view>

#include "chart/chart_canvas.h"
#include "chart/clogfont.h"

namespace qav {

/// Rotated fonts for the CLogFont of an SvgCanvas, keyed by handle.
class SvgFontFactory final : public FontFactory {
  public:
    explicit SvgFontFactory(int logPixelsY) : logPixelsY_(logPixelsY) {}

    struct RotatedFont {
        double Points = 8;
        bool Bold = false;
        double AngleDeg = 0;  // counter-clockwise
    };
    FontHandle Create(const LogFontRecord& record) override;
    void Delete(FontHandle font) override { fonts_.erase(font); }
    int LogPixelsY() const override { return logPixelsY_; }
    /// The font of a live handle, or nullptr.
    const RotatedFont* Find(FontHandle font) const;

  private:
    int logPixelsY_;
    FontHandle next_ = 1;
    std::map<FontHandle, RotatedFont> fonts_;
};

class SvgCanvas final : public ChartCanvas {
  public:
    SvgCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight);

    /// The whole document, with a title and a description (both plain text, escaped here).
    std::string Document(std::string_view title, std::string_view description);

    void Clear() override;
    void MoveTo(double x, double y) override;
    void DrawLine(double x1, double y1, double x2, double y2) override { DrawLine(x1, y1, x2, y2, fore_); }
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void LineTo(double x, double y, Rgb colour) override { DrawLine(curX_, curY_, x, y, colour); }
    void DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override;
    void SetPixel(double x, double y, Rgb colour) override;
    Rgb GetPixel(double, double) const override { return kNoColour; }

    void PrintText(std::string_view utf8) override;
    double TextWidth(std::string_view utf8) const override;
    double TextHeight(std::string_view utf8) const override;

    void SetDrawWidth(int pixels) override;
    void SetDrawStyle(DrawStyle style) override { style_ = style; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    void SetFontSize(double points) override;
    double FontSize() const override { return points_; }
    void SetForeColour(Rgb colour) override { fore_ = colour; }
    void SetOpacity(double opacity) override;
    Rgb ForeColour() const override { return fore_; }
    Rgb BackColour() const override { return kWhite; }
    double CanvasWidth() const override { return width_; }
    double CanvasHeight() const override { return height_; }
    FontHandle SelectFont(FontHandle font) override;

    /// The canvas's own font as a description, for the rotated title's CLogFont.
    FontDescription Font() const;
    /// Makes the fonts that SelectFont accepts; it must outlive the CLogFont that uses it.
    qav::FontFactory& FontFactory() { return fonts_; }

  private:
    void PaintLine(double x1, double y1, double x2, double y2, Rgb colour);
    void EndPath();
    void EndDots();
    int PixelSize(double points) const;

    double width_, height_;
    int pixelWidth_, pixelHeight_;
    int columns_, rows_;
    SvgFontFactory fonts_;
    std::string body_;
    std::string pathStyle_, path_;  // the path being joined and its attributes
    double pathX_ = 0, pathY_ = 0;  // where it ends
    std::string dotsStyle_;         // attributes of the open group of dots
    // The attributes last written for a line and for a dot, and what they were written from.
    struct StyleKey {
        Rgb Colour;
        int Width;
        DrawStyle Style;
        double Opacity;
        bool operator==(const StyleKey&) const = default;
    };
    StyleKey lineKey_{}, dotKey_{};
    std::string lineStyle_, dotStyle_;
    std::map<int, bool> dotSizes_;  // symbols the document defines, by side in pixels
    FontHandle selected_ = 0;
    double points_ = 8;
    bool bold_ = false;
    double curX_ = 0, curY_ = 0;
    int drawWidth_ = 1;
    DrawStyle style_ = DrawStyle::Solid;
    Rgb fore_ = kBlack;
    double opacity_ = 1;
};

/// Text escaped for XML character data and attribute values: & < > " ' as references, and what
/// XML cannot hold (control characters other than tab and line feed, malformed UTF-8,
/// U+FFFE/U+FFFF) as U+FFFD.
std::string XmlEscaped(std::string_view utf8);

}  // namespace qav
