#pragma once
// The Wind tab: a weather file's wind roses (all hours beside the ventilation hours or a season),
// their figures and the sentence the report's ventilation advice gives on the prevailing wind.
#include <QWidget>

#include "pipeline/analysis_state.h"

class QComboBox;
class QLabel;

namespace qav {

class CanvasView;

class WindView : public QWidget {
    Q_OBJECT

  public:
    explicit WindView(const AnalysisState& state, QWidget* parent = nullptr);

    /// Reads the state's roses afresh; false (and blank) when its location has no recorded hours.
    bool refresh();

  private:
    void showChosen();

    const AnalysisState& state_;
    QComboBox* chooser_ = nullptr;
    CanvasView* roses_ = nullptr;
    QLabel* figures_ = nullptr;
};

}  // namespace qav
