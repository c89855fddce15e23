#include "ui/chart_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/focus_frame.h"

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

void ChartView::focusInEvent(QFocusEvent* event)
{
    update();  // the focus frame
    CanvasView::focusInEvent(event);
}

void ChartView::focusOutEvent(QFocusEvent* event)
{
    update();
    CanvasView::focusOutEvent(event);
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
        case Qt::Key_Home:
        case Qt::Key_End:
            setCurrentHour(boundaryHour(event->modifiers() & Qt::ControlModifier, key == Qt::Key_End));
            return;
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

int ChartView::boundaryHour(bool wholeYear, bool last) const
{
    if (hours_.empty()) return -1;
    const int count = static_cast<int>(hours_.size());
    if (wholeYear) return last ? count - 1 : 0;
    const int month = hours_[static_cast<std::size_t>(std::max(current_, 0))].Month;
    // The hours are in time order, so a month's hours follow each other.
    int index = std::max(current_, 0);
    const int step = last ? 1 : -1;
    while (index + step >= 0 && index + step < count && hours_[static_cast<std::size_t>(index + step)].Month == month)
        index += step;
    return index;
}

void ChartView::setLitStrategy(int strategy)
{
    litRow_ = QRectF();
    if (strategy > 0 && legendHit_) {
        // The row's extent as the legend measures it: the points of the left half of the canvas
        // (where the legend stands) that hit it, two picture pixels apart.
        const QSizeF canvas = image().deviceIndependentSize();
        for (double y = 0; y < canvas.height(); y += 2)
            for (double x = 0; x < canvas.width() / 2; x += 2)
                if (legendHit_(x * pixelWidth_, y * pixelHeight_) == strategy)
                    litRow_ |= QRectF(x * pixelWidth_, y * pixelHeight_, 2.0 * pixelWidth_, 2.0 * pixelHeight_);
    }
    update();
}

QRectF ChartView::widgetRectOf(const QRectF& r) const
{
    const QRectF picture = pictureRect();
    const double scale = pictureScale();
    return {picture.left() + r.left() / pixelWidth_ * scale, picture.top() + r.top() / pixelHeight_ * scale,
            r.width() / pixelWidth_ * scale, r.height() / pixelHeight_ * scale};
}

void ChartView::paintEvent(QPaintEvent* event)
{
    CanvasView::paintEvent(event);
    QPainter painter(this);
    const QColor frame = FocusFrameColour();
    if (!litRow_.isEmpty()) {
        painter.setPen(QPen(frame, 2));
        painter.drawRect(widgetRectOf(litRow_).adjusted(-2, -1, 2, 1));
    }
    if (hasFocus()) {
        painter.setPen(QPen(frame, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    if (current_ < 0) return;
    // A ring around the hour reported, in black over white so it shows on any colour.
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF at = widgetPointOf(hours_[static_cast<std::size_t>(current_)]);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawEllipse(at, 5, 5);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(at, 5, 5);
}

}  // namespace qav
