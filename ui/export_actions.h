#pragma once
// The File menu's saving commands: the chart and the graph as PNG or SVG pictures, the results
// and the hourly table as CSV. Every file is written whole or not at all (a temporary file
// renamed over the target), and a failure names the file and the reason.
#include <QByteArray>
#include <QImage>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "pictures/pictures.h"
#include "pipeline/analysis_state.h"
#include "pipeline/exports.h"

class QMenu;
class QWidget;

namespace qav {

/// The choices of the save dialogs' type list, in English; FilterText words them for the dialog.
inline constexpr const char* kPngFilter = QT_TRANSLATE_NOOP("qav::ExportActions", "PNG image (*.png)");
inline constexpr const char* kPng2xFilter =
    QT_TRANSLATE_NOOP("qav::ExportActions", "PNG image, double resolution (*.png)");
inline constexpr const char* kSvgFilter = QT_TRANSLATE_NOOP("qav::ExportActions", "SVG drawing (*.svg)");
inline constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("qav::ExportActions", "CSV table (*.csv)");
/// A type-list choice in the window's language, as the dialog shows and answers it.
QString FilterText(const char* filter);

/// What a save dialog answers: the file and the type chosen in its list.
struct SaveChoice {
    QString Path;
    QString Filter;
};

/// Asks where to save; nullopt when the user cancels. The default shows the standard file
/// dialog; tests install one that answers at once.
using SaveFileChooser = std::function<std::optional<SaveChoice>(
    const QString& caption, const QString& suggestedPath, const QStringList& filters, const QString& selectedFilter)>;

struct PictureTarget {
    QString Path;
    PictureFormat Format = PictureFormat::Png;
};

/// The file and format of a dialog's answer: a .png or .svg name decides the format (the type
/// list only chooses between the two PNG densities); any other name gets the suffix of the type
/// chosen.
PictureTarget ResolvePictureTarget(const SaveChoice& choice);

class ExportActions final : public QObject {
    Q_OBJECT
  public:
    using MessageFunction = std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)>;

    /// Reads the state at each command; the window runs the pipeline before, never during one.
    ExportActions(QWidget* window, const AnalysisState& state, double screenPixelRatio, MessageFunction message);

    /// Adds "Save chart as…", "Save graph as…", "Export results…", "Export hourly table…" and
    /// "Export report…".
    void addTo(QMenu* menu);
    void setFileChooser(SaveFileChooser chooser);
    /// What the exported results say of the analysis screen: empty for the reference screen.
    void setAnalysisBasis(std::string basis) { basis_ = std::move(basis); }
    /// Where the next dialog opens: the folder of the last file chosen in this session.
    const QString& lastFolder() const { return lastFolder_; }

  signals:
    /// A file was written whole at this path.
    void saved(const QString& path);

  public slots:
    void saveChart() noexcept;
    void saveGraph() noexcept;
    void exportResults() noexcept;
    void exportHourlyTable() noexcept;
    /// The PDF report in the window's language, on the paper chosen in the dialog (remembered).
    void exportReport() noexcept;

  private:
    void savePicture(PictureKind kind);
    void saveReport();
    void saveText(const QString& caption, const char* what, const std::function<std::string()>& makeText);
    std::optional<SaveChoice> choose(const QString& caption, const QString& fileName, const QStringList& filters,
                                     const QString& selectedFilter);
    /// Writes the file; on failure shows which file and why.
    bool write(const QString& path, const QByteArray& bytes);
    void reportUnexpected(const char* what) noexcept;

    QWidget* window_;
    const AnalysisState& state_;
    std::string basis_;
    double screenPixelRatio_;
    MessageFunction message_;
    SaveFileChooser chooser_;
    QString lastFolder_;
    QString lastPictureFilter_;
};

}  // namespace qav
