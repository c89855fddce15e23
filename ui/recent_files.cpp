#include "ui/recent_files.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "ui/settings.h"

namespace qav {

RecentFiles::RecentFiles(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu)
{
    menu_->setObjectName(QStringLiteral("MRecent"));
    refill();
}

QStringList RecentFiles::files() const
{
    QStringList list = QSettings().value(QLatin1String(settings::kRecentFiles)).toStringList();
    list.removeAll(QString());
    return list.mid(0, kMaxFiles);
}

void RecentFiles::add(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(file);
    list.prepend(file);
    QSettings().setValue(QLatin1String(settings::kRecentFiles), list.mid(0, kMaxFiles));
    refill();
}

void RecentFiles::refill()
{
    // An entry may be the sender of the signal that brought us here: delete it later.
    for (QAction* action : menu_->actions()) {
        menu_->removeAction(action);
        action->deleteLater();
    }
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        const QString& path = list[i];
        // "&1 QAVworld.TXT": the digit is the entry's access key; the tooltip gives the folder.
        QAction* action = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setObjectName(QStringLiteral("MRecent_%1").arg(i + 1));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); });
    }
    if (!list.isEmpty()) menu_->addSeparator();
    QAction* clear = menu_->addAction(tr("&Clear the list"));
    clear->setObjectName(QStringLiteral("MRecentClear"));
    clear->setEnabled(!list.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        QSettings().remove(QLatin1String(settings::kRecentFiles));
        refill();
    });
    menu_->setEnabled(true);
}

}  // namespace qav
