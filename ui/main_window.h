#pragma once
// The main window: menus, the location list, the chart, the monthly graph and the results
// panel. It owns the analysis state; every command runs the pipeline and then refreshes the
// window's own panels from the state.
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "pipeline/analysis_state.h"
#include "classify/raster_canvas.h"
#include "pipeline/pipeline.h"

class QAction;
class QCloseEvent;
class QDialog;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QListWidget;
class QMenu;
class QPoint;
class QMoveEvent;
class QResizeEvent;
class QTabWidget;

namespace qav {

class AdaptiveHoursView;
class WindView;

class CanvasView;
class ChartNotes;
class ChartView;
class CompareView;
class ExportActions;
class FileChooserPanel;
class LocationList;
class RecentFiles;
class StatusLine;
class MonthStrategyView;
class SunShadeView;
class MySites;
class QImageCanvas;
class ResultsPanel;
class StationFinder;
struct MessageText;
struct StationMatch;

/// Shows a message box. The window's default shows a modal QMessageBox with an OK button;
/// tests install their own to record the box instead.
using MessageSink = std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)>;

/// The monitor the window opens on. Its size is used for the analysis only when the user asks
/// for it ("Analyse at this screen's size"); otherwise the analysis is laid out for the
/// reference screen and the monitor only decides how large the pictures are shown.
struct StartupScreen {
    ScreenDescription Screen;    // logical pixels, 15 canvas units per pixel
    qreal DevicePixelRatio = 1;  // of the copied pictures only; the zone map ignores it
};
StartupScreen PrimaryStartupScreen();

/// The settings key of the View option "Analyse at this screen's size" (off by default).
inline constexpr const char* kAnalyseAtScreenSizeKey = "view/analyseAtScreenSize";

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(const StartupScreen& screen = PrimaryStartupScreen(), QWidget* parent = nullptr);
    ~MainWindow() override;

    const AnalysisState& state() const { return state_; }
    /// The zone map of the last analysis (the hidden canvas that classified its hours).
    const RasterCanvas& zoneMap() const { return *zoneMap_; }
    void setMessageSink(MessageSink sink);

    /// Analyses the locations of a Monthly Data file: list refilled, slot 1 analysed, no
    /// built-in set marked as shown. The table must hold at least one location.
    void showLocationsFromFile(LocationTable table, SourceFiles files = {}) noexcept;

    /// Reads a Monthly Data file and analyses its locations; on failure shows the reader's
    /// message and leaves the data set, the selection and every panel as they were.
    void openMonthlyDataFile(const QString& path) noexcept;

    /// Reads weather (EPW) files, each one location (at most 50), and analyses the first. A file
    /// that cannot be read is reported with its name; if none can, nothing changes.
    void openWeatherFiles(const QStringList& paths) noexcept;

    /// Opens files as a drop would (`qav FILE...`): each Monthly Data file in turn, then the
    /// weather files (.epw) together. A file that fails is reported; the others load.
    void openFiles(const QStringList& paths) noexcept;

    /// The screen the analysis is laid out for, as the status bar names it.
    QString analysisBasisText() const;
    /// "Analysed at this screen's size (1366 × 768 px)": what the copied table adds when the
    /// analysis is laid out for the monitor.
    QString screenBasisNote() const;

    /// Restores the window's size, position and docks from the last run; false when none were
    /// stored (the caller then chooses them).
    bool restoreWindowSettings();
    /// Opens at a sensible size for the screen's available area: most of a large one, centred,
    /// all of a small one; never less than the window needs and never more than the area.
    void placeOnScreen(const QRect& available);

    /// Whether the analysis is laid out for the monitor's size instead of the reference screen.
    bool analysesAtScreenSize() const { return atScreenSize_; }

    /// Analyses the current location again counting only the filter's hours and adding the
    /// warming (none: the normals as read); a warming the location cannot take is reported and
    /// the analysis shown stays without it. Returns whether the warming was applied (or none asked).
    bool applyAnalysisOptions(const HourFilter& filter, const std::optional<Warming>& warming) noexcept;
    /// Analyses the location in this slot of the list, as a click on its entry does.
    void analyseSlot(int slot) noexcept;
    /// The compare view, made by the first "Compare locations"; null before.
    CompareView* compareView() const { return compareView_; }
    /// The strategy whose hours the chart lights (1..10), 0 for none.
    int highlightedStrategy() const { return highlighted_; }
    /// Lights the hours that count toward strategy s's share and dims the others; 0, or the
    /// strategy already lit, shows every hour alike.
    void chooseStrategy(int strategy) noexcept;
    /// What the status bar says is counted and added ("Counted: hours 9-18; What if: +2 °C"),
    /// after the station and its period when a station of the catalogue is analysed.
    QString analysisCaption() const;

    /// The finder made by the first "Find a station…"; null before, or when the catalogue could not be read.
    StationFinder* stationFinder() const { return finder_; }
    const MySites& mySites() const { return *mySites_; }
    /// Whether the list shows My sites.
    bool showsMySites() const { return showingMySites_; }
    /// Analyses a station and puts it first in Recent sites; the list keeps showing its data
    /// (My sites changes only through Add and Remove), and its next click analyses that entry.
    void chooseStation(const StationMatch& match) noexcept;
    const MySites& recentSites() const { return *recentSites_; }
    /// Adds the location in this slot of the list to My sites.
    void addSlotToMySites(int slot) noexcept;
    /// Removes the site in this slot of My sites (shown or not).
    void removeFromMySites(int slot) noexcept;
    /// Writes My sites as a Monthly Data file; a failure is reported and false returned.
    bool saveMySitesTo(const QString& path) noexcept;

    // Menu commands; slots that call down never let an exception reach the event loop.
  public slots:
    void showBrazil() noexcept;
    void showSouthAmerica() noexcept;
    void showWorld() noexcept;
    void copyChart() noexcept;
    void copyGraphic() noexcept;
    void copyTable() noexcept;
    void showFileFormatHelp() noexcept;
    void showProgramAbout() noexcept;
    void showClimaticDataAbout() noexcept;
    void openClimaticFile() noexcept;    // MOpen: shows the file chooser
    void chooseWeatherFiles() noexcept;  // the file dialog for weather files
    void showUsingHelp() noexcept;       // Help > Using QAV (F1)
    void showTypicalDays() noexcept;
    void showRecordedHours() noexcept;
    /// The View option: lays the analysis out for the monitor (on) or the reference screen (off),
    /// remembers the choice and analyses again.
    void setAnalyseAtScreenSize(bool on) noexcept;
    void showCompareView() noexcept;
    void chooseHoursAnalysed() noexcept;
    void chooseWarming() noexcept;
    void showWhatIfHelp() noexcept;
    void findStation() noexcept;        // File > Find a station… (Ctrl+F)
    void showMySites() noexcept;        // File > My sites: the list analysed
    void addToMySites() noexcept;       // the location analysed (Ctrl+D)
    void chooseMySitesFile() noexcept;  // File > Save My sites as…

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private slots:
    void onListSelectionChanged() noexcept;

  private:
    void createMenus();
    void createContent();
    void showDataSet(DataSetKind kind) noexcept;
    void selectLocation(int listIndex) noexcept;
    void setHoursView(HoursView view) noexcept;
    void refreshViewSwitch();
    void makeCanvases();
    void refreshScreenNote();
    /// Lays the panels out in two columns (chart over list, graph over results) or, for a small
    /// window, as tabs of one view beside the list.
    void arrangeContent(bool compact);
    static bool wantsCompactLayout(QSize size);
    /// The list's width: its longest name's, within the room given.
    int listWidthFor(int room) const;
    /// Sizes the list to its names and, beside the other views, the chart's column to the width
    /// its height fills.
    void fitContentToWindow();
    void refillList();
    void refreshPanels();
    /// The chart shown and its accessible description, with the strategy chosen lit.
    void refreshChart();
    void showHourReadout(int index);
    /// Runs the pipeline on the state as it stands and shows the result in every panel.
    void reanalyse();
    void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text);
    /// A help or About box: its translated title and text, and any text that follows.
    void showHelpBox(const MessageText& box, const QString& more = {});
    void reportUnexpected(const char* what) noexcept;
    /// Runs a command's body so that no exception reaches the event loop: it is reported instead.
    template <class Body>
    void guarded(Body&& body) noexcept
    {
        try {
            body();
        } catch (const std::exception& e) {
            reportUnexpected(e.what());
        } catch (...) {
            reportUnexpected("unknown exception");
        }
    }
    PipelineCanvases canvases();
    void createSiteCommands(QMenu* file);  // Find a station and My sites
    void showListMenu(const QPoint& at);   // the location list's context menu
    void showMySitesAt(int slot);
    /// Analyses a site on its own, the list left as it is (its data kept in listed_).
    void analyseSite(const LocationRecord& site);
    /// Analyses the list's entry after a site analysed on its own: the list's data come back.
    void analyseListedEntry(int listIndex);
    void addSite(const LocationRecord& site);
    void refillRecentSites();
    /// What the results and the status bar note about the data shown: a location a file left
    /// out, and a station far from the coordinates it was found for.
    QString dataNote() const;

    AnalysisState state_;
    StartupScreen monitor_;
    bool atScreenSize_ = false;
    qreal devicePixelRatio_ = 1;
    std::unique_ptr<QImageCanvas> chart_;    // Picture1
    std::unique_ptr<RasterCanvas> zoneMap_;  // Picture2: logical pixels, never shown
    std::unique_ptr<QImageCanvas> graph_;    // Picture3
    MessageSink messageSink_;
    bool refilling_ = false;
    bool compactLayout_ = false;
    int highlighted_ = 0;
    QRect placementArea_;  // the screen area of placeOnScreen, until the frame is known and fitted
    void fitFrameIntoPlacementArea();

    QWidget* content_ = nullptr;
    ChartView* picture1_ = nullptr;
    CanvasView* picture3_ = nullptr;
    ResultsPanel* results_ = nullptr;
    QLabel* label2_ = nullptr;
    LocationList* list1_ = nullptr;
    FileChooserPanel* picture10_ = nullptr;
    ExportActions* exports_ = nullptr;  // File menu: save pictures, export tables
    ChartNotes* notes_ = nullptr;       // under the chart: every warning and addition, in full
    QLabel* screenNote_ = nullptr;      // says so when the monitor's size is analysed
    QTabWidget* resultTabs_ = nullptr;  // the results panel and the month-by-strategy view
    MonthStrategyView* monthStrategy_ = nullptr;
    SunShadeView* sunShade_ = nullptr;
    WindView* wind_ = nullptr;                    // weather files only
    AdaptiveHoursView* adaptiveHours_ = nullptr;  // adaptive comfort models only
    /// Redraws the wind and adaptive views and offers their tabs only where they apply.
    void refreshComfortViews();
    QAction* viewMonthStrategy_ = nullptr;
    QPointer<QWidget> beforeMonthView_;  // the tab Ctrl+M left, for the next Ctrl+M
    QAction* analyseAtScreenSize_ = nullptr;
    QAction* viewTypical_ = nullptr;
    QAction* viewRecorded_ = nullptr;
    QString weatherFolder_;  // where the weather-file dialog opens
    StatusLine* status_ = nullptr;
    RecentFiles* recent_ = nullptr;
    QDialog* usingHelp_ = nullptr;
    QString readWarning_;  // what the last Monthly Data file left out, until other data are shown
    CompareView* compareView_ = nullptr;
    QLabel* analysisCaption_ = nullptr;  // status bar: what the shares count and what was added
    StationFinder* finder_ = nullptr;
    std::unique_ptr<MySites> mySites_;
    std::unique_ptr<MySites> recentSites_;  // the stations analysed last, newest last
    QMenu* recentSitesMenu_ = nullptr;
    /// What the list shows while a site of the finder or of Recent sites is analysed on its own.
    struct ListedData {
        LocationTable Locations;
        DataSetFlags Kind;
        RecordedYears Recorded;
        SourceFiles Files;
        bool MySites = false;
        QString ReadWarning;
    };
    std::optional<ListedData> listed_;
    bool showingMySites_ = false;
    QString stationNote_;        // the distance warning of the station last chosen ...
    std::string stationSource_;  // ... shown while the location with this source field is analysed
};

}  // namespace qav
