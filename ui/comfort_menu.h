#pragma once
// View > Comfort model: the chart's fixed zone or an adaptive band on the monthly graph,
// remembered between runs.
#include <QObject>

#include <functional>

#include "pipeline/analysis_state.h"

class QMenu;

namespace qav {

class ComfortMenu : public QObject {
    Q_OBJECT

  public:
    /// Adds the submenu to `view`, sets the state's model to the one remembered and calls
    /// `changed` after each later choice (the caller redraws what shows the model).
    ComfortMenu(QMenu* view, AnalysisState& state, std::function<void()> changed);

  private:
    AnalysisState& state_;
    std::function<void()> changed_;
};

}  // namespace qav
