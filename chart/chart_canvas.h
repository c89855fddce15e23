#pragma once
// The drawing surface behind every picture: the visible chart, the hidden zone map and the
// monthly graph. Coordinates are canvas units (twips on the reference screen), origin at the
// top-left corner, y growing downwards.
#include <cstdint>
#include <string_view>

namespace qav {

/// 24-bit colour r + 256 g + 65536 b; -1 is "no colour" (GetPixel outside the canvas).
using Rgb = std::int32_t;
inline constexpr Rgb kNoColour = -1;

constexpr Rgb MakeRgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int RedOf(Rgb c) { return c & 0xFF; }
constexpr int GreenOf(Rgb c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Rgb c) { return (c >> 16) & 0xFF; }

inline constexpr Rgb kBlack = MakeRgb(0, 0, 0);
inline constexpr Rgb kWhite = MakeRgb(255, 255, 255);

enum class DrawStyle { Solid, Dotted };

/// Every implementation maps canvas units to pixels the same way, so that a point is drawn and
/// read back in the same pixel: column = floor(x / PixelWidth), row = floor(y / PixelHeight);
/// the canvas is ceil(CanvasWidth / PixelWidth) x ceil(CanvasHeight / PixelHeight) pixels;
/// lines and boxes include both end points.
class ChartCanvas {
  public:
    virtual ~ChartCanvas() = default;

    /// Fills the canvas with the background colour; the current point becomes (0, 0).
    virtual void Clear() = 0;
    virtual void MoveTo(double x, double y) = 0;
    /// Line in the current draw width and style; the current point becomes (x2, y2).
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;  // fore colour
    virtual void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    /// Line from the current point; the current point becomes (x, y).
    virtual void LineTo(double x, double y, Rgb colour) = 0;
    /// Rectangle with opposite corners (x1, y1) and (x2, y2); filled boxes are always solid.
    virtual void DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled) = 0;
    /// A solid dot as wide as the draw width; the current point becomes (x, y).
    virtual void SetPixel(double x, double y, Rgb colour) = 0;
    /// The colour painted at (x, y), or kNoColour outside the canvas.
    virtual Rgb GetPixel(double x, double y) const = 0;

    /// Text with the top-left corner of its cell at the current point, in the fore colour.
    virtual void PrintText(std::string_view utf8) = 0;
    /// Text turned 90 degrees counter-clockwise, reading upwards from the current point, in the
    /// fore colour and the canvas's font: the cell's top-left corner before the turn stays at the
    /// current point, so the cell extends one text height to the right and the text's width
    /// upwards. The current point does not move.
    virtual void PrintRotatedText(std::string_view utf8) = 0;
    virtual double TextWidth(std::string_view utf8) const = 0;   // canvas units
    virtual double TextHeight(std::string_view utf8) const = 0;  // canvas units

    virtual void SetDrawWidth(int pixels) = 0;
    /// Dotted applies to lines of draw width 1 only.
    virtual void SetDrawStyle(DrawStyle style) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual double FontSize() const = 0;
    virtual void SetForeColour(Rgb colour) = 0;
    /// Share (0..1) of each later drawing's colour over what lies beneath, so dense marks show
    /// their density. Pictures only: a canvas that is read back (the zone map) ignores it.
    virtual void SetOpacity(double) {}
    virtual Rgb ForeColour() const = 0;
    virtual Rgb BackColour() const = 0;

    virtual double CanvasWidth() const = 0;   // canvas units
    virtual double CanvasHeight() const = 0;  // canvas units
};

/// A small picture's title at its top left (7 pt, 10 pixels in), the font size left as it was;
/// nothing for an empty title.
inline void PrintPictureTitle(ChartCanvas& canvas, double pixelWidth, std::string_view title)
{
    if (title.empty()) return;
    const double fontSize = canvas.FontSize();
    canvas.SetFontSize(7);
    canvas.MoveTo(10 * pixelWidth, 0);
    canvas.PrintText(title);
    canvas.SetFontSize(fontSize);
}

}  // namespace qav
