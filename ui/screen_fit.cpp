#include "ui/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace qav {

void FitToScreen(QWidget* window, QSize preferred)
{
    const QWidget* anchor = window->parentWidget() ? window->parentWidget()->window() : window;
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(preferred);
        return;
    }
    // A title bar and frame take about 40 px of height and 10 px of width under common window
    // managers; the layout's own minimum still wins if it is larger.
    const QSize room = screen->availableGeometry().size() - QSize(20, 50);
    window->resize(preferred.boundedTo(room).expandedTo(window->minimumSizeHint()));
}

}  // namespace qav
