// Drives the real main window: start-up, data-set commands, list selection by mouse and
// keyboard, the results panel, clipboard copies, help boxes, exit and the layout.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <optional>

#include "classify/raster_canvas.h"
#include "core/pipeline.h"
#include "tests/ui/ui_tests.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/canvas_view.h"
#include "ui/help_texts.h"
#include "ui/main_window.h"
#include "ui/results_panel.h"

namespace qav::test {
namespace {

QString Caption(const QAction* action)
{
    QString text = action->text();
    return text.remove(u'&');
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void startsWithBrasiliaAnalysedAndNoEntryHighlighted()
    {
        MainWindow w(kReferenceScreen);
        QCOMPARE(w.windowTitle(), QStringLiteral("   Meridane  (QAV version 1.3)"));
        auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
        QVERIFY(list);
        QCOMPARE(list->count(), 27);
        QVERIFY(list->selectedItems().isEmpty());
        for (int i = 0; i < list->count(); ++i) QVERIFY(list->item(i)->text().startsWith(u' '));
        QCOMPARE(list->item(4)->text(), QStringLiteral(" Brasília"));
        QCOMPARE(w.state().CurrentLocation, 5);
        QVERIFY(w.state().DataSetKind.ShowingBrazil);
        QCOMPARE(TextOf(w, QStringLiteral("Label2")), QStringLiteral("Click a location to see the bioclimatic analysis"));
    }

    void resultsPanelShowsBrasilia()
    {
        MainWindow w(kReferenceScreen);
        struct Field { const char* name; const char* text; };
        // Brazil slot 5 as published: January 17.4/26.9 C, 76 %; February 17.4/26.7 C, 77 %.
        for (Field f : {Field{"Text5_0", " Brasília (Brazil)"}, Field{"Text5_1", "GOV"}, Field{"Text1_0", "-15.8"},
                        Field{"Text2_0", "-47.9"}, Field{"Text3_0", "1160"}, Field{"Text1_1", "17.4"},
                        Field{"Text2_1", "26.9"}, Field{"Text3_1", "76"}, Field{"Text1_2", "17.4"},
                        Field{"Text2_2", "26.7"}, Field{"Text3_2", "77"}}) {
            QVERIFY2(TextOf(w, QString::fromLatin1(f.name)) == QString::fromUtf8(f.text), f.name);
        }
        for (int m = 1; m <= 12; ++m) {
            const MonthlyNormals& n = w.state().Current().Month[m];
            QCOMPARE(TextOf(w, QStringLiteral("Text1_%1").arg(m)), FormatFixed(n.DBTmin, 1, u'.'));
            QCOMPARE(TextOf(w, QStringLiteral("Text3_%1").arg(m)), FormatFixed(n.RHavg, 0, u'.'));
        }
        // Captions of the strategy rows, top to bottom, as the panel words them.
        const char* captions[] = {"Artificial heating ", "Solar heating ", "Thermal inertia ",
                                  "Air humidification ", "Thermal confort ", "Ventilation ",
                                  "Night ventilation ", "Thermal inertia ", "Evaporative cooling ",
                                  "Artificial cooling "};
        const int captionIndex[] = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        double shown = 0;
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(TextOf(w, QStringLiteral("Label1_%1").arg(captionIndex[i - 1])), QString::fromLatin1(captions[i - 1]));
            const QString share = TextOf(w, QStringLiteral("Label5_%1").arg(i));
            QCOMPARE(share, ShareText(w.state().Tally.YearShare[i], u'.'));
            shown += share.toDouble();
        }
        QVERIFY2(std::abs(shown - 100) <= 0.6, qPrintable(QString::number(shown)));  // rounded shares
        QCOMPARE(TextOf(w, QStringLiteral("Label5_0")), QStringLiteral("% (time)"));
        QCOMPARE(TextOf(w, QStringLiteral("Label1_1")), QStringLiteral("Strategy"));
    }

    void resultsPanelAndTableUseTheLocalesDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindow w(kReferenceScreen);
        QCOMPARE(TextOf(w, QStringLiteral("Text1_0")), QStringLiteral("-15,8"));
        QCOMPARE(TextOf(w, QStringLiteral("Text3_0")), QStringLiteral("1160"));  // no grouping
        Trigger(w, "MCopTab");
        const QString table = QGuiApplication::clipboard()->text();
        QVERIFY2(table.contains(QStringLiteral("\nBrasília,Brazil,GOV,-15,78,-47,93,1160\n")), qPrintable(table));
        QVERIFY(table.contains(QStringLiteral("\n1,17,4,26,9,76\n")));
    }

    void menuBarHoldsEveryCommandInOrder()
    {
        MainWindow w(kReferenceScreen);
        // name, caption; "-" is a separator, ">" opens the submenu named after it.
        struct Item { const char* name; const char* caption; };
        struct Menu { const char* name; const char* caption; std::vector<Item> items; };
        const std::vector<Menu> menus{
            {"MFile", "File",
             {{"MOpen", "Open climatic file"}, {"MOpenEpw", "Open weather file (EPW)…"},
              {"AbFiles", "About climatic files"}, {"-", ""},
              {"MenData", "Climatic data base"}, {"AbTurk", "About this data"}, {"-", ""},
              {"MSaveChart", "Save chart as…"}, {"MSaveGraph", "Save graph as…"},
              {"MExportResults", "Export results…"}, {"MExportHours", "Export hourly table…"}, {"-", ""},
              {"MExit", "Exit"}}},
            {"MCop", "Copy", {{"MCopChart", "Chart"}, {"CopGraf", "Graphic"}, {"MCopTab", "Tabel"}}},
            {"MView", "View",
             {{"ViewTypical", "Typical days"}, {"ViewRecorded", "Recorded hours"}, {"-", ""},
              {"ViewMonthStrategy", "Hours per month and strategy"}}},
            {"MHelp", "Help", {{"AboutFiles", "Monthly Climatic Files"}, {"AboutME", "About QAV 1.3"}}},
            {"MenData", "Climatic data base",
             {{"DataBras", "Brazil"}, {"DataAmer", "South America"}, {"DataMun", "World"}}},
        };
        for (const Menu& m : menus) {
            auto* menu = w.findChild<QMenu*>(QString::fromLatin1(m.name));
            QVERIFY2(menu, m.name);
            QCOMPARE(Caption(menu->menuAction()), QString::fromLatin1(m.caption));
            const QList<QAction*> actions = menu->actions();
            QCOMPARE(actions.size(), qsizetype(m.items.size()));
            QSet<QChar> mnemonics;
            for (int i = 0; i < actions.size(); ++i) {
                const Item& item = m.items[size_t(i)];
                QAction* a = actions[i];
                if (std::string_view(item.name) == "-") {
                    QVERIFY2(a->isSeparator(), m.name);
                    continue;
                }
                const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
                QCOMPARE(name, QString::fromLatin1(item.name));
                QCOMPARE(Caption(a), QString::fromUtf8(item.caption));
                // Every item has its own mnemonic within its menu.
                const int amp = a->text().indexOf(u'&');
                QVERIFY2(amp >= 0, item.name);
                QVERIFY2(!mnemonics.contains(a->text().at(amp + 1).toLower()), item.name);
                mnemonics.insert(a->text().at(amp + 1).toLower());
            }
        }
        const QList<QAction*> bar = w.menuBar()->actions();
        QCOMPARE(bar.size(), 5);
        QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("MFile"));
        QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("MCop"));
        QCOMPARE(bar[2]->menu()->objectName(), QStringLiteral("MView"));
        QCOMPARE(bar[3]->menu()->objectName(), QStringLiteral("MHelp"));
        QCOMPARE(bar[4]->objectName(), QStringLiteral("GoOut"));
        QCOMPARE(Caption(bar[4]), QStringLiteral("Exit"));
        QVERIFY(!bar[4]->menu());
    }

    void choosingTheSetShownBringsTheInformationBoxAndChangesNothing()
    {
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        std::optional<RecordedBox> seen;
        BoxCloser closer(seen);
        Trigger(w, "DataBras");  // returns once the box is closed
        QVERIFY(seen);
        QCOMPARE(seen->Icon, QMessageBox::Information);
        QCOMPARE(seen->Text, QStringLiteral("The data are already being presented.\nSelect any city of the list.\n"));
        QCOMPARE(seen->Buttons, 1);
        auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
        QCOMPARE(list->count(), 27);
        QCOMPARE(w.state().CurrentLocation, 5);
        QVERIFY(list->selectedItems().isEmpty());
    }

    void dataSetCommandsLoadTheirSetAndAnalyseSlotOne()
    {
        MainWindow w(kReferenceScreen);
        std::vector<QString> boxes;
        w.setMessageSink([&](QMessageBox::Icon, const QString&, const QString& text) { boxes.push_back(text); });
        auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
        struct Step { const char* command; int entries; bool box; };
        for (Step s : {Step{"DataMun", 50, false}, Step{"DataMun", 50, true}, Step{"DataAmer", 13, false},
                       Step{"DataBras", 27, false}, Step{"DataBras", 27, true}}) {
            boxes.clear();
            Trigger(w, s.command);
            QVERIFY2(boxes.size() == (s.box ? 1u : 0u), s.command);
            QCOMPARE(list->count(), s.entries);
            QCOMPARE(w.state().Locations.LocationCount, s.entries);
            QCOMPARE(w.state().CurrentLocation, 1);
            QVERIFY(list->selectedItems().isEmpty());
            const LocationRecord& first = w.state().Locations.Slot[1];
            QCOMPARE(TextOf(w, QStringLiteral("Text5_0")),
                     QStringLiteral(" %1 (%2)").arg(QString::fromStdString(first.LocationName),
                                                    QString::fromStdString(first.Country)));
            QCOMPARE(list->item(0)->text(), u' ' + QString::fromStdString(first.LocationName));
        }
    }

    void clickingTheThirdEntryAnalysesSlotThree()
    {
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
        auto* chart = w.findChild<CanvasView*>(QStringLiteral("Picture1"));
        const QImage before = chart->image().copy();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QCOMPARE(w.state().CurrentLocation, 3);
        QVERIFY(list->item(2)->isSelected());
        const LocationRecord& slot3 = w.state().Locations.Slot[3];
        QCOMPARE(TextOf(w, QStringLiteral("Text5_0")),
                 QStringLiteral(" %1 (%2)").arg(QString::fromStdString(slot3.LocationName),
                                                QString::fromStdString(slot3.Country)));
        QVERIFY(chart->image() != before);  // the chart was redrawn for slot 3
    }

    void keyboardDrivesTheSameSelection()
    {
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.state().CurrentLocation, 5);  // giving the list focus analyses nothing
        QTest::keyClick(list, Qt::Key_Down);
        const int first = w.state().CurrentLocation;
        QVERIFY(first == 1 || first == 2);  // the focus may already have made entry 1 current
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(w.state().CurrentLocation, first + 1);
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(w.state().CurrentLocation, 27);
        QCOMPARE(TextOf(w, QStringLiteral("Text5_0")),
                 QStringLiteral(" %1 (Brazil)").arg(QString::fromStdString(w.state().Locations.Slot[27].LocationName)));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w.state().CurrentLocation, 27);
    }

    void enterOnTheFocusedEntryAnalysesIt()
    {
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
        list->setCurrentRow(6, QItemSelectionModel::NoUpdate);  // focused but not highlighted
        QCOMPARE(w.state().CurrentLocation, 5);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w.state().CurrentLocation, 7);
    }

    void tabelCopiesTheResultsTableWithLineFeeds()
    {
        MainWindow w(kReferenceScreen);
        Trigger(w, "MCopTab");
        const QString table = QGuiApplication::clipboard()->text();
        // The table's beginning for Brazil slot 5, as published with the data set.
        const QString head = QStringLiteral(
            "QAV - Meridane\n\nLocation, Country, Data Source, Latitude, Longitude, Elevation\n"
            "Brasília,Brazil,GOV,-15.78,-47.93,1160\n\nMonth, DBTmin, DBTmax, RHavg\n"
            "1,17.4,26.9,76\n2,17.4,26.7,77\n");
        QVERIFY2(table.startsWith(head), qPrintable(table));
        QVERIFY(!table.contains(u'\r'));
        QVERIFY(table.endsWith(u'\n'));
        const QString strategies = table.section(QStringLiteral("\nBioclimatic Strategies\n"), 1);
        int nonZero = 0;
        for (int i = 1; i <= 10; ++i) nonZero += w.state().Tally.YearShare[i] != 0.0f;
        QCOMPARE(int(strategies.count(u'\n')), nonZero);
    }

    void chartAndGraphicCopyTheCurrentPictures()
    {
        MainWindow w(kReferenceScreen);
        auto* chart = w.findChild<CanvasView*>(QStringLiteral("Picture1"));
        auto* graph = w.findChild<CanvasView*>(QStringLiteral("Picture3"));
        Trigger(w, "MCopChart");
        QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), chart->image().size());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), chart->image().convertToFormat(QImage::Format_RGB32));
        Trigger(w, "CopGraf");
        copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), graph->image().convertToFormat(QImage::Format_RGB32));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());  // each copy empties the clipboard first

        // After another location is chosen the copy is the new chart, legend included.
        const QImage brasilia = chart->image().copy();
        auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
        list->item(0)->setSelected(true);
        Trigger(w, "MCopChart");
        copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QVERIFY(copied != brasilia.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(copied, chart->image().convertToFormat(QImage::Format_RGB32));
    }

    void helpCommandsShowTheirBoxes()
    {
        MainWindow w(kReferenceScreen);
        std::vector<RecordedBox> boxes;
        w.setMessageSink([&](QMessageBox::Icon icon, const QString& title, const QString& text) {
            boxes.push_back({icon, title, text, 1});
        });
        struct Row { const char* command; MessageText expected; };
        for (const Row& r : {Row{"AboutFiles", FileFormatHelpText()}, Row{"AbFiles", FileFormatHelpText()},
                             Row{"AboutME", ProgramAboutText()}, Row{"AbTurk", ClimaticDataAboutText()}}) {
            boxes.clear();
            Trigger(w, r.command);
            QVERIFY2(boxes.size() == 1, r.command);
            QCOMPARE(boxes[0].Icon, QMessageBox::Information);
            QCOMPARE(boxes[0].Title, QString::fromStdString(r.expected.Title));
            QCOMPARE(boxes[0].Text, QString::fromStdString(r.expected.Text));
        }
        QCOMPARE(w.state().CurrentLocation, 5);  // help changes no analysis state
    }

    void helpBoxIsAPlainTextInformationBox()
    {
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        std::optional<RecordedBox> seen;
        BoxCloser closer(seen);
        Trigger(w, "AboutME");
        QVERIFY(seen);
        QCOMPARE(seen->Title, QStringLiteral("  About QAV 1.3"));
        QCOMPARE(seen->Text, QString::fromStdString(ProgramAboutText().Text));
    }

    void bothExitCommandsCloseTheWindow()
    {
        for (const char* command : {"MExit", "GoOut"}) {
            MainWindow w(kReferenceScreen);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            Trigger(w, command);
            QVERIFY2(!w.isVisible(), command);
        }
    }

    void layoutKeepsTheProportionsOfTheScreen()
    {
        MainWindow w;  // the offscreen platform's primary screen
        const ScreenLayout& l = w.state().Layout;
        auto* chart = w.findChild<CanvasView*>(QStringLiteral("Picture1"));
        auto* graph = w.findChild<CanvasView*>(QStringLiteral("Picture3"));
        auto* panel = w.findChild<ResultsPanel*>();
        auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
        auto* label = w.findChild<QLabel*>(QStringLiteral("Label2"));
        const double u = l.U / l.PixelWidth;  // the layout unit in logical pixels
        QVERIFY(u > 5);
        QVERIFY(std::abs(chart->width() / double(chart->height()) - 40.0 / 31.0) < 0.01);
        QVERIFY(std::abs(chart->width() - 40 * u) <= 1);
        QVERIFY(std::abs(graph->x() - chart->x() - 41 * u) <= 1);                 // one U right of the chart
        QVERIFY(std::abs(graph->width() - 34 * u) <= 1);
        QVERIFY(std::abs(panel->y() - graph->y() - 22 * u) <= 1);                  // one U below the graph
        QVERIFY(std::abs(label->y() - (chart->y() + chart->height()) - u) <= 1.5);  // one U below the chart
        QCOMPARE(list->y(), label->y() + label->height());
        QVERIFY(std::abs((list->y() + list->height()) - (panel->y() + panel->height())) <= 1);
        QCOMPARE(panel->x(), graph->x());
        QCOMPARE(list->x(), chart->x());
    }

    void resultsDoNotDependOnThePixelDensity()
    {
        // The window's shares equal those of a headless run on the same screen (the way qav-cli
        // computes them), at pixel ratio 1 and 2; only the visible chart gains pixels.
        AnalysisState headless = MakeStartupState(kReferenceScreen.Screen);
        const ScreenLayout& l = headless.Layout;
        RasterCanvas zoneMap(l.Picture1.Width, l.Picture1.Height, l.PixelWidth, l.PixelHeight);
        PipelineCanvases canvases{zoneMap};
        RunPipeline(headless, canvases);

        MainWindow normal(kReferenceScreen);
        MainWindow dense({kReferenceScreen.Screen, 2.0});
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(normal.state().Tally.YearShare[i], headless.Tally.YearShare[i]);
            QCOMPARE(dense.state().Tally.YearShare[i], headless.Tally.YearShare[i]);
        }
        const QImage& sharp = dense.findChild<CanvasView*>(QStringLiteral("Picture1"))->image();
        const QImage& plain = normal.findChild<CanvasView*>(QStringLiteral("Picture1"))->image();
        QCOMPARE(sharp.size(), plain.size() * 2);
        QCOMPARE(sharp.deviceIndependentSize(), plain.deviceIndependentSize());
        QCOMPARE(dense.findChild<CanvasView*>(QStringLiteral("Picture1"))->size(),
                 normal.findChild<CanvasView*>(QStringLiteral("Picture1"))->size());
    }
};

namespace {
RegisterTest<MainWindowTest> registerMainWindow;
}

}  // namespace qav::test

#include "main_window_test.moc"
