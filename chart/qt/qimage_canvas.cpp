#include "chart/qt/qimage_canvas.h"

#include <cmath>

namespace qav {
namespace {

constexpr double kTwipsPerInch = 1440;

}  // namespace

QImageCanvas::QImageCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight,
                           double devicePixelRatio)
    : QPainterCanvas(canvasWidth, canvasHeight, pixelWidth, pixelHeight, devicePixelRatio)
{
    image_ = QImage(DevicePixels(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(DevicePixelRatio());
    // Points convert to pixels at the screen's resolution, as on the screen the units come from.
    image_.setDotsPerMeterX(static_cast<int>(std::lround(kTwipsPerInch / pixelWidth_ / 0.0254)));
    image_.setDotsPerMeterY(static_cast<int>(std::lround(kTwipsPerInch / pixelHeight_ / 0.0254)));
    image_.fill(Qt::white);
    AttachDevice(image_);
}

// The painter must let go of the image before the image goes.
QImageCanvas::~QImageCanvas() { EndPainting(); }

void QImageCanvas::Clear()
{
    // Filling the image directly is cheaper than painting a rectangle over it.
    EndPainting();
    image_.fill(Qt::white);
    MoveTo(0, 0);
}

Rgb QImageCanvas::GetPixel(double x, double y) const
{
    const double dpr = DevicePixelRatio();
    const double c = std::floor(x * dpr / pixelWidth_), r = std::floor(y * dpr / pixelHeight_);
    if (!(c >= 0 && c < image_.width() && r >= 0 && r < image_.height())) return kNoColour;
    const QRgb p = image_.pixel(static_cast<int>(c), static_cast<int>(r));
    return MakeRgb(qRed(p), qGreen(p), qBlue(p));
}

const QImage& QImageCanvas::Image() const
{
    EndPainting();
    return image_;
}

}  // namespace qav
