// The Sun and shade tab of the real window: Brasília's façade table (the figures qav-cli's JSON
// gives), the façade chosen from the list or on the sun path's rim, the hours read by keyboard.
#include "chart/sun_path.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/chart_view.h"
#include "ui/sun_shade_view.h"

namespace qav::test {
namespace {

SunShadeView* Sun(MainWindow& w) { return w.findChild<SunShadeView*>(QStringLiteral("SunShade")); }
QString Readout(MainWindow& w) { return w.findChild<QLabel*>(QStringLiteral("StatusReadout"))->text(); }

QStringList Row(const SunShadeView* view, int row)
{
    QStringList cells;
    for (int c = 0; c < view->table()->columnCount(); ++c) cells << view->table()->item(row, c)->text();
    return cells;
}

// The row of the façade the sun path masks is the bold one.
int BoldRow(const SunShadeView* view)
{
    for (int r = 0; r < view->table()->rowCount(); ++r)
        if (view->table()->item(r, 0)->font().bold()) return r;
    return -1;
}

void ShowSunTab(MainWindow& w)
{
    w.resize(1366, 768);
    Show(w);
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("ResultTabs"));
    QCOMPARE(tabs->tabText(tabs->indexOf(Sun(w))), QStringLiteral("Sun and shade"));
    tabs->setCurrentWidget(Sun(w));
}

}  // namespace

class SunShadeViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartAsFirstRun(); }

    // Brasília's façades at the 21 °C shading line; 25 °C, kept for the next run, gives what
    // qav-cli --shade-above 25 gives.
    void tableFollowsTheShadingLine()
    {
        {
            MainWindow w(kReferenceScreen);
            ShowSunTab(w);
            const SunShadeView* sun = Sun(w);
            QCOMPARE(Row(sun, 0), QStringList({"North", "62", "20", "39°", "30.0 %", "1.23", "0°", "0.0 %"}));
            QCOMPARE(Row(sun, 2), QStringList({"East", "23", "35", "47°", "97.1 %", "0.93", "9°", "22.9 %"}));
            QCOMPARE(Row(sun, 6), QStringList({"West", "66", "0", "7°", "–", "8.14", "4°", "–"}));
            sun->findChild<QDoubleSpinBox*>(QStringLiteral("SunShadeAbove"))->setValue(25);
            QCOMPARE(Row(sun, 0), QStringList({"North", "34", "20", "47°", "50.0 %", "0.93", "0°", "0.0 %"}));
        }
        MainWindow again(kReferenceScreen);
        QCOMPARE(Row(Sun(again), 4), QStringList({"South", "23", "15", "68°", "73.3 %", "0.40", "59°", "0.0 %"}));
    }

    // The equator side (north at Brasília) by default; the list's next entry, then a click on the
    // rim's west point, choose the façade that is masked and set in bold.
    void listAndRimChooseTheFacade()
    {
        MainWindow w(kReferenceScreen);
        ShowSunTab(w);
        SunShadeView* sun = Sun(w);
        auto* facade = sun->findChild<QComboBox*>(QStringLiteral("SunFacade"));
        QCOMPARE(facade->currentText(), QStringLiteral("North"));
        QCOMPARE(BoldRow(sun), 0);
        const QImage northMask = sun->sunPath()->image();
        facade->setFocus();
        QTest::keyClick(facade, Qt::Key_Down);
        QCOMPARE(facade->currentText(), QStringLiteral("Northeast"));
        QCOMPARE(BoldRow(sun), 1);
        QVERIFY(sun->sunPath()->image() != northMask);
        PlottedHour west;
        const SkyPoint rim = SunPathPoint(0, 268, false);
        west.X = rim.X;
        west.Y = rim.Y;
        QTest::mouseClick(sun->sunPath(), Qt::LeftButton, {}, sun->sunPath()->widgetPointOf(west).toPoint());
        QCOMPARE(facade->currentText(), QStringLiteral("West"));
        QCOMPARE(BoldRow(sun), 6);
        // The middle of the sky is no façade.
        QCOMPARE(SunShadeView::FacadeAtRim(SunPathPoint(60, 90, false).X, SunPathPoint(60, 90, false).Y, false), -1);
    }

    // The arrows and Home/End step through the sunlit hours of the sun path and the calendar's
    // cells; the status bar and the accessible description name the hour.
    void keysMoveTheCurrentHour()
    {
        MainWindow w(kReferenceScreen);
        ShowSunTab(w);
        SunShadeView* sun = Sun(w);
        ChartView* path = sun->sunPath();
        path->setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_End, Qt::Key_Down}) QTest::keyClick(path, key);
        QCOMPARE(
            Readout(w),
            QStringLiteral("February, 18 h: sun at altitude 3.4°, azimuth 258.0°; E Thermal Comfort, wants shade"));
        QVERIFY(path->accessibleDescription().endsWith(QStringLiteral("Current hour: ") + Readout(w) + u'.'));
        ChartView* calendar = sun->calendar();
        calendar->setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_Left, Qt::Key_Down}) QTest::keyClick(calendar, key);
        QCOMPARE(calendar->currentHour(), 46);
        QCOMPARE(Readout(w), QStringLiteral("February, 23 h: sun at altitude -58.2°, azimuth 208.7°; C Thermal Inertia "
                                            "(Heating), sun below the horizon"));
    }
};

RegisterTest<SunShadeViewTest> registerSunShadeView;

}  // namespace qav::test

#include "sun_shade_view_test.moc"
