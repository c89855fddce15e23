// A station's source has one name in the whole window, as its catalogue row says (INMET's normals
// "INMET 83897", the WMO's "WMO 83377", "OMM" in Portuguese): the finder's rows and recent sites,
// the caption in the status bar and the Results' source box, which shows it whole at 800 x 600.

#include "tests/ui/window_test_helpers.h"
#include "ui/my_sites.h"
#include "ui/station_finder.h"
#include "ui/translation.h"

namespace qav::test {
namespace {

// The width a line edit shows text in: its contents less the 2 px Qt keeps on each side.
int ShownWidth(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() - 4;
}

QTreeWidgetItem* RowNamed(StationFinder* finder, const QString& source)
{
    for (int i = 0; i < finder->results()->topLevelItemCount(); ++i)
        if (finder->results()->topLevelItem(i)->text(3) == source) return finder->results()->topLevelItem(i);
    return nullptr;
}

}  // namespace

class StationSourceTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartAsFirstRun(); }
    void cleanup()
    {
        RemoveTranslators();
        StartAsFirstRun();
    }

    void oneNameInFinderCaptionAndResults_data()
    {
        QTest::addColumn<bool>("portuguese");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("INMET") << false << "83897"
                               << "INMET 83897"
                               << "Station INMET 83897, normals 1991-2020";
        QTest::newRow("WMO") << false << "83377"
                             << "WMO 83377"
                             << "Station WMO 83377, normals 1991-2020";
        QTest::newRow("INMET pt_BR") << true << "83897"
                                     << "INMET 83897"
                                     << "Estação INMET 83897, normais 1991-2020";
        QTest::newRow("WMO pt_BR") << true << "60560"
                                   << "OMM 60560"
                                   << "Estação OMM 60560, normais 1991-2020, umidade derivada";
    }
    void oneNameInFinderCaptionAndResults()
    {
        QFETCH(bool, portuguese);
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        if (portuguese) {
            QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::Portuguese, QLocale::Brazil)));
            QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        }
        MainWindow w({{800, 600, 15}, 1.0});
        w.resize(800, 600);
        Show(w);
        Trigger(w, "FindStation");
        StationFinder* finder = w.stationFinder();
        QVERIFY(finder);
        finder->searchField()->setText(number);
        QTreeWidgetItem* row = RowNamed(finder, name);
        QVERIFY2(row, qPrintable(name));
        emit finder->results()->itemActivated(row, 0);
        QApplication::processEvents();

        const auto* box = w.findChild<QLineEdit*>(QStringLiteral("Text5_1"));
        QCOMPARE(box->text(), name);
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= ShownWidth(box),
                 qPrintable(QStringLiteral("%1 px wide").arg(ShownWidth(box))));
        QCOMPARE(box->toolTip(), caption);
        QCOMPARE(TextOf(w, QStringLiteral("AnalysisCaption")), caption);
        Trigger(w, "FindStation");
        finder->searchField()->clear();  // the recent sites
        QCOMPARE(finder->recentShown(), 1);
        QCOMPARE(finder->results()->topLevelItem(0)->text(3), name);
        QCOMPARE(w.findChild<QMenu*>(QStringLiteral("MRecentSites"))->actions().first()->statusTip(), caption);
    }

    // A site kept before the field named the service ("WMO 83897 1991-2020", INMET's station) is
    // named as its row in the finder and, analysed again, replaces itself in Recent sites.
    void siteKeptWithTheOldFieldIsNamedAsItsRow()
    {
        LocationTable kept = FirstLocations(DataSetKind::Brazil, 1);  // any months will do
        kept.Slot[1].LocationName = "Florianópolis";
        kept.Slot[1].DataSource = "WMO 83897 1991-2020";
        QSettings().setValue(QLatin1String(kRecentSitesKey), MonthlyData(kept));
        MainWindow w(kReferenceScreen);
        Trigger(w, "FindStation");
        StationFinder* finder = w.stationFinder();
        QCOMPARE(finder->results()->topLevelItem(0)->text(3), QStringLiteral("INMET 83897"));
        QTest::keyClick(finder->searchField(), Qt::Key_Return);
        QCOMPARE(TextOf(w, QStringLiteral("Text5_1")), QStringLiteral("INMET 83897"));
        QCOMPARE(w.recentSites().count(), 1);
        QCOMPARE(w.recentSites().newestFirst().front().DataSource, std::string("INMET 83897 1991-2020"));
    }
};

RegisterTest<StationSourceTest> registerStationSource;

}  // namespace qav::test

#include "station_source_test.moc"
