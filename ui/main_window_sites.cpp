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
#include "ui/station_name.h"
#include "ui/status_line.h"
#include "ui/translation.h"

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
    command(file, "FindStation", tr("&Find a place or station…"), &MainWindow::findStation, QKeySequence::Find)
        ->setStatusTip(tr("Find the station normals 1991-2020 of a place by its name or coordinates"));
    command(file, "MySites", tr("&My sites"), &MainWindow::showMySites, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    command(file, "AddToMySites", tr("A&dd to My sites"), &MainWindow::addToMySites, QKeySequence(Qt::CTRL | Qt::Key_D))
        ->setStatusTip(tr("Keep the location analysed in My sites"));
    recentSitesMenu_ = file->addMenu(tr("Recent s&ites"));
    recentSitesMenu_->setObjectName(QStringLiteral("MRecentSites"));
    refillRecentSites();
    command(file, "SaveMySites", tr("Sa&ve My sites as…"), &MainWindow::chooseMySitesFile, QKeySequence());
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
        if (listed_ ? listed_->MySites : showingMySites_) {
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
            connect(finder_, &StationFinder::recentSiteChosen, this, [this](const LocationRecord& site) noexcept {
                guarded([&] {
                    stationNote_.clear();  // the distance belonged to the search that found it
                    analyseSite(site);
                });
            });
        }
        finder_->setRecentSites(recentSites_->newestFirst());
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
        stationNote_ = StationFinder::distanceNote(match);
        stationSource_ = site.DataSource;
        // The report names the site and the station's distance from it.
        const std::optional<SiteCoordinates> at = finder_ ? finder_->searchedSite() : std::nullopt;
        state_.Searched.reset();
        if (at && match.DistanceKm && !site.Place)  // a place names itself in the report
            state_.Searched = SearchedSite{{}, at->Latitude, at->Longitude, at->Elevation, site.DataSource};
        analyseSite(site);
    });
}

void MainWindow::analyseSite(const LocationRecord& site)
{
    recentSites_->addAsNewest(site);
    refillRecentSites();
    if (!listed_)
        listed_ = ListedData{state_.Locations,  state_.DataSetKind, state_.Recorded,
                             state_.SourceFile, showingMySites_,    readWarning_};
    readWarning_.clear();  // the list's file note is not the site's
    LocationTable one;
    one.LocationCount = 1;
    one.Slot[1] = site;
    PipelineCanvases c = canvases();
    ShowLocationsFromFile(state_, std::move(one), c);
    refilling_ = true;
    list1_->clearSelection();
    list1_->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    refilling_ = false;
    refreshPanels();
}

void MainWindow::analyseListedEntry(int listIndex)
{
    ListedData listed = std::move(*listed_);
    listed_.reset();
    readWarning_ = listed.ReadWarning;
    PipelineCanvases c = canvases();
    const DataSetFlags& k = listed.Kind;
    if (k.ShowingBrazil || k.ShowingSouthAmerica || k.ShowingWorld) {
        ShowDataSet(state_,
                    k.ShowingBrazil         ? DataSetKind::Brazil
                    : k.ShowingSouthAmerica ? DataSetKind::SouthAmerica
                                            : DataSetKind::World,
                    c);
        SelectLocation(state_, listIndex, c);
    } else {
        ShowLocationsFromFile(state_, std::move(listed.Locations), c, std::move(listed.Recorded),
                              std::move(listed.Files), listIndex + 1);
    }
    showingMySites_ = listed.MySites;
    refreshPanels();
}

void MainWindow::refillRecentSites()
{
    recentSitesMenu_->clear();
    // Newest first, "&1 Brasília (Brazil)": the digit is the entry's access key.
    for (int slot = recentSites_->count(), key = 1; slot >= 1; --slot, ++key) {
        const LocationRecord site = recentSites_->table().Slot[size_t(slot)];
        QAction* action = recentSitesMenu_->addAction(
            QStringLiteral("&%1 %2 (%3)")
                .arg(key % 10)
                .arg(QString::fromStdString(site.LocationName), ShownCountry(site.Country)));
        action->setObjectName(QStringLiteral("MRecentSite_%1").arg(key));
        const std::optional<StationTag> station = ParseStationSourceField(site.DataSource);
        action->setStatusTip(station ? StationCaptionText(*station) : QString::fromStdString(site.DataSource));
        connect(action, &QAction::triggered, this, [this, site]() noexcept {
            guarded([&] {
                stationNote_.clear();  // the distance belonged to the search that found it
                analyseSite(site);
            });
        });
    }
    recentSitesMenu_->setEnabled(!recentSites_->empty());
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

void MainWindow::addToMySites() noexcept
{
    guarded([&] {
        if (listed_ || !showingMySites_) addSite(state_.Locations.Slot[size_t(state_.CurrentLocation)]);
    });
}

void MainWindow::addSlotToMySites(int slot) noexcept
{
    guarded([&] {
        // The list's entry: while a site is analysed on its own, the list's data are kept aside.
        const LocationTable& table = listed_ ? listed_->Locations : state_.Locations;
        if (slot < 1 || slot > table.LocationCount || (listed_ ? listed_->MySites : showingMySites_)) return;
        addSite(table.Slot[size_t(slot)]);
    });
}

void MainWindow::addSite(const LocationRecord& site)
{
    {
        // The normals as read: a warming belongs to the analysis, not to the site.
        const MySites::Added added = mySites_->add(site);
        QString text = tr("%1 is in My sites (%2 of %3).")
                           .arg(QString::fromStdString(site.LocationName))
                           .arg(added.Slot)
                           .arg(mySites_->count());
        if (added.Dropped) text += u' ' + tr("The oldest, %1, was dropped.").arg(*added.Dropped);
        statusBar()->showMessage(text, 15000);
    }
}

void MainWindow::removeFromMySites(int slot) noexcept
{
    guarded([&] {
        if (slot < 1 || slot > mySites_->count()) return;
        mySites_->remove(slot);
        if (!(listed_ ? listed_->MySites : showingMySites_)) return;
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
        status_->showSaved(path);
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
