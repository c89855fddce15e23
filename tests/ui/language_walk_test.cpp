// Under pt_BR nothing the window shows is English: every menu and action, every dialog its
// commands open, the panels, the status bar, the help and the message boxes, and the chart, graph
// and compare pictures saved from the window and drawn by qav-cli --lang pt_BR. The walk finds
// widgets and actions by itself, so a new dialog or text is checked without naming it here.
#include "tests/ui/english_text_check.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/compare_view.h"
#include "ui/export_actions.h"
#include "ui/translation.h"

namespace qav::test {
namespace {

// While a command runs, walks each modal dialog and popup menu it opens and then closes it.
class ModalWalker : public QObject {
  public:
    explicit ModalWalker(EnglishTextCheck& check) : check_(check)
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                check_.checkWidgetTree(popup);
                popup->close();
            } else if (QWidget* modal = QApplication::activeModalWidget()) {
                check_.checkWidgetTree(modal);
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        timer_.start(10);
    }

  private:
    EnglishTextCheck& check_;
    QTimer timer_;
};

QString TsFile() { return QStringLiteral(QAV_SOURCE_DIR "/text/qav_pt_BR.ts"); }

// Picks the SVG choice of the type list the window offers, in whatever language it is worded.
std::optional<SaveChoice> SvgChoice(const QString& path, const QStringList& filters)
{
    for (const QString& f : filters)
        if (f.endsWith(QLatin1String("(*.svg)"))) return SaveChoice{path, f};
    return std::nullopt;
}

}  // namespace

class LanguageWalkTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QSettings().clear();
        QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::Portuguese, QLocale::Brazil)));
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    }
    void cleanupTestCase()
    {
        RemoveTranslators();
        QLocale::setDefault(QLocale::c());
        QSettings().clear();
    }

    // The check itself: a source text, a word only the English uses, words both languages share
    // (from the file, or allowed by the caller), a file path, and the words an SVG draws.
    void checkFindsEnglishFromTheTranslationFile()
    {
        EnglishTextCheck check(TsFile(), {QStringLiteral("Inertia")});
        QVERIFY(check.englishWordCount() > 300);
        check.check(QStringLiteral("a"), QStringLiteral("Export results"));
        check.check(QStringLiteral("b"), QString::fromUtf8("Contadas: all hours"));
        check.check(QStringLiteral("c"),
                    QString::fromUtf8("Total: 12,5 % Latitude -15,8° Inertia /home/my cut/results.csv"));
        check.check(QStringLiteral("d"), QString::fromUtf8("E&xibir"));
        check.checkSvg(
            QStringLiteral("e"),
            "<svg><title>Chart</title><text x=\"1\">Umidade <tspan>relativa</tspan></text><text>Night</text></svg>");
        QCOMPARE(check.failures(), (QStringList{QStringLiteral("a: untranslated \"Export results\""),
                                                QStringLiteral("b: \"Contadas: all hours\" has English (hours)"),
                                                QStringLiteral("e: \"Night\" has English (night)")}));
    }

    void windowAndEverythingItOpensSpeakPortuguese()
    {
        // The World set's city names are data: two are named as their countries, which the file
        // translates, and two begin with "New"; the strategy letters are the same in both
        // languages ("E" is also east).
        EnglishTextCheck check(TsFile(), {QStringLiteral("Mexico"), QStringLiteral("Singapore"), QStringLiteral("New"),
                                          QStringLiteral("E")});
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        MainWindow w(kReferenceScreen);
        BoxLog boxes(w);
        w.show();
        w.openWeatherFiles({kChicago});
        HourFilter night;
        QVERIFY(MakeHourFilter(22, 5, 12, 2, night));
        QVERIFY(w.applyAnalysisOptions(night, UniformWarming(1.5f)));
        check.checkWidgetTree(&w);

        // Every command, with whatever it opens: modal dialogs and menus are walked and closed
        // while it runs, windows of their own afterwards.
        QList<QPointer<QAction>> actions;  // a command may delete others (the recent files' list)
        for (QAction* a : w.findChildren<QAction*>()) actions << a;
        for (const QPointer<QAction>& action : actions) {
            // Exit ends the window being walked; the recent files reopen what is already open.
            if (!action || action->isSeparator() || action->menu() || action->objectName() == QLatin1String("GoOut"))
                continue;
            const QList<QWidget*> before = QApplication::topLevelWidgets();
            {
                ModalWalker walker(check);
                action->setEnabled(true);
                action->trigger();
                QCoreApplication::processEvents();
            }
            QList<QPointer<QWidget>> after;
            for (QWidget* window : QApplication::topLevelWidgets()) after << window;
            for (const QPointer<QWidget>& window : after) {
                if (!window || before.contains(window) || !window->isVisible()) continue;
                check.checkWidgetTree(window);
                window->close();
            }
        }
        // Every context menu a widget offers, walked and closed as it pops up.
        for (const QPointer<QWidget> widget : w.findChildren<QWidget*>()) {
            if (!widget || widget->contextMenuPolicy() != Qt::CustomContextMenu) continue;
            ModalWalker walker(check);
            emit widget->customContextMenuRequested(widget->rect().center());
        }
        check.checkWidgetTree(&w);

        // The reasons of error boxes: a Monthly Data file with a letter for a digit, a cut weather
        // file, a warming the location cannot take.
        const QString bad = WriteFile(dir.path(), QStringLiteral("QAVbad.TXT"),
                                      Contents(QStringLiteral(QAV_SOURCE_DIR "/QAVworld.TXT")).replace("1", "l"));
        w.openMonthlyDataFile(bad);
        const QList<QByteArray> chicago = Contents(kChicago).split('\n');
        w.openWeatherFiles({WriteFile(dir.path(), QStringLiteral("cut.epw"), chicago.mid(0, 20).join('\n'))});
        w.openWeatherFiles({kChicago});
        w.applyAnalysisOptions(HourFilter{}, UniformWarming(30));
        QVERIFY(boxes.size() > 8);
        for (const RecordedBox& box : boxes) {
            check.check(QStringLiteral("box title"), box.Title);
            check.check(QStringLiteral("box"), box.Text);
        }

        // The pictures saved from the window, as its save commands write them.
        auto* exports = w.findChild<ExportActions*>(QStringLiteral("ExportActions"));
        exports->setFileChooser([&dir](const QString&, const QString&, const QStringList& filters, const QString&) {
            return SvgChoice(dir.filePath(QStringLiteral("saved.svg")), filters);
        });
        for (const char* command : {"MSaveChart", "MSaveGraph"}) {
            Trigger(w, command);
            check.checkSvg(QString::fromLatin1(command), Contents(dir.filePath(QStringLiteral("saved.svg"))));
        }
        w.showCompareView();
        w.compareView()->setFileChooser(
            [&dir](const QString&, const QString&, const QStringList& filters, const QString&) {
                return SvgChoice(dir.filePath(QStringLiteral("compare.svg")), filters);
            });
        QMetaObject::invokeMethod(w.compareView(), "savePicture");
        check.checkSvg(QStringLiteral("compare picture"), Contents(dir.filePath(QStringLiteral("compare.svg"))));
        w.compareView()->close();

        for (const QString& f : check.failures()) qInfo("%s", qPrintable(f));
        QVERIFY2(check.failures().isEmpty(), "English found: see the lines above");
    }

    void cliPicturesSpeakPortuguese()
    {
        // The strategy letters are the same in both languages; "E" is also east, which the file
        // translates. The wind rose names its sectors by the international compass letters.
        EnglishTextCheck check(TsFile(), {QStringLiteral("E"), QStringLiteral("W")});
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess cli;
        cli.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList arguments =
            QStringLiteral("analyze --lang pt_BR --hour-range 22-5 --months 12-2 --warming 1.5 --epw").split(u' ');
        arguments << kChicago;
        for (auto [option, file] : {std::pair{"--chart", "chart.svg"},
                                    {"--graph", "graph.svg"},
                                    {"--compare-chart", "compare.svg"},
                                    {"--sun-chart", "sun.svg"},
                                    {"--calendar-chart", "calendar.svg"},
                                    {"--wind-rose", "wind.svg"},
                                    {"--adaptive-chart", "adaptive.svg"}})
            arguments << QString::fromLatin1(option) << dir.filePath(QString::fromLatin1(file));
        cli.start(QStringLiteral(QAV_CLI), arguments);
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        check.check(QStringLiteral("qav-cli table"), QString::fromUtf8(cli.readAllStandardOutput()));
        for (const char* name :
             {"chart.svg", "graph.svg", "compare.svg", "sun.svg", "calendar.svg", "wind.svg", "adaptive.svg"})
            check.checkSvg(QString::fromLatin1(name), Contents(dir.filePath(QString::fromLatin1(name))));
        for (const QString& f : check.failures()) qInfo("%s", qPrintable(f));
        QVERIFY2(check.failures().isEmpty(), "English found: see the lines above");
    }
};

RegisterTest<LanguageWalkTest> registerLanguageWalk;

}  // namespace qav::test

#include "language_walk_test.moc"
