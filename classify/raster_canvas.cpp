#include "classify/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "chart/canvas_geometry.h"

namespace qav {
namespace {

// Chart coordinates are 16-bit, so no canvas needs more; the bound also keeps a bad size from
// asking for gigabytes.
constexpr double kMaxPixels = 16384;

}  // namespace

RasterCanvas::RasterCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight)
    : PenCanvas(canvasWidth, canvasHeight, pixelWidth, pixelHeight)
{
    columns_ = static_cast<int>(std::min(std::ceil(width_ / pixelWidth_), kMaxPixels));
    rows_ = static_cast<int>(std::min(std::ceil(height_ / pixelHeight_), kMaxPixels));
    pixels_.assign(static_cast<size_t>(columns_) * rows_, kWhite);
}

void RasterCanvas::Clear()
{
    std::fill(pixels_.begin(), pixels_.end(), kWhite);
    curX_ = curY_ = 0;
}

void RasterCanvas::DrawLine(double x1, double y1, double x2, double y2, Rgb colour)
{
    PixelLine(std::floor(x1 / pixelWidth_), std::floor(y1 / pixelHeight_), std::floor(x2 / pixelWidth_),
              std::floor(y2 / pixelHeight_), colour);
    curX_ = x2;
    curY_ = y2;
}

void RasterCanvas::DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled)
{
    double c1 = std::floor(x1 / pixelWidth_), c2 = std::floor(x2 / pixelWidth_);
    double r1 = std::floor(y1 / pixelHeight_), r2 = std::floor(y2 / pixelHeight_);
    curX_ = x2;
    curY_ = y2;
    if (!std::isfinite(c1) || !std::isfinite(c2) || !std::isfinite(r1) || !std::isfinite(r2)) return;
    if (!filled) {
        PixelLine(c1, r1, c2, r1, colour);
        PixelLine(c2, r1, c2, r2, colour);
        PixelLine(c2, r2, c1, r2, colour);
        PixelLine(c1, r2, c1, r1, colour);
        return;
    }
    if (c1 > c2) std::swap(c1, c2);
    if (r1 > r2) std::swap(r1, r2);
    c1 = std::max(c1, 0.0), c2 = std::min(c2, columns_ - 1.0);
    r1 = std::max(r1, 0.0), r2 = std::min(r2, rows_ - 1.0);
    for (long c = static_cast<long>(c1); c <= static_cast<long>(c2); ++c)
        FillColumn(c, static_cast<long>(r1), static_cast<long>(r2), colour);
}

void RasterCanvas::SetPixel(double x, double y, Rgb colour)
{
    const double c = std::floor(x / pixelWidth_), r = std::floor(y / pixelHeight_);
    curX_ = x;
    curY_ = y;
    if (c >= -drawWidth_ && c <= columns_ && r >= -drawWidth_ && r <= rows_)
        Stamp(static_cast<long>(c), static_cast<long>(r), colour);
}

Rgb RasterCanvas::GetPixel(double x, double y) const
{
    const double c = std::floor(x / pixelWidth_), r = std::floor(y / pixelHeight_);
    if (!(c >= 0 && c < columns_ && r >= 0 && r < rows_)) return kNoColour;  // NaN fails too
    return pixels_[static_cast<size_t>(c) * rows_ + static_cast<size_t>(r)];
}

Rgb RasterCanvas::PixelAt(int c, int r) const
{
    return InRange(c, r) ? pixels_[static_cast<size_t>(c) * rows_ + r] : kNoColour;
}

void RasterCanvas::FillColumn(long c, long r1, long r2, Rgb colour)
{
    if (c < 0 || c >= columns_) return;
    r1 = std::max(r1, 0L), r2 = std::min(r2, static_cast<long>(rows_) - 1);
    if (r1 > r2) return;
    Rgb* column = pixels_.data() + static_cast<size_t>(c) * rows_;
    std::fill(column + r1, column + r2 + 1, colour);
}

void RasterCanvas::Stamp(long c, long r, Rgb colour)
{
    if (drawWidth_ == 1) {
        if (InRange(c, r)) pixels_[static_cast<size_t>(c) * rows_ + r] = colour;
        return;
    }
    const long first = -(drawWidth_ - 1) / 2;
    for (long dc = first; dc < first + drawWidth_; ++dc)
        FillColumn(c + dc, r + first, r + first + drawWidth_ - 1, colour);
}

void RasterCanvas::PixelLine(double c1, double r1, double c2, double r2, Rgb colour)
{
    if (!std::isfinite(c1) || !std::isfinite(r1) || !std::isfinite(c2) || !std::isfinite(r2)) return;
    const bool dotted = style_ == DrawStyle::Dotted && drawWidth_ == 1;
    // Only a segment that leaves the canvas by more than a dot is clipped, so that every
    // segment on the canvas keeps its exact pixels.
    const double lo = -1.0 - drawWidth_;
    const double hiC = columns_ + 1.0 + drawWidth_, hiR = rows_ + 1.0 + drawWidth_;
    const auto outside = [&](double c, double r) { return c < lo || r < lo || c > hiC || r > hiR; };
    if (outside(c1, r1) || outside(c2, r2)) {
        if (!ClipSegment(c1, r1, c2, r2, lo, lo, hiC, hiR)) return;
        c1 = std::floor(c1), r1 = std::floor(r1), c2 = std::floor(c2), r2 = std::floor(r2);
    }
    long x = static_cast<long>(c1), y = static_cast<long>(r1);
    const long xEnd = static_cast<long>(c2), yEnd = static_cast<long>(r2);
    if (x == xEnd && !dotted && drawWidth_ == 1) {  // the sweeps of the zone map
        FillColumn(x, std::min(y, yEnd), std::max(y, yEnd), colour);
        return;
    }
    // Bresenham, both end points included; a dotted line paints every other pixel.
    const long dx = std::labs(xEnd - x), dy = -std::labs(yEnd - y);
    const long sx = x < xEnd ? 1 : -1, sy = y < yEnd ? 1 : -1;
    long err = dx + dy;
    for (long i = 0;; ++i) {
        if (!dotted || i % 2 == 0) Stamp(x, y, colour);
        if (x == xEnd && y == yEnd) break;
        const long e2 = 2 * err;
        if (e2 >= dy) err += dy, x += sx;
        if (e2 <= dx) err += dx, y += sy;
    }
}

}  // namespace qav
