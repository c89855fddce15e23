// View > Comfort model in the real window: the graph draws the chosen band, the choice is
// remembered, and the chart does not change with it.
#include <QSettings>

#include "tests/ui/window_test_helpers.h"

namespace qav::test {

class ComfortMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartAsFirstRun(); }

    void choiceRedrawsTheGraphAndIsRemembered()
    {
        {
            MainWindow w(kReferenceScreen);
            QCOMPARE(w.state().Comfort, ComfortModel::Givoni);
            const QImage fixed = Picture(w, "Picture3"), chartBefore = Picture(w, "Picture1");
            Trigger(w, "ViewComfort_ashrae55");
            QCOMPARE(w.state().Comfort, ComfortModel::Ashrae55);
            QVERIFY(Picture(w, "Picture3") != fixed);
            QCOMPARE(Picture(w, "Picture1"), chartBefore);
            QCOMPARE(QSettings().value(QStringLiteral("view/comfort")).toString(), QStringLiteral("ashrae55"));
        }
        MainWindow again(kReferenceScreen);
        QCOMPARE(again.state().Comfort, ComfortModel::Ashrae55);
        QVERIFY(again.findChild<QAction*>(QStringLiteral("ViewComfort_ashrae55"))->isChecked());
    }
};

namespace {
RegisterTest<ComfortMenuTest> registerComfortMenu;
}

}  // namespace qav::test

#include "comfort_menu_test.moc"
