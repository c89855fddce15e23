#pragma once
// A canvas of exact 24-bit pixels without text: holds the zone map, so the classification is
// the same in the window, the command-line companion and the tests, and needs no toolkit.
#include <string_view>
#include <vector>

#include "chart/chart_canvas.h"

namespace qav {

class RasterCanvas final : public ChartCanvas {
  public:
    /// A canvas of the given size in canvas units, with the canvas units of one pixel.
    RasterCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight);

    void Clear() override;
    void MoveTo(double x, double y) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void LineTo(double x, double y, Rgb colour) override;
    void DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override;
    void SetPixel(double x, double y, Rgb colour) override;
    Rgb GetPixel(double x, double y) const override;

    // No text: printing draws nothing and every text has zero extent.
    void PrintText(std::string_view) override {}
    double TextWidth(std::string_view) const override { return 0; }
    double TextHeight(std::string_view) const override { return 0; }

    void SetDrawWidth(int pixels) override;
    void SetDrawStyle(DrawStyle style) override { style_ = style; }
    void SetFontBold(bool) override {}
    void SetFontSize(double points) override { fontSize_ = points; }
    double FontSize() const override { return fontSize_; }
    void SetForeColour(Rgb colour) override { fore_ = colour; }
    Rgb ForeColour() const override { return fore_; }
    Rgb BackColour() const override { return kWhite; }
    double CanvasWidth() const override { return width_; }
    double CanvasHeight() const override { return height_; }
    FontHandle SelectFont(FontHandle font) override;

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    /// The pixel in column c, row r, or kNoColour outside.
    Rgb PixelAt(int c, int r) const;

  private:
    bool InRange(long c, long r) const { return c >= 0 && r >= 0 && c < columns_ && r < rows_; }
    void Stamp(long c, long r, Rgb colour);  // a dot as wide as the draw width
    void PixelLine(double c1, double r1, double c2, double r2, Rgb colour);
    void FillColumn(long c, long r1, long r2, Rgb colour);

    double width_, height_;
    int pixelWidth_, pixelHeight_;
    int columns_, rows_;
    std::vector<Rgb> pixels_;  // column by column: a vertical sweep writes contiguous memory
    double curX_ = 0, curY_ = 0;
    int drawWidth_ = 1;
    DrawStyle style_ = DrawStyle::Solid;
    Rgb fore_ = kBlack;
    double fontSize_ = 8;
    FontHandle font_ = 0;
};

}  // namespace qav
