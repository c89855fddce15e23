#pragma once
// With an adaptive comfort model chosen: the grid of the hours against its band (a tab of its
// own) and the table of each month's hours within, above and below it (in the results panel).
#include <QTableWidget>
#include <QWidget>

namespace qav {
struct AnalysisState;
}

namespace qav {

class CanvasView;

class AdaptiveHoursView : public QWidget {
    Q_OBJECT

  public:
    explicit AdaptiveHoursView(const AnalysisState& state, QWidget* parent = nullptr);

    /// Draws the grid of the state's hours; false (and blank) under the chart's fixed zone.
    bool refresh();

  private:
    const AnalysisState& state_;
    CanvasView* grid_ = nullptr;
};

class AdaptiveHoursTable : public QTableWidget {
    Q_OBJECT

  public:
    explicit AdaptiveHoursTable(QWidget* parent = nullptr);

    /// Fills the table from the state's adaptive figures, or hides it under the chart's zone.
    void showHours(const AnalysisState& state);
};

}  // namespace qav
