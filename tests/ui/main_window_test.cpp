// Drives the real main window: start-up, data-set commands, list selection by mouse and
// keyboard, the results panel, clipboard copies, help boxes, exit and the pixel density.
#include "tests/ui/window_test_helpers.h"

namespace qav::test {

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartAsFirstRun(); }

    void startsWithBrasiliaAnalysedAndNoEntryHighlighted()
    {
        MainWindow w(kReferenceScreen);
        QCOMPARE(w.windowTitle(), QStringLiteral("   Meridane  (QAV version %1)").arg(kShownVersion));
        QCOMPARE(Locations(w)->count(), 27);
        QVERIFY(Locations(w)->selectedItems().isEmpty());
        QCOMPARE(Locations(w)->item(4)->text(), QStringLiteral(" Brasília"));
        QCOMPARE(w.state().CurrentLocation, 5);
        QVERIFY(w.state().DataSetKind.ShowingBrazil);
        // Brazil slot 5 (every figure of it: the built-in sets' test) in the panel's fields.
        struct Field {
            const char* name;
            const char* text;
        };
        for (Field f :
             {Field{"Text5_0", " Brasília (Brazil)"}, Field{"Text5_1", "GOV"}, Field{"Text1_0", "-15.8"},
              Field{"Text3_0", "1160"}, Field{"Text1_1", "17.4"}, Field{"Text2_1", "26.9"}, Field{"Text3_1", "76"}})
            QVERIFY2(TextOf(w, QString::fromLatin1(f.name)) == QString::fromUtf8(f.text), f.name);
        // The strategy rows top to bottom (row 1 is the column heading) and their shares.
        const char* captions[] = {"Artificial heating ", "Solar heating ",   "Thermal inertia ",
                                  "Air humidification ", "Thermal confort ", "Ventilation ",
                                  "Night ventilation ",  "Thermal inertia ", "Evaporative cooling ",
                                  "Artificial cooling "};
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(TextOf(w, QStringLiteral("Label1_%1").arg(i == 1 ? 0 : i)), QString::fromLatin1(captions[i - 1]));
        ExpectPanelShares(w, w.state().Tally);
        // A share below 0.1 % shows empty, 0.1 % itself does not.
        QCOMPARE(ShareText(0.09f, u'.') + ShareText(0.1f, u'.') + ShareText(12.3f, u','), QStringLiteral("0.112,3"));
    }

    // Each set loads and analyses its slot 1; the set already shown brings the information box
    // (a real modal box, closed from here) and changes nothing.
    void dataSetCommandsLoadTheirSetOrSayItIsShown()
    {
        MainWindow w(kReferenceScreen);
        Show(w);
        struct Step {
            const char* command;
            int entries, current;
            bool box;
        };
        for (Step s : {Step{"DataBras", 27, 5, true}, Step{"DataMun", 50, 1, false}, Step{"DataMun", 50, 1, true},
                       Step{"DataAmer", 13, 1, false}, Step{"DataBras", 27, 1, false}}) {
            const QStringList before = Snapshot(w);
            std::optional<RecordedBox> seen;
            BoxCloser closer(seen);
            Trigger(w, s.command);  // returns once the box is closed
            QVERIFY2(seen.has_value() == s.box, s.command);
            QCOMPARE(Locations(w)->count(), s.entries);
            QCOMPARE(w.state().CurrentLocation, s.current);
            QVERIFY(Locations(w)->selectedItems().isEmpty());
            QCOMPARE(TextOf(w, QStringLiteral("Text5_0")), Heading(w.state().Current()));
            if (!s.box) continue;
            QCOMPARE(seen->Icon, QMessageBox::Information);
            QCOMPARE(seen->Buttons, 1);
            QCOMPARE(seen->Text,
                     QStringLiteral("The data are already being presented.\nSelect any city of the list.\n"));
            QCOMPARE(Snapshot(w), before);
        }
    }

    // A click, the arrow keys and Enter analyse the entry they select; the copy commands fill
    // the clipboard.
    void listSelectsByMouseAndKeyboardAndCopies()
    {
        MainWindow w(kReferenceScreen);
        Show(w);
        // The copy commands fill the clipboard; the table with the locale's decimal separator
        // (its lines: the results table's test).
        QClipboard* clipboard = QGuiApplication::clipboard();
        Trigger(w, "CopGraf");  // the copied chart: the working window's test
        QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), Picture(w, "Picture3"));
        QVERIFY(clipboard->text().isEmpty());  // each copy empties the clipboard first
        Trigger(w, "MCopTab");
        QVERIFY(clipboard->text().contains(QStringLiteral("\n1,17.4,26.9,76\n")));

        QListWidget* list = Locations(w);
        const QImage brasilia = Picture(w, "Picture1");
        ClickRow(list, 2);
        QCOMPARE(w.state().CurrentLocation, 3);
        QVERIFY(list->item(2)->isSelected());
        QCOMPARE(TextOf(w, QStringLiteral("Text5_0")), Heading(w.state().Locations.Slot[3]));
        QVERIFY(Picture(w, "Picture1") != brasilia);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(w.state().CurrentLocation, 4);
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(w.state().CurrentLocation, 27);
        list->setCurrentRow(6, QItemSelectionModel::NoUpdate);  // focused but not highlighted
        QCOMPARE(w.state().CurrentLocation, 27);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w.state().CurrentLocation, 7);

        // Under a locale with a decimal comma the fields and the copied table use it.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindow german(kReferenceScreen);
        QCOMPARE(TextOf(german, QStringLiteral("Text1_0")), QStringLiteral("-15,8"));
        Trigger(german, "MCopTab");
        QVERIFY(clipboard->text().contains(QStringLiteral("\n1;17,4;26,9;76\n")));
    }

    // Real modal boxes, closed from here: fixed lines, the method's published source, no invented
    // address.
    void helpBoxesShowTheirTexts()
    {
        MainWindow w(kReferenceScreen);
        Show(w);
        const QString format = QStringLiteral("  QAV %1    Monthly Data (MD) File Format").arg(kShownVersion);
        const QStringList formatLines{"\nFile name: QAV + Title + .TXT\n",
                                      "\nLine 2 to line 13 = Month, DBTmin, DBTmax, RHavg\n"};
        struct Row {
            const char* command;
            QString title;
            QStringList parts;
        };
        for (const Row& r :
             {Row{"AboutFiles", format, formatLines}, Row{"AbFiles", format, formatLines},
              Row{"AboutME",
                  "  About QAV " + kShownVersion,
                  {"QAV     Meridane\n", "Givoni", "Energy and Buildings", "(GPL-3.0-or-later)", "vol. 18", "pp. 11-23",
                   "The QAV developers", "\ne-mail: "}},
              Row{"AbTurk",
                  "  QAV " + kShownVersion + "     About Climatic Data",
                  {"INMET's climatological normals 1961-1990\n", "within 0.2 °C", "Palmas has no 1961-1990 normal",
                   "mixed periods,\nmostly within 1 °C", "stations of 1991-2020"}}}) {
            std::optional<RecordedBox> seen;
            BoxCloser closer(seen);
            Trigger(w, r.command);
            QVERIFY2(seen && seen->Icon == QMessageBox::Information, r.command);
            QCOMPARE(seen->Title, r.title);
            for (const QString& part : r.parts) QVERIFY2(seen->Text.contains(part), qPrintable(part));
            QVERIFY(seen->Text.endsWith(u'\n') && !seen->Text.contains(u'\r') && !seen->Text.contains(u'@'));
        }
        QCOMPARE(w.state().CurrentLocation, 5);
    }

    void bothExitCommandsCloseTheWindow()
    {
        for (const char* command : {"MExit", "GoOut"}) {
            MainWindow w(kReferenceScreen);
            Show(w);
            Trigger(w, command);
            QVERIFY2(!w.isVisible(), command);
        }
    }
};

namespace {
RegisterTest<MainWindowTest> registerMainWindow;
}

}  // namespace qav::test

#include "main_window_test.moc"
