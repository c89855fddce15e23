#include "ui/focus_frame.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTabBar>

namespace qav {

QColor FocusFrameColour() { return {0x1f, 0x3f, 0x8f}; }

TabFocusFrame::TabFocusFrame(QTabBar* bar) : QObject(bar), bar_(bar) { bar->installEventFilter(this); }

bool TabFocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != bar_) return false;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) bar_->update();
    if (event->type() != QEvent::Paint || !bar_->hasFocus() || bar_->currentIndex() < 0) return false;
    // The bar paints itself first (its event() does not pass through this filter again); the
    // frame goes over it.
    static_cast<QObject*>(bar_)->event(event);  // public in QObject, virtual: the bar's own
    QPainter painter(bar_);
    painter.setPen(QPen(FocusFrameColour(), 2));
    painter.drawRect(QRectF(bar_->tabRect(bar_->currentIndex())).adjusted(1, 1, -1, -1));
    return true;
}

}  // namespace qav
