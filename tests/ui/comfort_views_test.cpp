// The Wind tab, the adaptive hours tab and the results' adaptive table in the real window.
#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include "tests/ui/window_test_helpers.h"
#include "ui/station_finder.h"

namespace qav::test {

class ComfortViewsTest : public QObject {
    Q_OBJECT

    static bool TabShown(const MainWindow& w, const char* page)
    {
        auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("ResultTabs"));
        const int tab = tabs->indexOf(w.findChild<QWidget*>(QString::fromLatin1(page)));
        return tab >= 0 && tabs->isTabVisible(tab);
    }

  private slots:
    void init() { StartAsFirstRun(); }

    // A data-set location has no wind; Chicago's file has, and its ventilation hours' prevailing
    // wind is the one the report's advice names, in the figures and the roses' description.
    void windTabOnlyForWeatherFiles()
    {
        MainWindow w(kReferenceScreen);
        QVERIFY(!TabShown(w, "WindView"));
        QVERIFY(!TabShown(w, "AdaptiveHoursView"));
        w.openWeatherFiles({kChicago});
        QVERIFY(TabShown(w, "WindView"));
        const QString figures = TextOf(w, QStringLiteral("WindFigures"));
        QVERIFY2(figures.contains(QStringLiteral(
                     "Ventilation hours (F): prevailing winds from SW, 16.3 % of the hours, at a median 4.1 m/s; "
                     "calm 4.4 % of 540 hours; 0 hours without a wind record")),
                 qPrintable(figures));
        QVERIFY(
            figures.contains(QStringLiteral("In the ventilation hours the wind comes from SW 16.3 % of the time, "
                                            "at a median 4.1 m/s")));
        auto* roses = w.findChild<CanvasView*>(QStringLiteral("WindRoses"));
        QCOMPARE(roses->focusPolicy(), Qt::StrongFocus);
        QVERIFY(roses->accessibleDescription().contains(QStringLiteral("SW, 16.3 %")));
        const QImage ventilation = Picture(w, "WindRoses");
        w.findChild<QComboBox*>(QStringLiteral("WindRoseChooser"))->setCurrentIndex(3);  // June-August
        QVERIFY(TextOf(w, QStringLiteral("WindFigures")).contains(QStringLiteral("\nJune-August: prevailing winds")));
        QVERIFY(Picture(w, "WindRoses") != ventilation);

        // The recorded view counts the file's hours: July's as the JSON's recorded_adaptive has them.
        Trigger(w, "ViewComfort_ashrae55");
        Trigger(w, "ViewRecorded");
        auto* table = w.findChild<QTableWidget*>(QStringLiteral("AdaptiveHoursTable"));
        QStringList july;
        for (int c = 0; c < table->columnCount(); ++c) july << table->item(6, c)->text();
        QCOMPARE(july.join(u'|'), QStringLiteral("Jul|345|142|257|403|84"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("outside the model's range"));
    }

    // Manaus's station under ASHRAE 55: its typical January is above the 80 % limit for 6 hours
    // and for none with fans at 0.9 m/s; back on the chart's zone the table and the tab go.
    void adaptiveHoursOfManaus()
    {
        MainWindow w(kReferenceScreen);
        Trigger(w, "ViewComfort_ashrae55");
        Trigger(w, "FindStation");
        StationFinder* finder = w.stationFinder();
        QTest::keyClicks(finder->searchField(), QStringLiteral("manaus"));
        QTreeWidgetItem* station = nullptr;
        for (int i = 0; i < finder->results()->topLevelItemCount() && !station; ++i)
            if (finder->results()->topLevelItem(i)->text(3) == QStringLiteral("WMO 82331"))
                station = finder->results()->topLevelItem(i);
        QVERIFY(station);
        finder->results()->setCurrentItem(station);
        QTest::keyClick(finder->results(), Qt::Key_Return);
        QVERIFY(TabShown(w, "AdaptiveHoursView"));
        auto* table = w.findChild<QTableWidget*>(QStringLiteral("AdaptiveHoursTable"));
        QVERIFY(table->isVisibleTo(table->parentWidget()));
        QStringList january, headers;
        for (int c = 0; c < table->columnCount(); ++c) {
            january << table->item(0, c)->text();
            headers << table->horizontalHeaderItem(c)->text();
        }
        QCOMPARE(headers.join(u'|'), QStringLiteral("Month|Within 80 %|Above|Below|Within, fans|Above, fans"));
        QCOMPARE(january.join(u'|'), QStringLiteral("Jan|18|6|0|24|0"));
        QVERIFY(w.findChild<CanvasView*>(QStringLiteral("AdaptiveHoursGrid"))
                    ->accessibleDescription()
                    .startsWith(QStringLiteral("Jan: 0 hours below, 18 within, 6 above the band (6 of them within "
                                               "with fans at 0.9 m/s)")));
        Trigger(w, "ViewComfort_en16798");
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Within II"));
        Trigger(w, "ViewComfort_givoni");
        QVERIFY(!TabShown(w, "AdaptiveHoursView"));
        QVERIFY(!table->isVisibleTo(table->parentWidget()));
    }
};

namespace {
RegisterTest<ComfortViewsTest> registerComfortViews;
}

}  // namespace qav::test

#include "comfort_views_test.moc"
