#include "chart/pen_canvas.h"

#include <algorithm>
#include <cmath>

namespace qav {
namespace {

constexpr double kTwipsPerInch = 1440;

double SizeOrZero(double units) { return std::isfinite(units) && units > 0 ? units : 0; }

}  // namespace

PenCanvas::PenCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight)
    : width_(SizeOrZero(canvasWidth)),
      height_(SizeOrZero(canvasHeight)),
      pixelWidth_(std::max(1, pixelWidth)),
      pixelHeight_(std::max(1, pixelHeight))
{
}

void PenCanvas::MoveTo(double x, double y)
{
    curX_ = x;
    curY_ = y;
}

void PenCanvas::SetDrawWidth(int pixels) { drawWidth_ = std::clamp(pixels, 1, 100); }

void PenCanvas::SetFontSize(double points)
{
    if (std::isfinite(points) && points > 0) points_ = points;
}

void PenCanvas::SetOpacity(double opacity) { opacity_ = std::isfinite(opacity) ? std::clamp(opacity, 0.0, 1.0) : 1.0; }

double PenCanvas::RotatedFontPoints() const
{
    // A pixel taller than the screen's inch (pixelHeight_ > 2880) would round to 0 dpi.
    const double dpi = std::max(1.0, std::round(kTwipsPerInch / pixelHeight_));
    // Halves to the even neighbour, and at least one pixel.
    const double pixels = std::max(1.0, std::nearbyint(points_ * dpi / 72));
    return pixels * 72 / dpi;
}

}  // namespace qav
