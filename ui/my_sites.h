#pragma once
// "My sites": the stations and locations the user keeps, up to the 50 slots of a Monthly Data
// file, oldest first. Remembered between runs as the text of such a file, and saved as one.
#include <QString>
#include <optional>
#include <vector>

#include "core/location.h"

namespace qav {

/// The settings key that holds My sites as Monthly Data text.
inline constexpr const char* kMySitesKey = "mySites/monthlyData";
/// The settings key of Recent sites: the stations and places analysed last, newest last.
inline constexpr const char* kRecentSitesKey = "recentSites/monthlyData";
inline constexpr int kMaxRecentSites = 10;

class MySites {
  public:
    /// Reads the list remembered by the last run under this key (none: empty); it keeps at most
    /// `capacity` sites.
    static MySites FromSettings(const char* key = kMySitesKey, int capacity = kMaxLocations);

    struct Added {
        int Slot = 0;                    // 1-based slot of the site in the list
        std::optional<QString> Dropped;  // the oldest site's name, dropped to make room
    };
    /// Adds a site at the end and remembers the list. A site already kept (same name, country,
    /// source and coordinates) is not added twice; its slot is returned.
    Added add(const LocationRecord& site);
    /// Adds the site as the newest (an equal one moves there) and remembers the list.
    void addAsNewest(const LocationRecord& site);
    /// Removes the site in this 1-based slot and remembers the list.
    void remove(int slot);

    int count() const { return int(sites_.size()); }
    bool empty() const { return sites_.empty(); }
    /// The sites as a location table, slot 1 the oldest.
    LocationTable table() const;
    /// The sites, the newest (the last added) first.
    std::vector<LocationRecord> newestFirst() const { return {sites_.rbegin(), sites_.rend()}; }

    /// Writes the list as a Monthly Data file; returns the reason of a failure or an empty text.
    QString save(const QString& path) const;

  private:
    void remember() const;
    std::vector<LocationRecord> sites_;
    const char* key_ = kMySitesKey;
    int capacity_ = kMaxLocations;
};

}  // namespace qav
