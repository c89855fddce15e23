#pragma once
// View > Compare locations: one stacked bar of yearly shares per location of the current list,
// sortable by a strategy, by name or in list order. A click or Enter on a row analyses that
// location in the main window; the picture is saved as PNG or SVG and the rows as CSV. Every
// row names its location, shares and top strategy for screen readers.
#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pipeline/compare.h"
#include "ui/export_actions.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace qav {

class CompareView final : public QDialog {
    Q_OBJECT
  public:
    /// Reads the window's state (table, filter, warming, screen) whenever it refreshes.
    CompareView(const AnalysisState& state, QWidget* parent, ExportActions::MessageFunction message);

    /// Analyses every location again when the list, the analysis screen, the filter or the
    /// warming changed since the last time (AnalysisState::InputGeneration); otherwise keeps the
    /// rows and the selection.
    void refreshIfChanged();
    void setSort(const CompareSort& sort);
    /// The data set or file compared, as the status bar names it; the title names it and the sort.
    void setSourceName(const QString& name);
    /// Makes the row of the location the window analyses current, scrolled into view.
    void showCurrentLocation();
    void setFileChooser(SaveFileChooser chooser) { chooser_ = std::move(chooser); }

    const std::vector<CompareRow>& rows() const { return rows_; }
    QTableWidget* table() const { return table_; }

  signals:
    /// The user chose the location in this slot of the list.
    void locationActivated(int slot);
    /// A picture or table was written whole at this path.
    void saved(const QString& path);

  public slots:
    void savePicture() noexcept;
    void exportCsv() noexcept;

  private:
    void fillTable();
    void updateTitle();
    void alignScale();
    std::optional<SaveChoice> choose(const QString& caption, const QString& name, const QStringList& filters);

    const AnalysisState& state_;
    ExportActions::MessageFunction message_;
    SaveFileChooser chooser_;
    std::vector<CompareRow> rows_;
    std::optional<std::uint64_t> generation_;  // of the state the rows were analysed from
    CompareSort sort_;
    QComboBox* sortBox_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* scale_ = nullptr;  // 0 to 100 %, over the bars
    QString sourceName_;
};

}  // namespace qav
