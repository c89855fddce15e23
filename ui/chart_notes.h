#pragma once
// The notes line under the chart: what the chart and its shares leave out or add, in full and
// wrapped, so that no warning is lost to a narrow status bar. It is a label of the window, never
// part of a saved or copied picture.
#include <QLabel>
#include <QString>
#include <QStringList>

#include "pipeline/analysis_state.h"

namespace qav {

class ChartNotes final : public QLabel {
    Q_OBJECT
  public:
    explicit ChartNotes(QWidget* parent = nullptr);

    /// Shows the notes one a line; none hides the line.
    void setNotes(const QStringList& notes);
    const QStringList& notes() const { return notes_; }

    /// For the recorded hours shown: how many the chart draws held at one of its edges because
    /// they lie beyond it ("64 recorded hours are colder than −18 °C, the chart's edge"), and
    /// how many the file marks as missing.
    static QStringList recordedHoursNotes(const AnalysisState& state);

  private:
    QStringList notes_;
};

}  // namespace qav
