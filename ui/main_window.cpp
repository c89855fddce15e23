#include "ui/main_window.h"
#include "ui/sun_shade_view.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QCursor>
#include <QToolTip>
#include <algorithm>
#include <exception>

#include "chart/qt/qimage_canvas.h"
#include "chart/qt/upper_vector_state.h"
#include "core/version.h"
#include "classify/raster_canvas.h"
#include "classify/recorded_classification.h"
#include "pipeline/rendering.h"
#include "ui/analysis_options_dialogs.h"
#include "ui/analysis_text.h"
#include "ui/chart_notes.h"
#include "ui/chart_view.h"
#include "ui/canvas_view.h"
#include "ui/export_actions.h"
#include "ui/compare_view.h"
#include "ui/help_texts.h"
#include "ui/locale_format.h"
#include "ui/location_list.h"
#include "ui/month_strategy_view.h"
#include "ui/my_sites.h"
#include "ui/results_panel.h"
#include "ui/settings.h"
#include "ui/status_line.h"
#include "ui/wait_cursor.h"
#include "ui/translation.h"

namespace qav {
namespace {

// Canvas units per logical pixel: the twips of a 96 dpi screen.
constexpr int kUnitsPerPixel = 15;

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The box shown for a data set already shown, marked here for lupdate: the text itself stays
// English in the selection flow, which knows nothing of translations.
constexpr const char* kAlreadyPresented =
    QT_TRANSLATE_NOOP("qav::MainWindow", "The data are already being presented.\nSelect any city of the list.\n");
static_assert(kAlreadyPresentedMessage == kAlreadyPresented);

// How exported results name a monitor the analysis was laid out for (the files are English).
std::string ScreenBasisForFiles(const ScreenDescription& screen)
{
    return "this screen's size (" + std::to_string(screen.WidthPx) + " x " + std::to_string(screen.HeightPx) + " px)";
}

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
    setWindowTitle(tr("   Meridane  (QAV version %1)").arg(FromUtf8(std::string(kVersion))));
    // The smallest window whose chart and list show whole (the layout alone allowed 741 px).
    setMinimumSize(800, 600);

    atScreenSize_ = QSettings().value(QLatin1String(kAnalyseAtScreenSizeKey), false).toBool();
    state_ = MakeStartupState(atScreenSize_ ? monitor_.Screen : kReferenceScreen);
    makeCanvases();

    if (QSettings().value(QLatin1String(settings::kHoursView)).toString() == QLatin1String("recorded"))
        state_.View = HoursView::Recorded;
    weatherFolder_ = settings::Folder(settings::kWeatherFolder, QString());
    mySites_ = std::make_unique<MySites>(MySites::FromSettings());
    recentSites_ = std::make_unique<MySites>(MySites::FromSettings(kRecentSitesKey, kMaxRecentSites));

    createMenus();
    if (atScreenSize_) exports_->setAnalysisBasis(ScreenBasisForFiles(monitor_.Screen));
    createContent();
    status_ = new StatusLine(statusBar());
    connect(exports_, &ExportActions::saved, status_, &StatusLine::showSaved);
    refillList();
    setAcceptDrops(true);

    guarded([&] { reanalyse(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::reanalyse()
{
    PipelineCanvases c = canvases();
    RunPipeline(state_, c);
    refreshPanels();
}

void MainWindow::makeCanvases()
{
    const ScreenLayout& l = state_.Layout;
    chart_ = std::make_unique<QImageCanvas>(l.Picture1.Width, l.Picture1.Height, l.PixelWidth, l.PixelHeight,
                                            devicePixelRatio_);
    zoneMap_ = std::make_unique<RasterCanvas>(l.Picture1.Width, l.Picture1.Height, l.PixelWidth, l.PixelHeight);
    graph_ = std::make_unique<QImageCanvas>(l.Picture3.Width, l.Picture3.Height, l.PixelWidth, l.PixelHeight,
                                            devicePixelRatio_);
}

void MainWindow::setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }

PipelineCanvases MainWindow::canvases()
{
    // Every pipeline run of the window starts here, after Qt has handled an event.
    ClearUpperVectorState();
    return PipelineCanvases{*zoneMap_, chart_.get(), graph_.get(), ChartDecimalSeparator(), PictureLanguage()};
}

void MainWindow::setAnalyseAtScreenSize(bool on) noexcept
{
    guarded([&] {
        QSettings().setValue(QLatin1String(kAnalyseAtScreenSizeKey), on);
        if (analyseAtScreenSize_->isChecked() != on) analyseAtScreenSize_->setChecked(on);  // toggles back here
        if (on == atScreenSize_) return;
        atScreenSize_ = on;
        exports_->setAnalysisBasis(on ? ScreenBasisForFiles(monitor_.Screen) : std::string());
        SetAnalysisScreen(state_, on ? monitor_.Screen : kReferenceScreen);
        makeCanvases();
        reanalyse();
        refreshScreenNote();
    });
}

void MainWindow::refillList()
{
    refilling_ = true;
    showingMySites_ = false;  // showMySitesAt sets it again after refilling
    listed_.reset();          // the list shows the data analysed
    list1_->clear();
    for (const std::string& entry : LocationListEntries(state_.Locations)) {
        list1_->addItem(FromUtf8(entry));
        list1_->item(list1_->count() - 1)->setToolTip(FromUtf8(entry).trimmed());
    }
    // No entry is highlighted afterwards, although a location is being analysed.
    list1_->clearSelection();
    list1_->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    // ... but the analysed entry is current, so the arrow keys move on from it.
    list1_->showAnalysed(state_.CurrentLocation);
    refilling_ = false;
}

void MainWindow::refreshChart()
{
    // The pipeline's canvas holds the chart with every hour alike; a lit strategy is drawn afresh.
    picture1_->setImage(highlighted_ == 0
                            ? chart_->Image()
                            : RenderPictureImage(PictureKind::Chart, state_, devicePixelRatio_, ChartDecimalSeparator(),
                                                 PictureLanguage(), highlighted_));
    std::vector<PlottedHour> hours = PlottedHoursOf(state_);
    QString description = ChartDescription(state_, LocaleDecimalPoint());
    if (highlighted_ > 0)
        description += QStringLiteral(". ") + HighlightDescription(highlighted_, LitHourCount(hours, highlighted_));
    picture1_->setAccessibleDescription(description);
    picture1_->setLitStrategy(highlighted_);
    status_->setLit(highlighted_ > 0 ? LitStatusText(highlighted_, LitHourCount(hours, highlighted_)) : QString());
    results_->setHighlightedStrategy(highlighted_);
    const auto counted = std::count_if(hours.begin(), hours.end(), [](const PlottedHour& h) { return h.Counted; });
    results_->setCountedNote(state_.Filter.IsAll() ? QString()
                                                   : tr("Counted: %1, %2 of the %3 hours shown")
                                                         .arg(AnalysisText::hourFilter(state_.Filter))
                                                         .arg(counted)
                                                         .arg(hours.size()));
    picture1_->setHours(std::move(hours), state_.Layout.PixelWidth, state_.Layout.PixelHeight);
    showHourReadout(picture1_->currentHour());
}

void MainWindow::chooseStrategy(int strategy) noexcept
{
    guarded([&] {
        highlighted_ = strategy == highlighted_ || strategy < 0 || strategy > kStrategies ? 0 : strategy;
        refreshChart();
    });
}

void MainWindow::showHourReadout(int index)
{
    const std::vector<PlottedHour>& hours = picture1_->hours();
    const QString text = index >= 0 && index < static_cast<int>(hours.size())
                             ? HourReadout(hours[static_cast<std::size_t>(index)], LocaleDecimalPoint())
                             : QString();
    status_->setReadout(text);
    picture1_->setToolTip(text);
    if (picture1_->underMouse()) {
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(QCursor::pos(), text, picture1_);
    }
}

void MainWindow::refreshPanels()
{
    refreshChart();
    // The graph as every picture of it shows it: naming its location.
    picture3_->setImage(
        RenderPictureImage(PictureKind::Graph, state_, devicePixelRatio_, ChartDecimalSeparator(), PictureLanguage()));
    results_->showResults(state_.Current(), state_.ShownTally().YearShare, LocaleDecimalPoint());
    if (state_.CurrentRecorded()) {
        results_->showShareComparison(state_.Tally.YearShare, state_.RecordedTally.YearShare,
                                      ShareDisagreement(state_.Tally, state_.RecordedTally), LocaleDecimalPoint());
    } else {
        results_->hideShareComparison();
    }
    monthStrategy_->showTally(state_.ShownTally(), state_.ShowsRecordedHours(), LocaleDecimalPoint());
    sunShade_->refresh();
    refreshViewSwitch();
    refreshComfortViews();
    picture3_->setAccessibleDescription(
        tr("Monthly mean minimum and maximum temperatures and relative humidity of %1 (%2)")
            .arg(FromUtf8(state_.Current().LocationName), ShownCountry(state_.Current().Country)));
    results_->markWarmedNormals(state_.Warmed ? AnalysisText::warming(*state_.WarmingAsked) : QString());
    results_->setNote(KeepUnitsTogether(dataNote()));
    StatusTexts texts = StatusTextsOf(state_, analysisBasisText());
    if (showingMySites_) texts.Source = tr("My sites");
    if (listed_) texts.Source = tr("Recent sites");
    status_->show(texts);
    if (compareView_) compareView_->setSourceName(texts.Source);
    const QString caption = KeepUnitsTogether(analysisCaption());
    if (!analysisCaption_ && !caption.isEmpty()) {
        analysisCaption_ = new QLabel;
        analysisCaption_->setObjectName(QStringLiteral("AnalysisCaption"));
        statusBar()->addPermanentWidget(analysisCaption_);
    }
    if (analysisCaption_) {
        analysisCaption_->setText(caption);
        analysisCaption_->setToolTip(caption);
        analysisCaption_->setAccessibleName(caption);
    }
    // Every warning and addition in full under the chart; the status bar keeps the first, short.
    QStringList notes = dataNote().split(u'\n', Qt::SkipEmptyParts);
    notes << ChartNotes::recordedHoursNotes(state_);
    if (!caption.isEmpty()) notes << caption;
    notes_->setNotes(notes);
    status_->setWarning(dataNote().replace(u'\n', QStringLiteral("; ")));
    fitContentToWindow();
    if (compareView_ && compareView_->isVisible()) compareView_->refreshIfChanged();
}

QString MainWindow::analysisCaption() const
{
    QString caption = AnalysisText::caption(CaptionPartsOf(state_));
    if (state_.WarmingRefusal) {
        if (!caption.isEmpty()) caption += QStringLiteral("; ");
        caption += tr("What if: not for %1 (%2)")
                       .arg(FromUtf8(state_.Locations.Slot[state_.CurrentLocation].LocationName),
                            AnalysisText::refusal(*state_.WarmingRefusal));
    }
    return caption;
}

bool MainWindow::applyAnalysisOptions(const HourFilter& filter, const std::optional<Warming>& warming) noexcept
{
    try {
        SetAnalysisOptions(state_, filter, warming);
        reanalyse();
        if (!state_.WarmingRefusal) return true;
        showMessage(QMessageBox::Warning, ProgramTitle(),
                    tr("The warming cannot be added to %1:\n%2\nThe analysis shows its normals unchanged.\n")
                        .arg(FromUtf8(state_.Current().LocationName), AnalysisText::refusal(*state_.WarmingRefusal)));
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
            compareView_ = new CompareView(state_, this,
                                           [this](QMessageBox::Icon icon, const QString& title, const QString& text) {
                                               showMessage(icon, title, text);
                                           });
            connect(compareView_, &CompareView::locationActivated, this, &MainWindow::analyseSlot);
            connect(compareView_, &CompareView::saved, status_, &StatusLine::showSaved);
            compareView_->setSourceName(showingMySites_ ? tr("My sites") : StatusTextsOf(state_, QString()).Source);
        }
        {
            WaitCursor wait;
            compareView_->refreshIfChanged();
        }
        compareView_->showCurrentLocation();
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
                // The shares shown were for another value: they must not pass for this one's.
                dialog.clearComparison(tr("Not analysed: %1").arg(failure));
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
        reanalyse();
    });
}

QString MainWindow::screenBasisNote() const
{
    return tr("Analysed at this screen's size (%1 × %2 px)").arg(monitor_.Screen.WidthPx).arg(monitor_.Screen.HeightPx);
}

QString MainWindow::analysisBasisText() const
{
    return atScreenSize_ ? tr("Analysed at this screen's size") : tr("Analysed at the reference screen");
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
        if (listed_) {
            analyseListedEntry(listIndex);
            return;
        }
        PipelineCanvases c = canvases();
        if (SelectLocation(state_, listIndex, c)) refreshPanels();
    });
}

void MainWindow::reportUnexpected(const char* what) noexcept
{
    try {
        qCritical("QAV: unexpected failure: %s", what);
        showMessage(QMessageBox::Warning, ProgramTitle(),
                    tr("The analysis could not be completed:\n%1\n").arg(QString::fromLocal8Bit(what)));
    } catch (...) {
        // Nothing more can be reported; the event loop must not see the exception.
    }
}

}  // namespace qav
