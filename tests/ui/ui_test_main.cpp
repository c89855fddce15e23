// Runs the Qt Test classes of the window layer in one QApplication: all of them, or those named.
//
//   ui_tests [--list-classes] [--class NAME]... [Qt Test arguments]
//
// ctest gives each class its own entry, ui.NAME, from what --list-classes prints; QAV_UI_TEST=NAME
// stands for --class NAME.
#include <algorithm>
#include <cstdio>

#include "tests/ui/window_test_helpers.h"

std::vector<qav::test::TestClass>& qav::test::AllTestObjects()
{
    static std::vector<TestClass> tests;
    return tests;
}

namespace {

// The class's name without its namespaces, as --class and the ctest entries write it.
QByteArray ShortName(const qav::test::TestClass& test)
{
    const QByteArray name = test.Meta->className();
    return name.mid(name.lastIndexOf(':') + 1);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Our options are taken out before Qt reads the rest; listing makes no QApplication, so ctest
    // lists the classes without a display platform.
    std::vector<char*> qtArgs{argv[0]};
    QList<QByteArray> chosen;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (arg == "--list-classes") {
            list = true;
        } else if (arg == "--class") {
            if (++i == argc) {
                std::fprintf(stderr, "ui_tests: --class needs the name of a test class\n");
                return 2;
            }
            chosen << argv[i];
        } else {
            qtArgs.push_back(argv[i]);
        }
    }
    if (chosen.isEmpty() && !qEnvironmentVariableIsEmpty("QAV_UI_TEST")) chosen << qgetenv("QAV_UI_TEST");
    const auto& classes = qav::test::AllTestObjects();
    if (list) {
        for (const auto& test : classes) std::printf("%s\n", ShortName(test).constData());
        return 0;
    }
    // A misspelt name would otherwise run nothing and pass.
    for (const QByteArray& name : chosen) {
        if (std::none_of(classes.begin(), classes.end(), [&](const auto& test) { return ShortName(test) == name; })) {
            std::fprintf(stderr, "ui_tests: no test class named %s (--list-classes lists them)\n", name.constData());
            return 2;
        }
    }

    int qtArgc = int(qtArgs.size());
    qtArgs.push_back(nullptr);
    QApplication app(qtArgc, qtArgs.data());
    // Settings go to a fresh folder of this run, never the user's nor another run's (test mode
    // alone shares ~/.qttest between checkouts); each test sets what it relies on.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    if (!settings.isValid()) qFatal("cannot make a temporary folder for the settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QApplication::setOrganizationName(QStringLiteral("QAV"));
    QApplication::setApplicationName(QStringLiteral("QAV tests"));
    QSettings().clear();
    QApplication::setQuitOnLastWindowClosed(false);  // the exit tests close windows one by one
    int failures = 0;
    for (const auto& test : classes) {
        if (!chosen.isEmpty() && !chosen.contains(ShortName(test))) continue;
        const std::unique_ptr<QObject> object = test.Make();
        failures += QTest::qExec(object.get(), qtArgc, qtArgs.data());
    }
    return failures == 0 ? 0 : 1;
}
