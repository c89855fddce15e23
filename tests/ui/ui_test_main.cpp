// Runs every Qt Test class of the window layer in one QApplication.
#include "tests/ui/window_test_helpers.h"

std::vector<qav::test::TestFactory>& qav::test::AllTestObjects()
{
    static std::vector<TestFactory> tests;
    return tests;
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
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
    // QAV_UI_TEST=ClassName runs that class alone, for work on one part of the window.
    const QByteArray only = qgetenv("QAV_UI_TEST");
    int failures = 0;
    for (auto& make : qav::test::AllTestObjects()) {
        std::unique_ptr<QObject> test = make();
        if (!only.isEmpty() && !QByteArray(test->metaObject()->className()).endsWith("::" + only)) continue;
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
