#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
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
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QTimer>
#include <QUrl>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>

#include "chart/clogfont.h"
#include "chart/qt/qimage_canvas.h"
#include "chart/qt/upper_vector_state.h"
#include "classify/raster_canvas.h"
#include "classify/recorded_classification.h"
#include "data/md_reader.h"
#include "pipeline/weather_location.h"
#include "ui/canvas_view.h"
#include "ui/clipboard.h"
#include "ui/export_actions.h"
#include "ui/file_chooser_panel.h"
#include "ui/help_texts.h"
#include "ui/location_list.h"
#include "ui/recent_files.h"
#include "ui/month_strategy_view.h"
#include "ui/results_panel.h"
#include "ui/settings.h"
#include "ui/status_line.h"

namespace qav {
namespace {

// Free space left and right of the 75 U block, at most what the screen leaves beside it.
constexpr int kMaxMarginPx = 12;
// Canvas units per logical pixel: the twips of a 96 dpi screen.
constexpr int kUnitsPerPixel = 15;

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The title of the program's own boxes (read errors, a data set already shown).
QString ProgramTitle() { return QStringLiteral("QAV 1.3"); }

// The file name as the system spells it: Qt's names are UTF-16, the file system's are bytes.
std::filesystem::path NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// An error box's text: the file, then the reason as the reader gives it.
QString ReadErrorText(const QString& path, const QString& reason)
{
    return MainWindow::tr("The file could not be read:\n%1\n\n%2\n").arg(QDir::toNativeSeparators(path), reason);
}

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
    : QMainWindow(parent), devicePixelRatio_(std::max<qreal>(1, screen.DevicePixelRatio))
{
    setWindowTitle(QStringLiteral("   Meridane  (QAV version 1.3)"));

    state_ = MakeStartupState(screen.Screen);
    const ScreenLayout& l = state_.Layout;
    chart_ = std::make_unique<QImageCanvas>(l.Picture1.Width, l.Picture1.Height, l.PixelWidth,
                                            l.PixelHeight, devicePixelRatio_);
    zoneMap_ = std::make_unique<RasterCanvas>(l.Picture1.Width, l.Picture1.Height, l.PixelWidth,
                                              l.PixelHeight);
    graph_ = std::make_unique<QImageCanvas>(l.Picture3.Width, l.Picture3.Height, l.PixelWidth,
                                            l.PixelHeight, devicePixelRatio_);
    // The rotated title's font copies the chart's own font; the chart canvas makes its handles.
    rotatedFont_ = std::make_unique<CLogFont>(chart_->FontFactory());
    rotatedFont_->SetLogFont(chart_->Font());

    // The reference screen's layout is the one every screen and qav-cli analyse by default.
    analysisAtScreenSize_ = screen.Screen.WidthPx != ScreenDescription{}.WidthPx ||
                            screen.Screen.HeightPx != ScreenDescription{}.HeightPx;
    if (QSettings().value(QLatin1String(settings::kHoursView)).toString() == QLatin1String("recorded"))
        state_.View = HoursView::Recorded;
    weatherFolder_ = settings::Folder(settings::kWeatherFolder, QString());

    createMenus();
    createContent();
    status_ = new StatusLine(statusBar());
    refillList();
    setAcceptDrops(true);

    try {
        PipelineCanvases c = canvases();
        RunPipeline(state_, c);
        refreshPanels();
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }

QChar MainWindow::localeDecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point.at(0) : QChar(u'.');
}

PipelineCanvases MainWindow::canvases()
{
    // Every pipeline run of the window starts here, after Qt has handled an event.
    ClearUpperVectorState();
    const QChar point = localeDecimalPoint();
    // The chart prints with a one-byte separator; one outside ASCII falls back to the point.
    const char separator = point.unicode() < 0x80 ? char(point.unicode()) : '.';
    return PipelineCanvases{*zoneMap_, chart_.get(), graph_.get(), rotatedFont_.get(), separator};
}

void MainWindow::createMenus()
{
    auto command = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MFile"));
    command(file, "MOpen", QStringLiteral("&Open climatic file"), &MainWindow::openClimaticFile)
        ->setShortcut(QKeySequence::Open);
    command(file, "MOpenEpw", QStringLiteral("Open &weather file (EPW)…"), &MainWindow::chooseWeatherFiles);
    recent_ = new RecentFiles(file->addMenu(tr("&Recent files")), this);
    connect(recent_, &RecentFiles::openRequested, this, [this](const QString& path) { openFiles({path}); });
    command(file, "AbFiles", QStringLiteral("&About climatic files"), &MainWindow::showFileFormatHelp);
    file->addSeparator();
    QMenu* data = file->addMenu(QStringLiteral("Climatic data &base"));
    data->setObjectName(QStringLiteral("MenData"));
    command(data, "DataBras", QStringLiteral("&Brazil"), &MainWindow::showBrazil);
    command(data, "DataAmer", QStringLiteral("&South America"), &MainWindow::showSouthAmerica);
    command(data, "DataMun", QStringLiteral("&World"), &MainWindow::showWorld);
    command(file, "AbTurk", QStringLiteral("About &this data"), &MainWindow::showClimaticDataAbout);
    file->addSeparator();
    exports_ = new ExportActions(this, state_, devicePixelRatio_,
                                 [this](QMessageBox::Icon icon, const QString& title, const QString& text) {
                                     showMessage(icon, title, text);
                                 });
    exports_->addTo(file);
    file->addSeparator();
    command(file, "MExit", QStringLiteral("E&xit"), &QWidget::close)->setShortcut(QKeySequence::Quit);

    QMenu* copy = menuBar()->addMenu(QStringLiteral("&Copy"));
    copy->setObjectName(QStringLiteral("MCop"));
    command(copy, "MCopChart", QStringLiteral("&Chart"), &MainWindow::copyChart);
    command(copy, "CopGraf", QStringLiteral("&Graphic"), &MainWindow::copyGraphic);
    command(copy, "MCopTab", QStringLiteral("&Tabel"), &MainWindow::copyTable);

    // Which hours the chart and the legend show; only weather-file locations have recorded hours.
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("MView"));
    auto* hours = new QActionGroup(this);
    viewTypical_ = command(view, "ViewTypical", QStringLiteral("&Typical days"), &MainWindow::showTypicalDays);
    viewRecorded_ = command(view, "ViewRecorded", QStringLiteral("&Recorded hours"), &MainWindow::showRecordedHours);
    for (QAction* a : {viewTypical_, viewRecorded_}) {
        a->setCheckable(true);
        hours->addAction(a);
    }
    viewTypical_->setChecked(true);
    view->addSeparator();
    monthStrategy_ = new MonthStrategyView;
    AddMonthStrategyDock(this, monthStrategy_, view, contentSize().width());

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MHelp"));
    command(help, "UsingQav", tr("&Using QAV"), &MainWindow::showUsingHelp)->setShortcut(QKeySequence::HelpContents);
    command(help, "AboutFiles", QStringLiteral("&Monthly Climatic Files"), &MainWindow::showFileFormatHelp);
    command(help, "AboutME", QStringLiteral("&About QAV 1.3"), &MainWindow::showProgramAbout);

    QAction* goOut = menuBar()->addAction(QStringLiteral("E&xit"));
    goOut->setObjectName(QStringLiteral("GoOut"));
    connect(goOut, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::createContent()
{
    const ScreenLayout& l = state_.Layout;
    const double unitsPerPx = l.PixelWidth;
    const double blockLeft = l.Picture1.Left;
    const int kMarginPx = marginPx();
    // Canvas units to logical pixels, relative to the block's left edge and the window's top.
    auto x = [&](const CanvasRect& r) { return kMarginPx + int(std::lround((r.Left - blockLeft) / unitsPerPx)); };
    auto y = [&](const CanvasRect& r) { return int(std::lround(r.Top / l.PixelHeight)); };
    auto w = [&](double units) { return int(std::lround(units / unitsPerPx)); };
    auto h = [&](double units) { return int(std::lround(units / l.PixelHeight)); };

    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("Content"));

    picture1_ = new CanvasView(content_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setAccessibleName(tr("Bioclimatic chart"));
    // The canvases' own pixel size: the widget shows every pixel the zone map classifies.
    picture1_->setGeometry(x(l.Picture1), y(l.Picture1),
                           int(std::ceil(l.Picture1.Width / unitsPerPx)),
                           int(std::ceil(l.Picture1.Height / l.PixelHeight)));

    picture3_ = new CanvasView(content_);
    picture3_->setObjectName(QStringLiteral("Picture3"));
    picture3_->setAccessibleName(tr("Monthly climate graph"));
    picture3_->setGeometry(x(l.Picture3), y(l.Picture3), int(std::ceil(l.Picture3.Width / unitsPerPx)),
                           int(std::ceil(l.Picture3.Height / l.PixelHeight)));

    results_ = new ResultsPanel(content_);
    results_->setGeometry(x(l.Results), y(l.Results), w(l.Results.Width), h(l.Results.Height));
    results_->fitFontToSize();

    label2_ = new QLabel(QStringLiteral("Click a location to see the bioclimatic analysis"), content_);
    label2_->setObjectName(QStringLiteral("Label2"));
    const int labelHeight = label2_->sizeHint().height() + 4;
    label2_->setGeometry(x(l.Label2), y(l.Label2), w(l.Label2.Width), labelHeight);

    list1_ = new LocationList(content_);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setGeometry(x(l.List1), y(l.List1) + labelHeight, w(l.List1.Width), h(l.List1.Height) - labelHeight);
    label2_->setBuddy(list1_);
    connect(list1_, &QListWidget::itemSelectionChanged, this, &MainWindow::onListSelectionChanged);
    // Enter on the current entry selects it, which runs the same flow as a click.
    connect(list1_, &QListWidget::itemActivated, this, [](QListWidgetItem* item) { item->setSelected(true); });

    content_->setFixedSize(contentSize());

    // Picture10, over the whole window (not the scrolled content) and hidden until MOpen.
    picture10_ = new FileChooserPanel(this);
    picture10_->setFolder(settings::Folder(settings::kChooserFolder, picture10_->currentFolder()));
    connect(picture10_, &FileChooserPanel::fileChosen, this, &MainWindow::openMonthlyDataFile);
    connect(picture10_, &FileChooserPanel::noFileChosen, this, [this]() noexcept {
        try {
            showMessage(QMessageBox::NoIcon, ProgramTitle(), QStringLiteral("Select the file"));
        } catch (const std::exception& e) {
            reportUnexpected(e.what());
        }
    });

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ContentScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setWidget(content_);
    setCentralWidget(scroll_);
    list1_->setFocus();
}

int MainWindow::marginPx() const
{
    const ScreenLayout& l = state_.Layout;
    return std::clamp(int(l.Picture1.Left / l.PixelWidth), 0, kMaxMarginPx);
}

QSize MainWindow::contentSize() const
{
    const ScreenLayout& l = state_.Layout;
    const int width = 2 * marginPx() + int(std::lround(75 * l.U / l.PixelWidth));
    const int bottom = int(std::lround((l.List1.Top + l.List1.Height) / l.PixelHeight));
    return {width, bottom + kMaxMarginPx};
}

void MainWindow::refillList()
{
    refilling_ = true;
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
    picture3_->setImage(graph_->Image());
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
    results_->setNote(readWarning_);
    status_->setWarning(readWarning_);
    status_->show(StatusTextsOf(state_, analysisBasisText()));
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
    try {
        PipelineCanvases c = canvases();
        if (ShowDataSet(state_, kind, c) == ShowDataSetOutcome::AlreadyShown) {
            showMessage(QMessageBox::Information, QStringLiteral("QAV 1.3"),
                        QString::fromUtf8(kAlreadyPresentedMessage.data(), qsizetype(kAlreadyPresentedMessage.size())));
            return;
        }
        readWarning_.clear();
        refillList();
        refreshPanels();
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::showBrazil() noexcept { showDataSet(DataSetKind::Brazil); }
void MainWindow::showSouthAmerica() noexcept { showDataSet(DataSetKind::SouthAmerica); }
void MainWindow::showWorld() noexcept { showDataSet(DataSetKind::World); }

void MainWindow::showLocationsFromFile(LocationTable table, SourceFiles files) noexcept
{
    try {
        if (table.LocationCount < 1) return;
        PipelineCanvases c = canvases();
        ShowLocationsFromFile(state_, std::move(table), c, {}, std::move(files));
        refillList();
        refreshPanels();
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::openClimaticFile() noexcept
{
    try {
        picture10_->open();
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::openMonthlyDataFile(const QString& path) noexcept
{
    try {
        ReadResult result = ReadMonthlyDataFile(NativePath(path));
        if (result.failure) {
            // The reader hands back no partial table: the state is not touched.
            showMessage(QMessageBox::Warning, ProgramTitle(), ReadErrorText(path, FromUtf8(result.failure->message)));
            return;
        }
        settings::SetFolder(settings::kChooserFolder, QFileInfo(path).absolutePath());
        recent_->add(path);
        readWarning_ = result.warning ? tr("%1: %2").arg(QFileInfo(path).fileName(), FromUtf8(result.warning->message))
                                      : QString();
        SourceFiles files;
        const std::string file = QFileInfo(path).absoluteFilePath().toStdString();
        for (int slot = 1; slot <= result.table.LocationCount; ++slot) files[size_t(slot)] = file;
        showLocationsFromFile(std::move(result.table), std::move(files));
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::chooseWeatherFiles() noexcept
{
    try {
        const QStringList paths = QFileDialog::getOpenFileNames(
            this, QStringLiteral("Open weather files (EPW)"),
            weatherFolder_.isEmpty() ? QDir::currentPath() : weatherFolder_,
            QStringLiteral("EnergyPlus weather files (*.epw *.EPW);;All files (*)"));
        if (paths.isEmpty()) return;
        weatherFolder_ = QFileInfo(paths.first()).absolutePath();
        settings::SetFolder(settings::kWeatherFolder, weatherFolder_);
        picture10_->cancel();  // the weather files take the chooser's place
        openWeatherFiles(paths);
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::openWeatherFiles(const QStringList& paths) noexcept
{
    try {
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
        QStringList failures;
        for (const WeatherFileFailure& f : opened.Failures)
            failures << QFile::decodeName(QByteArray::fromStdString(f.File.filename().string())) + QStringLiteral(": ") +
                            FromUtf8(f.Message);

        QStringList report;
        if (paths.size() > kMaxLocations) {
            report << QStringLiteral("%1 weather files were chosen; the list holds at most %2 locations, "
                                     "so only the first %2 were opened.")
                          .arg(paths.size())
                          .arg(kMaxLocations);
        }
        if (!failures.isEmpty()) {
            const qsizetype tried = std::min<qsizetype>(paths.size(), kMaxLocations);
            report << (qsizetype(failures.size()) == tried
                           ? QStringLiteral("No weather file could be opened; the previous data are still shown.")
                           : QStringLiteral("%1 of %2 weather files could not be opened:").arg(failures.size()).arg(tried));
            report << failures;
        }
        if (!report.isEmpty()) showMessage(QMessageBox::Warning, ProgramTitle(), report.join(u'\n') + u'\n');
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::showTypicalDays() noexcept { setHoursView(HoursView::Typical); }
void MainWindow::showRecordedHours() noexcept { setHoursView(HoursView::Recorded); }

void MainWindow::setHoursView(HoursView view) noexcept
{
    try {
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
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
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
    try {
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
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
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
    return analysisAtScreenSize_ ? tr("Analysed at this screen's size") : tr("Analysed at the reference screen");
}

void MainWindow::openFiles(const QStringList& paths) noexcept
{
    try {
        QStringList weather;
        for (const QString& path : paths) {
            if (IsWeatherFile(path)) weather << path;
            else openMonthlyDataFile(path);
        }
        if (!weather.isEmpty()) openWeatherFiles(weather);
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::showUsingHelp() noexcept
{
    try {
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
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
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
    try {
        PipelineCanvases c = canvases();
        if (SelectLocation(state_, listIndex, c)) refreshPanels();
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::copyChart() noexcept
{
    try {
        CopyImageToClipboard(chart_->Image());
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::copyGraphic() noexcept
{
    try {
        CopyImageToClipboard(graph_->Image());
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::copyTable() noexcept
{
    try {
        CopyTextToClipboard(ResultsTableClipboardText(state_, localeDecimalPoint()));
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::showFileFormatHelp() noexcept
{
    try {
        const MessageText t = FileFormatHelpText();
        showMessage(QMessageBox::Information, FromUtf8(t.Title), FromUtf8(t.Text));
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::showProgramAbout() noexcept
{
    try {
        const MessageText t = ProgramAboutText();
        showMessage(QMessageBox::Information, FromUtf8(t.Title), FromUtf8(t.Text));
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void MainWindow::showClimaticDataAbout() noexcept
{
    try {
        const MessageText t = ClimaticDataAboutText();
        showMessage(QMessageBox::Information, FromUtf8(t.Title), FromUtf8(t.Text));
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
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
        showMessage(QMessageBox::Critical, QStringLiteral("QAV 1.3"),
                    QStringLiteral("The analysis could not be completed:\n%1\n")
                        .arg(QString::fromLocal8Bit(what)));
    } catch (...) {
        // Nothing more can be reported; the event loop must not see the exception.
    }
}

}  // namespace qav
