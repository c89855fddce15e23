#pragma once
// Shows the wait cursor while a slow command runs (a few dozen weather files read, every
// location of a data set analysed for the compare view).
#include <QGuiApplication>

namespace qav {

class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace qav
