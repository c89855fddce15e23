#include "ui/my_sites.h"

#include <QByteArray>
#include <QSettings>
#include <algorithm>

#include "pictures/picture_files.h"
#include "data/md_reader.h"
#include "data/md_writer.h"
#include "data/station_catalogue.h"

namespace qav {
namespace {

// A station kept before its source field named the service ("WMO 83897 1991-2020") is the same
// station as INMET's "INMET 83897 1991-2020".
bool SameSource(const std::string& a, const std::string& b)
{
    if (a == b) return true;
    const std::optional<StationTag> x = ParseStationSourceField(a), y = ParseStationSourceField(b);
    return x && y && x->Wmo == y->Wmo && x->Period == y->Period && x->RhDerived == y->RhDerived;
}

bool SameSite(const LocationRecord& a, const LocationRecord& b)
{
    return a.LocationName == b.LocationName && a.Country == b.Country && SameSource(a.DataSource, b.DataSource) &&
           a.Latitude == b.Latitude && a.Longitude == b.Longitude && a.Elevation == b.Elevation;
}

}  // namespace

MySites MySites::FromSettings(const char* key, int capacity)
{
    MySites sites;
    sites.key_ = key;
    sites.capacity_ = std::clamp(capacity, 1, kMaxLocations);
    const QByteArray text = QSettings().value(QLatin1String(key)).toByteArray();
    if (text.isEmpty()) return sites;
    // The text was written by WriteMonthlyData; a damaged one is dropped rather than half read.
    const ReadResult read = ReadMonthlyData(std::string_view(text.constData(), size_t(text.size())));
    if (read.failure || read.warning) return sites;
    for (int slot = std::max(1, read.table.LocationCount - sites.capacity_ + 1); slot <= read.table.LocationCount;
         ++slot)
        sites.sites_.push_back(read.table.Slot[size_t(slot)]);
    return sites;
}

MySites::Added MySites::add(const LocationRecord& site)
{
    const auto kept =
        std::find_if(sites_.begin(), sites_.end(), [&](const LocationRecord& s) { return SameSite(s, site); });
    if (kept != sites_.end()) return {int(kept - sites_.begin()) + 1, std::nullopt};
    Added added;
    if (sites_.size() >= size_t(capacity_)) {
        added.Dropped = QString::fromStdString(sites_.front().LocationName);
        sites_.erase(sites_.begin());
    }
    sites_.push_back(site);
    added.Slot = int(sites_.size());
    remember();
    return added;
}

void MySites::addAsNewest(const LocationRecord& site)
{
    sites_.erase(
        std::remove_if(sites_.begin(), sites_.end(), [&](const LocationRecord& s) { return SameSite(s, site); }),
        sites_.end());
    add(site);
}

void MySites::remove(int slot)
{
    if (slot < 1 || slot > count()) return;
    sites_.erase(sites_.begin() + (slot - 1));
    remember();
}

LocationTable MySites::table() const
{
    LocationTable table;
    table.LocationCount = count();
    for (int slot = 1; slot <= count(); ++slot) table.Slot[size_t(slot)] = sites_[size_t(slot - 1)];
    return table;
}

QString MySites::save(const QString& path) const
{
    return WriteFileAtomically(path, QByteArray::fromStdString(WriteMonthlyData(table())));
}

void MySites::remember() const
{
    QSettings().setValue(QLatin1String(key_), QByteArray::fromStdString(WriteMonthlyData(table())));
}

}  // namespace qav
