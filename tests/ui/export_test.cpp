// The saving commands and the month-by-strategy view, driven through the real window: every
// file is written through the menu and read back, failures leave nothing behind.
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <deque>
#include <optional>

#include "core/exports.h"
#include "tests/ui/ui_tests.h"
#include "ui/canvas_view.h"
#include "ui/export_actions.h"
#include "ui/main_window.h"
#include "ui/month_strategy_view.h"

namespace qav::test {
namespace exports {

const StartupScreen kScreen{{1024, 768, 15}, 1.0};

struct Message {
    QMessageBox::Icon Icon;
    QString Title, Text;
};

// A window whose file dialogs answer from a queue and whose message boxes are recorded.
struct Session {
    MainWindow window{kScreen};
    ExportActions* exports = window.findChild<ExportActions*>(QStringLiteral("ExportActions"));
    std::deque<std::optional<SaveChoice>> answers;
    QStringList suggested;  // the path each dialog proposed
    QList<Message> messages;

    Session()
    {
        window.setMessageSink([this](QMessageBox::Icon icon, const QString& title, const QString& text) {
            messages.append({icon, title, text});
        });
        exports->setFileChooser([this](const QString&, const QString& path, const QStringList&, const QString&) {
            suggested << path;
            std::optional<SaveChoice> answer = answers.empty() ? std::nullopt : answers.front();
            if (!answers.empty()) answers.pop_front();
            return answer;
        });
    }

    void save(const char* command, const QString& path, const char* filter)
    {
        answers.push_back(SaveChoice{path, QString::fromLatin1(filter)});
        trigger(command);
    }

    void trigger(const char* command)
    {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(command));
        QVERIFY2(action, command);
        action->trigger();
    }

    QImage shown(const char* name) const
    {
        return window.findChild<CanvasView*>(QString::fromLatin1(name))->image().convertToFormat(QImage::Format_RGB32);
    }
};

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Name, text and the text content of every element, in document order; an XML error fails.
struct SvgContent {
    QString Error, Title, Description;
    QStringList Texts;
    QStringList Elements;
    QSet<QString> FontFamilies;
};
SvgContent ReadSvg(const QByteArray& bytes)
{
    SvgContent svg;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString name = xml.name().toString();
        svg.Elements << name;
        if (xml.attributes().hasAttribute(QStringLiteral("font-family")))
            svg.FontFamilies << xml.attributes().value(QStringLiteral("font-family")).toString();
        if (name == u"title") svg.Title = xml.readElementText();
        else if (name == u"desc") svg.Description = xml.readElementText();
        else if (name == u"text") svg.Texts << xml.readElementText();
    }
    if (xml.hasError()) svg.Error = xml.errorString();
    return svg;
}

// Dark pixels of a with no dark pixel of b within one pixel, as a share of a's dark pixels: a
// renderer's smoothing and half-pixel offsets pass, a missing or misplaced part does not.
double UnmatchedInk(const QImage& a, const QImage& b)
{
    int ink = 0, unmatched = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (qGray(a.pixel(x, y)) >= 160) continue;
            ++ink;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = b.valid(x + dx, y + dy) && qGray(b.pixel(x + dx, y + dy)) < 200;
            unmatched += !found;
        }
    return ink ? double(unmatched) / ink : 1.0;
}

void ExpectProvenance(const QImageReader& png)
{
    QCOMPARE(png.text(QStringLiteral("Software")), QStringLiteral("QAV 1.3"));
    QCOMPARE(png.text(QStringLiteral("Location")), QStringLiteral("Brasília (Brazil)"));
    QCOMPARE(png.text(QStringLiteral("Pressure")), QStringLiteral("88.251 kPa"));
    QCOMPARE(png.text(QStringLiteral("Elevation")), QStringLiteral("1160 m (pressure taken at 1150 m)"));
    QCOMPARE(png.text(QStringLiteral("Source")), QStringLiteral("GOV"));
}

}  // namespace exports

using namespace exports;

class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void typesAndNamesDecideTheFormat()
    {
        struct Case { const char* path; const char* filter; const char* expectedPath; PictureFormat format; };
        const Case cases[] = {
            {"/t/a.png", kPngFilter, "/t/a.png", PictureFormat::Png},
            {"/t/a.PNG", kPng2xFilter, "/t/a.PNG", PictureFormat::Png2x},
            {"/t/a.svg", kPngFilter, "/t/a.svg", PictureFormat::Svg},  // the name wins
            {"/t/a.png", kSvgFilter, "/t/a.png", PictureFormat::Png},
            {"/t/a", kSvgFilter, "/t/a.svg", PictureFormat::Svg},
            {"/t/a", kPng2xFilter, "/t/a.png", PictureFormat::Png2x},
            {"/t/v1.2", kPngFilter, "/t/v1.2.png", PictureFormat::Png},
        };
        for (const Case& c : cases) {
            const PictureTarget t = ResolvePictureTarget({QString::fromLatin1(c.path), QString::fromLatin1(c.filter)});
            QVERIFY2(t.Path == QLatin1String(c.expectedPath) && t.Format == c.format, c.path);
        }
    }

    void pngIsTheWindowsPictureAtOneOrTwiceItsDensityWithItsProvenance()
    {
        QTemporaryDir dir;
        Session s;
        s.save("MSaveChart", dir.filePath(QStringLiteral("chart.png")), kPngFilter);
        s.save("MSaveGraph", dir.filePath(QStringLiteral("graph")), kPngFilter);
        QVERIFY(s.messages.isEmpty());

        QImageReader chart(dir.filePath(QStringLiteral("chart.png")));
        QCOMPARE(chart.format(), QByteArray("png"));
        ExpectProvenance(chart);
        // Drawn again from the state, it is the very picture the window shows.
        QCOMPARE(chart.read().convertToFormat(QImage::Format_RGB32), s.shown("Picture1"));

        QImageReader graph(dir.filePath(QStringLiteral("graph.png")));
        ExpectProvenance(graph);
        QCOMPARE(graph.read().convertToFormat(QImage::Format_RGB32), s.shown("Picture3"));

        // Double resolution: twice the pixels each way, the same provenance.
        s.save("MSaveChart", dir.filePath(QStringLiteral("chart2.png")), kPng2xFilter);
        s.save("MSaveGraph", dir.filePath(QStringLiteral("graph2.png")), kPng2xFilter);
        QVERIFY(s.messages.isEmpty());
        for (auto [file, picture] : {std::pair{"chart2.png", "Picture1"}, std::pair{"graph2.png", "Picture3"}}) {
            QImageReader png(dir.filePath(QString::fromLatin1(file)));
            QCOMPARE(png.size(), s.shown(picture).size() * 2);
            ExpectProvenance(png);
        }
    }

    void svgIsValidXmlWithTheTitleAsTextAndTheProvenance()
    {
        QTemporaryDir dir;
        Session s;
        s.save("MSaveChart", dir.filePath(QStringLiteral("chart")), kSvgFilter);
        s.save("MSaveGraph", dir.filePath(QStringLiteral("graph.svg")), kPngFilter);
        QVERIFY(s.messages.isEmpty());

        const SvgContent chart = ReadSvg(Contents(dir.filePath(QStringLiteral("chart.svg"))));
        QVERIFY2(chart.Error.isEmpty(), qPrintable(chart.Error));
        const QString text = chart.Texts.join(u'|');
        QVERIFY2(text.contains(QStringLiteral("QAV 1.3 - Bioclimatic Chart for pressure of 88.251 kPa (Elev: 1150 m)")),
                 qPrintable(text));
        QVERIFY(chart.Texts.contains(QStringLiteral("Location: Brasília (Brazil)")));
        QVERIFY(chart.Texts.contains(QStringLiteral("Thermal Comfort")));
        QVERIFY(!chart.Elements.contains(QStringLiteral("image")));  // drawn, not a bitmap inside
        // Font names other programs know: no foundry in brackets.
        QVERIFY(!chart.FontFamilies.isEmpty());
        for (const QString& family : chart.FontFamilies) QVERIFY2(!family.contains(u'['), qPrintable(family));
        QCOMPARE(chart.Title, QStringLiteral("Bioclimatic chart of Brasília (Brazil)"));
        QCOMPARE(chart.Description, QStringLiteral("Software: QAV 1.3\nLocation: Brasília (Brazil)\n"
                                                   "Pressure: 88.251 kPa\nElevation: 1160 m (pressure taken at 1150 m)\n"
                                                   "Source: GOV"));

        const SvgContent graph = ReadSvg(Contents(dir.filePath(QStringLiteral("graph.svg"))));
        QVERIFY2(graph.Error.isEmpty(), qPrintable(graph.Error));
        QVERIFY(graph.Texts.contains(QStringLiteral("Jan")));
        QVERIFY(graph.Texts.contains(QStringLiteral(" rh")));
    }

    void svgDrawsThePictureTheWindowShows()
    {
        QTemporaryDir dir;
        Session s;
        s.save("MSaveChart", dir.filePath(QStringLiteral("chart.svg")), kSvgFilter);
        s.save("MSaveGraph", dir.filePath(QStringLiteral("graph.svg")), kSvgFilter);
        for (auto [file, picture] : {std::pair{"chart.svg", "Picture1"}, std::pair{"graph.svg", "Picture3"}}) {
            const QImage shown = s.shown(picture);
            QSvgRenderer svg(dir.filePath(QString::fromLatin1(file)));
            QVERIFY2(svg.isValid(), file);
            QCOMPARE(svg.viewBox().size(), shown.size());
            QImage drawn(shown.size(), QImage::Format_RGB32);
            drawn.fill(Qt::white);
            QPainter painter(&drawn);
            svg.render(&painter);
            painter.end();
            // Measured: about 1.5 % either way from smoothed curves and text.
            QVERIFY2(UnmatchedInk(drawn, shown) < 0.03, file);
            QVERIFY2(UnmatchedInk(shown, drawn) < 0.03, file);
        }
    }

    void svgEscapesMarkupInNames()
    {
        QTemporaryDir dir;
        Session s;
        LocationTable table = s.window.state().Locations;
        table.LocationCount = 1;
        table.Slot[1] = s.window.state().Current();
        table.Slot[1].LocationName = "Rock & Roll <\"Hill\">";
        s.window.showLocationsFromFile(table);
        s.save("MSaveChart", dir.filePath(QStringLiteral("chart.svg")), kSvgFilter);
        const SvgContent svg = ReadSvg(Contents(dir.filePath(QStringLiteral("chart.svg"))));
        QVERIFY2(svg.Error.isEmpty(), qPrintable(svg.Error));
        QVERIFY(svg.Texts.contains(QStringLiteral("Location: Rock & Roll <\"Hill\"> (Brazil)")));
        QCOMPARE(svg.Title, QStringLiteral("Bioclimatic chart of Rock & Roll <\"Hill\"> (Brazil)"));
        QVERIFY(svg.Description.contains(QStringLiteral("Location: Rock & Roll <\"Hill\"> (Brazil)\n")));
    }

    void tablesAreTheTextsOfTheAnalysis()
    {
        QTemporaryDir dir;
        Session s;
        s.save("MExportResults", dir.filePath(QStringLiteral("results")), kCsvFilter);
        s.save("MExportHours", dir.filePath(QStringLiteral("hours.csv")), kCsvFilter);
        QVERIFY(s.messages.isEmpty());
        QCOMPARE(Contents(dir.filePath(QStringLiteral("results.csv"))), QByteArray::fromStdString(ResultsCsv(s.window.state())));
        QCOMPARE(Contents(dir.filePath(QStringLiteral("hours.csv"))), QByteArray::fromStdString(HourlyCsv(s.window.state())));
    }

    void failedWriteNamesTheFileAndTheReasonAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("reason");
        // Root ignores a read-only folder, so the failures come from the names themselves.
        QTest::newRow("target is a folder") << QStringLiteral("folder") << QStringLiteral("Filename refers to a directory");
        QTest::newRow("no such folder") << QStringLiteral("missing") << QStringLiteral("No such file or directory");
        QTest::newRow("parent is a file") << QStringLiteral("file") << QStringLiteral("Not a directory");
    }

    void failedWriteNamesTheFileAndTheReasonAndLeavesNothing()
    {
        QFETCH(QString, setup);
        QFETCH(QString, reason);
        struct Command { const char* name; const char* file; const char* filter; };
        for (const Command& c : {Command{"MExportResults", "results.csv", kCsvFilter},
                                 Command{"MSaveChart", "chart.svg", kSvgFilter},
                                 Command{"MSaveGraph", "graph.png", kPng2xFilter}}) {
            QTemporaryDir dir;
            const QString file = QString::fromLatin1(c.file);
            QString target;
            if (setup == u"folder") {
                QVERIFY(QDir(dir.path()).mkdir(file));
                target = dir.filePath(file);
            } else if (setup == u"missing") {
                target = dir.filePath(QStringLiteral("gone/") + file);
            } else {
                QFile plain(dir.filePath(QStringLiteral("plain")));
                QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write("keep") == 4);
                plain.close();
                target = dir.filePath(QStringLiteral("plain/") + file);
            }
            const auto entries = [&dir] {
                return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            };
            const QStringList before = entries();

            Session s;
            s.save(c.name, target, c.filter);
            QCOMPARE(s.messages.size(), 1);
            QCOMPARE(s.messages[0].Icon, QMessageBox::Warning);
            QCOMPARE(s.messages[0].Text, QStringLiteral("The file could not be saved:\n%1\n\n%2")
                                             .arg(QDir::toNativeSeparators(target), reason));
            QCOMPARE(entries(), before);  // no temporary file left beside the target
            if (setup == u"folder") QVERIFY(QFileInfo(target).isDir() && QDir(target).isEmpty());
            if (setup == u"file") QCOMPARE(Contents(dir.filePath(QStringLiteral("plain"))), QByteArray("keep"));
        }
    }

    void replacingAFileWritesItWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("results.csv"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));  // longer than the new text: nothing of it may remain
        old.close();
        Session s;
        s.save("MExportResults", path, kCsvFilter);
        QVERIFY(s.messages.isEmpty());
        QCOMPARE(Contents(path), QByteArray::fromStdString(ResultsCsv(s.window.state())));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("results.csv")});
    }

    void cancelWritesNothingAndTheLastFolderIsRemembered()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        Session s;
        const QString start = s.exports->lastFolder();
        s.answers.push_back(std::nullopt);
        s.trigger("MSaveChart");
        QCOMPARE(s.exports->lastFolder(), start);
        QCOMPARE(s.suggested.last(), QDir(start).filePath(QStringLiteral("Brasília - chart.png")));

        s.save("MSaveGraph", dir.filePath(QStringLiteral("sub/g.svg")), kSvgFilter);
        s.answers.push_back(std::nullopt);
        s.trigger("MExportHours");
        // The folder of the last file; the picture type chosen last is proposed again.
        QCOMPARE(s.suggested.last(), dir.filePath(QStringLiteral("sub/Brasília - hours.csv")));
        s.answers.push_back(std::nullopt);
        s.trigger("MSaveChart");
        QCOMPARE(s.suggested.last(), dir.filePath(QStringLiteral("sub/Brasília - chart.svg")));
        QVERIFY(s.messages.isEmpty());
        QCOMPARE(QDir(dir.filePath(QStringLiteral("sub"))).entryList(QDir::Files), QStringList{QStringLiteral("g.svg")});
    }

    void monthStrategyViewShowsTheTallyAfterEveryRun()
    {
        Session s;
        auto* table = s.window.findChild<QTableWidget*>(QStringLiteral("MonthStrategyTable"));
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 10);
        QCOMPARE(table->columnCount(), 13);
        auto expectTally = [&](const StrategyTally& tally) {
            for (int st = 1; st <= 10; ++st) {
                int year = 0;
                for (int m = 1; m <= 12; ++m) {
                    QCOMPARE(table->item(st - 1, m - 1)->text(), QString::number(tally.MonthHours[st][m]));
                    year += tally.MonthHours[st][m];
                }
                QCOMPARE(table->item(st - 1, 12)->text(), QString::number(year));
            }
        };
        expectTally(s.window.state().Tally);
        s.trigger("DataMun");  // another set, another location
        QCOMPARE(s.window.state().Current().LocationName, s.window.state().Locations.Slot[1].LocationName);
        expectTally(s.window.state().Tally);

        // A weather file: its recorded hours once the view shows them (hundreds per cell).
        s.window.openWeatherFiles({QStringLiteral(QAV_SHARED_DIR "/epw/mannheim.epw")});
        QVERIFY(s.window.state().CurrentRecorded());
        expectTally(s.window.state().Tally);
        s.trigger("ViewRecorded");
        expectTally(s.window.state().RecordedTally);
        QCOMPARE(s.window.findChild<QLabel*>(QStringLiteral("MonthStrategyCaption"))->text(),
                 QStringLiteral("Hours of the recorded year"));
    }

    void monthStrategyViewWorksFromTheKeyboard()
    {
        Session s;
        s.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        auto* dock = s.window.findChild<QDockWidget*>(QStringLiteral("MonthStrategyDock"));
        auto* table = s.window.findChild<QTableWidget*>(QStringLiteral("MonthStrategyTable"));
        auto* toggle = s.window.findChild<QAction*>(QStringLiteral("ViewMonthStrategy"));
        QVERIFY(dock && table && toggle);
        if (dock->isVisible()) toggle->trigger();  // the screen had room: start hidden for the test
        QVERIFY(!dock->isVisible() && !toggle->isChecked());
        toggle->trigger();
        QVERIFY(dock->isVisible() && toggle->isChecked());
        QCOMPARE(toggle->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        QCOMPARE(table->focusPolicy(), Qt::StrongFocus);
        table->setFocus();
        table->setCurrentCell(0, 0);
        QTest::keyClick(table, Qt::Key_Right);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(table->currentRow(), 1);
        QCOMPARE(table->currentColumn(), 1);
        const StrategyTally& t = s.window.state().Tally;
        QCOMPARE(table->currentItem()->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("B Solar Heating, February: %1 hours").arg(t.MonthHours[2][2]));
        QCOMPARE(table->verticalHeaderItem(4)->toolTip(), QStringLiteral("E Thermal Comfort"));
        QVERIFY(table->editTriggers() == QAbstractItemView::NoEditTriggers);
        // Closing the dock unchecks its command.
        dock->close();
        QVERIFY(!toggle->isChecked());
    }
};

namespace {
RegisterTest<ExportTest> registerExportTest;
}

}  // namespace qav::test

#include "export_test.moc"
