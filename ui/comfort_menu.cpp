#include "ui/comfort_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include <string>

#include "core/adaptive_comfort.h"
#include "ui/settings.h"

namespace qav {

ComfortMenu::ComfortMenu(QMenu* view, AnalysisState& state, std::function<void()> changed)
    : QObject(view), state_(state), changed_(std::move(changed))
{
    ComfortModel remembered = ComfortModel::Givoni;
    if (!ParseComfortModel(QSettings().value(QLatin1String(settings::kComfortModel)).toString().toStdString(),
                           remembered))
        remembered = ComfortModel::Givoni;
    state_.Comfort = remembered;

    QMenu* menu = view->addMenu(tr("Com&fort model"));
    menu->setObjectName(QStringLiteral("ViewComfort"));
    auto* group = new QActionGroup(menu);
    const std::pair<ComfortModel, QString> models[] = {{ComfortModel::Givoni, tr("&Chart's comfort zone (Givoni)")},
                                                       {ComfortModel::Ashrae55, tr("&ASHRAE 55 adaptive")},
                                                       {ComfortModel::En16798, tr("&EN 16798-1 adaptive")}};
    for (const auto& [model, caption] : models) {
        QAction* action = menu->addAction(caption);
        const std::string key(ComfortModelKey(model));
        action->setObjectName(QStringLiteral("ViewComfort_") + QString::fromStdString(key));
        action->setCheckable(true);
        action->setChecked(model == remembered);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, model, key]() noexcept {
            if (state_.Comfort == model) return;
            state_.Comfort = model;
            QSettings().setValue(QLatin1String(settings::kComfortModel), QString::fromStdString(key));
            if (changed_) changed_();
        });
    }
}

}  // namespace qav
