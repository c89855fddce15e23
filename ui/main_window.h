#pragma once
// The main window: menus, the location list, the chart, the monthly graph and the results
// panel. It owns the analysis state; every command runs the pipeline and then refreshes the
// window's own panels from the state.
#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "pipeline/analysis_state.h"
#include "pipeline/pipeline.h"

class QAction;
class QCloseEvent;
class QDialog;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QListWidget;
class QScrollArea;

namespace qav {

class CanvasView;
class CLogFont;
class ExportActions;
class FileChooserPanel;
class LocationList;
class RecentFiles;
class StatusLine;
class MonthStrategyView;
class QImageCanvas;
class RasterCanvas;
class ResultsPanel;

/// Shows a message box. The window's default shows a modal QMessageBox with an OK button;
/// tests install their own to record the box instead.
using MessageSink = std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)>;

/// The screen that start-up lays the window out for, from the primary screen.
struct StartupScreen {
    ScreenDescription Screen;    // logical pixels, 15 canvas units per pixel
    qreal DevicePixelRatio = 1;  // of the visible canvases only; the zone map ignores it
};
StartupScreen PrimaryStartupScreen();

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const StartupScreen& screen = PrimaryStartupScreen(), QWidget* parent = nullptr);
    ~MainWindow() override;

    const AnalysisState& state() const { return state_; }
    void setMessageSink(MessageSink sink);

    /// The decimal separator of the user's locale, as the panel, the table and the chart use it.
    static QChar localeDecimalPoint();

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

    /// Restores the window's size, position and docks from the last run; false when none were
    /// stored (the caller then chooses them).
    bool restoreWindowSettings();

    /// The content's size at the layout fixed at start-up, in logical pixels.
    QSize contentSize() const;

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

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onListSelectionChanged() noexcept;

private:
    void createMenus();
    void createContent();
    void showDataSet(DataSetKind kind) noexcept;
    void selectLocation(int listIndex) noexcept;
    void setHoursView(HoursView view) noexcept;
    void refreshViewSwitch();
    int marginPx() const;
    void refillList();
    void refreshPanels();
    void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text);
    void reportUnexpected(const char* what) noexcept;
    PipelineCanvases canvases();

    AnalysisState state_;
    qreal devicePixelRatio_ = 1;
    std::unique_ptr<QImageCanvas> chart_;    // Picture1; makes the rotated font's handles
    std::unique_ptr<CLogFont> rotatedFont_;  // released before the chart that made its handle
    std::unique_ptr<RasterCanvas> zoneMap_;  // Picture2: logical pixels, never shown
    std::unique_ptr<QImageCanvas> graph_;    // Picture3
    MessageSink messageSink_;
    bool refilling_ = false;

    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    CanvasView* picture1_ = nullptr;
    CanvasView* picture3_ = nullptr;
    ResultsPanel* results_ = nullptr;
    QLabel* label2_ = nullptr;
    LocationList* list1_ = nullptr;
    FileChooserPanel* picture10_ = nullptr;
    ExportActions* exports_ = nullptr;            // File menu: save pictures, export tables
    MonthStrategyView* monthStrategy_ = nullptr;  // in a dock, shown from the View menu
    QAction* viewTypical_ = nullptr;
    QAction* viewRecorded_ = nullptr;
    QString weatherFolder_;  // where the weather-file dialog opens
    StatusLine* status_ = nullptr;
    RecentFiles* recent_ = nullptr;
    QDialog* usingHelp_ = nullptr;
    QString readWarning_;  // what the last Monthly Data file left out, until other data are shown
    // Whether the layout follows this screen rather than the reference screen (1024 x 768).
    bool analysisAtScreenSize_ = false;
};

}  // namespace qav
