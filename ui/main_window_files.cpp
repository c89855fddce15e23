// The main window's file commands: Monthly Data and weather files opened from the menu, the
// file chooser, the recent files, the command line and a drop.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <exception>
#include <filesystem>

#include "pipeline/open_inputs.h"
#include "ui/file_chooser_panel.h"
#include "ui/help_texts.h"
#include "ui/location_list.h"
#include "ui/main_window.h"
#include "ui/read_failure_text.h"
#include "ui/recent_files.h"
#include "ui/settings.h"
#include "ui/wait_cursor.h"

namespace qav {
namespace {

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
        if (suffix.compare(QLatin1String("epw"), Qt::CaseInsensitive) == 0)
            weather << path;
        else if (suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0)
            text << path;
        else
            return {};
    }
    // A second Monthly Data file would replace the first at once, so only one is taken.
    if (text.size() == 1 && weather.isEmpty()) return {DroppedFiles::MonthlyData, text};
    if (text.isEmpty() && !weather.isEmpty()) return {DroppedFiles::Weather, weather};
    return {};
}

}  // namespace

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
    guarded([&] { picture10_->open(); });
}

void MainWindow::openMonthlyDataFile(const QString& path) noexcept
{
    guarded([&] {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        OpenedInputs opened = OpenInputs({InputRequest::Kind::MonthlyData, {}, {NativePath(absolute)}});
        if (!opened.Failures.empty()) {
            // Nothing was read into a table: the state is not touched.
            showMessage(QMessageBox::Warning, ProgramTitle(), ReadFailureText::text(opened.Failures.front()));
            return;
        }
        settings::SetFolder(settings::kChooserFolder, QFileInfo(path).absolutePath());
        recent_->add(path);
        QStringList left;
        if (opened.Warning) left << ReadFailureText::cutShort(*opened.Warning);
        if (opened.LeftOut) left << ReadFailureText::leftOut(*opened.LeftOut);
        readWarning_ = left.isEmpty() ? QString() : tr("%1: %2").arg(QFileInfo(path).fileName(), left.join(u' '));
        showLocationsFromFile(std::move(opened.Table), std::move(opened.Files));
    });
}

void MainWindow::chooseWeatherFiles() noexcept
{
    guarded([&] {
        const QStringList paths = QFileDialog::getOpenFileNames(
            this, tr("Open weather files (EPW)"), weatherFolder_.isEmpty() ? QDir::currentPath() : weatherFolder_,
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
        OpenedInputs opened;
        {
            WaitCursor wait;
            InputRequest request{InputRequest::Kind::Weather, {}, {}};
            for (const QString& path : paths) request.Files.push_back(NativePath(path));
            opened = OpenInputs(request);
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
            if (files.Kind == DroppedFiles::MonthlyData)
                openMonthlyDataFile(files.Paths.first());
            else
                openWeatherFiles(files.Paths);
        });
    });
}

void MainWindow::openFiles(const QStringList& paths) noexcept
{
    guarded([&] {
        QStringList weather;
        for (const QString& path : paths) {
            if (IsWeatherFile(path))
                weather << path;
            else
                openMonthlyDataFile(path);
        }
        if (!weather.isEmpty()) openWeatherFiles(weather);
    });
}

}  // namespace qav
