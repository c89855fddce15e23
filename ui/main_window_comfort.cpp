// The main window's wind and adaptive comfort views: offered as tabs only where they apply (a
// weather file's wind; an adaptive model chosen in View > Comfort model).
#include <QTabWidget>

#include "ui/adaptive_hours_view.h"
#include "ui/chart_view.h"
#include "ui/main_window.h"
#include "ui/results_panel.h"
#include "ui/wind_view.h"

namespace qav {

void MainWindow::refreshComfortViews()
{
    if (!resultTabs_ || !wind_ || state_.Locations.Slot.size() == 0) return;
    const bool analysed = picture1_ && !picture1_->image().isNull();
    const bool wind = analysed && wind_->refresh();
    const bool adaptive = analysed && adaptiveHours_->refresh();
    for (const auto& [view, offered] : {std::pair<QWidget*, bool>{wind_, wind}, {adaptiveHours_, adaptive}}) {
        const int tab = resultTabs_->indexOf(view);
        if (tab < 0) continue;
        // A tab that goes away while shown leaves its place to the first one.
        if (!offered && resultTabs_->currentIndex() == tab) resultTabs_->setCurrentIndex(0);
        resultTabs_->setTabVisible(tab, offered);
    }
    if (analysed) results_->adaptiveHours()->showHours(state_);
}

}  // namespace qav
