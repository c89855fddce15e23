#include "ui/canvas_view.h"

#include <QPainter>
#include <QPaintEvent>

namespace qav {

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);  // the image covers the whole widget
}

void CanvasView::setImage(const QImage& image)
{
    image_ = image;
    update();
}

QSize CanvasView::sizeHint() const
{
    return image_.isNull() ? QSize(100, 100) : image_.deviceIndependentSize().toSize();
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (image_.isNull()) return;
    // The image's logical size equals the widget's, so this copies pixels one to one.
    painter.drawImage(QPointF(0, 0), image_);
}

}  // namespace qav
