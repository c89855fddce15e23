#pragma once
// A canvas of exact 24-bit pixels without text: holds the zone map, so the classification is
// the same in the window, the command-line companion and the tests, and needs no toolkit.
#include <string_view>
#include <vector>

#include "chart/pen_canvas.h"

namespace qav {

class RasterCanvas final : public PenCanvas {
  public:
    /// A canvas of the given size in canvas units, with the canvas units of one pixel.
    RasterCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight);

    void Clear() override;
    using PenCanvas::DrawLine;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override;
    void SetPixel(double x, double y, Rgb colour) override;
    Rgb GetPixel(double x, double y) const override;

    // No text: printing draws nothing and every text has zero extent. Opacity is not applied
    // either: the colours read back must be exactly those painted.
    void PrintText(std::string_view) override {}
    void PrintRotatedText(std::string_view) override {}
    double TextWidth(std::string_view) const override { return 0; }
    double TextHeight(std::string_view) const override { return 0; }

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    /// The pixel in column c, row r, or kNoColour outside.
    Rgb PixelAt(int c, int r) const;

  private:
    bool InRange(long c, long r) const { return c >= 0 && r >= 0 && c < columns_ && r < rows_; }
    void Stamp(long c, long r, Rgb colour);  // a dot as wide as the draw width
    void PixelLine(double c1, double r1, double c2, double r2, Rgb colour);
    void FillColumn(long c, long r1, long r2, Rgb colour);

    int columns_, rows_;
    std::vector<Rgb> pixels_;  // column by column: a vertical sweep writes contiguous memory
};

}  // namespace qav
