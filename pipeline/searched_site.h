#pragma once
// The place a station was chosen for: the station finder's coordinates, qav-cli's --near, or a
// town found by name. The report prints where the site is and how far and how much higher or
// lower the station stands, since a distant station may have another climate.
#include <optional>
#include <string>

#include "text/language.h"

namespace qav {

struct AnalysisState;

struct SearchedSite {
    std::string Name;                  // a town found by name; empty for typed coordinates
    double Latitude = 0;               // degrees, north positive
    double Longitude = 0;              // degrees, east positive
    std::optional<double> ElevationM;  // when given
    /// The DataSource of the station's location (StationSourceField): the site belongs to that
    /// location only, not to a location chosen afterwards.
    std::string ForSource;
};

/// The report's lines for the current location's searched site: `Site`, its coordinates with the
/// station's distance and elevation difference; `Warning`, the caution beyond kFarDistanceKm or
/// kFarElevationM (empty within). Both empty when the current location has no searched site.
struct SearchedSiteText {
    std::string Site;
    std::string Warning;
};
SearchedSiteText DescribeSearchedSite(const AnalysisState& state, Language language);

/// The JSON keys appended to the current location's row when it has a searched site:
/// `searched` {latitude, longitude, elevation_m (null when not given)}, `distance_km` from the
/// site to the station (one decimal; a town's row has its own) and `elevation_diff_m`, the
/// station's elevation minus the site's in whole metres (null without the site's). Empty otherwise.
std::string SearchedSiteJsonFields(const AnalysisState& state);

}  // namespace qav
