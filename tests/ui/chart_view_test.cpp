// Reading the chart by pointing and from the keyboard: the readout of an hour in the status bar,
// stepping with the arrow keys, and the strategy chosen in the legend, its letter or the results.
#include "tests/ui/window_test_helpers.h"
#include "ui/chart_view.h"

namespace qav::test {
namespace {

ChartView* Chart(MainWindow& w) { return w.findChild<ChartView*>(QStringLiteral("Picture1")); }
QString Readout(MainWindow& w) { return w.findChild<QLabel*>(QStringLiteral("StatusReadout"))->text(); }

}  // namespace

class ChartViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QSettings().clear();
    }

    // The pointer near Brasília's January 14 h reads it out; leaving the hours clears the readout.
    void hoverReadsTheHourOut()
    {
        MainWindow w(kReferenceScreen);
        w.resize(1366, 768);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ChartView* chart = Chart(w);
        const QPointF at = chart->widgetPointOf(chart->hours()[13]);
        QTest::mouseMove(chart, (at + QPointF(1, 1)).toPoint());
        QCOMPARE(chart->currentHour(), 13);
        QCOMPARE(
            Readout(w),
            QStringLiteral(
                "January, 14\u00a0h (typical day): DBT 26.9\u00a0°C, RH 60\u00a0%, W 15.40\u00a0g/kg, E Thermal Comfort"));
        QCOMPARE(chart->toolTip(), Readout(w));
        QTest::mouseMove(chart, QPoint(2, chart->height() - 2));
        QCOMPARE(Readout(w), QString());
    }

    // With the chart focused the arrows step through the hours (left, right) and the months (up,
    // down); a recorded hour is dated.
    void arrowKeysStepThroughTheHours()
    {
        MainWindow w(kReferenceScreen);
        ChartView* chart = Chart(w);
        struct Row {
            Qt::Key key;
            int hour;
        };
        for (const Row& r : {Row{Qt::Key_Right, 0}, Row{Qt::Key_Left, 0}, Row{Qt::Key_Right, 1}, Row{Qt::Key_Down, 25},
                             Row{Qt::Key_Down, 49}, Row{Qt::Key_Up, 25}, Row{Qt::Key_Left, 24}}) {
            QTest::keyClick(chart, r.key);
            QCOMPARE(chart->currentHour(), r.hour);
        }
        QVERIFY(Readout(w).startsWith(QStringLiteral("February, 1\u00a0h (typical day)")));
        w.openWeatherFiles({kChicago});
        w.showRecordedHours();
        chart->setCurrentHour(4800);
        QCOMPARE(Readout(w),
                 QStringLiteral("July 20, 1\u00a0h: DBT 24.4\u00a0°C, RH 85\u00a0%, W 16.84\u00a0g/kg, F Ventilation"));
    }

    // Choosing B (its letter, its legend row or its results row) lights Solar Heating with the
    // Thermal Inertia (Heating) hours its share merges; choosing it again, or Escape, lights none.
    void choosingAStrategyLightsItsHours()
    {
        MainWindow w(kReferenceScreen);
        ChartView* chart = Chart(w);
        const QImage plain = chart->image();
        QTest::keyClick(chart, Qt::Key_B);
        QCOMPARE(w.highlightedStrategy(), 2);
        QVERIFY(chart->image() != plain);
        QVERIFY2(chart->accessibleDescription().endsWith(
                     QStringLiteral("28.0 %. Lit: B Solar Heating, 121 of the hours shown; the others dimmed.")),
                 qPrintable(chart->accessibleDescription()));
        QTest::keyClick(chart, Qt::Key_Escape);
        QCOMPARE(w.highlightedStrategy(), 0);
        QCOMPARE(chart->image(), plain);
        QTest::mouseClick(w.findChild<QLabel*>(QStringLiteral("Label5_5")), Qt::LeftButton);
        QCOMPARE(w.highlightedStrategy(), 5);
        QTest::mouseClick(w.findChild<QLabel*>(QStringLiteral("Label5_5")), Qt::LeftButton);
        QCOMPARE(w.highlightedStrategy(), 0);
    }
};

RegisterTest<ChartViewTest> registerChartView;

}  // namespace qav::test

#include "chart_view_test.moc"
