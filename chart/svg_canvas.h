#pragma once
// A canvas that writes an SVG document, without Qt: the pictures' vector form. It maps canvas
// units to pixels as every canvas does (one user unit is one screen pixel) and keeps the
// document small: lines that continue one another are one path, a dotted line is one dashed
// line, each dot is a <use> of one shared symbol, and text stays text in the shipped font.
#include <map>
#include <string>
#include <string_view>

#include "chart/pen_canvas.h"

namespace qav {

class SvgCanvas final : public PenCanvas {
  public:
    SvgCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight);

    /// The whole document, with a title and a description (both plain text, escaped here).
    std::string Document(std::string_view title, std::string_view description);

    void Clear() override;
    using PenCanvas::DrawLine;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override;
    void SetPixel(double x, double y, Rgb colour) override;
    Rgb GetPixel(double, double) const override { return kNoColour; }

    void PrintText(std::string_view utf8) override;
    void PrintRotatedText(std::string_view utf8) override;
    double TextWidth(std::string_view utf8) const override;
    double TextHeight(std::string_view utf8) const override;

  private:
    void PaintLine(double x1, double y1, double x2, double y2, Rgb colour);
    void EndPath();
    void EndDots();
    int PixelSize(double points) const;
    /// Ends the <text> element begun with its position: size, weight, colour and the text.
    void AppendText(std::string element, int pixels, std::string_view utf8);

    int columns_, rows_;
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
};

/// Text escaped for XML character data and attribute values: & < > " ' as references, and what
/// XML cannot hold (control characters other than tab and line feed, malformed UTF-8,
/// U+FFFE/U+FFFF) as U+FFFD.
std::string XmlEscaped(std::string_view utf8);

}  // namespace qav
