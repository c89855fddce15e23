// qav: the desktop program. One main window; start-up analyses Brasília.
//
//   qav                               start the program
//   qav FILE...                       start and open Monthly Data and weather (.epw) files, as a
//                                     drop on the window would
//   qav --measure-startup[=EPOCH_NS]  start, wait for the first fully drawn window, print the
//                                     milliseconds since EPOCH_NS (the launching shell's clock)
//                                     or, without it, since main() began, and quit
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "chart/qt/upper_vector_state.h"
#include "core/version.h"
#include "pictures/temporary_files.h"
#include "ui/accessible_names.h"
#include "ui/main_window.h"
#include "ui/translation.h"

namespace {

std::int64_t EpochNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool HasDisplay()
{
    // A platform named explicitly (offscreen, xcb, wayland ...) is the user's choice.
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

// Polls until the window is on screen, draws it completely once more, then reports.
void ReportWhenDrawn(QWidget* window, std::int64_t startNs)
{
    QWindow* handle = window->windowHandle();
    if (!handle || !handle->isExposed()) {
        QTimer::singleShot(1, window, [window, startNs] { ReportWhenDrawn(window, startNs); });
        return;
    }
    window->repaint();  // synchronous: every child painted and flushed before the clock is read
    const double ms = double(EpochNs() - startNs) / 1e6;
    std::printf("startup_ms: %.1f\n", ms);
    std::fflush(stdout);
    QCoreApplication::quit();
}

}  // namespace

int main(int argc, char* argv[])
{
    std::int64_t startNs = EpochNs();
    bool measure = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--measure-startup") {
            measure = true;
        } else if (arg.starts_with("--measure-startup=")) {
            measure = true;
            startNs = std::strtoll(argv[i] + std::strlen("--measure-startup="), nullptr, 10);
        }
    }

    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "qav: no display found (DISPLAY and WAYLAND_DISPLAY are unset).\n"
                     "Run 'qav-cli analyze' for the start-up analysis without a window.\n");
        return 1;
    }

    QApplication app(argc, argv);
    qav::ClearUpperVectorState();
    // A file saved past ulimit -f fails with "File too large" in the window's message instead of
    // ending the program, and a signal that ends it removes the temporary file of a save.
    qav::IgnoreOutputSignals();
    qav::RemoveTemporaryFilesOnSignals();
    // QSettings: organisation and application "QAV".
    QApplication::setOrganizationName(QStringLiteral("QAV"));
    QApplication::setApplicationName(QStringLiteral("QAV"));
    QApplication::setApplicationVersion(QString::fromUtf8(qav::kVersion.data(), qsizetype(qav::kVersion.size())));
    qav::InstallTranslations(app, QLocale::system());
    qav::NameUnnamedPartsOfEveryWindow(app);  // for screen readers, Qt's own dialogs included

    // QApplication has taken its own options out of argv; what is left besides ours are files.
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        if (!std::string_view(argv[i]).starts_with("--measure-startup")) files << QFile::decodeName(argv[i]);
    }

    qav::MainWindow window;
    // The content reflows, so the window opens at a size that suits the screen, not maximised,
    // unless the last run left its size and position and they still fit: a size saved on a
    // larger monitor would reach past this one's edges.
    const bool restored = window.restoreWindowSettings();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        if (!restored || !screen->availableGeometry().contains(window.geometry()))
            window.placeOnScreen(screen->availableGeometry());
    }
    window.show();
    if (!files.isEmpty()) QTimer::singleShot(0, &window, [&window, files] { window.openFiles(files); });

    if (measure) QTimer::singleShot(0, &window, [&window, startNs] { ReportWhenDrawn(&window, startNs); });
    return QApplication::exec();
}
