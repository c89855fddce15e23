#pragma once
// "Find a station…": one search field over the catalogue of station normals 1991-2020, by name
// or by a site's coordinates, and the stations found. Enter or a double-click chooses one.
#include <QDialog>
#include <QString>
#include <memory>

#include "data/station_catalogue.h"
#include "data/station_search.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace qav {

class StationFinder final : public QDialog {
    Q_OBJECT
  public:
    /// Reads the catalogue (installed beside the program or in the source tree it was built
    /// from). Null when it cannot be read; failure then holds the reason.
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

  signals:
    /// A station chosen; the match carries its distance when the search was by coordinates.
    void stationChosen(const qav::StationMatch& match);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    StationFinder(StationCatalogueResult catalogue, QWidget* parent);
    void search();
    void chooseRow(int row) noexcept;
    void showNoteOfCurrent();

    std::unique_ptr<StationCatalogue> catalogue_;
    std::unique_ptr<StationIndex> index_;
    StationSearch found_;
    QLineEdit* field_;
    QTreeWidget* list_;
    QLabel* summary_;
    QLabel* note_;
};

}  // namespace qav
