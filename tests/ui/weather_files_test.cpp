// Weather (EPW) files in the real window: each file a location, failures named, the switch
// between typical days and recorded hours, and the side-by-side shares of the results panel.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "core/recorded_analysis.h"
#include "core/results_table.h"
#include "data/epw_reader.h"
#include "tests/ui/ui_tests.h"
#include "tests/ui/window_test_helpers.h"

namespace qav::test {
namespace {

// A complete weather year of 8760 rows: a mild site with a yearly and a daily temperature wave
// and a humid winter. `rows` below 8760 makes a truncated file.
QString WriteWeatherYear(const QString& folder, const QString& fileName, const QString& city, int rows = kEpwYearHours)
{
    QByteArray text = "LOCATION," + city.toUtf8() + ",XX,Testland,TEST,000000,45.00,7.00,1.0,300.0\n"
                      "DESIGN CONDITIONS,0\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\n"
                      "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\nCOMMENTS 1,test\nCOMMENTS 2,test\n"
                      "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n";
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    constexpr double kPi = 3.14159265358979;
    int written = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= kDays[m - 1] && written < rows; ++d) {
            for (int h = 1; h <= 24 && written < rows; ++h, ++written) {
                const double t = 12 - 10 * std::cos(2 * kPi * (m - 1) / 12) - 5 * std::cos(2 * kPi * (h - 4) / 24);
                const double rh = 70 + 15 * std::cos(2 * kPi * (m - 1) / 12);
                text += QStringLiteral("1999,%1,%2,%3,60,A7A7,%4,%5,%6,97000,0,0,0\n")
                            .arg(m).arg(d).arg(h)
                            .arg(t, 0, 'f', 1).arg(t - 6, 0, 'f', 1).arg(rh, 0, 'f', 0)
                            .toLatin1();
            }
        }
    }
    const QString path = QDir(folder).filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) qFatal("cannot write %s", qPrintable(path));
    return path;
}

QAction* Action(MainWindow& w, const char* name) { return w.findChild<QAction*>(QString::fromLatin1(name)); }
QListWidget* Locations(MainWindow& w) { return w.findChild<QListWidget*>(QStringLiteral("List1")); }

bool ComparisonShown(const MainWindow& w)
{
    return !w.findChild<QLabel*>(QStringLiteral("ShareDisagreement"))->isHidden();
}

// The strategy shares that the panel's "% (time)" column shows.
void ExpectPanelShares(const MainWindow& w, const StrategyTally& tally)
{
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(TextOf(w, QStringLiteral("Label5_%1").arg(i)), ShareText(tally.YearShare[i], u'.'));
}

}  // namespace

class WeatherFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void chicagoShowsBothAnalysesSideBySide()
    {
        const QString chicago = QStringLiteral(QAV_SHARED_DIR "/epw/chicago.epw");
        if (!QFile::exists(chicago)) QSKIP("the sample weather files are not there");
        MainWindow w(kReferenceScreen);
        std::vector<RecordedBox> boxes;
        RecordBoxes(w, boxes);
        QVERIFY(!Action(w, "ViewRecorded")->isEnabled());  // Brasília has no recorded hours
        QVERIFY(!ComparisonShown(w));

        w.openWeatherFiles({chicago});
        QVERIFY(boxes.empty());
        QCOMPARE(Locations(w)->count(), 1);
        QCOMPARE(Locations(w)->item(0)->text(), QStringLiteral(" Chicago Ohare Intl Ap"));
        QCOMPARE(TextOf(w, QStringLiteral("Text5_1")), QStringLiteral("EPW"));
        const AnalysisState& s = w.state();
        QVERIFY(s.CurrentRecorded());
        QVERIFY(ComparisonShown(w));
        QVERIFY(Action(w, "ViewTypical")->isEnabled() && Action(w, "ViewRecorded")->isEnabled());
        QVERIFY(Action(w, "ViewTypical")->isChecked());

        // Typical, recorded and their difference for each strategy; the rounded shares
        // each add up to about 100 %.
        double typicalSum = 0, recordedSum = 0;
        for (int i = 1; i <= 10; ++i) {
            const QString typical = TextOf(w, QStringLiteral("TypicalShare_%1").arg(i));
            const QString recorded = TextOf(w, QStringLiteral("RecordedShare_%1").arg(i));
            QCOMPARE(typical, ShareText(s.Tally.YearShare[i], u'.'));
            QCOMPARE(recorded, ShareText(s.RecordedTally.YearShare[i], u'.'));
            const QString difference = TextOf(w, QStringLiteral("ShareDifference_%1").arg(i));
            if (!typical.isEmpty() || !recorded.isEmpty())
                QVERIFY2(std::abs(difference.toDouble() - (recorded.toDouble() - typical.toDouble())) < 0.051,
                         qPrintable(difference));
            typicalSum += typical.toDouble();
            recordedSum += recorded.toDouble();
        }
        QVERIFY(std::abs(typicalSum - 100) <= 0.6 && std::abs(recordedSum - 100) <= 0.6);
        ExpectPanelShares(w, s.Tally);
        const float disagreement = ShareDisagreement(s.Tally, s.RecordedTally);
        QVERIFY(disagreement > 0);  // a real year never matches the typical days exactly
        QCOMPARE(TextOf(w, QStringLiteral("ShareDisagreement")),
                 QStringLiteral("Methods differ on %1 % of the year").arg(FormatFixed(disagreement, 1, u'.')));

        // Recorded hours: the chart draws them, and the legend, the panel and the table show
        // the recorded shares; the side-by-side view stays.
        const QImage typicalChart = Snapshot(w).Chart;
        Trigger(w, "ViewRecorded");
        QCOMPARE(s.View, HoursView::Recorded);
        QVERIFY(Action(w, "ViewRecorded")->isChecked());
        QVERIFY(Snapshot(w).Chart != typicalChart);
        ExpectPanelShares(w, s.RecordedTally);
        QVERIFY(ComparisonShown(w));
        Trigger(w, "MCopTab");
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(ResultsTableText(s.Current(), s.RecordedTally, '.')));
        Trigger(w, "ViewTypical");
        QVERIFY(Snapshot(w).Chart == typicalChart);  // back to the same picture

        // A built-in set has no recorded hours: the switch is off and the view hidden.
        Trigger(w, "DataMun");
        QVERIFY(!Action(w, "ViewTypical")->isEnabled() && !Action(w, "ViewRecorded")->isEnabled());
        QVERIFY(Action(w, "ViewTypical")->isChecked());
        QVERIFY(!ComparisonShown(w));
        ExpectPanelShares(w, s.Tally);
    }

    void eachFileIsALocationAndFailuresAreNamed()
    {
        QTemporaryDir dir;
        const QString alpha = WriteWeatherYear(dir.path(), QStringLiteral("alpha.epw"), QStringLiteral("Alpha"));
        const QString cut = WriteWeatherYear(dir.path(), QStringLiteral("cut.epw"), QStringLiteral("Cut"), 100);
        const QString beta = WriteWeatherYear(dir.path(), QStringLiteral("beta.EPW"), QStringLiteral("Beta"));
        MainWindow w(kReferenceScreen);
        std::vector<RecordedBox> boxes;
        RecordBoxes(w, boxes);
        w.openWeatherFiles({alpha, cut, beta});
        QCOMPARE(Locations(w)->count(), 2);
        QCOMPARE(Locations(w)->item(0)->text(), QStringLiteral(" Alpha"));
        QCOMPARE(Locations(w)->item(1)->text(), QStringLiteral(" Beta"));
        QCOMPARE(w.state().CurrentLocation, 1);
        QVERIFY(!w.state().DataSetKind.ShowingBrazil);
        QCOMPARE(boxes.size(), size_t(1));
        const EpwResult read = ReadEpwFile(cut.toStdString());
        QVERIFY(read.failure);
        QVERIFY2(boxes[0].Text.contains(QStringLiteral("1 of 3 weather files could not be opened:\ncut.epw: ") +
                                        QString::fromStdString(read.failure->message)),
                 qPrintable(boxes[0].Text));

        // The second weather location has its own recorded hours.
        Locations(w)->item(1)->setSelected(true);
        QCOMPARE(w.state().CurrentLocation, 2);
        QVERIFY(w.state().CurrentRecorded());
        QVERIFY(Action(w, "ViewRecorded")->isEnabled());
    }

    void noReadableFileKeepsThePreviousAnalysis()
    {
        QTemporaryDir dir;
        const QString cut = WriteWeatherYear(dir.path(), QStringLiteral("cut.epw"), QStringLiteral("Cut"), 5000);
        const QString missing = dir.filePath(QStringLiteral("missing.epw"));
        MainWindow w(kReferenceScreen);
        std::vector<RecordedBox> boxes;
        RecordBoxes(w, boxes);
        const WindowSnapshot before = Snapshot(w);
        w.openWeatherFiles({cut, missing});
        QCOMPARE(boxes.size(), size_t(1));
        QVERIFY2(boxes[0].Text.startsWith(QStringLiteral("No weather file could be opened; the previous data are still shown.\n")),
                 qPrintable(boxes[0].Text));
        QVERIFY(boxes[0].Text.contains(QStringLiteral("\nmissing.epw: File not found\n")));
        ExpectSameWindow(Snapshot(w), before);
    }

    void atMostFiftyFilesAreOpened()
    {
        QTemporaryDir dir;
        const QString year = WriteWeatherYear(dir.path(), QStringLiteral("year.epw"), QStringLiteral("Year"));
        MainWindow w(kReferenceScreen);
        std::vector<RecordedBox> boxes;
        RecordBoxes(w, boxes);
        w.openWeatherFiles(QStringList(51, year));
        QCOMPARE(Locations(w)->count(), 50);
        QCOMPARE(boxes.size(), size_t(1));
        QVERIFY2(boxes[0].Text.contains(QStringLiteral("51 weather files were chosen")), qPrintable(boxes[0].Text));
        QVERIFY(boxes[0].Text.contains(QStringLiteral("only the first 50 were opened")));
    }

    void droppedWeatherFilesOpen()
    {
        QTemporaryDir dir;
        const QString alpha = WriteWeatherYear(dir.path(), QStringLiteral("alpha.epw"), QStringLiteral("Alpha"));
        const QString beta = WriteWeatherYear(dir.path(), QStringLiteral("beta.epw"), QStringLiteral("Beta"));
        const QString text = dir.filePath(QStringLiteral("QAVx.TXT"));
        MainWindow w(kReferenceScreen);
        QVERIFY(!DropFiles(w, {alpha, text}));  // weather and Monthly Data files at once
        QVERIFY(DropFiles(w, {alpha, beta}));
        QTRY_COMPARE(Locations(w)->count(), 2);
        QVERIFY(w.state().CurrentRecorded());
    }
};

namespace {
RegisterTest<WeatherFilesTest> registerWeatherFiles;
}

}  // namespace qav::test

#include "weather_files_test.moc"
