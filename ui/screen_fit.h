#pragma once
// Dialogs sized to the screen they open on, so that their buttons stay reachable on a small one.
#include <QSize>

class QWidget;

namespace qav {

/// Resizes the window to the size it prefers, held within the available area of its screen
/// (its parent's, or the primary one) less room for a window manager's frame and title bar.
void FitToScreen(QWidget* window, QSize preferred);

}  // namespace qav
