#pragma once
// The state every drawing canvas keeps alike: its size and the canvas units of one pixel, the
// current point, the pen (draw width, style, fore colour, opacity) and the font's size and weight.
// The canvases differ only in how they paint.
#include "chart/chart_canvas.h"

namespace qav {

class PenCanvas : public ChartCanvas {
  public:
    void MoveTo(double x, double y) override;
    using ChartCanvas::DrawLine;
    void DrawLine(double x1, double y1, double x2, double y2) override { DrawLine(x1, y1, x2, y2, fore_); }
    void LineTo(double x, double y, Rgb colour) override { DrawLine(curX_, curY_, x, y, colour); }

    /// Held to 1..100 pixels.
    void SetDrawWidth(int pixels) override;
    void SetDrawStyle(DrawStyle style) override { style_ = style; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    /// A size that is not a positive number is ignored.
    void SetFontSize(double points) override;
    double FontSize() const override { return points_; }
    void SetForeColour(Rgb colour) override { fore_ = colour; }
    /// Held to 0..1; not a number gives 1.
    void SetOpacity(double opacity) override;
    Rgb ForeColour() const override { return fore_; }
    Rgb BackColour() const override { return kWhite; }
    double CanvasWidth() const override { return width_; }
    double CanvasHeight() const override { return height_; }

  protected:
    /// A size that is not a positive number gives an empty canvas; a pixel is at least 1 unit.
    PenCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight);

    /// Points of the turned text's font: the font's size made to whole pixels at the screen's
    /// resolution (1440 / PixelHeight dots per inch, rounded), as a platform font is made from a
    /// height in pixels. 8 pt at 96 dpi gives 11 pixels, 8.25 pt.
    double RotatedFontPoints() const;

    // The canvases paint from these and move the current point; the rest change through the setters.
    double width_, height_;         // canvas units
    int pixelWidth_, pixelHeight_;  // canvas units of one pixel
    double curX_ = 0, curY_ = 0;    // the current point
    int drawWidth_ = 1;             // pixels
    DrawStyle style_ = DrawStyle::Solid;
    Rgb fore_ = kBlack;
    double opacity_ = 1;
    double points_ = 8;  // the size of a classic dialog font
    bool bold_ = false;
};

}  // namespace qav
