#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>

#include "chart/clogfont.h"
#include "chart/qt/qimage_canvas.h"
#include "chart/qt/upper_vector_state.h"
#include "core/version.h"
#include "classify/raster_canvas.h"
#include "classify/recorded_classification.h"
#include "data/md_reader.h"
#include "pipeline/weather_location.h"
#include "pipeline/rendering.h"
#include "ui/analysis_options_dialogs.h"
#include "ui/canvas_view.h"
#include "ui/clipboard.h"
#include "ui/compare_view.h"
#include "ui/export_actions.h"
#include "ui/file_chooser_panel.h"
#include "ui/help_texts.h"
#include "ui/translation.h"
#include "ui/location_list.h"
#include "ui/recent_files.h"
#include "ui/month_strategy_view.h"
#include "ui/my_sites.h"
#include "ui/results_panel.h"
#include "ui/settings.h"
#include "ui/read_failure_text.h"
#include "ui/station_finder.h"
#include "ui/status_line.h"

namespace qav {
namespace {

// Canvas units per logical pixel: the twips of a 96 dpi screen.
constexpr int kUnitsPerPixel = 15;

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The help and about texts in the window's language: their English is the translation's source.
QString HelpText(const std::string& english) { return QCoreApplication::translate("qav::HelpTexts", english.c_str()); }

// The box shown for a data set already shown, marked here for lupdate: the text itself stays
// English in the selection flow, which knows nothing of translations.
constexpr const char* kAlreadyPresented =
    QT_TRANSLATE_NOOP("qav::MainWindow", "The data are already being presented.\nSelect any city of the list.\n");
static_assert(kAlreadyPresentedMessage == kAlreadyPresented);


// The file name as the system spells it: Qt's names are UTF-16, the file system's are bytes.
std::filesystem::path NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

bool IsWeatherFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("epw"), Qt::CaseInsensitive) == 0;
}

// Files dropped on the window: one Monthly Data file (.txt) or one or more weather files (.epw).
struct DroppedFiles {
    enum Kind { None, MonthlyData, Weather } Kind = None;
    QStringList Paths;
};

DroppedFiles ClassifyDrop(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls()) return {};
    QStringList text, weather;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile()) return {};
        const QString path = url.toLocalFile();
        const QString suffix = QFileInfo(path).suffix();
        if (suffix.compare(QLatin1String("epw"), Qt::CaseInsensitive) == 0) weather << path;
        else if (suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0) text << path;
        else return {};
    }
    // A second Monthly Data file would replace the first at once, so only one is taken.
    if (text.size() == 1 && weather.isEmpty()) return {DroppedFiles::MonthlyData, text};
    if (text.isEmpty() && !weather.isEmpty()) return {DroppedFiles::Weather, weather};
    return {};
}

// Shows the wait cursor while a few dozen weather files are read.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

StartupScreen PrimaryStartupScreen()
{
    StartupScreen s;
    s.Screen.UnitsPerPixel = kUnitsPerPixel;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Logical pixels: the layout and the zone map must not depend on the pixel density.
        s.Screen.WidthPx = screen->size().width();
        s.Screen.HeightPx = screen->size().height();
        s.DevicePixelRatio = screen->devicePixelRatio();
    }
    // A screen too small for the layout's unit (about 100 px high) would give an empty chart.
    s.Screen.WidthPx = std::max(s.Screen.WidthPx, 320);
    s.Screen.HeightPx = std::max(s.Screen.HeightPx, 240);
    return s;
}

MainWindow::MainWindow(const StartupScreen& screen, QWidget* parent)
    : QMainWindow(parent), monitor_(screen), devicePixelRatio_(std::max<qreal>(1, screen.DevicePixelRatio))
{
    setWindowTitle(QStringLiteral("   Meridane  (QAV version %1)").arg(FromUtf8(std::string(kVersion))));

    atScreenSize_ = QSettings().value(QLatin1String(kAnalyseAtScreenSizeKey), false).toBool();
    state_ = MakeStartupState(atScreenSize_ ? monitor_.Screen : kReferenceScreen);
    makeCanvases();

    if (QSettings().value(QLatin1String(settings::kHoursView)).toString() == QLatin1String("recorded"))
        state_.View = HoursView::Recorded;
    weatherFolder_ = settings::Folder(settings::kWeatherFolder, QString());
    mySites_ = std::make_unique<MySites>(MySites::FromSettings());

    createMenus();
    createContent();
    status_ = new StatusLine(statusBar());
    refillList();
    setAcceptDrops(true);

    guarded([&] {
        PipelineCanvases c = canvases();
        RunPipeline(state_, c);
        refreshPanels();
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::makeCanvases()
{
    const ScreenLayout& l = state_.Layout;
    rotatedFont_.reset();  // its handle belongs to the chart canvas it was made by
    chart_ = std::make_unique<QImageCanvas>(l.Picture1.Width, l.Picture1.Height, l.PixelWidth,
                                            l.PixelHeight, devicePixelRatio_);
    zoneMap_ = std::make_unique<RasterCanvas>(l.Picture1.Width, l.Picture1.Height, l.PixelWidth,
                                              l.PixelHeight);
    graph_ = std::make_unique<QImageCanvas>(l.Picture3.Width, l.Picture3.Height, l.PixelWidth,
                                            l.PixelHeight, devicePixelRatio_);
    // The rotated title's font copies the chart's own font; the chart canvas makes its handles.
    rotatedFont_ = std::make_unique<CLogFont>(chart_->FontFactory());
    rotatedFont_->SetLogFont(chart_->Font());
}

void MainWindow::setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }

QChar MainWindow::localeDecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point.at(0) : QChar(u'.');
}

char MainWindow::chartDecimalSeparator()
{
    const QChar point = localeDecimalPoint();
    // The chart prints with a one-byte separator; one outside ASCII falls back to the point.
    return point.unicode() < 0x80 ? char(point.unicode()) : '.';
}

PipelineCanvases MainWindow::canvases()
{
    // Every pipeline run of the window starts here, after Qt has handled an event.
    ClearUpperVectorState();
    return PipelineCanvases{*zoneMap_, chart_.get(), graph_.get(), rotatedFont_.get(), chartDecimalSeparator(),
                            PictureLanguage()};
}

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
    command(file, "MOpen", tr("&Open climatic file"), &MainWindow::openClimaticFile)
        ->setShortcut(QKeySequence::Open);
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
    exports_ = new ExportActions(this, state_, devicePixelRatio_,
                                 [this](QMessageBox::Icon icon, const QString& title, const QString& text) {
                                     showMessage(icon, title, text);
                                 });
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
    command(help, "AboutME", tr("&About QAV %1").arg(FromUtf8(std::string(kVersion))), &MainWindow::showProgramAbout);

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
        return RenderPictureImage(kind, state, ratio, MainWindow::chartDecimalSeparator(), PictureLanguage());
    });
    return view;
}

}  // namespace

void MainWindow::createContent()
{
    // Two columns in the proportions of the classic layout: the chart (40 : 31) over the location
    // list on the left, the monthly graph over the results on the right. Both pictures scale with
    // the window and keep their proportions; the layouts give the list and the results the room
    // their text needs, so nothing is cut at any size from 800 x 600 up.
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("Content"));
    auto* columns = new QHBoxLayout(content_);
    columns->setContentsMargins(6, 4, 6, 6);
    columns->setSpacing(8);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    picture1_ = PictureView(content_, state_, PictureKind::Chart, QStringLiteral("Picture1"), tr("Bioclimatic chart"));
    left->addWidget(picture1_, 31);

    label2_ = new QLabel(tr("Click a location to see the bioclimatic analysis"), content_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setWordWrap(true);  // a narrow column wraps the caption rather than widening the window
    left->addWidget(label2_);
    list1_ = new LocationList(content_);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setMinimumHeight(4 * list1_->fontMetrics().height());
    left->addWidget(list1_, 18);
    label2_->setBuddy(list1_);
    connect(list1_, &QListWidget::itemSelectionChanged, this, &MainWindow::onListSelectionChanged);
    // Enter on the current entry selects it, which runs the same flow as a click.
    connect(list1_, &QListWidget::itemActivated, this, [](QListWidgetItem* item) { item->setSelected(true); });
    list1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list1_, &QWidget::customContextMenuRequested, this, &MainWindow::showListMenu);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    picture3_ = PictureView(content_, state_, PictureKind::Graph, QStringLiteral("Picture3"), tr("Monthly climate graph"));
    right->addWidget(picture3_, 21);

    screenNote_ = new QLabel(content_);
    screenNote_->setObjectName(QStringLiteral("ScreenSizeNote"));
    screenNote_->setWordWrap(true);
    right->addWidget(screenNote_);

    // The month-by-strategy view is a tab beside the results: it takes their place while chosen
    // and never covers them or the graph.
    resultTabs_ = new QTabWidget(content_);
    resultTabs_->setObjectName(QStringLiteral("ResultTabs"));
    results_ = new ResultsPanel;
    resultTabs_->addTab(results_, tr("Results"));
    monthStrategy_ = new MonthStrategyView;
    resultTabs_->addTab(monthStrategy_, tr("Hours per month and strategy"));
    right->addWidget(resultTabs_, 28);
    connect(viewMonthStrategy_, &QAction::triggered, this, [this](bool show) {
        resultTabs_->setCurrentWidget(show ? static_cast<QWidget*>(monthStrategy_) : results_);
        if (show) monthStrategy_->table()->setFocus(Qt::ShortcutFocusReason);
    });
    connect(resultTabs_, &QTabWidget::currentChanged, viewMonthStrategy_,
            [this](int) { viewMonthStrategy_->setChecked(resultTabs_->currentWidget() == monthStrategy_); });

    columns->addLayout(left, 40);
    columns->addLayout(right, 34);
    setCentralWidget(content_);

    // Picture10, over the whole window and hidden until MOpen.
    picture10_ = new FileChooserPanel(this);
    picture10_->setFolder(settings::Folder(settings::kChooserFolder, picture10_->currentFolder()));
    connect(picture10_, &FileChooserPanel::fileChosen, this, &MainWindow::openMonthlyDataFile);
    connect(picture10_, &FileChooserPanel::noFileChosen, this, [this]() noexcept {
        guarded([&] {
            showMessage(QMessageBox::NoIcon, ProgramTitle(), tr("Select the file"));
        });
    });
    refreshScreenNote();
    list1_->setFocus();
}

void MainWindow::refreshScreenNote()
{
    screenNote_->setText(tr("Analysed at this screen's size, %1 x %2 pixels: the shares may differ from those of "
                            "other screens and of qav-cli without --screen.")
                             .arg(monitor_.Screen.WidthPx)
                             .arg(monitor_.Screen.HeightPx));
    screenNote_->setVisible(atScreenSize_);
}

void MainWindow::setAnalyseAtScreenSize(bool on) noexcept
{
    guarded([&] {
        QSettings().setValue(QLatin1String(kAnalyseAtScreenSizeKey), on);
        if (analyseAtScreenSize_->isChecked() != on) analyseAtScreenSize_->setChecked(on);  // toggles back here
        if (on == atScreenSize_) return;
        atScreenSize_ = on;
        SetAnalysisScreen(state_, on ? monitor_.Screen : kReferenceScreen);
        makeCanvases();
        PipelineCanvases c = canvases();
        RunPipeline(state_, c);
        refreshPanels();
        refreshScreenNote();
    });
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
    setGeometry(frame);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The results' text follows the window: the reference screen's window has the default size.
    if (results_) results_->setTextScale(std::min(width() / 1024.0, height() / 768.0));
}

void MainWindow::refillList()
{
    refilling_ = true;
    showingMySites_ = false;  // showMySitesAt sets it again after refilling
    list1_->clear();
    for (const std::string& entry : LocationListEntries(state_.Locations)) list1_->addItem(FromUtf8(entry));
    // No entry is highlighted afterwards, although a location is being analysed.
    list1_->clearSelection();
    list1_->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    // ... but the analysed entry is current, so the arrow keys move on from it.
    list1_->showAnalysed(state_.CurrentLocation);
    refilling_ = false;
}

void MainWindow::refreshPanels()
{
    picture1_->setImage(chart_->Image());
    // The graph as every picture of it shows it: naming its location.
    picture3_->setImage(RenderPictureImage(PictureKind::Graph, state_, devicePixelRatio_, chartDecimalSeparator(), PictureLanguage()));
    results_->showResults(state_.Current(), state_.ShownTally().YearShare, localeDecimalPoint());
    if (state_.CurrentRecorded()) {
        results_->showShareComparison(state_.Tally.YearShare, state_.RecordedTally.YearShare,
                                      ShareDisagreement(state_.Tally, state_.RecordedTally), localeDecimalPoint());
    } else {
        results_->hideShareComparison();
    }
    monthStrategy_->showTally(state_.ShownTally(), state_.ShowsRecordedHours(), localeDecimalPoint());
    refreshViewSwitch();
    picture1_->setAccessibleDescription(ChartDescription(state_, localeDecimalPoint()));
    picture3_->setAccessibleDescription(
        tr("Monthly mean minimum and maximum temperatures and relative humidity of %1 (%2)")
            .arg(FromUtf8(state_.Current().LocationName), FromUtf8(state_.Current().Country)));
    results_->setNote(dataNote());
    status_->setWarning(dataNote().replace(u'\n', QStringLiteral("; ")));
    StatusTexts texts = StatusTextsOf(state_, analysisBasisText());
    if (showingMySites_) texts.Source = tr("My sites");
    status_->show(texts);
    const QString caption = analysisCaption();
    if (!analysisCaption_ && !caption.isEmpty()) {
        analysisCaption_ = new QLabel;
        analysisCaption_->setObjectName(QStringLiteral("AnalysisCaption"));
        statusBar()->addPermanentWidget(analysisCaption_);
    }
    if (analysisCaption_) {
        analysisCaption_->setText(caption);
        analysisCaption_->setAccessibleName(caption);
    }
    if (compareView_ && compareView_->isVisible()) compareView_->refreshIfChanged();
}

QString MainWindow::analysisCaption() const
{
    QString caption = FromUtf8(AnalysisCaption(state_.Filter, state_.Warmed ? &*state_.WarmingAsked : nullptr, PictureLanguage()));
    if (const auto tag = ParseStationSourceField(state_.Current().DataSource)) {
        const QString station = (tag->RhDerived ? tr("Station WMO %1, normals %2, humidity derived")
                                                : tr("Station WMO %1, normals %2"))
                                    .arg(tag->Wmo)
                                    .arg(QString::fromStdString(tag->Period));
        caption = caption.isEmpty() ? station : station + QStringLiteral("; ") + caption;
    }
    if (!state_.WarmingRefusal.empty()) {
        if (!caption.isEmpty()) caption += QStringLiteral("; ");
        caption += tr("What if: not for %1 (%2)")
                       .arg(FromUtf8(state_.Locations.Slot[state_.CurrentLocation].LocationName),
                            FromUtf8(state_.WarmingRefusal));
    }
    return caption;
}

bool MainWindow::applyAnalysisOptions(const HourFilter& filter, const std::optional<Warming>& warming) noexcept
{
    try {
        SetAnalysisOptions(state_, filter, warming);
        PipelineCanvases c = canvases();
        RunPipeline(state_, c);
        refreshPanels();
        if (state_.WarmingRefusal.empty()) return true;
        showMessage(QMessageBox::Warning, ProgramTitle(),
                    tr("The warming cannot be added to %1:\n%2\nThe analysis shows its normals unchanged.\n")
                        .arg(FromUtf8(state_.Current().LocationName), FromUtf8(state_.WarmingRefusal)));
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
    return false;
}

void MainWindow::analyseSlot(int slot) noexcept
{
    if (slot < 1 || slot > list1_->count()) return;
    // Selecting the entry runs the same flow as a click on it.
    list1_->setCurrentRow(slot - 1, QItemSelectionModel::ClearAndSelect);
    if (state_.CurrentLocation != slot) selectLocation(slot - 1);
}

void MainWindow::showCompareView() noexcept
{
    guarded([&] {
        if (!compareView_) {
            compareView_ = new CompareView(state_, this, [this](QMessageBox::Icon icon, const QString& title,
                                                                const QString& text) { showMessage(icon, title, text); });
            connect(compareView_, &CompareView::locationActivated, this, &MainWindow::analyseSlot);
        }
        {
            WaitCursor wait;
            compareView_->refreshIfChanged();
        }
        compareView_->show();
        compareView_->raise();
        compareView_->activateWindow();
        compareView_->table()->setFocus();
    });
}

void MainWindow::chooseHoursAnalysed() noexcept
{
    guarded([&] {
        HoursAnalysedDialog dialog(state_.Filter, this);
        if (dialog.exec() != QDialog::Accepted) return;
        applyAnalysisOptions(dialog.filter(), state_.WarmingAsked);
    });
}

void MainWindow::chooseWarming() noexcept
{
    guarded([&] {
        WhatIfDialog dialog(this);
        dialog.setWarming(state_.WarmingAsked);
        dialog.showComparison(state_);
        connect(&dialog, &WhatIfDialog::applyRequested, this, [this, &dialog] {
            QString failure;
            const std::optional<Warming> warming = dialog.warming(failure);
            if (!warming) {
                showMessage(QMessageBox::Warning, dialog.windowTitle(), failure);
                return;
            }
            applyAnalysisOptions(state_.Filter, warming);
            dialog.showComparison(state_);
        });
        connect(&dialog, &WhatIfDialog::removeRequested, this, [this, &dialog] {
            applyAnalysisOptions(state_.Filter, std::nullopt);
            dialog.showComparison(state_);
        });
        dialog.exec();
    });
}

void MainWindow::refreshViewSwitch()
{
    // Without recorded hours the chart shows the typical days, whatever was chosen before.
    const bool recorded = state_.CurrentRecorded() != nullptr;
    viewTypical_->setEnabled(recorded);
    viewRecorded_->setEnabled(recorded);
    (recorded && state_.View == HoursView::Recorded ? viewRecorded_ : viewTypical_)->setChecked(true);
}

void MainWindow::showDataSet(DataSetKind kind) noexcept
{
    guarded([&] {
        PipelineCanvases c = canvases();
        if (ShowDataSet(state_, kind, c) == ShowDataSetOutcome::AlreadyShown) {
            showMessage(QMessageBox::Information, ProgramTitle(), tr(kAlreadyPresented));
            return;
        }
        readWarning_.clear();
        refillList();
        refreshPanels();
    });
}

void MainWindow::showBrazil() noexcept { showDataSet(DataSetKind::Brazil); }
void MainWindow::showSouthAmerica() noexcept { showDataSet(DataSetKind::SouthAmerica); }
void MainWindow::showWorld() noexcept { showDataSet(DataSetKind::World); }

void MainWindow::showLocationsFromFile(LocationTable table, SourceFiles files) noexcept
{
    guarded([&] {
        if (table.LocationCount < 1) return;
        PipelineCanvases c = canvases();
        ShowLocationsFromFile(state_, std::move(table), c, {}, std::move(files));
        refillList();
        refreshPanels();
    });
}

void MainWindow::openClimaticFile() noexcept
{
    guarded([&] {
        picture10_->open();
    });
}

void MainWindow::openMonthlyDataFile(const QString& path) noexcept
{
    guarded([&] {
        ReadResult result = ReadMonthlyDataFile(NativePath(path));
        if (result.failure) {
            // The reader hands back no partial table: the state is not touched.
            showMessage(QMessageBox::Warning, ProgramTitle(), ReadFailureText::text(*result.failure));
            return;
        }
        settings::SetFolder(settings::kChooserFolder, QFileInfo(path).absolutePath());
        recent_->add(path);
        readWarning_ = result.warning ? tr("%1: %2").arg(QFileInfo(path).fileName(), ReadFailureText::cutShort(*result.warning))
                                      : QString();
        SourceFiles files;
        const std::string file = QFileInfo(path).absoluteFilePath().toStdString();
        for (int slot = 1; slot <= result.table.LocationCount; ++slot) files[size_t(slot)] = file;
        showLocationsFromFile(std::move(result.table), std::move(files));
    });
}

void MainWindow::chooseWeatherFiles() noexcept
{
    guarded([&] {
        const QStringList paths = QFileDialog::getOpenFileNames(
            this, tr("Open weather files (EPW)"),
            weatherFolder_.isEmpty() ? QDir::currentPath() : weatherFolder_,
            tr("EnergyPlus weather files (*.epw *.EPW);;All files (*)"));
        if (paths.isEmpty()) return;
        weatherFolder_ = QFileInfo(paths.first()).absolutePath();
        settings::SetFolder(settings::kWeatherFolder, weatherFolder_);
        picture10_->cancel();  // the weather files take the chooser's place
        openWeatherFiles(paths);
    });
}

void MainWindow::openWeatherFiles(const QStringList& paths) noexcept
{
    guarded([&] {
        if (paths.isEmpty()) return;
        WeatherFiles opened;
        {
            WaitCursor wait;
            std::vector<std::filesystem::path> files;
            for (const QString& path : paths) files.push_back(NativePath(path));
            opened = OpenWeatherFiles(files);
            if (opened.Table.LocationCount > 0) {
                for (int slot = opened.Table.LocationCount; slot >= 1; --slot)
                    recent_->add(QFile::decodeName(QByteArray::fromStdString(opened.Files[size_t(slot)])));
                readWarning_.clear();
                PipelineCanvases c = canvases();
                ShowLocationsFromFile(state_, std::move(opened.Table), c, std::move(opened.Recorded),
                                      std::move(opened.Files));
                refillList();
                refreshPanels();
            }
        }
        // Each failure in the one error form, a blank line before it.
        QStringList failures;
        for (const ReadFailure& f : opened.Failures) failures << QString() << ReadFailureText::lines(f);

        QStringList report;
        if (paths.size() > kMaxLocations) {
            report << tr("%1 weather files were chosen; the list holds at most %2 locations, "
                                "so only the first %2 were opened.")
                          .arg(paths.size())
                          .arg(kMaxLocations);
        }
        if (!failures.isEmpty()) {
            const qsizetype tried = std::min<qsizetype>(paths.size(), kMaxLocations);
            report << (qsizetype(opened.Failures.size()) == tried
                           ? tr("No weather file could be opened; the previous data are still shown.")
                           : tr("%1 of %2 weather files could not be opened:").arg(opened.Failures.size()).arg(tried));
            report << failures;
        }
        if (!report.isEmpty()) showMessage(QMessageBox::Warning, ProgramTitle(), report.join(u'\n') + u'\n');
    });
}

void MainWindow::showTypicalDays() noexcept { setHoursView(HoursView::Typical); }
void MainWindow::showRecordedHours() noexcept { setHoursView(HoursView::Recorded); }

void MainWindow::setHoursView(HoursView view) noexcept
{
    guarded([&] {
        if (!state_.CurrentRecorded() || state_.View == view) {
            refreshViewSwitch();
            return;
        }
        state_.View = view;
        QSettings().setValue(QLatin1String(settings::kHoursView),
                             view == HoursView::Recorded ? QLatin1String("recorded") : QLatin1String("typical"));
        PipelineCanvases c = canvases();
        RunPipeline(state_, c);
        refreshPanels();
    });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    try {
        if (ClassifyDrop(event->mimeData()).Kind != DroppedFiles::None) {
            event->acceptProposedAction();
            return;
        }
    } catch (const std::exception& e) {
        qCritical("QAV: a dragged item could not be examined: %s", e.what());
    }
    event->ignore();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    guarded([&] {
        DroppedFiles files = ClassifyDrop(event->mimeData());
        if (files.Kind == DroppedFiles::None) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
        picture10_->cancel();
        // Read once the drop is over, so a message box does not keep the dragging program waiting.
        QTimer::singleShot(0, this, [this, files]() noexcept {
            if (files.Kind == DroppedFiles::MonthlyData) openMonthlyDataFile(files.Paths.first());
            else openWeatherFiles(files.Paths);
        });
    });
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

QString MainWindow::analysisBasisText() const
{
    return atScreenSize_ ? tr("Analysed at this screen's size") : tr("Analysed at the reference screen");
}

void MainWindow::openFiles(const QStringList& paths) noexcept
{
    guarded([&] {
        QStringList weather;
        for (const QString& path : paths) {
            if (IsWeatherFile(path)) weather << path;
            else openMonthlyDataFile(path);
        }
        if (!weather.isEmpty()) openWeatherFiles(weather);
    });
}

void MainWindow::showUsingHelp() noexcept
{
    guarded([&] {
        if (!usingHelp_) {
            // A window of its own, not modal, so the help can stay open beside the chart.
            usingHelp_ = new QDialog(this);
            usingHelp_->setObjectName(QStringLiteral("UsingQavHelp"));
            usingHelp_->setWindowTitle(tr("Using QAV"));
            auto* text = new QTextBrowser(usingHelp_);
            text->setObjectName(QStringLiteral("UsingQavText"));
            text->setAccessibleName(tr("Using QAV"));
            text->setHtml(UsingQavHtml());
            auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, usingHelp_);
            connect(buttons, &QDialogButtonBox::rejected, usingHelp_, &QDialog::close);
            auto* layout = new QVBoxLayout(usingHelp_);
            layout->addWidget(text);
            layout->addWidget(buttons);
            usingHelp_->resize(640, 560);
        }
        usingHelp_->show();
        usingHelp_->raise();
        usingHelp_->activateWindow();
    });
}

void MainWindow::onListSelectionChanged() noexcept
{
    if (refilling_) return;
    const QList<QListWidgetItem*> selected = list1_->selectedItems();
    if (selected.isEmpty()) return;  // a deselection analyses nothing
    selectLocation(list1_->row(selected.first()));
}

void MainWindow::selectLocation(int listIndex) noexcept
{
    guarded([&] {
        PipelineCanvases c = canvases();
        if (SelectLocation(state_, listIndex, c)) refreshPanels();
    });
}

void MainWindow::copyChart() noexcept
{
    guarded([&] {
        CopyImageToClipboard(RenderPictureImage(PictureKind::Chart, state_, devicePixelRatio_, chartDecimalSeparator(), PictureLanguage()));
    });
}

void MainWindow::copyGraphic() noexcept
{
    guarded([&] {
        CopyImageToClipboard(RenderPictureImage(PictureKind::Graph, state_, devicePixelRatio_, chartDecimalSeparator(), PictureLanguage()));
    });
}

void MainWindow::copyTable() noexcept
{
    guarded([&] {
        CopyTextToClipboard(ResultsTableClipboardText(state_, localeDecimalPoint()));
    });
}

void MainWindow::showFileFormatHelp() noexcept
{
    guarded([&] {
        const MessageText t = FileFormatHelpText();
        showMessage(QMessageBox::Information, HelpTitle(t.Title), HelpText(t.Text));
    });
}

void MainWindow::showProgramAbout() noexcept
{
    guarded([&] {
        const MessageText t = ProgramAboutText();
        showMessage(QMessageBox::Information, HelpTitle(t.Title), HelpText(t.Text));
    });
}

void MainWindow::showWhatIfHelp() noexcept
{
    guarded([&] {
        const MessageText t = WhatIfHelpText();
        showMessage(QMessageBox::Information, HelpTitle(t.Title), HelpText(t.Text));
    });
}

void MainWindow::showClimaticDataAbout() noexcept
{
    guarded([&] {
        const MessageText t = ClimaticDataAboutText();
        showMessage(QMessageBox::Information, HelpTitle(t.Title), HelpText(t.Text) + HelpText(StationCatalogueAboutText()));
    });
}

void MainWindow::showMessage(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    if (messageSink_) {
        messageSink_(icon, title, text);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);  // the texts are plain lines; keep their blanks and breaks
    // A short text makes a narrow box, whose title bar then cuts the title: keep room for it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(title) + 160;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    box.exec();
}

void MainWindow::reportUnexpected(const char* what) noexcept
{
    try {
        qCritical("QAV: unexpected failure: %s", what);
        showMessage(QMessageBox::Warning, ProgramTitle(),
                    tr("The analysis could not be completed:\n%1\n")
                        .arg(QString::fromLocal8Bit(what)));
    } catch (...) {
        // Nothing more can be reported; the event loop must not see the exception.
    }
}

}  // namespace qav
