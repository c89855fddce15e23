#pragma once
// The hours of each month per strategy, as the classification counted them: ten strategy rows
// A..J by twelve months and the year, each cell shaded by its count. Read-only; the arrow keys
// walk the cells and each cell names its strategy, month and hours for screen readers.
#include <QWidget>

#include "classify/classification.h"

class QLabel;
class QTableWidget;

namespace qav {

class MonthStrategyView final : public QWidget {
    Q_OBJECT
  public:
    explicit MonthStrategyView(QWidget* parent = nullptr);

    /// Shows the tally's MonthHours and, beside the year's hours, its merged YearShare as the
    /// legend shows it; recorded says whether they count recorded hours or the typical days (the
    /// caption says which).
    void showTally(const StrategyTally& tally, bool recorded, QChar decimalPoint = u'.');

    QTableWidget* table() const { return table_; }

  private:
    QLabel* caption_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* mergeNote_ = nullptr;
};

}  // namespace qav
