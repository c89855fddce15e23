#include "pipeline/searched_site.h"

#include <cmath>

#include "core/text_format.h"
#include "data/station_search.h"
#include "pipeline/analysis_state.h"
#include "text/report_texts.h"

namespace qav {

namespace {

/// The current location's searched site, or none; `station` is then the location as read (a
/// warming changes the normals, not where the station stands).
const SearchedSite* SiteOfCurrent(const AnalysisState& state, const LocationRecord*& station)
{
    const std::optional<SearchedSite>& site = state.Searched;
    if (!site || state.CurrentLocation < 1 || state.CurrentLocation > state.Locations.LocationCount) return nullptr;
    station = &state.Locations.Slot[state.CurrentLocation];
    return station->DataSource == site->ForSource ? &*site : nullptr;
}

}  // namespace

SearchedSiteText DescribeSearchedSite(const AnalysisState& state, Language language)
{
    const LocationRecord* found = nullptr;
    const SearchedSite* site = SiteOfCurrent(state, found);
    if (!site) return {};
    const LocationRecord& station = *found;
    const auto T = [&](const char* english) { return std::string(ReportText(language, english)); };
    const char sep = DecimalSeparatorOf(language);
    const double km = GreatCircleKm(site->Latitude, site->Longitude, station.Latitude, station.Longitude);
    std::string where = FilledText(T(report_text::kSiteDistance), {FormatFixed(km, 0, sep)});
    bool far = km > kFarDistanceKm;
    if (site->ElevationM) {
        const double rise = station.Elevation - *site->ElevationM;  // station minus site
        const std::string metres = FormatFixed(std::fabs(rise), 0, sep);
        where += std::round(rise) == 0 ? T(report_text::kSiteSameElevation)
                 : rise > 0            ? FilledText(T(report_text::kSiteHigher), {metres})
                                       : FilledText(T(report_text::kSiteLower), {metres});
        far = far || std::fabs(rise) > kFarElevationM;
    }
    SearchedSiteText text;
    const std::string coordinates = FormatFixed(site->Latitude, 2, sep) + "°, " + FormatFixed(site->Longitude, 2, sep) +
                                    "°" +
                                    (site->ElevationM ? ", " + FormatFixed(*site->ElevationM, 0, sep) + " m" : "");
    text.Site = (site->Name.empty() ? "" : site->Name + ", ") + coordinates + "; " + where;
    if (far)
        text.Warning = FilledText(T(report_text::kSiteFar),
                                  {FormatFixed(kFarDistanceKm, 0, sep), FormatFixed(kFarElevationM, 0, sep),
                                   FormatFixed(station.Elevation, 0, sep)});
    return text;
}

std::string SearchedSiteJsonFields(const AnalysisState& state)
{
    const LocationRecord* station = nullptr;
    const SearchedSite* site = SiteOfCurrent(state, station);
    if (!site) return {};
    const auto number = [](double v) { return JsonNumber(static_cast<float>(v)); };
    const std::string elevation = site->ElevationM ? number(*site->ElevationM) : "null";
    std::string j = ",\"searched\":{\"latitude\":" + number(site->Latitude) +
                    ",\"longitude\":" + number(site->Longitude) + ",\"elevation_m\":" + elevation + "}";
    // A town's row already carries its distance_km (PlaceJsonFields); km to one decimal as there.
    if (!state.Current().Place) {
        const double km = GreatCircleKm(site->Latitude, site->Longitude, station->Latitude, station->Longitude);
        j += ",\"distance_km\":" + number(std::round(km * 10) / 10);
    }
    return j + ",\"elevation_diff_m\":" +
           (site->ElevationM ? number(std::round(station->Elevation - *site->ElevationM) + 0.0) : std::string("null"));
}

}  // namespace qav
