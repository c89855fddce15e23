// The saving commands and the month-by-strategy view, driven through the real window: every
// file is written through the menu and read back, failures leave nothing behind.
#include <QSvgRenderer>
#include <utility>

#include "pictures/report_pdf.h"
#include "pipeline/exports.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/export_actions.h"
#include "ui/saved_files.h"
#include "ui/translation.h"

namespace qav::test {
namespace {

// A window whose file dialog gives `answer` once, then Cancel, and whose boxes are recorded.
struct Session {
    MainWindow window{kReferenceScreen};
    ExportActions* exports = window.findChild<ExportActions*>(QStringLiteral("ExportActions"));
    std::optional<SaveChoice> answer;
    QStringList suggested;  // the path each dialog proposed
    BoxLog boxes{window};

    Session()
    {
        exports->setFileChooser([this](const QString&, const QString& path, const QStringList&, const QString&) {
            suggested << path;
            return std::exchange(answer, std::nullopt);
        });
    }

    // Runs a saving command; with no path the dialog is cancelled.
    void save(const char* command, const QString& path = {}, const char* filter = "")
    {
        if (!path.isEmpty()) answer = SaveChoice{path, QString::fromLatin1(filter)};
        Trigger(window, command);
    }
};

// Dark pixels of a with no dark pixel of b within one pixel, as a share of a's dark pixels: a
// renderer's smoothing and half-pixel offsets pass, a missing or misplaced part does not.
double UnmatchedInk(const QImage& a, const QImage& b)
{
    int ink = 0, unmatched = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (qGray(a.pixel(x, y)) >= 160) continue;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = b.valid(x + dx, y + dy) && qGray(b.pixel(x + dx, y + dy)) < 200;
            ++ink, unmatched += !found;
        }
    return ink ? double(unmatched) / ink : 1.0;
}

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartAsFirstRun(); }

    // The chosen type adds the suffix when the name has none ("v1.2" has none); at double
    // density the picture has twice the pixels each way.
    void pngIsTheWindowsPictureWithItsProvenance()
    {
        QTemporaryDir dir;
        Session s;
        s.save("MSaveChart", dir.filePath(QStringLiteral("chart.png")), kPngFilter);
        s.save("MSaveGraph", dir.filePath(QStringLiteral("graph")), kPngFilter);
        s.save("MSaveChart", dir.filePath(QStringLiteral("v1.2")), kPng2xFilter);
        QVERIFY(s.boxes.empty());
        // The very picture shown, and byte for byte the picture layer's file (as qav-cli's are).
        QCOMPARE(QImage(dir.filePath(QStringLiteral("chart.png"))).convertToFormat(QImage::Format_RGB32),
                 Picture(s.window, "Picture1"));
        const auto bytes = [&dir](const char* name) { return Contents(dir.filePath(QString::fromLatin1(name))); };
        const AnalysisState& state = s.window.state();
        QCOMPARE(bytes("chart.png"), RenderPictureFile(PictureKind::Chart, state, PictureFormat::Png));
        QCOMPARE(bytes("graph.png"), RenderPictureFile(PictureKind::Graph, state, PictureFormat::Png));
        QCOMPARE(bytes("v1.2.png"), RenderPictureFile(PictureKind::Chart, state, PictureFormat::Png2x));
        const QImageReader png(dir.filePath(QStringLiteral("chart.png")));
        for (const auto& [key, value] : PictureProvenance(state))
            QCOMPARE(png.text(QString::fromStdString(key)), QString::fromStdString(value));
        s.save("MSaveGraph", dir.filePath(QStringLiteral("graph.svg")), kSvgFilter);
        QCOMPARE(bytes("graph.svg"), RenderPictureFile(PictureKind::Graph, state, PictureFormat::Svg));
    }

    // Markup in the name is escaped (the renderer reads the file) and the file draws the window's
    // picture. A ".svg" name wins over the PNG type chosen.
    void svgIsValidXmlAndDrawsThePictureShown()
    {
        QTemporaryDir dir;
        Session s;
        LocationTable table = s.window.state().Locations;
        table.LocationCount = 1;
        table.Slot[1] = s.window.state().Current();
        table.Slot[1].LocationName = "Rock & Roll <\"Hill\">";
        s.window.showLocationsFromFile(table);
        s.save("MSaveChart", dir.filePath(QStringLiteral("chart")), kSvgFilter);
        s.save("MSaveGraph", dir.filePath(QStringLiteral("graph.svg")), kPngFilter);
        QVERIFY(s.boxes.empty());

        for (auto [file, picture] : {std::pair{"chart.svg", "Picture1"}, std::pair{"graph.svg", "Picture3"}}) {
            const QImage shown = Picture(s.window, picture);
            QSvgRenderer svg(dir.filePath(QString::fromLatin1(file)));
            QVERIFY2(svg.isValid(), file);
            QCOMPARE(svg.viewBox().size(), shown.size());
            QImage drawn(shown.size(), QImage::Format_RGB32);
            drawn.fill(Qt::white);
            QPainter painter(&drawn);
            svg.render(&painter);
            painter.end();
            // Measured: about 1.5 % either way from smoothed curves and text.
            // The saved graph also names its location, which the window shows beside it: measured
            // 4.4 % more ink in graph.svg.
            const double extra = picture == std::string_view("Picture3") ? 0.05 : 0.03;
            QVERIFY2(UnmatchedInk(drawn, shown) < extra && UnmatchedInk(shown, drawn) < 0.03, file);
        }
    }

    // Both files are the exporter's texts (read back number by number in the pipeline's tests). A
    // longer file already there is replaced whole and no temporary file remains.
    void tablesReadBackAsTheAnalysis()
    {
        QTemporaryDir dir;
        const QString results = WriteFile(dir.path(), QStringLiteral("results.csv"), QByteArray(100000, 'x'));
        Session s;
        s.save("MExportResults", dir.filePath(QStringLiteral("results")), kCsvFilter);
        s.save("MExportHours", dir.filePath(QStringLiteral("hours.csv")), kCsvFilter);
        QVERIFY(s.boxes.empty());
        // Each save says so, with the file's size and its folder (a success once said nothing).
        const auto* saved = s.window.findChild<QLabel*>(QStringLiteral("StatusSaved"));
        QCOMPARE(saved->text(), QStringLiteral("Saved: hours.csv (7 kB)"));
        QCOMPARE(saved->toolTip(), QDir::toNativeSeparators(dir.path()));
        QCOMPARE(Contents(results), QByteArray::fromStdString(ResultsCsv(s.window.state())));
        QCOMPARE(Contents(dir.filePath(QStringLiteral("hours.csv"))),
                 QByteArray::fromStdString(HourlyCsv(s.window.state())));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"hours.csv", "results.csv"}));
    }

    // Root ignores a read-only folder, so the failures come from the names themselves.
    void failedWriteNamesTheFileAndTheReasonAndLeavesNothing()
    {
        struct Case {
            const char* setup;
            const char* command;
            const char* file;
            const char* filter;
            const char* reason;
        };
        for (const Case& c : {Case{"folder", "MExportResults", "results.csv", kCsvFilter, "Is a directory"},
                              Case{"missing", "MSaveChart", "gone/chart.svg", kSvgFilter, "No such file or directory"},
                              Case{"file", "MSaveGraph", "plain/graph.png", kPng2xFilter, "Not a directory"}}) {
            QTemporaryDir dir;
            const QString target = dir.filePath(QString::fromLatin1(c.file));
            if (c.setup == std::string_view("folder")) QVERIFY(QDir(dir.path()).mkdir(QString::fromLatin1(c.file)));
            if (c.setup == std::string_view("file")) WriteFile(dir.path(), QStringLiteral("plain"), "keep");
            const QStringList before =
                QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            Session s;
            s.save(c.command, target, c.filter);
            QVERIFY2(s.boxes.size() == 1, c.setup);
            QCOMPARE(s.boxes[0].Icon, QMessageBox::Warning);
            QVERIFY(s.window.findChild<QLabel*>(QStringLiteral("StatusSaved"))->isHidden());
            QCOMPARE(s.boxes[0].Text, QStringLiteral("%1\nThe file could not be saved: %2.\n")
                                          .arg(QDir::toNativeSeparators(target), QString::fromLatin1(c.reason)));
            // No temporary file beside the target; what was there is untouched.
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
            if (c.setup == std::string_view("folder")) QVERIFY(QDir(target).isEmpty());
            if (c.setup == std::string_view("file"))
                QCOMPARE(Contents(dir.filePath(QStringLiteral("plain"))), QByteArray("keep"));
        }
    }

    // Cancel writes nothing; the next dialog opens in the last folder with the last picture type.
    void cancelWritesNothingAndTheLastFolderIsRemembered()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        Session s;
        s.save("MSaveChart");
        s.save("MSaveGraph", dir.filePath(QStringLiteral("sub/g.svg")), kSvgFilter);
        s.save("MExportHours");
        QCOMPARE(s.suggested.last(), dir.filePath(QStringLiteral("sub/Brasília - hours.csv")));
        s.save("MSaveChart");
        QCOMPARE(s.suggested.last(), dir.filePath(QStringLiteral("sub/Brasília - chart.svg")));
        QVERIFY(s.boxes.empty());
        QCOMPARE(QDir(dir.filePath(QStringLiteral("sub"))).entryList(QDir::Files), QStringList{"g.svg"});
    }

    // Export report writes what RenderReportPdf (and so qav-cli --report) gives for the analysis
    // shown (the headless analysis is the window's: the layout test), on the paper chosen, which the next dialog proposes again.
    void reportIsTheClisFileOnThePaperChosen()
    {
        QTemporaryDir dir;
        qputenv("SOURCE_DATE_EPOCH", "1700000000");
        Session s;
        s.save("MExportReport", dir.filePath(QStringLiteral("r")), "PDF report, Letter (*.pdf)");
        qunsetenv("SOURCE_DATE_EPOCH");
        QVERIFY(s.boxes.empty());
        QCOMPARE(Contents(dir.filePath(QStringLiteral("r.pdf"))),
                 RenderReportPdf(s.window.state(), Paper::Letter, Language::English, 1700000000));
        QCOMPARE(QSettings().value(QStringLiteral("files/reportPaper")).toString(), QStringLiteral("letter"));
        QVERIFY(s.suggested.last().endsWith(QStringLiteral("/Brasília - report.pdf")));
    }

    // Default names keep parentheses, hyphens and accents (they were "Recife__Curado_ - chart.png")
    // and say what the file holds in the window's language.
    void defaultNamesKeepTheLocationsNameInTheWindowsLanguage()
    {
        QCOMPARE(SuggestedWindowFileName(QStringLiteral(" Recife (Curado)"), "chart", QStringLiteral(".png")),
                 QStringLiteral("Recife (Curado) - chart.png"));
        QCOMPARE(SuggestedWindowFileName(QStringLiteral("St. John's/Torbay-Sul"), "results", QStringLiteral(".csv")),
                 QStringLiteral("St_ John_s_Torbay-Sul - results.csv"));
        QCOMPARE(SuggestedWindowFileName(QStringLiteral("?*"), "hours", QStringLiteral(".csv")),
                 QStringLiteral("__ - hours.csv"));
        QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::Portuguese, QLocale::Brazil)));
        QStringList names;
        for (const char* what : {"report", "chart", "graph", "results", "hours"})
            names << SuggestedWindowFileName(QStringLiteral("Brasília"), what, QString());
        RemoveTranslators();
        QCOMPARE(names.join(u'|'), QStringLiteral("Brasília - relatório|Brasília - carta|Brasília - gráfico|"
                                                  "Brasília - resultados|Brasília - horas"));
    }

    // The keyboard reaches and reads each cell (the view's figures: the weather files' and the
    // hours analysed tests).
    void monthStrategyViewShowsTheTally()
    {
        Session s;
        Show(s.window);
        auto* tabs = s.window.findChild<QTabWidget*>(QStringLiteral("ResultTabs"));
        auto* table = s.window.findChild<QTableWidget*>(QStringLiteral("MonthStrategyTable"));
        auto* toggle = s.window.findChild<QAction*>(QStringLiteral("ViewMonthStrategy"));
        QVERIFY(!table->isVisible() && !toggle->isChecked());
        toggle->trigger();
        QVERIFY(table->isVisible() && toggle->isChecked());
        table->setFocus();
        table->setCurrentCell(0, 0);
        QTest::keyClick(table, Qt::Key_Right);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(table->currentItem()->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("B Solar Heating, February: %1 hours").arg(s.window.state().Tally.MonthHours[2][2]));
        tabs->setCurrentIndex(0);  // the results' tab, as a click on it
        QVERIFY(!toggle->isChecked() && !table->isVisible());
    }
};

namespace {
RegisterTest<ExportTest> registerExportTest;
}

}  // namespace qav::test

#include "export_test.moc"
