#pragma once
// "Find a place or station…": one search field over the towns of the place list and the
// catalogue of station normals 1991-2020, by name or by a site's coordinates; the places found
// come first, then the stations. Enter or a double-click chooses one: a place is analysed as its
// nearest station within 300 km, named for the place.
#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

#include "core/location.h"
#include "data/place_search.h"
#include "data/station_catalogue.h"
#include "data/station_search.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace qav {

class StationFinder final : public QDialog {
    Q_OBJECT
  public:
    /// Reads the catalogue and the place list (installed beside the program or in the source tree
    /// it was built from). Null when the catalogue cannot be read; failure then holds the reason.
    /// Without the place list the finder searches the stations alone and says why.
    static StationFinder* create(QWidget* parent, QString& failure);

    QLineEdit* searchField() const { return field_; }
    QTreeWidget* results() const { return list_; }
    /// What the line under the list says: how many were found, or why none.
    QString summary() const;

    /// The text a station's choice leaves beside the results: empty unless it was found for
    /// coordinates and lies more than 50 km from them or 300 m above or below.
    static QString distanceNote(const StationMatch& match);
    /// The site of the last search by coordinates; none after a search by name.
    std::optional<SiteCoordinates> searchedSite() const
    {
        if (found_.coordinates.kind != CoordinatesParse::Valid) return std::nullopt;
        return found_.coordinates.site;
    }

    /// The places listed first, then the stations (results()'s rows in that order).
    const std::vector<PlaceMatch>& places() const { return places_; }
    /// The location a choice analyses: the place's, named for it, when the row chosen last was
    /// a place with that station; else the station's own.
    LocationRecord chosenSite(const StationMatch& match) const;

    /// The sites analysed last, newest first: listed while the field is empty, Enter or a
    /// double-click analysing one again.
    void setRecentSites(std::vector<LocationRecord> newestFirst);
    /// How many rows at the top are recent sites (none while something is typed).
    int recentShown() const { return recentShown_; }

  signals:
    /// A station chosen; the match carries its distance when the search was by coordinates.
    void stationChosen(const qav::StationMatch& match);
    /// A recent site chosen while the field was empty.
    void recentSiteChosen(const qav::LocationRecord& site);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    StationFinder(StationCatalogueResult catalogue, PlaceListResult places, QString placeFailure, QWidget* parent);
    void search();
    void chooseRow(int row) noexcept;
    void showNoteOfCurrent();

    std::unique_ptr<StationCatalogue> catalogue_;
    std::unique_ptr<StationIndex> index_;
    std::unique_ptr<PlaceList> placeList_;
    std::unique_ptr<PlaceIndex> placeIndex_;
    std::unique_ptr<StationLocator> locator_;
    QString placeFailure_;  // why no place is searched, when the list could not be read
    StationSearch found_;
    std::vector<PlaceMatch> places_;      // listed before the stations
    std::optional<PlaceMatch> chosen_;    // the place chosen last
    std::vector<LocationRecord> recent_;  // newest first
    int recentShown_ = 0;                 // rows of recent_ at the top of the list
    QLineEdit* field_;
    QTreeWidget* list_;
    QLabel* summary_;
    QLabel* note_;
};

}  // namespace qav
