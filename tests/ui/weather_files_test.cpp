// Weather (EPW) files in the real window: each file a location, failures named, the switch
// between typical days and recorded hours, and the side-by-side shares of the results panel.
#include "data/epw_reader.h"
#include "tests/ui/window_test_helpers.h"

namespace qav::test {
namespace {

// The Chicago year under another site's name and elevation: a second location with hours of its own.
QString WriteSecondSite(const QString& folder)
{
    QList<QByteArray> lines = Contents(kChicago).split('\n');
    lines[0] = "LOCATION,Testburg,BW,DEU,TRY,000000,49.52,8.55,1.0,96.0";
    return WriteFile(folder, QStringLiteral("testburg.epw"), lines.join('\n'));
}

// The header and the first `rows` hours of the Chicago year: a truncated file.
QString WriteTruncated(const QString& folder, int rows)
{
    return WriteFile(folder, QStringLiteral("cut.epw"),
                     Contents(kChicago).split('\n').mid(0, 8 + rows).join('\n') + '\n');
}

QAction* Action(MainWindow& w, const char* name) { return w.findChild<QAction*>(QString::fromLatin1(name)); }

bool ComparisonShown(const MainWindow& w)
{
    return !w.findChild<QLabel*>(QStringLiteral("ShareDisagreement"))->isHidden();
}

}  // namespace

class WeatherFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartAsFirstRun(); }

    void chicagoShowsBothAnalysesSideBySide()
    {
        MainWindow w(kReferenceScreen);
        BoxLog boxes(w);
        QVERIFY(!Action(w, "ViewRecorded")->isEnabled() && !ComparisonShown(w));  // Brasília has no recorded hours

        w.openWeatherFiles({kChicago});
        QVERIFY(boxes.empty());
        QCOMPARE(Locations(w)->count(), 1);
        QCOMPARE(Locations(w)->item(0)->text(), QStringLiteral(" Chicago Ohare Intl Ap"));
        QCOMPARE(TextOf(w, QStringLiteral("Text5_1")), QStringLiteral("EPW"));
        const AnalysisState& s = w.state();
        QVERIFY(s.CurrentRecorded() && ComparisonShown(w));
        QVERIFY(Action(w, "ViewTypical")->isEnabled() && Action(w, "ViewRecorded")->isEnabled());
        QVERIFY(Action(w, "ViewTypical")->isChecked());

        // Typical, recorded and their difference, as the report gives them for A.
        QCOMPARE(TextOf(w, QStringLiteral("TypicalShare_1")) + u'|' + TextOf(w, QStringLiteral("RecordedShare_1")) +
                     u'|' + TextOf(w, QStringLiteral("ShareDifference_1")),
                 QStringLiteral("44.6|39.8|-4.8"));
        ExpectPanelShares(w, s.Tally);
        QCOMPARE(TextOf(w, QStringLiteral("ShareDisagreement")),
                 QStringLiteral("Methods differ on 6.4 % of the year"));  // as qav-cli's

        // Recorded hours: chart, panel, month table and clipboard use the recorded tally.
        const QImage typicalChart = Picture(w, "Picture1");
        Trigger(w, "ViewRecorded");
        QCOMPARE(s.View, HoursView::Recorded);
        QVERIFY(Picture(w, "Picture1") != typicalChart);
        // The hours drawn held at the chart's left edge are counted under it (the pictures leave it out).
        QCOMPARE(TextOf(w, QStringLiteral("ChartNotes")), QString::fromUtf8("64 recorded hours are colder than \u2212"
                                                                            "18\u00a0°C, the chart's edge"));
        QVERIFY(ComparisonShown(w));
        ExpectPanelShares(w, s.RecordedTally);
        ExpectMonthTable(w, s.RecordedTally);
        Trigger(w, "MCopTab");
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            QStringLiteral("\nBioclimatic Strategies (recorded hours)\n")));
        Trigger(w, "ViewTypical");
        QVERIFY(Picture(w, "Picture1") == typicalChart);
        QVERIFY(w.findChild<QLabel*>(QStringLiteral("ChartNotes"))->isHidden());

        // A built-in set has no recorded hours: the switch is off and the view hidden.
        Trigger(w, "DataMun");
        QVERIFY(!Action(w, "ViewTypical")->isEnabled() && !Action(w, "ViewRecorded")->isEnabled());
        QVERIFY(Action(w, "ViewTypical")->isChecked() && !ComparisonShown(w));
        ExpectPanelShares(w, s.Tally);
    }

    // Each readable file becomes a location, at most 50; the others are named with the reason;
    // with none readable the previous analysis stays.
    void eachFileIsALocationAndFailuresAreNamed()
    {
        QTemporaryDir dir;
        const QString cut = WriteTruncated(dir.path(), 100);
        const QString second = WriteSecondSite(dir.path());
        MainWindow w(kReferenceScreen);
        BoxLog boxes(w);
        w.openWeatherFiles({kChicago, cut, second});
        QCOMPARE(Locations(w)->count(), 2);
        QCOMPARE(Locations(w)->item(1)->text(), QStringLiteral(" Testburg"));
        QCOMPARE(w.state().CurrentLocation, 1);
        QVERIFY(!w.state().DataSetKind.ShowingBrazil);
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].Text, QStringLiteral("1 of 3 weather files could not be opened:\n\n%1\n"
                                               "The file holds 100 hourly rows; a weather year has 8760.\n"
                                               "Err code 46\n")
                                    .arg(QDir::toNativeSeparators(cut)));
        Locations(w)->item(1)->setSelected(true);  // the second location has its own recorded hours
        QCOMPARE(w.state().CurrentLocation, 2);
        QVERIFY(w.state().CurrentRecorded() && Action(w, "ViewRecorded")->isEnabled());

        boxes.clear();
        w.openWeatherFiles(QStringList(51, second));
        QCOMPARE(Locations(w)->count(), 50);
        QCOMPARE(boxes.size(), size_t(1));
        QVERIFY2(boxes[0].Text.contains(QStringLiteral("51 weather files were chosen")) &&
                     boxes[0].Text.contains(QStringLiteral("only the first 50 were opened")),
                 qPrintable(boxes[0].Text));

        // When no file can be read, the previous analysis stays exactly as it was.
        boxes.clear();
        const QStringList before = Snapshot(w);
        w.openWeatherFiles({cut, dir.filePath(QStringLiteral("missing.epw"))});
        QCOMPARE(boxes.size(), size_t(1));
        QVERIFY2(boxes[0].Text.startsWith(
                     QStringLiteral("No weather file could be opened; the previous data are still shown.\n")),
                 qPrintable(boxes[0].Text));
        QVERIFY(
            boxes[0].Text.endsWith(QStringLiteral("\n%1\nFile not found.\nErr code 1\n")
                                       .arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("missing.epw"))))));
        QCOMPARE(Snapshot(w), before);
    }
};

namespace {
RegisterTest<WeatherFilesTest> registerWeatherFiles;
}

}  // namespace qav::test

#include "weather_files_test.moc"
