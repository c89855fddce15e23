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

#include "ui/locale_format.h"
#include "ui/results_panel.h"

namespace qav {
namespace {

// Rows shown per key press: enough to scroll through, few enough to refill at once.
constexpr std::size_t kShownStations = 200;

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
    return new StationFinder(std::move(read), parent);
}

StationFinder::StationFinder(StationCatalogueResult catalogue, QWidget* parent)
    : QDialog(parent),
      catalogue_(std::make_unique<StationCatalogue>(std::move(catalogue.catalogue))),
      index_(std::make_unique<StationIndex>(*catalogue_))
{
    setObjectName(QStringLiteral("StationFinder"));
    setWindowTitle(tr("Find a station"));

    auto* caption = new QLabel(tr("&Name or coordinates (\"-15,79 -47,93\", \"15°47′S 47°56′W 1160 m\"):"), this);
    caption->setWordWrap(true);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("StationSearchField"));
    field_->setAccessibleName(tr("Station name or coordinates"));
    field_->setClearButtonEnabled(true);
    caption->setBuddy(field_);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("StationResults"));
    list_->setAccessibleName(tr("Stations found"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setColumnCount(kColumns);
    // Short headings leave the room to the names; the tooltips say them in full.
    list_->setHeaderLabels({tr("Station"), tr("Country"), tr("m"), tr("Source"), tr("RH"), tr("km"), tr("± m")});
    const QStringList full{QString(),
                           QString(),
                           tr("Elevation (m)"),
                           QString(),
                           tr("Relative humidity"),
                           tr("Distance from the site (km)"),
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
    found_ = SearchStations(*index_, field_->text().toStdString(), kShownStations);
    const bool near = found_.coordinates.kind == CoordinatesParse::Valid;
    const QChar point = LocaleDecimalPoint();
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const StationMatch& m : found_.matches) {
        const Station& s = *m.station;
        auto* row = new QTreeWidgetItem;
        row->setText(kName, QString::fromStdString(s.Name));
        row->setText(kCountry, QString::fromStdString(s.Country));
        row->setText(kElevation, FormatFixed(s.Elevation, 0, point));
        row->setText(kSource, QStringLiteral("%1 %2").arg(QString::fromStdString(s.Source)).arg(s.Wmo));
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
    list_->setColumnHidden(kDistance, !near);
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
    if (text.isEmpty())
        return tr("Normals 1991-2020 of %1 stations: type a name or coordinates.").arg(catalogue_->Stations.size());
    if (found_.matches.empty()) return tr("No station matches \"%1\".").arg(text);
    if (found_.coordinates.kind == CoordinatesParse::Valid)
        return tr("Nearest first: %1 stations.").arg(found_.matches.size());
    return tr("Stations found: %1.").arg(found_.matches.size());
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
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    const int shown = row >= 0 ? row : 0;
    note_->setText(size_t(shown) < found_.matches.size() ? distanceNote(found_.matches[size_t(shown)]) : QString());
    note_->setVisible(!note_->text().isEmpty());
}

void StationFinder::chooseRow(int row) noexcept
{
    if (row < 0 || size_t(row) >= found_.matches.size()) return;
    const StationMatch match = found_.matches[size_t(row)];
    accept();  // hidden before the analysis, which may show a box of its own
    emit stationChosen(match);
}

}  // namespace qav
