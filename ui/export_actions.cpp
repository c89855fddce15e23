#include "ui/export_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <cmath>
#include <exception>

#include "pictures/report_pdf.h"
#include "text/report_texts.h"
#include "ui/locale_format.h"
#include "ui/read_failure_text.h"
#include "ui/saved_files.h"
#include "ui/help_texts.h"
#include "ui/settings.h"
#include "ui/translation.h"

namespace qav {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

bool HasSuffix(const QString& path, const QString& suffix)
{
    return QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

// The standard save dialog. A name typed without a suffix gets the one of the type chosen
// before the dialog asks whether to replace an existing file, so the file it asks about is the
// file written.
std::optional<SaveChoice> AskWithFileDialog(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                            const QStringList& filters, const QString& selectedFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)\\)"));
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(selectedFilter);
    const auto useSuffixOf = [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(pattern.match(filter).captured(1));
    };
    useSuffixOf(selectedFilter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useSuffixOf);
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return SaveChoice{dialog.selectedFiles().first(), dialog.selectedNameFilter()};
}

}  // namespace

QString FilterText(const char* filter) { return QCoreApplication::translate("qav::ExportActions", filter); }

PictureTarget ResolvePictureTarget(const SaveChoice& choice)
{
    const bool double2x = choice.Filter == FilterText(kPng2xFilter);
    if (HasSuffix(choice.Path, QStringLiteral("svg"))) return {choice.Path, PictureFormat::Svg};
    if (HasSuffix(choice.Path, QStringLiteral("png")))
        return {choice.Path, double2x ? PictureFormat::Png2x : PictureFormat::Png};
    if (choice.Filter == FilterText(kSvgFilter)) return {choice.Path + QStringLiteral(".svg"), PictureFormat::Svg};
    return {choice.Path + QStringLiteral(".png"), double2x ? PictureFormat::Png2x : PictureFormat::Png};
}

ExportActions::ExportActions(QWidget* window, const AnalysisState& state, double screenPixelRatio,
                             MessageFunction message)
    : QObject(window),
      window_(window),
      state_(state),
      screenPixelRatio_(std::isfinite(screenPixelRatio) && screenPixelRatio >= 1 ? screenPixelRatio : 1),
      message_(std::move(message)),
      lastPictureFilter_(FilterText(kPngFilter))
{
    setObjectName(QStringLiteral("ExportActions"));
    lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (lastFolder_.isEmpty() || !QFileInfo(lastFolder_).isDir()) lastFolder_ = QDir::homePath();
    lastFolder_ = settings::Folder(settings::kSaveFolder, lastFolder_);
}

void ExportActions::addTo(QMenu* menu)
{
    auto command = [&](const char* name, const QString& caption, void (ExportActions::*slot)() noexcept) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    command("MSaveChart", tr("Save &chart as…"), &ExportActions::saveChart)->setShortcut(QKeySequence::Save);
    command("MSaveGraph", tr("Save &graph as…"), &ExportActions::saveGraph);
    command("MExportResults", tr("&Export results…"), &ExportActions::exportResults)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    command("MExportHours", tr("Export &hourly table…"), &ExportActions::exportHourlyTable);
    command("MExportReport", tr("Export re&port…"), &ExportActions::exportReport);
}

void ExportActions::setFileChooser(SaveFileChooser chooser) { chooser_ = std::move(chooser); }

std::optional<SaveChoice> ExportActions::choose(const QString& caption, const QString& fileName,
                                                const QStringList& filters, const QString& selectedFilter)
{
    const QString suggested = QDir(lastFolder_).filePath(fileName);
    std::optional<SaveChoice> choice;
    if (chooser_) {
        choice = chooser_(caption, suggested, filters, selectedFilter);
    } else {
        choice = AskWithFileDialog(window_, caption, suggested, filters, selectedFilter);
    }
    if (!choice || choice->Path.isEmpty()) return std::nullopt;
    lastFolder_ = QFileInfo(choice->Path).absolutePath();
    settings::SetFolder(settings::kSaveFolder, lastFolder_);
    return choice;
}

bool ExportActions::write(const QString& path, const QByteArray& bytes)
{
    const QString failure =
        bytes.isEmpty() ? tr("The picture could not be encoded.") : WriteFileAtomically(path, bytes);
    if (failure.isEmpty()) {
        emit saved(path);
        return true;
    }
    message_(QMessageBox::Warning, ProgramTitle(), ReadFailureText::saveFailure(path, failure));
    return false;
}

void ExportActions::savePicture(PictureKind kind)
{
    const bool chart = kind == PictureKind::Chart;
    const QStringList filters{FilterText(kPngFilter), FilterText(kPng2xFilter), FilterText(kSvgFilter)};
    const std::optional<SaveChoice> choice =
        choose(chart ? tr("Save chart as") : tr("Save graph as"),
               SuggestedWindowFileName(FromUtf8(state_.Current().LocationName), chart ? "chart" : "graph",
                                       lastPictureFilter_ == FilterText(kSvgFilter) ? ".svg" : ".png"),
               filters, lastPictureFilter_);
    if (!choice) return;
    if (filters.contains(choice->Filter)) lastPictureFilter_ = choice->Filter;
    const PictureTarget target = ResolvePictureTarget(*choice);
    write(target.Path, RenderPictureFile(kind, state_, target.Format, screenPixelRatio_, ChartDecimalSeparator(),
                                         PictureLanguage()));
}

void ExportActions::saveText(const QString& caption, const char* what, const std::function<std::string()>& makeText)
{
    const std::optional<SaveChoice> choice =
        choose(caption, SuggestedWindowFileName(FromUtf8(state_.Current().LocationName), what, QStringLiteral(".csv")),
               {FilterText(kCsvFilter)}, FilterText(kCsvFilter));
    if (!choice) return;
    QString path = choice->Path;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    write(path, QByteArray::fromStdString(makeText()));
}

void ExportActions::saveChart() noexcept
{
    try {
        savePicture(PictureKind::Chart);
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void ExportActions::saveGraph() noexcept
{
    try {
        savePicture(PictureKind::Graph);
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void ExportActions::exportResults() noexcept
{
    try {
        saveText(tr("Export results"), "results", [this] { return ResultsCsv(state_, basis_); });
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void ExportActions::exportHourlyTable() noexcept
{
    try {
        saveText(tr("Export hourly table"), "hours", [this] { return HourlyCsv(state_); });
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void ExportActions::saveReport()
{
    const Language language = PictureLanguage();
    if (state_.CurrentLocation < 1 || state_.CurrentLocation > state_.Locations.LocationCount) {
        const std::string_view refusal = ReportText(language, report_text::kNoLocation);
        message_(QMessageBox::Information, ProgramTitle(),
                 QString::fromUtf8(refusal.data(), qsizetype(refusal.size())));
        return;
    }
    const QString a4 = tr("PDF report, A4 (*.pdf)"), letter = tr("PDF report, Letter (*.pdf)");
    QSettings stored;
    const bool wasLetter = stored.value(QLatin1String(settings::kReportPaper)).toString() == QLatin1String("letter");
    const std::optional<SaveChoice> choice =
        choose(tr("Export report"),
               SuggestedWindowFileName(FromUtf8(state_.Current().LocationName), "report", QStringLiteral(".pdf")),
               {a4, letter}, wasLetter ? letter : a4);
    if (!choice) return;
    const Paper paper = choice->Filter == letter ? Paper::Letter : Paper::A4;
    stored.setValue(QLatin1String(settings::kReportPaper),
                    paper == Paper::Letter ? QStringLiteral("letter") : QStringLiteral("a4"));
    QString path = choice->Path;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    write(path, RenderReportPdf(state_, paper, language, ReportTime()));
}

void ExportActions::exportReport() noexcept
{
    try {
        saveReport();
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    }
}

void ExportActions::reportUnexpected(const char* what) noexcept
{
    try {
        qCritical("QAV: export failed: %s", what);
        message_(QMessageBox::Critical, ProgramTitle(),
                 tr("The file could not be written:\n%1\n").arg(QString::fromLocal8Bit(what)));
    } catch (...) {
        // Nothing more can be reported; the event loop must not see the exception.
    }
}

}  // namespace qav
