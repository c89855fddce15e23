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
    // The window remembers folders, files and views between runs: keep the tests' own memory in
    // a folder of their own, never in the user's settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication::setOrganizationName(QStringLiteral("QAV"));
    QApplication::setApplicationName(QStringLiteral("QAV"));
    QApplication::setQuitOnLastWindowClosed(false);  // the exit tests close windows one by one
    int failures = 0;
    for (auto& make : qav::test::AllTestObjects()) {
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
