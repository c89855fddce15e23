#include "ui/canvas_view.h"

#include <QPainter>
#include <QPaintEvent>
#include <algorithm>
#include <cmath>

namespace qav {
namespace {

// The smallest a picture is shown, as a share of its canvas: below it the text is unreadable.
constexpr double kMinimumScale = 0.35;

}  // namespace

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CanvasView::setImage(const QImage& image)
{
    const bool resized = image.deviceIndependentSize() != image_.deviceIndependentSize();
    image_ = image;
    shownStale_ = true;
    if (resized) updateGeometry();
    update();
}

void CanvasView::setRenderer(Renderer renderer)
{
    renderer_ = std::move(renderer);
    shownStale_ = true;
    update();
}

QSizeF CanvasView::canvasSize() const { return image_.isNull() ? QSizeF(100, 100) : image_.deviceIndependentSize(); }

double CanvasView::pictureScale() const
{
    const QSizeF c = canvasSize();
    return std::max(0.01, std::min(width() / c.width(), height() / c.height()));
}

QRectF CanvasView::pictureRect() const
{
    const QSizeF s = canvasSize() * pictureScale();
    return {(width() - s.width()) / 2, (height() - s.height()) / 2, s.width(), s.height()};
}

const QImage& CanvasView::shownImage()
{
    if (!shownStale_) return shown_;
    shownStale_ = false;
    const double dpr = devicePixelRatioF();
    const double ratio = pictureScale() * dpr;
    if (!renderer_ || image_.isNull() || std::abs(ratio - image_.devicePixelRatio()) < 1e-6) {
        shown_ = image_;  // already at the size shown (or nothing better to draw)
        return shown_;
    }
    shown_ = renderer_(ratio);
    shown_.setDevicePixelRatio(dpr);
    return shown_;
}

QSize CanvasView::sizeHint() const { return canvasSize().toSize(); }

QSize CanvasView::minimumSizeHint() const { return (canvasSize() * kMinimumScale).toSize(); }

void CanvasView::resizeEvent(QResizeEvent* event)
{
    shownStale_ = true;
    QWidget::resizeEvent(event);
}

void CanvasView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (image_.isNull()) return;
    const QImage& picture = shownImage();
    const QRectF target = pictureRect();
    if (picture.deviceIndependentSize() == image_.deviceIndependentSize() && picture.cacheKey() == image_.cacheKey() &&
        std::abs(pictureScale() - 1) > 1e-6) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);  // no renderer: the canvas's pixels, scaled
        return;
    }
    // Drawn for this size and pixel density: one picture pixel per device pixel, from a corner
    // on the device's pixel grid.
    const double dpr = devicePixelRatioF();
    painter.drawImage(QPointF(std::round(target.left() * dpr) / dpr, std::round(target.top() * dpr) / dpr), picture);
}

}  // namespace qav
