// What the window tells and remembers: the status bar, the list following the analysis, memory
// between runs, files given on the command line, a location cut short, the recorded-hours marks
// and the names screen readers hear.

#include "ui/export_actions.h"
#include "ui/recent_files.h"
#include "tests/ui/window_test_helpers.h"

namespace qav::test {
namespace {

QString WriteMonthly(const QString& folder, const QString& name, DataSetKind kind, int count)
{
    return WriteFile(folder, name, MonthlyData(FirstLocations(kind, count)));
}

QStringList StatusTexts(const MainWindow& w)
{
    QStringList texts;
    for (const char* name : {"StatusSource", "StatusLocation", "StatusHours", "StatusBasis"})
        texts << TextOf(w, QString::fromLatin1(name));
    return texts;
}

int SlotNamed(const MainWindow& w, const char* name)
{
    for (int slot = 1; slot <= w.state().Locations.LocationCount; ++slot)
        if (w.state().Locations.Slot[slot].LocationName == name) return slot;
    return 0;
}

}  // namespace

class WorkingWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartAsFirstRun(); }

    // The source (with its path in a tooltip), the location, the mode and the analysis basis; the
    // list has the focus.
    void statusBarAndListFollowTheAnalysis()
    {
        QTemporaryDir dir;
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(StatusTexts(w), (QStringList{"Data set: Brazil", "Location: Brasília (Brazil)", "Typical days",
                                              "Analysed at the reference screen"}));
        QCOMPARE(QApplication::focusWidget(), Locations(w));
        QTest::keyClick(Locations(w), Qt::Key_Down);  // from Brasília to the entry after it
        QCOMPARE(w.state().CurrentLocation, 6);
        // Typed letters find a name after its leading blank; a pause starts a new search.
        for (auto [typed, name] : {std::pair{"Rio ", "Rio Branco"}, {"rio d", "Rio de Janeiro"}, {"be", "Belém"}}) {
            QTest::keyClicks(Locations(w), QString::fromLatin1(typed));
            QCOMPARE(w.state().CurrentLocation, SlotNamed(w, name));
            QTest::qWait(QApplication::keyboardInputInterval() + 100);
        }

        Trigger(w, "DataMun");
        QCOMPARE(TextOf(w, QStringLiteral("StatusSource")), QStringLiteral("Data set: World"));

        const QString file = WriteMonthly(dir.path(), QStringLiteral("QAVtwo.TXT"), DataSetKind::SouthAmerica, 2);
        w.openMonthlyDataFile(file);
        QCOMPARE(TextOf(w, QStringLiteral("StatusSource")), QStringLiteral("File: QAVtwo.TXT"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("StatusSource"))->toolTip(), file);
    }

    // Files opened are listed newest first, at most eight, and reopen from the menu; folders,
    // the hours view and the recent files outlive the window.
    void recentFilesAndSettingsOutliveTheWindow()
    {
        QTemporaryDir dir;
        {
            MainWindow w(kReferenceScreen);
            for (int i = 1; i <= 9; ++i)
                w.openMonthlyDataFile(
                    WriteMonthly(dir.path(), QStringLiteral("QAV%1.TXT").arg(i), DataSetKind::World, i));
            w.openWeatherFiles({kChicago});
            w.showRecordedHours();
        }
        MainWindow w(kReferenceScreen);
        RecentFiles* recent = w.findChild<RecentFiles*>();
        QCOMPARE(recent->files().size(), 8);
        QCOMPARE(recent->files()[0], kChicago);
        QCOMPARE(recent->files()[1], QDir(dir.path()).filePath(QStringLiteral("QAV9.TXT")));
        QCOMPARE(recent->files()[7], QDir(dir.path()).filePath(QStringLiteral("QAV3.TXT")));
        QCOMPARE(QSettings().value(QStringLiteral("files/chooserFolder")).toString(), dir.path());
        Trigger(w, "MRecent_2");
        QCOMPARE(w.state().Locations.LocationCount, 9);
        Trigger(w, "MRecent_1");  // Chicago again, in the recorded-hours view left last time
        QVERIFY(w.state().ShowsRecordedHours());
        QCOMPARE(TextOf(w, QStringLiteral("StatusHours")), QStringLiteral("Recorded hours"));
    }

    // `qav FILE...`: a file that fails is reported with its name and the others load.
    void filesFromTheCommandLineOpenAsADropWould()
    {
        QTemporaryDir dir;
        const QString good = WriteMonthly(dir.path(), QStringLiteral("QAVgood.TXT"), DataSetKind::Brazil, 3);
        const QString bad = WriteFile(dir.path(), QStringLiteral("QAVbad.TXT"), "\"X\",\"Y\",abc,0,0,\"Z\"\n");
        MainWindow w(kReferenceScreen);
        BoxLog boxes(w);
        w.openFiles({good, bad});
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].Icon, QMessageBox::Warning);
        QCOMPARE(boxes[0].Text,
                 QStringLiteral("%1\n'abc' is not a number.\nLine 1, field 3 (Latitude), location 1 (X).\n"
                                "Err code 20\n")
                     .arg(QDir::toNativeSeparators(bad)));
        QCOMPARE(w.state().Locations.LocationCount, 3);
        w.openFiles({kChicago});
        QCOMPARE(w.state().Locations.Slot[1].DataSource, std::string("EPW"));
        QCOMPARE(boxes.size(), size_t(1));
    }

    // A file cut inside its last location loads the others and says which was left out, where;
    // one of more than 50 locations says from which line how much was left out.
    void aLocationCutShortOrBeyondTheFiftiethIsNamed()
    {
        QTemporaryDir dir;
        QByteArray bytes = MonthlyData(FirstLocations(DataSetKind::Brazil, 3));
        bytes.chop(bytes.size() - bytes.indexOf('\n', bytes.indexOf("\"Belo") + 1) - 1);  // 3rd: its first line only
        const QString path = WriteFile(dir.path(), QStringLiteral("QAVcut.TXT"), bytes);
        MainWindow w(kReferenceScreen);
        w.openMonthlyDataFile(path);
        QCOMPARE(w.state().Locations.LocationCount, 2);
        const QString note = QStringLiteral(
            "QAVcut.TXT: Location 3 (Belo Horizonte) ends at line 27 after 6 of "
            "its 54 fields; it was left out.");
        // Whole under the chart and in the status bar's tooltip, which shows it cut short.
        for (const char* shown : {"ResultsNote", "ChartNotes"}) QCOMPARE(TextOf(w, QLatin1String(shown)), note);
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("StatusWarning"))->toolTip(), note);
        Trigger(w, "DataBras");
        QCOMPARE(TextOf(w, QStringLiteral("ResultsNote")), QString());

        // A 51st location has no slot: the first 50 load, and the note says what was left out.
        w.openMonthlyDataFile(WriteFile(dir.path(), QStringLiteral("QAV51.TXT"),
                                        MonthlyData(FirstLocations(DataSetKind::World, 50)) + bytes));
        QCOMPARE(w.state().Locations.LocationCount, 50);
        const QString left = QStringLiteral(
            "QAV51.TXT: Only 50 locations are read; left out from line 651 on: 2 more "
            "locations and 6 fields.");
        for (const char* shown : {"ResultsNote", "ChartNotes"}) QCOMPARE(TextOf(w, QLatin1String(shown)), left);
    }

    // In recorded-hours mode the copied chart is the one shown and the pictures' caption says so
    // (the exports' and the copied table's marks: the pipeline's and the weather files' tests).
    void recordedHoursAreMarkedInEveryOutput()
    {
        MainWindow w(kReferenceScreen);
        w.openWeatherFiles({kChicago});
        const QImage typical = Picture(w, "Picture1");
        w.showRecordedHours();
        Trigger(w, "MCopChart");
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), Picture(w, "Picture1"));
        QVERIFY(Picture(w, "Picture1") != typical);
        const QString svg = QString::fromUtf8(RenderPictureFile(PictureKind::Chart, w.state(), PictureFormat::Svg));
        // The caption wraps to the legend's width.
        QVERIFY(svg.contains(QStringLiteral(">Recorded hours (8760 h of the<")) &&
                svg.contains(QStringLiteral(">weather file)<")));
        w.showTypicalDays();
        QCOMPARE(TextOf(w, QStringLiteral("StatusHours")), QStringLiteral("Typical days"));
    }

    // Names for screen readers, the chart describing the location and its three largest shares;
    // the help says how to use the program.
    void controlsCarryAccessibleNamesAndHelpSaysHowToUseTheProgram()
    {
        MainWindow w(kReferenceScreen);
        QCOMPARE(Locations(w)->accessibleName(), QStringLiteral("Locations"));
        QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("Text1_1"))->accessibleName(),
                 QStringLiteral("January, mean minimum temperature, degrees Celsius"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label5_8"))->accessibleName(),
                 QStringLiteral("Thermal inertia for cooling, percent of the time"));
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("Label1_3"))->toolTip().isEmpty());
        QVERIFY(w.findChild<QLabel*>(QStringLiteral("Label1_3"))->toolTip() !=
                w.findChild<QLabel*>(QStringLiteral("Label1_8"))->toolTip());
        const auto* chart = w.findChild<CanvasView*>(QStringLiteral("Picture1"));
        QCOMPARE(chart->accessibleName(), QStringLiteral("Bioclimatic chart"));
        QCOMPARE(chart->accessibleDescription(),
                 QStringLiteral("Brasília (Brazil): Thermal Comfort 36.8 %, "
                                "Solar Heating 30.2 %, Thermal Inertia (Heating) 28.0 %"));
        QCOMPARE(w.findChild<CanvasView*>(QStringLiteral("Picture3"))->accessibleName(),
                 QStringLiteral("Monthly climate graph"));
        for (const QLineEdit* field : w.findChildren<const QLineEdit*>())
            QVERIFY2(!field->accessibleName().isEmpty() || !field->isVisibleTo(&w), qPrintable(field->objectName()));
        Trigger(w, "UsingQav");
        auto* text = w.findChild<QTextBrowser*>(QStringLiteral("UsingQavText"));
        QVERIFY(text && text->isVisible());
        for (const char* part :
             {"J Artificial cooling", "C also count for B", "weather file", "reference screen", "qav-cli"})
            QVERIFY2(text->toPlainText().contains(QString::fromLatin1(part)), part);
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("UsingQav"))->shortcut(),
                 QKeySequence(QKeySequence::HelpContents));
    }
};

namespace {
RegisterTest<WorkingWindowTest> registerWorkingWindow;
}

}  // namespace qav::test

#include "working_window_test.moc"
