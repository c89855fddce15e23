// Find a station and My sites in the real window: typed, chosen and analysed from the keyboard;
// saved as a Monthly Data file and read back; compared like any list.

#include "tests/ui/window_test_helpers.h"
#include "ui/clipboard.h"
#include "ui/compare_view.h"
#include "ui/my_sites.h"
#include "ui/station_finder.h"

namespace qav::test {

class StationFinderTest : public QObject {
    Q_OBJECT

    static StationFinder* OpenFinder(MainWindow& w)
    {
        Trigger(w, "FindStation");
        StationFinder* finder = w.stationFinder();
        if (finder) QTest::keyClick(finder->searchField(), Qt::Key_A, Qt::ControlModifier);  // the last search
        return finder;
    }

  private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QSettings().remove(QLatin1String(kMySitesKey));
        QSettings().remove(QLatin1String(kRecentSitesKey));
    }

    // Typing a name, Down into the list and Enter analyse the station, which goes to Recent sites
    // while the list and My sites stay as they were (the station once replaced the list with My
    // sites and stayed there for good): the shares are those qav-cli gives for --station 83377.
    void typedNameIsChosenFromTheKeyboardAndAnalysed()
    {
        MainWindow w(kReferenceScreen);
        StationFinder* finder = OpenFinder(w);
        QVERIFY(finder && finder->isVisible());
        QCOMPARE(finder->searchField()->accessibleName(), QStringLiteral("Place, station or coordinates"));
        QCOMPARE(finder->results()->accessibleName(), QStringLiteral("Places and stations found"));
        QTest::keyClicks(finder->searchField(), QStringLiteral("brasilia"));
        // The places first (Brasília, Brasília de Minas), then the station.
        const std::size_t places = finder->places().size();
        QCOMPARE(places, std::size_t(2));
        QTreeWidgetItem* station = finder->results()->topLevelItem(int(places));
        QVERIFY(station && station->text(0) == QStringLiteral("Brasília") &&
                station->text(3) == QStringLiteral("WMO 83377"));
        QCOMPARE(finder->summary(), QStringLiteral("Places found: 2; stations found: %1.")
                                        .arg(finder->results()->topLevelItemCount() - int(places)));

        QTest::keyClick(finder->searchField(), Qt::Key_Down);
        QCOMPARE(finder->focusWidget(), static_cast<QWidget*>(finder->results()));
        for (std::size_t k = 0; k < places; ++k) QTest::keyClick(finder->results(), Qt::Key_Down);
        QTest::keyClick(finder->results(), Qt::Key_Return);
        QVERIFY(!finder->isVisible());

        QVERIFY(!w.showsMySites() && w.mySites().empty());
        QCOMPARE(Locations(w)->count(), 27);
        QVERIFY(Locations(w)->selectedItems().isEmpty());
        QCOMPARE(w.recentSites().count(), 1);
        QCOMPARE(w.findChild<QMenu*>(QStringLiteral("MRecentSites"))->actions().first()->text(),
                 QStringLiteral("&1 Brasília (Brazil)"));
        QCOMPARE(w.state().Current().DataSource, std::string("WMO 83377 1991-2020"));
        QCOMPARE(TextOf(w, QStringLiteral("Text5_1")), QStringLiteral("WMO 83377"));
        for (auto [strategy, share] : {std::pair{5, "44.4"}, {2, "25.2"}, {3, "25.2"}, {6, "5.2"}, {1, ""}})
            QCOMPARE(TextOf(w, QStringLiteral("Label5_%1").arg(strategy)), QString::fromLatin1(share));
        QCOMPARE(TextOf(w, QStringLiteral("StatusSource")) + u'|' + TextOf(w, QStringLiteral("AnalysisCaption")),
                 QStringLiteral("Recent sites|Station WMO 83377, normals 1991-2020"));
        QVERIFY(ResultsTableClipboardText(w.state(), u'.')
                    .endsWith(QStringLiteral("\nStation WMO 83377, normals 1991-2020\n")));
        QVERIFY(TextOf(w, QStringLiteral("ResultsNote")).isEmpty());  // found by name: no distance to warn of

        // Escape closes the finder without choosing.
        OpenFinder(w);
        QTest::keyClick(finder->searchField(), Qt::Key_Escape);
        QVERIFY(!finder->isVisible());
        QVERIFY(w.mySites().empty());

        // The list's next click analyses its entry from the data set it shows.
        Locations(w)->item(2)->setSelected(true);
        QCOMPARE(w.state().Current().LocationName, std::string("Belo Horizonte"));
        QVERIFY(w.state().DataSetKind.ShowingBrazil);
        QCOMPARE(TextOf(w, QStringLiteral("StatusSource")), QStringLiteral("Data set: Brazil"));
        Trigger(w, "MRecentSite_1");  // and Recent sites analyses the station again
        QCOMPARE(w.state().Current().DataSource, std::string("WMO 83377 1991-2020"));
        QVERIFY(w.mySites().empty() && QSettings().value(QLatin1String(kMySitesKey)).isNull());
    }

    // Coordinates with decimal commas list the nearest first with its distance; a station far
    // from the site is analysed with a note that says how far and whose elevation sets the pressure.
    void coordinatesListTheNearestFirstAndWarnWhenFar()
    {
        MainWindow w(kReferenceScreen);
        BoxLog boxes(w);
        StationFinder* finder = OpenFinder(w);
        QTest::keyClicks(finder->searchField(), QStringLiteral("-15,79 -47,93"));
        QCOMPARE(finder->places().size(), std::size_t(5));  // the towns nearest the point, then the stations
        const QTreeWidgetItem* first = finder->results()->topLevelItem(5);
        QCOMPARE(first->text(0) + u'|' + first->text(5), QStringLiteral("Brasília|0.5"));
        QVERIFY(!finder->results()->isColumnHidden(5));
        QVERIFY(finder->results()->isColumnHidden(6));  // no elevation typed
        QCOMPARE(finder->summary(), QStringLiteral("Nearest first: 5 places, 200 stations."));

        finder->searchField()->setText(QStringLiteral("-15,79 -47,93 400"));  // 761 m below the station
        QCOMPARE(finder->results()->topLevelItem(5)->text(6), QStringLiteral("+761"));
        finder->results()->setCurrentItem(finder->results()->topLevelItem(5));
        const QString far = QStringLiteral(
            "Station 83377 (Brasília) is 0\u00a0km from the site and 761\u00a0m higher: the site's "
            "climate may differ. The pressure is that of the station's elevation, 1161\u00a0m.");
        QCOMPARE(finder->findChild<QLabel*>(QStringLiteral("StationNote"))->text(), far);
        QTest::keyClick(finder->results(), Qt::Key_Return);
        QCOMPARE(TextOf(w, QStringLiteral("ResultsNote")), far);
        QCOMPARE(TextOf(w, QStringLiteral("ChartNotes")),
                 far + QStringLiteral("\nStation WMO 83377, normals 1991-2020"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("StatusWarning"))->toolTip(), far);

        finder->searchField()->setText(QStringLiteral("95 10"));
        QCOMPARE(finder->summary(), QStringLiteral("latitude 95 is out of range (-90 to 90)"));
        finder->searchField()->setText(QStringLiteral("xyzzy"));
        QCOMPARE(finder->summary(), QStringLiteral("No place or station matches \"xyzzy\"."));
        QCOMPARE(finder->results()->topLevelItemCount(), 0);
        QVERIFY(boxes.empty());
    }

    // A town is analysed as its nearest station, named for the place, with the distance warning;
    // a town without a station within 300 km is not analysed: the note says to open a weather file.
    void placesComeFirstAndAreAnalysedAsTheirNearestStation()
    {
        MainWindow w(kReferenceScreen);
        StationFinder* finder = OpenFinder(w);
        QTest::keyClicks(finder->searchField(), QStringLiteral("Phoenix, AZ"));
        QTreeWidgetItem* phoenix = finder->results()->topLevelItem(0);
        QCOMPARE(phoenix->text(0) + u'|' + phoenix->text(1), QStringLiteral("Phoenix (AZ)|United States"));
        QCOMPARE(phoenix->data(0, Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Place: Phoenix (AZ, United States), no station within 300 km"));
        QTest::keyClick(finder->searchField(), Qt::Key_Return);
        QVERIFY(finder->isVisible());  // nothing analysed
        QCOMPARE(finder->findChild<QLabel*>(QStringLiteral("StationNote"))->text(),
                 QStringLiteral(
                     "No station within 300\u00a0km: open a weather file for this site. The nearest station, "
                     "76225 Observatorio Meteorológico Chihuahua, 783\u00a0km away, is listed for reference only."));
        QCOMPARE(w.mySites().count(), 0);

        finder->searchField()->setText(QStringLiteral("Campinas, SP"));
        QTest::keyClick(finder->searchField(), Qt::Key_Return);
        QVERIFY(!finder->isVisible());
        QCOMPARE(w.state().Current().LocationName,
                 std::string("Campinas (SP, Brazil): station 83781 São Paulo (Mirante de Santana), 80 km"));
        QVERIFY(w.state().Current().Place && w.state().Current().Place->GeonamesId == 3467865);
        QVERIFY(TextOf(w, QStringLiteral("ResultsNote")).startsWith(QStringLiteral("Station 83781")));
    }

    // My sites keeps stations and built-in locations, is remembered, and survives a Monthly Data
    // file: station number, period and derived humidity stay in the source field. Compare shows
    // Brasília's 1961-1990 normals beside its station's 1991-2020 ones.
    void mySitesRoundTripAndCompare()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        {
            MainWindow w(kReferenceScreen);
            Trigger(w, "AddToMySites");  // Brasília of the Brazil set, analysed at start-up
            for (const char* name : {"brasilia", "ain sefra"}) {
                StationFinder* finder = OpenFinder(w);
                QTest::keyClicks(finder->searchField(), QString::fromLatin1(name));
                QTest::keyClick(finder->searchField(), Qt::Key_Return);
                Trigger(w, "AddToMySites");  // the station analysed
            }
            QCOMPARE(w.mySites().count(), 3);
            QCOMPARE(TextOf(w, QStringLiteral("AnalysisCaption")),
                     QStringLiteral("Station WMO 60560, normals 1991-2020, humidity derived"));
            QVERIFY(w.saveMySitesTo(QDir(dir.path()).filePath(QStringLiteral("QAVsites.TXT"))));
        }
        MainWindow w(kReferenceScreen);  // a new run remembers the list
        QCOMPARE(w.mySites().count(), 3);
        w.openMonthlyDataFile(QDir(dir.path()).filePath(QStringLiteral("QAVsites.TXT")));
        QVERIFY(!w.showsMySites());
        const LocationTable& read = w.state().Locations;
        QCOMPARE(read.LocationCount, 3);
        QCOMPARE(read.Slot[1].DataSource + '|' + read.Slot[2].DataSource + '|' + read.Slot[3].DataSource,
                 std::string("GOV|WMO 83377 1991-2020|WMO 60560 1991-2020 RH derived"));

        Trigger(w, "MySites");
        QVERIFY(w.showsMySites());
        Trigger(w, "ViewCompare");
        const std::vector<CompareRow>& rows = w.compareView()->rows();
        QCOMPARE(rows.size(), size_t(3));
        QVERIFY(rows[0].Shares[5] == 36.8f && rows[1].Shares[5] == 44.4f);  // 1961-1990, 1991-2020
        w.removeFromMySites(1);
        QCOMPARE(Locations(w)->count(), 2);
        QCOMPARE(w.compareView()->rows().size(), size_t(2));
    }

    // An empty field lists the sites analysed last, newest first, before any search: Down and
    // Enter analyse one again; typing replaces them with the search and clearing brings them back.
    void recentSitesFillTheEmptyFinder()
    {
        MainWindow w(kReferenceScreen);
        for (const char* name : {"brasilia", "ain sefra"}) {
            StationFinder* finder = OpenFinder(w);
            QTest::keyClicks(finder->searchField(), QString::fromLatin1(name));
            QTest::keyClick(finder->searchField(), Qt::Key_Return);
        }
        StationFinder* finder = OpenFinder(w);
        QTest::keyClick(finder->searchField(), Qt::Key_Delete);
        QCOMPARE(finder->recentShown(), 2);
        QTreeWidget* list = finder->results();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(0) + u'|' + list->topLevelItem(0)->text(3) + u'|' +
                     list->topLevelItem(1)->text(0) + u'|' + list->topLevelItem(1)->text(2),
                 QStringLiteral("Aïn Sefra (Algeria): station 60560 Ain Sefra, 1 km|WMO 60560|"
                                "Brasília (DF, Brazil): station 83377 Brasília, 1 km|1161"));
        QVERIFY(finder->summary().startsWith(QStringLiteral("Recent sites, the newest first")));
        QTest::keyClicks(finder->searchField(), QStringLiteral("recife"));
        QCOMPARE(finder->recentShown(), 0);
        QVERIFY(list->topLevelItem(0)->text(3) != QStringLiteral("WMO 60560"));
        finder->searchField()->clear();
        QCOMPARE(finder->recentShown(), 2);

        QTest::keyClick(finder->searchField(), Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!finder->isVisible());
        QCOMPARE(w.state().Current().DataSource, std::string("WMO 83377 1991-2020"));
        QCOMPARE(w.mySites().count(), 0);
        QCOMPARE(w.recentSites().newestFirst().front().DataSource, std::string("WMO 83377 1991-2020"));
    }

    // 50 slots: the 51st site drops the oldest and says which.
    void fullListDropsTheOldest()
    {
        MySites sites;
        LocationRecord site;
        for (int i = 1; i <= 50; ++i) {
            site.LocationName = "Site " + std::to_string(i);
            QVERIFY(!sites.add(site).Dropped);
        }
        QCOMPARE(sites.add(site).Slot, 50);  // already kept: not added twice
        site.LocationName = "Site 51";
        const MySites::Added added = sites.add(site);
        QVERIFY(added.Dropped.value_or(QString()) == QStringLiteral("Site 1") && added.Slot == 50);
        QCOMPARE(sites.table().Slot[1].LocationName, std::string("Site 2"));
        QCOMPARE(MySites::FromSettings().table().Slot[50].LocationName, std::string("Site 51"));
    }
};

RegisterTest<StationFinderTest> registerStationFinder;

}  // namespace qav::test

#include "station_finder_test.moc"
