#include "ui/chart_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qav {
namespace {

// How near the pointer must come to an hour to report it, in logical pixels of the widget.
constexpr double kReachPx = 6;

}  // namespace

ChartView::ChartView(QWidget* parent) : CanvasView(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ChartView::setHours(std::vector<PlottedHour> hours, int pixelWidth, int pixelHeight)
{
    const bool sameHours = hours.size() == hours_.size();
    hours_ = std::move(hours);
    pixelWidth_ = std::max(1, pixelWidth);
    pixelHeight_ = std::max(1, pixelHeight);
    if (!sameHours) current_ = -1;
    update();
}

void ChartView::setCurrentHour(int index)
{
    current_ = index >= 0 && index < static_cast<int>(hours_.size()) ? index : -1;
    update();
    emit hourPointed(current_);
}

QPointF ChartView::canvasPointOf(QPointF p) const
{
    const QRectF r = pictureRect();
    const double scale = pictureScale();
    return {(p.x() - r.left()) / scale * pixelWidth_, (p.y() - r.top()) / scale * pixelHeight_};
}

QPointF ChartView::widgetPointOf(const PlottedHour& hour) const
{
    const QRectF r = pictureRect();
    const double scale = pictureScale();
    return {r.left() + hour.X / pixelWidth_ * scale, r.top() + hour.Y / pixelHeight_ * scale};
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = canvasPointOf(event->position());
    const int nearest = NearestPlottedHour(hours_, at.x(), at.y(), kReachPx / pictureScale() * pixelWidth_);
    if (nearest != current_ || nearest < 0) setCurrentHour(nearest);
    CanvasView::mouseMoveEvent(event);
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QPointF at = canvasPointOf(event->position());
    if (event->button() == Qt::LeftButton && legendHit_) {
        if (const int strategy = legendHit_(at.x(), at.y())) emit strategyChosen(strategy);
    }
    CanvasView::mousePressEvent(event);
}

void ChartView::leaveEvent(QEvent* event)
{
    if (!hasFocus()) setCurrentHour(-1);
    CanvasView::leaveEvent(event);
}

void ChartView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    int hourSteps = 0, monthSteps = 0;
    switch (key) {
        case Qt::Key_Left:
            hourSteps = -1;
            break;
        case Qt::Key_Right:
            hourSteps = 1;
            break;
        case Qt::Key_Up:
            monthSteps = -1;
            break;
        case Qt::Key_Down:
            monthSteps = 1;
            break;
        case Qt::Key_Escape:
            emit strategyChosen(0);
            return;
        default:
            // A, B ... J: the strategy of that zone letter.
            if (plain && key >= Qt::Key_A && key <= Qt::Key_J) {
                emit strategyChosen(key - Qt::Key_A + 1);
                return;
            }
            CanvasView::keyPressEvent(event);
            return;
    }
    if (current_ < 0)
        setCurrentHour(StepPlottedHour(hours_, -1, 0, 0));
    else
        setCurrentHour(StepPlottedHour(hours_, current_, hourSteps, monthSteps));
}

void ChartView::paintEvent(QPaintEvent* event)
{
    CanvasView::paintEvent(event);
    if (current_ < 0) return;
    // A ring around the hour reported, in black over white so it shows on any colour.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF at = widgetPointOf(hours_[static_cast<std::size_t>(current_)]);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawEllipse(at, 5, 5);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(at, 5, 5);
}

}  // namespace qav
