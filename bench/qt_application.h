#pragma once
// Text needs fonts, and fonts need a running application; the benchmarks that draw start one
// (off screen unless told otherwise) that lives until the program ends.
#include <QGuiApplication>

#include "chart/qt/upper_vector_state.h"

namespace qav {

inline void EnsureBenchApplication()
{
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qav_bench";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    ClearUpperVectorState();
}

}  // namespace qav
