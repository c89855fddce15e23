#include "ui/station_finder.h"
#include "ui/screen_fit.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "pipeline/place_site.h"
#include "text/country_names.h"
#include "ui/station_name.h"
#include "ui/locale_format.h"
#include "ui/results_panel.h"
#include "ui/translation.h"

namespace qav {
namespace {

// Rows shown per key press: enough to scroll through, few enough to refill at once.
constexpr std::size_t kShownStations = 200;
// Places listed before the stations: a town's namesakes, or the towns near typed coordinates.
constexpr std::size_t kShownPlaces = 50;
constexpr std::size_t kPlacesNear = 5;

enum Column { kName, kCountry, kElevation, kSource, kHumidity, kDistance, kHeight, kColumns };

QString Signed(double value) { return (value > 0 ? QStringLiteral("+") : QString()) + FormatFixed(value, 0, u'.'); }

}  // namespace

StationFinder* StationFinder::create(QWidget* parent, QString& failure)
{
    const std::filesystem::path programDir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    const std::optional<std::filesystem::path> file = FindStationCatalogue(programDir);
    if (!file) {
        QStringList places;
        for (const auto& candidate : StationCatalogueCandidates(programDir))
            places << QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(candidate.string())));
        failure = tr("The station catalogue %1 was not found in:\n%2\n")
                      .arg(QString::fromLatin1(kStationCatalogueFile.data(), qsizetype(kStationCatalogueFile.size())),
                           places.join(u'\n'));
        return nullptr;
    }
    StationCatalogueResult read = ReadStationCatalogue(*file);
    if (read.failure) {
        failure = tr("The station catalogue could not be read:\n%1\n").arg(QString::fromStdString(*read.failure));
        return nullptr;
    }
    // The place list is read with the catalogue, on the finder's first opening: about 0.2 s.
    PlaceListResult places;
    QString placeFailure;
    if (const std::optional<std::filesystem::path> list = FindPlaceList(programDir)) {
        places = ReadPlaceList(*list);
        if (places.failure) placeFailure = QString::fromStdString(*places.failure);
    } else {
        placeFailure = tr("the place list %1 was not found")
                           .arg(QString::fromLatin1(kPlaceListFile.data(), qsizetype(kPlaceListFile.size())));
    }
    return new StationFinder(std::move(read), std::move(places), placeFailure, parent);
}

StationFinder::StationFinder(StationCatalogueResult catalogue, PlaceListResult places, QString placeFailure,
                             QWidget* parent)
    : QDialog(parent),
      catalogue_(std::make_unique<StationCatalogue>(std::move(catalogue.catalogue))),
      index_(std::make_unique<StationIndex>(*catalogue_)),
      placeList_(std::make_unique<PlaceList>(std::move(places.list))),
      placeIndex_(std::make_unique<PlaceIndex>(*placeList_)),
      locator_(std::make_unique<StationLocator>(*catalogue_)),
      placeFailure_(std::move(placeFailure))
{
    setObjectName(QStringLiteral("StationFinder"));
    setWindowTitle(tr("Find a place or station"));

    auto* caption = new QLabel(
        tr("&Town, station or coordinates (\"Campinas, SP\", \"-15.79 -47.93\", \"15°47′S 47°56′W 1160 m\"):"), this);
    caption->setWordWrap(true);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("StationSearchField"));
    field_->setAccessibleName(tr("Place, station or coordinates"));
    field_->setClearButtonEnabled(true);
    caption->setBuddy(field_);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("StationResults"));
    list_->setAccessibleName(tr("Places and stations found"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setColumnCount(kColumns);
    // Short headings leave the room to the names; the tooltips say them in full.
    list_->setHeaderLabels(
        {tr("Place or station"), tr("Country"), tr("m"), tr("Source"), tr("RH"), tr("km"), tr("± m")});
    const QStringList full{QString(),
                           QString(),
                           tr("Elevation of the station (m)"),
                           tr("Source of the normals; for a place, its nearest station"),
                           tr("Relative humidity"),
                           tr("Distance from the site, or from the place to its station (km)"),
                           tr("Station's elevation minus the site's (m)")};
    for (int c = 0; c < kColumns; ++c) list_->headerItem()->setToolTip(c, full[c]);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(kName, QHeaderView::Stretch);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("StationSummary"));
    summary_->setWordWrap(true);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("StationNote"));
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: #a00000;"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* analyse = buttons->addButton(tr("&Analyse"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);
    // Enter belongs to the field and the list, which choose the row themselves.
    for (QAbstractButton* b : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(b)) push->setAutoDefault(false);
    connect(analyse, &QPushButton::clicked, this,
            [this] { chooseRow(std::max(0, list_->indexOfTopLevelItem(list_->currentItem()))); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(field_);
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);
    layout->addWidget(note_);
    layout->addWidget(buttons);

    connect(field_, &QLineEdit::textChanged, this, [this] { search(); });
    connect(field_, &QLineEdit::returnPressed, this,
            [this] { chooseRow(std::max(0, list_->indexOfTopLevelItem(list_->currentItem()))); });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { chooseRow(list_->indexOfTopLevelItem(item)); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { showNoteOfCurrent(); });
    field_->installEventFilter(this);
    FitToScreen(this, QSize(740, 440));
    search();
}

bool StationFinder::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys move from the field into the list, as in a search box with suggestions.
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown) && list_->topLevelItemCount() > 0) {
            list_->setFocus(Qt::TabFocusReason);
            if (!list_->currentItem()) list_->setCurrentItem(list_->topLevelItem(0));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void StationFinder::search()
{
    const std::string text = field_->text().toStdString();
    found_ = SearchStations(*index_, text, kShownStations);
    const bool near = found_.coordinates.kind == CoordinatesParse::Valid;
    places_.clear();
    if (near) {
        for (const Place* p :
             placeIndex_->Near(found_.coordinates.site.Latitude, found_.coordinates.site.Longitude, kPlacesNear))
            places_.push_back({p, locator_->Nearest(p->Latitude, p->Longitude, kPlaceStations)});
    } else if (found_.coordinates.kind == CoordinatesParse::NotCoordinates) {
        places_ = SearchPlaces(*placeIndex_, *locator_, text, kShownPlaces);
    }
    const Language language = PictureLanguage();
    const QChar point = LocaleDecimalPoint();
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    // An empty field offers the sites analysed last, so one is a Down and an Enter away.
    recentShown_ = field_->text().trimmed().isEmpty() ? int(recent_.size()) : 0;
    for (int i = 0; i < recentShown_; ++i) {
        const LocationRecord& site = recent_[size_t(i)];
        auto* row = new QTreeWidgetItem;
        row->setText(kName, QString::fromStdString(site.LocationName));
        row->setText(kCountry, ShownCountry(site.Country));
        row->setText(kElevation, FormatFixed(site.Elevation, 0, point));
        row->setText(kSource, SourceFieldName(site.DataSource));
        row->setTextAlignment(kElevation, Qt::AlignRight | Qt::AlignVCenter);
        const QString spoken = tr("Recent site: %1 (%2)").arg(row->text(kName), row->text(kCountry));
        row->setData(kName, Qt::AccessibleTextRole, spoken);
        row->setToolTip(kName, spoken);
        rows << row;
    }
    for (const PlaceMatch& m : places_) {
        const Place& p = *m.place;
        auto* row = new QTreeWidgetItem;
        const QString label = QString::fromStdString(PlaceLabel(p, language));
        row->setText(kName, QString::fromStdString(p.NameIn(language)) +
                                (p.Division.empty() || p.Division.find_first_not_of("0123456789") == std::string::npos
                                     ? QString()
                                     : QStringLiteral(" (%1)").arg(QString::fromStdString(p.Division))));
        row->setText(kCountry, QString::fromStdString(std::string(CountryName(p.Country, language))));
        QString spoken = tr("Place: %1").arg(label);
        if (!m.stations.empty()) {
            const NearStation& s = m.stations.front();
            row->setText(kElevation, FormatFixed(s.station->Elevation, 0, point));
            row->setText(kSource, tr("→ %1 %2").arg(s.station->Wmo).arg(QString::fromStdString(s.station->Name)));
            row->setText(kDistance, FormatFixed(s.DistanceKm, 1, point));
            spoken += s.TooFar()
                          ? tr(", no station within 300 km")
                          : tr(", station %1 %2, %3 km")
                                .arg(s.station->Wmo)
                                .arg(QString::fromStdString(s.station->Name), FormatFixed(s.DistanceKm, 0, point));
        }
        // Screen readers say what the row is, not only its cells.
        row->setData(kName, Qt::AccessibleTextRole, spoken);
        row->setToolTip(kName, spoken);
        for (int c : {kElevation, kDistance}) row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = row->font(kName);
        bold.setBold(true);
        row->setFont(kName, bold);
        rows << row;
    }
    for (const StationMatch& m : found_.matches) {
        const Station& s = *m.station;
        auto* row = new QTreeWidgetItem;
        row->setText(kName, QString::fromStdString(s.Name));
        row->setText(kCountry, ShownCountry(s.Country));
        row->setText(kElevation, FormatFixed(s.Elevation, 0, point));
        row->setText(kSource, SourceFieldName(StationSourceField(s)));
        if (s.RhDerived) {
            row->setText(kHumidity, tr("derived"));
            row->setToolTip(kHumidity, tr("Computed from the mean vapour pressure: within 2 points of the reported "
                                          "humidity in the median"));
        }
        if (m.DistanceKm) row->setText(kDistance, FormatFixed(*m.DistanceKm, 1, point));
        if (m.ElevationDifferenceM) row->setText(kHeight, Signed(*m.ElevationDifferenceM));
        for (int c : {kElevation, kDistance, kHeight}) row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        rows << row;
    }
    list_->addTopLevelItems(rows);
    list_->setColumnHidden(kDistance, !near && places_.empty());
    list_->setColumnHidden(kHeight, !near || !found_.coordinates.site.Elevation);
    summary_->setText(summary());
    showNoteOfCurrent();
}

QString StationFinder::summary() const
{
    const QString text = field_->text().trimmed();
    if (found_.coordinates.kind == CoordinatesParse::OutOfRange)
        return QCoreApplication::translate("qav::CoordinatesText", found_.coordinates.wording)
            .arg(QString::fromStdString(found_.coordinates.value));
    // Without the place list the finder still searches the stations, and says why it alone.
    const QString missing = placeFailure_.isEmpty() ? QString() : u' ' + tr("No places: %1.").arg(placeFailure_);
    if (text.isEmpty() && recentShown_ > 0)
        return tr("Recent sites, the newest first: Enter analyses the one selected; type to search %1 places "
                  "and %2 stations.")
                   .arg(placeList_->Places.size())
                   .arg(catalogue_->Stations.size()) +
               missing;
    if (text.isEmpty())
        return tr("%1 places and the normals 1991-2020 of %2 stations: type a town, a station or coordinates.")
                   .arg(placeList_->Places.size())
                   .arg(catalogue_->Stations.size()) +
               missing;
    if (found_.matches.empty() && places_.empty()) return tr("No place or station matches \"%1\".").arg(text) + missing;
    if (found_.coordinates.kind == CoordinatesParse::Valid)
        return tr("Nearest first: %1 places, %2 stations.").arg(places_.size()).arg(found_.matches.size()) + missing;
    return tr("Places found: %1; stations found: %2.").arg(places_.size()).arg(found_.matches.size()) + missing;
}

QString StationFinder::distanceNote(const StationMatch& match)
{
    if (!match.DistanceKm || !match.Far()) return {};
    const Station& s = *match.station;
    const QChar point = LocaleDecimalPoint();
    QString where = tr("%1 km from the site").arg(FormatFixed(*match.DistanceKm, 0, point));
    if (match.ElevationDifferenceM && std::abs(*match.ElevationDifferenceM) > kFarElevationM)
        where += *match.ElevationDifferenceM > 0
                     ? tr(" and %1 m higher").arg(FormatFixed(*match.ElevationDifferenceM, 0, point))
                     : tr(" and %1 m lower").arg(FormatFixed(-*match.ElevationDifferenceM, 0, point));
    return tr("Station %1 (%2) is %3: the site's climate may differ. The pressure is that of the station's "
              "elevation, %4 m.")
        .arg(s.Wmo)
        .arg(QString::fromStdString(s.Name), where, FormatFixed(s.Elevation, 0, point));
}

void StationFinder::showNoteOfCurrent()
{
    const int row = list_->indexOfTopLevelItem(list_->currentItem()) - recentShown_;
    const std::size_t shown = row >= 0 ? std::size_t(row) : 0;
    QString note;
    if (row < 0 && recentShown_ > 0) {
        // a recent site carries no distance: the search that found it is gone
    } else if (shown < places_.size()) {
        const PlaceMatch& m = places_[shown];
        if (!m.stations.empty() && !m.Climate())
            note = QString::fromStdString(NoStationNearText(m.stations.front(), PictureLanguage()));
        else if (const NearStation* s = m.Climate())
            note = distanceNote(StationMatch{s->station, s->DistanceKm, std::nullopt});
    } else if (shown - places_.size() < found_.matches.size()) {
        note = distanceNote(found_.matches[shown - places_.size()]);
    }
    note_->setText(KeepUnitsTogether(note));
    note_->setVisible(!note_->text().isEmpty());
}

void StationFinder::chooseRow(int row) noexcept
{
    if (row < 0) return;
    if (row < recentShown_) {
        const LocationRecord site = recent_[size_t(row)];
        chosen_.reset();
        accept();
        emit recentSiteChosen(site);
        return;
    }
    row -= recentShown_;
    const std::size_t r = std::size_t(row);
    StationMatch match;
    if (r < places_.size()) {
        const PlaceMatch& place = places_[r];
        // Beyond 300 km the station is no climate for the place: the note says so and nothing is analysed.
        const NearStation* climate = place.Climate();
        if (!climate) {
            list_->setCurrentItem(list_->topLevelItem(row + recentShown_));
            showNoteOfCurrent();
            return;
        }
        chosen_ = place;
        match = {climate->station, climate->DistanceKm, std::nullopt};
    } else if (r - places_.size() < found_.matches.size()) {
        chosen_.reset();
        match = found_.matches[r - places_.size()];
    } else {
        return;
    }
    accept();  // hidden before the analysis, which may show a box of its own
    emit stationChosen(match);
}

void StationFinder::setRecentSites(std::vector<LocationRecord> newestFirst)
{
    recent_ = std::move(newestFirst);
    // Sites kept before the source field named the service say "WMO" for INMET's stations too;
    // the catalogue's row says whose normals they are.
    for (LocationRecord& site : recent_) {
        const std::optional<StationTag> tag = ParseStationSourceField(site.DataSource);
        const Station* station = tag ? catalogue_->Find(tag->Wmo) : nullptr;
        if (station && station->Source != tag->Agency && tag->Period == kStationPeriod)
            site.DataSource = station->Source + site.DataSource.substr(tag->Agency.size());
    }
    search();
}

LocationRecord StationFinder::chosenSite(const StationMatch& match) const
{
    if (chosen_ && chosen_->Climate() && chosen_->Climate()->station == match.station)
        return PlaceLocation(*chosen_->place, *chosen_->Climate(), PictureLanguage());
    return StationLocation(*match.station);
}

}  // namespace qav
