// The main window's station and site commands: "Find a station…", My sites and the location
// list's context menu. Kept apart from main_window.cpp, which holds the window's frame.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>

#include "ui/help_texts.h"
#include "ui/location_list.h"
#include "ui/main_window.h"
#include "ui/read_failure_text.h"
#include "ui/my_sites.h"
#include "ui/recent_files.h"
#include "ui/settings.h"
#include "ui/station_finder.h"

namespace qav {
void MainWindow::createSiteCommands(QMenu* file)
{
    auto command = [this](QMenu* menu, const char* name, const QString& caption, auto slot, const QKeySequence& keys) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    command(file, "FindStation", tr("&Find a station…"), &MainWindow::findStation, QKeySequence::Find)
        ->setStatusTip(tr("Find the station normals 1991-2020 of a place by its name or coordinates"));
    command(file, "MySites", tr("&My sites"), &MainWindow::showMySites, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    command(file, "AddToMySites", tr("A&dd to My sites"), &MainWindow::addToMySites, QKeySequence(Qt::CTRL | Qt::Key_D))
        ->setStatusTip(tr("Keep the location analysed in My sites"));
    command(file, "SaveMySites", tr("Save My sites &as…"), &MainWindow::chooseMySitesFile, QKeySequence());
    file->addSeparator();
}

void MainWindow::showListMenu(const QPoint& at)
{
    guarded([&] {
        const QListWidgetItem* item = list1_->itemAt(at);
        if (!item) return;
        const int slot = list1_->row(item) + 1;
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("LocationListMenu"));
        if (showingMySites_) {
            menu.addAction(tr("&Remove from My sites"), this, [this, slot] { removeFromMySites(slot); });
        } else {
            menu.addAction(tr("A&dd to My sites"), this, [this, slot] { addSlotToMySites(slot); });
        }
        menu.exec(list1_->viewport()->mapToGlobal(at));
    });
}

void MainWindow::findStation() noexcept
{
    guarded([&] {
        if (!finder_) {
            QString failure;
            finder_ = StationFinder::create(this, failure);
            if (!finder_) {
                showMessage(QMessageBox::Warning, ProgramTitle(), failure);
                return;
            }
            connect(finder_, &StationFinder::stationChosen, this, &MainWindow::chooseStation);
        }
        finder_->searchField()->selectAll();  // typing replaces the last search
        finder_->searchField()->setFocus();
        finder_->show();
        finder_->raise();
        finder_->activateWindow();
    });
}

void MainWindow::chooseStation(const StationMatch& match) noexcept
{
    guarded([&] {
        if (!match.station) return;
        const LocationRecord site = finder_ ? finder_->chosenSite(match) : StationLocation(*match.station);
        const MySites::Added added = mySites_->add(site);
        stationNote_ = StationFinder::distanceNote(match);
        stationSource_ = site.DataSource;
        showMySitesAt(added.Slot);
        if (added.Dropped)
            statusBar()->showMessage(tr("My sites holds at most %1 sites: the oldest, %2, was dropped.")
                                         .arg(kMaxLocations)
                                         .arg(*added.Dropped),
                                     15000);
    });
}

void MainWindow::showMySites() noexcept
{
    guarded([&] {
        if (mySites_->empty()) {
            showMessage(QMessageBox::Information, ProgramTitle(),
                        tr("My sites is empty.\nFind a station (Ctrl+F) or add a location of the list (Ctrl+D).\n"));
            return;
        }
        showMySitesAt(1);
    });
}

void MainWindow::showMySitesAt(int slot)
{
    readWarning_.clear();
    PipelineCanvases c = canvases();
    // The same selection flow as a Monthly Data file: My sites is one written by the program.
    ShowLocationsFromFile(state_, mySites_->table(), c, {}, {}, slot);
    refillList();
    showingMySites_ = true;
    refreshPanels();
}

void MainWindow::addToMySites() noexcept { addSlotToMySites(state_.CurrentLocation); }

void MainWindow::addSlotToMySites(int slot) noexcept
{
    guarded([&] {
        if (slot < 1 || slot > state_.Locations.LocationCount || showingMySites_) return;
        // The normals as read: a warming belongs to the analysis, not to the site.
        const LocationRecord& site = state_.Locations.Slot[size_t(slot)];
        const MySites::Added added = mySites_->add(site);
        QString text = tr("%1 is in My sites (%2 of %3).")
                           .arg(QString::fromStdString(site.LocationName))
                           .arg(added.Slot)
                           .arg(mySites_->count());
        if (added.Dropped) text += u' ' + tr("The oldest, %1, was dropped.").arg(*added.Dropped);
        statusBar()->showMessage(text, 15000);
    });
}

void MainWindow::removeFromMySites(int slot) noexcept
{
    guarded([&] {
        if (slot < 1 || slot > mySites_->count()) return;
        mySites_->remove(slot);
        if (!showingMySites_) return;
        if (mySites_->empty()) {
            showBrazil();  // nothing left to show: back to the start-up set
            return;
        }
        const int current = state_.CurrentLocation;
        showMySitesAt(std::min(current > slot ? current - 1 : current, mySites_->count()));
    });
}

void MainWindow::chooseMySitesFile() noexcept
{
    guarded([&] {
        if (mySites_->empty()) {
            showMySites();  // says that it is empty
            return;
        }
        const QString folder = settings::Folder(settings::kSaveFolder, QDir::homePath());
        QString path = QFileDialog::getSaveFileName(this, tr("Save My sites as"),
                                                    QDir(folder).filePath(QStringLiteral("QAVmysites.TXT")),
                                                    tr("Monthly Data files (QAV*.TXT *.txt)"));
        if (path.isEmpty()) return;
        if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".TXT");
        settings::SetFolder(settings::kSaveFolder, QFileInfo(path).absolutePath());
        if (saveMySitesTo(path)) recent_->add(path);
    });
}

bool MainWindow::saveMySitesTo(const QString& path) noexcept
{
    bool saved = false;
    guarded([&] {
        const QString failure = mySites_->save(path);
        if (!failure.isEmpty()) {
            showMessage(QMessageBox::Warning, ProgramTitle(), ReadFailureText::saveFailure(path, failure));
            return;
        }
        statusBar()->showMessage(tr("My sites saved as %1").arg(QDir::toNativeSeparators(path)), 15000);
        saved = true;
    });
    return saved;
}

QString MainWindow::dataNote() const
{
    QStringList notes;
    if (!readWarning_.isEmpty()) notes << readWarning_;
    if (!stationNote_.isEmpty() && state_.Current().DataSource == stationSource_) notes << stationNote_;
    return notes.join(u'\n');
}

}  // namespace qav
