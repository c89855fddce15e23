// The main window's frame: its menus, the layout of the chart, the graph, the list and the
// results, and where the window opens and what it remembers on closing.
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/version.h"
#include "pipeline/rendering.h"
#include "chart/legend.h"
#include "chart/qt/qimage_canvas.h"
#include "ui/canvas_view.h"
#include "ui/chart_notes.h"
#include "ui/chart_view.h"
#include "ui/export_actions.h"
#include "ui/file_chooser_panel.h"
#include "ui/focus_frame.h"
#include "ui/help_texts.h"
#include "ui/comfort_menu.h"
#include "ui/locale_format.h"
#include "ui/location_list.h"
#include "ui/main_window.h"
#include "ui/month_strategy_view.h"
#include "ui/wind_view.h"
#include "ui/adaptive_hours_view.h"
#include "ui/recent_files.h"
#include "ui/results_panel.h"
#include "ui/settings.h"
#include "ui/status_line.h"
#include "ui/sun_shade_view.h"
#include "ui/translation.h"

namespace qav {

void MainWindow::createMenus()
{
    auto command = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("MFile"));
    command(file, "MOpen", tr("&Open climatic file"), &MainWindow::openClimaticFile)->setShortcut(QKeySequence::Open);
    command(file, "MOpenEpw", tr("Open &weather file (EPW)…"), &MainWindow::chooseWeatherFiles);
    recent_ = new RecentFiles(file->addMenu(tr("&Recent files")), this);
    connect(recent_, &RecentFiles::openRequested, this, [this](const QString& path) { openFiles({path}); });
    createSiteCommands(file);
    command(file, "AbFiles", tr("&About climatic files"), &MainWindow::showFileFormatHelp);
    file->addSeparator();
    QMenu* data = file->addMenu(tr("Climatic data &base"));
    data->setObjectName(QStringLiteral("MenData"));
    command(data, "DataBras", tr("&Brazil"), &MainWindow::showBrazil);
    command(data, "DataAmer", tr("&South America"), &MainWindow::showSouthAmerica);
    command(data, "DataMun", tr("&World"), &MainWindow::showWorld);
    command(file, "AbTurk", tr("About &this data"), &MainWindow::showClimaticDataAbout);
    file->addSeparator();
    exports_ = new ExportActions(
        this, state_, devicePixelRatio_,
        [this](QMessageBox::Icon icon, const QString& title, const QString& text) { showMessage(icon, title, text); });
    exports_->addTo(file);
    file->addSeparator();
    command(file, "MExit", tr("E&xit"), &QWidget::close)->setShortcut(QKeySequence::Quit);

    QMenu* copy = menuBar()->addMenu(tr("&Copy"));
    copy->setObjectName(QStringLiteral("MCop"));
    command(copy, "MCopChart", tr("&Chart"), &MainWindow::copyChart);
    command(copy, "CopGraf", tr("&Graphic"), &MainWindow::copyGraphic);
    command(copy, "MCopTab", tr("&Tabel"), &MainWindow::copyTable);

    // Which hours the chart and the legend show; only weather-file locations have recorded hours.
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("MView"));
    auto* hours = new QActionGroup(this);
    viewTypical_ = command(view, "ViewTypical", tr("&Typical days"), &MainWindow::showTypicalDays);
    viewRecorded_ = command(view, "ViewRecorded", tr("&Recorded hours"), &MainWindow::showRecordedHours);
    for (QAction* a : {viewTypical_, viewRecorded_}) {
        a->setCheckable(true);
        hours->addAction(a);
    }
    viewTypical_->setChecked(true);
    view->addSeparator();
    command(view, "ViewCompare", tr("&Compare locations"), &MainWindow::showCompareView)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    command(view, "ViewHours", tr("&Hours analysed…"), &MainWindow::chooseHoursAnalysed);
    command(view, "ViewWhatIf", tr("&What if…"), &MainWindow::chooseWarming);
    new ComfortMenu(view, state_, [this] { guarded([&] { refreshPanels(); }); });
    view->addSeparator();
    viewMonthStrategy_ = view->addAction(tr("Hours per &month and strategy"));
    viewMonthStrategy_->setObjectName(QStringLiteral("ViewMonthStrategy"));
    viewMonthStrategy_->setCheckable(true);
    viewMonthStrategy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    view->addSeparator();
    analyseAtScreenSize_ = view->addAction(tr("Analyse at this &screen's size"));
    analyseAtScreenSize_->setObjectName(QStringLiteral("ViewAnalyseAtScreenSize"));
    analyseAtScreenSize_->setCheckable(true);
    analyseAtScreenSize_->setChecked(atScreenSize_);
    analyseAtScreenSize_->setStatusTip(
        tr("Lay the chart and its zone map out for this monitor, as older versions did, instead of the "
           "reference screen of 1024 x 768 pixels"));
    connect(analyseAtScreenSize_, &QAction::toggled, this, &MainWindow::setAnalyseAtScreenSize);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("MHelp"));
    command(help, "UsingQav", tr("&Using QAV"), &MainWindow::showUsingHelp)->setShortcut(QKeySequence::HelpContents);
    command(help, "AboutFiles", tr("&Monthly Climatic Files"), &MainWindow::showFileFormatHelp);
    command(help, "AboutWhatIf", tr("&What if it were warmer"), &MainWindow::showWhatIfHelp);
    command(help, "AboutME", tr("&About QAV %1").arg(QString::fromUtf8(kVersion.data(), qsizetype(kVersion.size()))),
            &MainWindow::showProgramAbout);

    QAction* goOut = menuBar()->addAction(tr("E&xit"));
    goOut->setObjectName(QStringLiteral("GoOut"));
    connect(goOut, &QAction::triggered, this, &QWidget::close);
}

namespace {

// A view that draws the state's chart or graph afresh at the size and pixel ratio it is shown at.
CanvasView* PictureView(QWidget* parent, const AnalysisState& state, PictureKind kind, const QString& objectName,
                        const QString& accessibleName)
{
    auto* view = new CanvasView(parent);
    view->setObjectName(objectName);
    view->setAccessibleName(accessibleName);
    view->setRenderer([&state, kind](double ratio) {
        return RenderPictureImage(kind, state, ratio, ChartDecimalSeparator(), PictureLanguage());
    });
    return view;
}

}  // namespace

void MainWindow::createContent()
{
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("Content"));
    picture1_ = new ChartView(content_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setAccessibleName(tr("Bioclimatic chart"));
    picture1_->setRenderer([this](double ratio) {
        return RenderPictureImage(PictureKind::Chart, state_, ratio, ChartDecimalSeparator(), PictureLanguage(),
                                  highlighted_);
    });
    picture1_->setLegendHit(
        [this](double x, double y) { return chart_ ? LegendRowAt(*chart_, state_.Scale, x, y) : 0; });
    connect(picture1_, &ChartView::hourPointed, this,
            [this](int index) noexcept { guarded([&] { showHourReadout(index); }); });
    connect(picture1_, &ChartView::strategyChosen, this, &MainWindow::chooseStrategy);
    label2_ = new QLabel(tr("Click a location to see the bioclimatic analysis"), content_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setWordWrap(true);  // a narrow column wraps the caption rather than widening the window
    list1_ = new LocationList(content_);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setMinimumHeight(4 * list1_->fontMetrics().height());
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // a cut name has its tooltip
    label2_->setBuddy(list1_);
    connect(list1_, &QListWidget::itemSelectionChanged, this, &MainWindow::onListSelectionChanged);
    // Enter on the current entry selects it, which runs the same flow as a click.
    connect(list1_, &QListWidget::itemActivated, this, [](QListWidgetItem* item) { item->setSelected(true); });
    list1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list1_, &QWidget::customContextMenuRequested, this, &MainWindow::showListMenu);

    picture3_ =
        PictureView(content_, state_, PictureKind::Graph, QStringLiteral("Picture3"), tr("Monthly climate graph"));
    notes_ = new ChartNotes(content_);
    screenNote_ = new QLabel(content_);
    screenNote_->setObjectName(QStringLiteral("ScreenSizeNote"));
    screenNote_->setWordWrap(true);

    resultTabs_ = new QTabWidget(content_);
    resultTabs_->setObjectName(QStringLiteral("ResultTabs"));
    resultTabs_->setAccessibleName(tr("Results and views"));  // it takes the focus on its way to the tab bar
    new TabFocusFrame(resultTabs_->tabBar());
    results_ = new ResultsPanel;
    connect(results_, &ResultsPanel::strategyChosen, this, &MainWindow::chooseStrategy);
    monthStrategy_ = new MonthStrategyView;
    sunShade_ = new SunShadeView(state_);
    sunShade_->setObjectName(QStringLiteral("SunShade"));
    connect(sunShade_, &SunShadeView::readout, this, [this](const QString& text) { status_->setReadout(text); });
    wind_ = new WindView(state_);
    adaptiveHours_ = new AdaptiveHoursView(state_);
    connect(viewMonthStrategy_, &QAction::triggered, this, [this](bool show) {
        // A second Ctrl+M goes back to the view shown before the first.
        QWidget* back = resultTabs_->indexOf(beforeMonthView_) >= 0 ? beforeMonthView_.data() : resultTabs_->widget(0);
        if (show) beforeMonthView_ = resultTabs_->currentWidget();
        resultTabs_->setCurrentWidget(show ? static_cast<QWidget*>(monthStrategy_) : back);
        if (show) monthStrategy_->table()->setFocus(Qt::ShortcutFocusReason);
    });
    connect(resultTabs_, &QTabWidget::currentChanged, viewMonthStrategy_,
            [this](int) { viewMonthStrategy_->setChecked(resultTabs_->currentWidget() == monthStrategy_); });
    arrangeContent(false);
    setCentralWidget(content_);

    // Picture10, over the whole window and hidden until MOpen.
    picture10_ = new FileChooserPanel(this);
    picture10_->setFolder(settings::Folder(settings::kChooserFolder, picture10_->currentFolder()));
    connect(picture10_, &FileChooserPanel::fileChosen, this, &MainWindow::openMonthlyDataFile);
    connect(picture10_, &FileChooserPanel::noFileChosen, this, [this]() noexcept {
        guarded([&] { showMessage(QMessageBox::NoIcon, ProgramTitle(), tr("Select the file")); });
    });
    refreshScreenNote();
    list1_->setFocus();
}

bool MainWindow::wantsCompactLayout(QSize size)
{
    // Below this the results panel beside the graph leaves the chart too little room.
    return size.width() < 1100 || size.height() < 700;
}

int MainWindow::listWidthFor(int room) const
{
    // As wide as the longest name needs; where the room is too small, each entry's tooltip has it.
    const QFontMetrics metrics = list1_->fontMetrics();
    const int names = list1_->count() > 0 ? list1_->sizeHintForColumn(0) : 0;
    const int chrome = 2 * list1_->frameWidth() + list1_->verticalScrollBar()->sizeHint().width() + 4;
    return std::clamp(names + chrome, metrics.horizontalAdvance(QLatin1Char('M')) * 8, std::max(120, room));
}

void MainWindow::arrangeContent(bool compact)
{
    if (content_->layout() && compact == compactLayout_) {
        fitContentToWindow();
        return;
    }
    compactLayout_ = compact;
    QWidget* const current = resultTabs_->currentWidget();
    while (resultTabs_->count() > 0) resultTabs_->removeTab(0);
    delete content_->layout();  // the layouts only; the widgets stay

    // The views that become tabs: in a small window all of them, in a larger one those not shown
    // beside the chart. A further view is one more row here.
    struct View {
        QWidget* Widget;
        QString Title;
        bool OwnPlaceWhenWide;
    };
    const std::vector<View> views{
        {picture1_, tr("Chart"), true},
        {picture3_, tr("Graph"), true},
        {results_, tr("Results"), false},
        {monthStrategy_, tr("Hours per month and strategy"), false},
        {sunShade_, tr("Sun and shade"), false},
        {wind_, tr("Wind"), false},                       // shown for weather files only
        {adaptiveHours_, tr("Adaptive comfort"), false},  // shown with an adaptive model only
    };
    for (const View& v : views)
        if (compact || !v.OwnPlaceWhenWide) resultTabs_->addTab(v.Widget, v.Title);

    auto* columns = new QHBoxLayout(content_);
    columns->setContentsMargins(6, 4, 6, 6);
    columns->setSpacing(8);
    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addWidget(label2_);
    side->addWidget(list1_, 1);
    if (compact) {
        // A small window: the chart, the graph and the results are tabs of one view, so the chart
        // takes most of the window, with its notes under it; the list stays beside it.
        // The notes go under the list: an 800 x 600 window has no height to spare under the chart.
        side->addWidget(notes_);
        side->addWidget(screenNote_);
        columns->addWidget(resultTabs_, 1);
        columns->addLayout(side);
        // Never smaller than 1.2 times the reference screen's chart (539 x 418), where the
        // legend's capitals are 9 px high: the window's minimum size follows.
        picture1_->setMinimumSize(647, 502);
    } else {
        // The chart, as high as the window allows, with its notes under it; beside it the list
        // and the monthly graph over the results. The chart's column is held to the width its
        // height fills (fitContentToWindow), so the other views take the rest of the width.
        auto* left = new QVBoxLayout;
        left->setSpacing(4);
        left->addWidget(picture1_, 1);
        left->addWidget(notes_);
        auto* top = new QHBoxLayout;
        top->setSpacing(8);
        top->addLayout(side);
        top->addWidget(picture3_, 1);
        auto* right = new QVBoxLayout;
        right->setSpacing(4);
        right->addLayout(top, 21);
        right->addWidget(screenNote_);
        right->addWidget(resultTabs_, 28);
        columns->addLayout(left, 3);
        columns->addLayout(right, 1);
        picture1_->setMinimumSize(0, 0);
    }
    // A small window opens on the chart; the view chosen stays chosen in either layout.
    const bool keep = current && resultTabs_->indexOf(current) >= 0 && (current != results_ || !compact);
    resultTabs_->setCurrentWidget(keep ? current : compact ? static_cast<QWidget*>(picture1_) : results_);
    // Pages moved between the tabs and the columns keep the visibility they had: set it afresh.
    for (const View& v : views) {
        const int page = resultTabs_->indexOf(v.Widget);
        v.Widget->setVisible(page < 0 || page == resultTabs_->currentIndex());
    }
    screenNote_->setVisible(atScreenSize_);
    refreshComfortViews();
    // Tab follows the reading order: left to right, then down.
    const std::vector<QWidget*> order =
        compact ? std::vector<QWidget*>{resultTabs_, picture1_, picture3_,      results_, monthStrategy_,
                                        sunShade_,   wind_,     adaptiveHours_, list1_}
                : std::vector<QWidget*>{picture1_,      list1_,    picture3_, resultTabs_,   results_,
                                        monthStrategy_, sunShade_, wind_,     adaptiveHours_};
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    fitContentToWindow();
    columns->activate();
    // The tabs' page stack keeps its size when pages move in, so it would not size them: do it
    // once the window's layouts have settled.
    if (auto* stack = resultTabs_->findChild<QStackedWidget*>()) {
        QTimer::singleShot(0, stack, [stack] {
            for (int i = 0; i < stack->count(); ++i) stack->widget(i)->setGeometry(stack->rect());
        });
    }
}

void MainWindow::fitContentToWindow()
{
    const int room = content_->width();
    if (compactLayout_) {
        // What the chart's minimum leaves of an 800 px window goes to the names.
        const int width = listWidthFor(room - 647 - 24);
        for (QWidget* w : std::initializer_list<QWidget*>{list1_, label2_, notes_, screenNote_})
            w->setFixedWidth(width);
        picture1_->setMaximumWidth(QWIDGETSIZE_MAX);
        return;
    }
    const int width = listWidthFor(room / 5);
    for (QWidget* w : std::initializer_list<QWidget*>{list1_, label2_}) w->setFixedWidth(width);
    for (QWidget* w : std::initializer_list<QWidget*>{notes_, screenNote_}) {
        w->setMinimumWidth(0);
        w->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    // The chart's column as wide as its height fills at the chart's proportions, leaving the
    // others at least 40 % of the window (the results' table needs that much).
    const QSizeF canvas = picture1_->image().isNull() ? QSizeF(539, 418) : picture1_->image().deviceIndependentSize();
    const int notesHeight = notes_->isVisibleTo(content_) ? notes_->heightForWidth(room * 3 / 5) + 4 : 0;
    const int height = content_->height() - 10 - notesHeight;
    const int fill = int(height * canvas.width() / canvas.height());
    picture1_->setMaximumWidth(std::max(200, std::min(fill, room * 3 / 5)));
    notes_->setMaximumWidth(picture1_->maximumWidth());
}

void MainWindow::refreshScreenNote()
{
    screenNote_->setText(tr("Analysed at this screen's size, %1 x %2 pixels: the shares may differ from those of "
                            "other screens and of qav-cli without --screen.")
                             .arg(monitor_.Screen.WidthPx)
                             .arg(monitor_.Screen.HeightPx));
    screenNote_->setVisible(atScreenSize_);
}

void MainWindow::placeOnScreen(const QRect& available)
{
    // Most of a large screen, as a document window opens; all of a small one, which the content
    // needs to show the chart at a readable size.
    const double share = available.width() >= 1280 && available.height() >= 900 ? 0.9 : 1.0;
    QSize size = (QSizeF(available.size()) * share).toSize().expandedTo(minimumSizeHint());
    size = size.boundedTo(available.size());
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(available.center());
    // move() places a window's frame, setGeometry() its inside: with the inside filling the area,
    // a window manager's title bar went above the screen (y = -20 at 1366 x 768).
    resize(size);
    move(frame.topLeft());
    placementArea_ = available;  // the frame is fitted in once the window manager has drawn it
}

void MainWindow::fitFrameIntoPlacementArea()
{
    const QRect inner = geometry(), outer = frameGeometry();
    const QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                           outer.bottom() - inner.bottom());
    if (placementArea_.isNull() || margins.isNull()) return;  // no frame known yet
    const QRect area = placementArea_;
    placementArea_ = QRect();
    if (area.contains(frameGeometry())) return;
    const QSize inside = size().boundedTo(area.size().shrunkBy(margins)).expandedTo(minimumSizeHint());
    resize(inside);
    QRect frame(QPoint(0, 0), inside.grownBy(margins));
    frame.moveCenter(area.center());
    move(frame.topLeft().y() < area.top() ? QPoint(frame.left(), area.top()) : frame.topLeft());
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    fitFrameIntoPlacementArea();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (content_) arrangeContent(wantsCompactLayout(event->size()));
    // The results' text follows the window: the reference screen's window has the default size.
    if (results_) results_->setTextScale(std::min(width() / 1024.0, height() / 768.0));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QSettings settings;
    settings.setValue(QLatin1String(settings::kGeometry), saveGeometry());
    settings.setValue(QLatin1String(settings::kWindowState), saveState());
    QMainWindow::closeEvent(event);
}

bool MainWindow::restoreWindowSettings()
{
    const QSettings settings;
    const bool placed = restoreGeometry(settings.value(QLatin1String(settings::kGeometry)).toByteArray());
    restoreState(settings.value(QLatin1String(settings::kWindowState)).toByteArray());
    return placed;
}

}  // namespace qav
