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

}  // namespace qav
