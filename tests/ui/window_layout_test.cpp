// The window on monitors of every size: the shares are those of the headless analysis of the
// reference screen (or, with "Analyse at this screen's size", of that screen), the pictures
// scale without a new analysis, and at 800 x 600 nothing overlaps or is cut.

#include "classify/raster_canvas.h"
#include "pipeline/pipeline.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/compare_view.h"
#include "ui/translation.h"

namespace qav::test {
namespace {

StrategyTally HeadlessShares(const ScreenDescription& screen)
{
    AnalysisState state = MakeStartupState(screen);
    RasterCanvas zoneMap(state.Layout.Picture1.Width, state.Layout.Picture1.Height, state.Layout.PixelWidth,
                         state.Layout.PixelHeight);
    PipelineCanvases canvases{zoneMap};
    RunPipeline(state, canvases);
    return state.Tally;
}

size_t ZoneMapHash(const RasterCanvas& map)
{
    std::vector<Rgb> pixels;
    for (double x = 7; x < map.CanvasWidth(); x += 15)
        for (double y = 7; y < map.CanvasHeight(); y += 15) pixels.push_back(map.GetPixel(x, y));
    return qHashBits(pixels.data(), pixels.size() * sizeof(Rgb));
}

void ShowAt(MainWindow& w, QSize size)
{
    w.resize(size);
    Show(w);
    QApplication::processEvents();
}

// The picture fills its view's width or height, keeps its canvas's proportions, and is drawn
// with one pixel per device pixel.
void ExpectFitted(CanvasView* view)
{
    const QRectF r = view->pictureRect();
    QVERIFY(r.width() <= view->width() + 0.5 && r.height() <= view->height() + 0.5);
    QVERIFY(std::abs(r.width() - view->width()) < 1 || std::abs(r.height() - view->height()) < 1);
    const QSizeF canvas = view->image().deviceIndependentSize();
    QVERIFY(std::abs(r.width() / r.height() - canvas.width() / canvas.height()) < 0.01);
    const QImage& shown = view->shownImage();
    QVERIFY(std::abs(shown.width() - r.width() * view->devicePixelRatioF()) <= 1.5);
    // The whole drawing, redrawn smaller or larger: close to the canvas's picture scaled to the
    // same size (a crop or a picture left at its canvas size differs by far more).
    const QImage scaled = view->image().scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            difference += std::abs(qGray(shown.pixel(x, y)) - qGray(scaled.pixel(x, y)));
    QVERIFY2(difference / (shown.width() * shown.height()) < 20, qPrintable(view->objectName()));
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QSettings().setValue(QLatin1String(kAnalyseAtScreenSizeKey), false); }
    void cleanup()
    {
        QSettings().remove(QLatin1String(kAnalyseAtScreenSizeKey));
        RemoveTranslators();
    }

    // The shares of the reference screen (pinned by the pipeline's tests) on every monitor and
    // pixel density. The monitor's own size gave 37.2 % comfort at 800 x 600 and 36.3 at
    // 1920 x 1080; the option brings those back (the window: the next test).
    void sharesComeFromTheReferenceScreenUnlessAsked()
    {
        const StrategyTally reference = HeadlessShares(qav::kReferenceScreen);
        struct Row {
            int width, height;
            float comfortAtScreenSize;
        };
        for (Row r : {Row{800, 600, 37.2f}, Row{1024, 768, 36.8f}, Row{1920, 1080, 36.3f}}) {
            const ScreenDescription screen{r.width, r.height, 15};
            QCOMPARE(HeadlessShares(screen).YearShare[5], r.comfortAtScreenSize);
            for (double ratio : {1.0, 2.0}) {
                const QString row = QStringLiteral("%1x%2 @%3").arg(r.width).arg(r.height).arg(ratio);
                MainWindow w({screen, ratio});
                QVERIFY2(w.state().Scale.DegreeWidth == 112, qPrintable(row));
                // Only the pictures gain pixels, keeping their size in canvas units.
                QCOMPARE(w.findChild<CanvasView*>(QStringLiteral("Picture1"))->image().devicePixelRatio(), ratio);
                for (int s = 1; s <= 10; ++s) QCOMPARE(w.state().Tally.YearShare[s], reference.YearShare[s]);
                QVERIFY(w.findChild<QLabel*>(QStringLiteral("ScreenSizeNote"))->isHidden());
            }
        }
    }

    // The View command analyses again at once, the status bar and an open Compare view follow
    // (the view once kept its rows, as its key left the screen out), and it is remembered.
    void viewOptionSwitchesTheAnalysisAndIsRemembered()
    {
        const ScreenDescription screen{800, 600, 15};
        MainWindow w({screen, 1.0});
        Trigger(w, "ViewCompare");
        auto* option = w.findChild<QAction*>(QStringLiteral("ViewAnalyseAtScreenSize"));
        QVERIFY(option && option->isCheckable() && !option->isChecked());
        QCOMPARE(TextOf(w, QStringLiteral("StatusBasis")), QStringLiteral("Analysed at the reference screen"));
        option->trigger();
        QVERIFY(w.analysesAtScreenSize());
        QCOMPARE(w.state().Tally.YearShare[5], 37.2f);
        QCOMPARE(w.compareView()->table()->item(4, 2)->text(), QStringLiteral("E Thermal Comfort 37.2 %"));
        QCOMPARE(TextOf(w, QStringLiteral("StatusBasis")), QStringLiteral("Analysed at this screen's size"));
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("ScreenSizeNote"))->isHidden());
        QCOMPARE(w.zoneMap().CanvasWidth(), w.state().Layout.Picture1.Width);
        QVERIFY(QSettings().value(QLatin1String(kAnalyseAtScreenSizeKey)).toBool());
        QVERIFY(MainWindow({screen, 1.0}).analysesAtScreenSize());
        option->trigger();
        QCOMPARE(w.state().Tally.YearShare[5], 36.8f);
        QCOMPARE(TextOf(w, QStringLiteral("StatusBasis")), QStringLiteral("Analysed at the reference screen"));
        QCOMPARE(w.zoneMap().CanvasWidth(), 8076.0);
        QVERIFY(!QSettings().value(QLatin1String(kAnalyseAtScreenSizeKey)).toBool());
    }

    // Resizing only redraws the pictures at the new size: shares, hour strategies and zone map
    // stay as they were.
    void resizingRefitsThePicturesWithoutANewAnalysis()
    {
        MainWindow w(kReferenceScreen);
        ShowAt(w, {800, 600});
        const StrategyTally before = w.state().Tally;
        const HourStrategies hours = w.state().HourStrategy;
        const size_t zones = ZoneMapHash(w.zoneMap());
        auto* chart = w.findChild<CanvasView*>(QStringLiteral("Picture1"));
        auto* graph = w.findChild<CanvasView*>(QStringLiteral("Picture3"));
        const QSize smallChart = chart->shownImage().size();
        ExpectFitted(chart);
        ExpectFitted(graph);

        w.resize(1920, 1080);
        QApplication::processEvents();
        ExpectFitted(chart);
        ExpectFitted(graph);
        QVERIFY(chart->shownImage().width() > smallChart.width() * 1.2);  // the small window shows it in a tab
        QVERIFY(chart->pictureScale() > 1.4);                             // legend and letters grow with the chart
        for (int s = 1; s <= 10; ++s) QCOMPARE(w.state().Tally.YearShare[s], before.YearShare[s]);
        QVERIFY(w.state().HourStrategy == hours);
        QCOMPARE(ZoneMapHash(w.zoneMap()), zones);
        QCOMPARE(chart->image().size(), QSize(539, 418));  // the copied picture keeps its size
    }

    // The chart is the main result: at 800 x 600 and at the smallest window it takes at least
    // 40 % of the window, with a weather file loaded, in both hour views and under pt_BR, whose
    // longer texts widen the results; at 1366 x 768 the chart, the graph and the results show at once.
    void chartTakesTheRoomOfASmallWindow()
    {
        QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::Portuguese, QLocale::Brazil)));
        MainWindow w({{800, 600, 15}, 1.0});
        w.openWeatherFiles({kChicago});
        auto* chart = w.findChild<CanvasView*>(QStringLiteral("Picture1"));
        for (const char* view : {"ViewTypical", "ViewRecorded"}) {
            Trigger(w, view);
            for (QSize size : {QSize(800, 600), w.minimumSizeHint()}) {
                ShowAt(w, size);
                QApplication::processEvents();
                const QRectF drawn = chart->pictureRect();
                const double share = drawn.width() * drawn.height() / (w.width() * w.height());
                QVERIFY2(chart->isVisible() && share >= 0.40, qPrintable(QStringLiteral("%1 at %2 x %3: %4")
                                                                             .arg(QLatin1String(view))
                                                                             .arg(w.width())
                                                                             .arg(w.height())
                                                                             .arg(share)));
                // The legend's letters: capitals of the chart's 8 pt font, about 7.6 px at scale 1.
                QVERIFY2(7.6 * chart->pictureScale() >= 9, qPrintable(QString::number(chart->pictureScale())));
            }
        }
        cleanup();
        ShowAt(w, {1366, 768});
        for (const char* name : {"Picture1", "Picture3", "Picture8_1"})
            QVERIFY2(w.findChild<QWidget*>(QString::fromLatin1(name))->isVisible(), name);
    }

    // The chart is the largest view at every size and grows with the window; at 1366 x 768 it
    // was once drawn 547 x 424 beside the graph, smaller than in an 800 x 600 window's tab.
    void chartIsTheLargestViewAndGrowsWithTheWindow()
    {
        MainWindow w(kReferenceScreen);
        auto* chart = w.findChild<CanvasView*>(QStringLiteral("Picture1"));
        QStringList drawn;
        std::vector<double> areas;
        for (QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
            ShowAt(w, size);
            const QRectF r = chart->pictureRect();
            drawn << QStringLiteral("%1x%2").arg(qRound(r.width())).arg(qRound(r.height()));
            areas.push_back(r.width() * r.height());
            if (size.width() >= 1024)
                QVERIFY2(areas.back() >= 0.45 * size.width() * size.height(), qPrintable(drawn.last()));
            for (const QWidget* view :
                 {w.findChild<QWidget*>(QStringLiteral("Picture3")), w.findChild<QWidget*>(QStringLiteral("List1")),
                  static_cast<QWidget*>(w.findChild<ResultsPanel*>())}) {
                const auto* picture = qobject_cast<const CanvasView*>(view);
                const QSizeF shown = picture ? picture->pictureRect().size() : QSizeF(view->size());
                QVERIFY2(!view->isVisible() || shown.width() * shown.height() < areas.back(),
                         qPrintable(view->objectName()));
            }
        }
        QCOMPARE(drawn.join(u' '), QStringLiteral("655x508 879x682 819x635 1152x893"));
        QVERIFY(areas[2] >= areas[0] && areas[3] >= 1.8 * areas[0]);
        QVERIFY(w.minimumSize() == QSize(800, 600));
    }

    // The list opens at its top, the analysed Brasília (5th) current and in view at every size;
    // it once opened scrolled down to Boa Vista, its viewport measured before the layout.
    void listOpensAtItsTopWithTheAnalysedEntryInView()
    {
        for (QSize size : {QSize(800, 600), QSize(1366, 768)}) {
            MainWindow w({{size.width(), size.height(), 15}, 1.0});
            ShowAt(w, size);
            QListWidget* list = Locations(w);
            QCOMPARE(list->verticalScrollBar()->value(), 0);
            QCOMPARE(list->currentRow(), 4);
            QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->currentItem())));
            QVERIFY(list->selectedItems().isEmpty());
        }
    }

    // At 800 x 600 with a weather file's side-by-side shares: every visible widget lies inside
    // its parent, no two siblings overlap (the rows' background boxes lie under their texts by
    // design), every text fits its field, and the panel's text is at least the small font.
    void nothingOverlapsOrIsCutAt800x600()
    {
        MainWindow w({{800, 600, 15}, 1.0});
        w.openWeatherFiles({kChicago});
        QVERIFY(w.findChild<ResultsPanel*>()->shareComparisonShown());
        ShowAt(w, {800, 600});
        QCOMPARE(w.size(), QSize(800, 600));
        QVERIFY(w.findChildren<QScrollArea*>().isEmpty());  // the content reflows instead of scrolling
        const auto background = [](const QWidget* widget) {
            return widget->objectName().startsWith(QLatin1String("Picture8_")) ||
                   widget->objectName().startsWith(QLatin1String("Picture12_"));
        };
        QStringList faults;
        for (QWidget* widget : w.findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->isWindow() || background(widget)) continue;
            QWidget* parent = widget->parentWidget();
            if (!parent->rect().contains(widget->geometry()))
                faults << QStringLiteral("%1 leaves %2").arg(widget->objectName(), parent->objectName());
            for (QObject* other : parent->children()) {
                auto* sibling = qobject_cast<QWidget*>(other);
                if (!sibling || sibling <= widget || !sibling->isVisible() || sibling->isWindow() ||
                    background(sibling))
                    continue;
                if (widget->geometry().intersects(sibling->geometry()))
                    faults << QStringLiteral("%1 overlaps %2").arg(widget->objectName(), sibling->objectName());
            }
        }
        const auto* panel = w.findChild<ResultsPanel*>();
        for (const QLabel* label : panel->findChildren<QLabel*>())
            if (label->isVisible() && label->width() < label->sizeHint().width())
                faults << QStringLiteral("%1 cut: %2").arg(label->objectName(), label->text());
        for (const QLineEdit* edit : panel->findChildren<QLineEdit*>())
            if (edit->isVisible() && edit != panel->findChild<QLineEdit*>(QStringLiteral("Text5_0")) &&
                edit->fontMetrics().horizontalAdvance(edit->text()) + 6 > edit->width())
                faults << QStringLiteral("%1 cut: %2").arg(edit->objectName(), edit->text());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QVERIFY(panel->font().pointSizeF() >=
                std::min(QApplication::font().pointSizeF(),
                         QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont).pointSizeF()));
    }
};

namespace {
RegisterTest<WindowLayoutTest> registerWindowLayout;
}

}  // namespace qav::test

#include "window_layout_test.moc"
