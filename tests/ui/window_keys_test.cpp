// The window from the keyboard: the menus' access keys, the order of Tab, the chart's focus
// frame and keys, and the shortcut of the month-by-strategy view.
#include "tests/ui/window_test_helpers.h"
#include "ui/chart_view.h"
#include "ui/translation.h"

namespace qav::test {

class WindowKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartAsFirstRun(); }
    void cleanup() { RemoveTranslators(); }

    // No two commands of one menu (the menu bar's included) share an access key, in either
    // language: Alt+A E once opened the station finder instead of the weather file.
    void accessKeysAreUniqueInEveryMenu()
    {
        for (bool portuguese : {false, true}) {
            if (portuguese) QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::Portuguese, QLocale::Brazil)));
            MainWindow w(kReferenceScreen);
            QStringList clashes;
            int keyed = 0;
            std::function<void(const QString&, const QList<QAction*>&)> walk = [&](const QString& where,
                                                                                   const QList<QAction*>& actions) {
                QMap<QKeySequence, QString> seen;
                for (QAction* a : actions) {
                    if (a->isSeparator()) continue;
                    const QKeySequence key = QKeySequence::mnemonic(a->text());
                    if (!key.isEmpty()) {
                        ++keyed;
                        if (seen.contains(key))
                            clashes << QStringLiteral("%1: %2 / %3").arg(where, seen[key], a->text());
                        seen[key] = a->text();
                    }
                    if (a->menu()) walk(a->text(), a->menu()->actions());
                }
            };
            walk(QStringLiteral("menu bar"), w.menuBar()->actions());
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
            QCOMPARE(keyed, 44);  // with the comfort model's menu
            RemoveTranslators();
        }
    }

    // Tab follows the reading order (it went list, tab bar, chart); the chart's focus shows as a
    // 2 px dark frame; Home and End reach the month's first and last hour, with Ctrl the year's;
    // a second Ctrl+M goes back to the tab shown before the first.
    void tabOrderFocusFrameAndChartKeys()
    {
        MainWindow w(kReferenceScreen);
        w.resize(800, 600);
        Show(w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* chart = w.findChild<ChartView*>(QStringLiteral("Picture1"));
        auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("ResultTabs"));
        tabs->tabBar()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chart));
        QTest::keyClick(chart, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Locations(w)));
        chart->setFocus();
        QCOMPARE(chart->grab().toImage().pixelColor(1, 1), QColor(0x1f, 0x3f, 0x8f));
        Locations(w)->setFocus();
        QVERIFY(chart->grab().toImage().pixelColor(1, 1) != QColor(0x1f, 0x3f, 0x8f));

        chart->setCurrentHour(30);  // February, 7 h
        QStringList reached;
        for (auto [key, modifiers] : {std::pair{Qt::Key_Home, Qt::NoModifier},
                                      {Qt::Key_End, Qt::NoModifier},
                                      {Qt::Key_End, Qt::ControlModifier},
                                      {Qt::Key_Home, Qt::ControlModifier}}) {
            QTest::keyClick(chart, key, modifiers);
            const PlottedHour& h = chart->hours()[size_t(chart->currentHour())];
            reached << QStringLiteral("%1/%2").arg(h.Month).arg(h.Hour);
        }
        QCOMPARE(reached.join(u' '), QStringLiteral("2/1 2/24 12/24 1/1"));

        tabs->setCurrentIndex(1);  // the graph
        Trigger(w, "ViewMonthStrategy");
        QCOMPARE(tabs->currentIndex(), 3);
        Trigger(w, "ViewMonthStrategy");
        QCOMPARE(tabs->currentIndex(), 1);
    }

    // A lit strategy is framed in the legend and named in the status bar; Escape clears both.
    void litStrategyShowsInTheLegendAndTheStatusBar()
    {
        MainWindow w(kReferenceScreen);
        w.chooseStrategy(2);
        auto* chart = w.findChild<ChartView*>(QStringLiteral("Picture1"));
        QVERIFY(!chart->litRow().isEmpty());
        QCOMPARE(TextOf(w, QStringLiteral("StatusLit")),
                 QStringLiteral("Lit: B Solar Heating, 121 hours; Escape shows all"));
        QTest::keyClick(chart, Qt::Key_Escape);
        QVERIFY(chart->litRow().isEmpty() && w.findChild<QLabel*>(QStringLiteral("StatusLit"))->isHidden());
    }
};

namespace {
RegisterTest<WindowKeysTest> registerWindowKeys;
}

}  // namespace qav::test

#include "window_keys_test.moc"
