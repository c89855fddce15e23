#pragma once
// A site found by its town: the location it is analysed as (the nearest station's normals, named
// for the place), the rows' place fields, qav-cli's and the module's --place input, and the
// lists of places found. One set of functions, so the window, qav-cli and the module agree.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/location.h"
#include "data/place_search.h"
#include "pipeline/analysis_run.h"
#include "text/language.h"

namespace qav {

/// The place list and the stations it is searched with, or null with the reason (read on first use).
struct PlaceSources {
    const PlaceIndex* places = nullptr;
    const StationLocator* stations = nullptr;
};
using PlaceSource = std::function<PlaceSources(std::string& failure)>;

/// The place as the location's name shows it: "Campinas (SP, Brazil): station 83781 São Paulo
/// (Mirante de Santana), 80 km".
std::string PlaceLocationName(const Place& place, const NearStation& station, Language language);

/// The station's normals as a location named for the place, which it carries (LocationRecord::Place).
LocationRecord PlaceLocation(const Place& place, const NearStation& station, Language language);

/// "No station within 300 km: open a weather file for this site. The nearest station, 76225
/// Observatorio Meteorológico Chihuahua, 783 km away, is listed for reference only."
std::string NoStationNearText(const NearStation& nearest, Language language);

/// Why a place is not analysed, as qav-cli says it: "Campinas (SP, Brazil): No station within
/// 300 km: ... is listed for reference only. (--station 83781 analyses it)"; the option's hint is
/// English only (a page names the station otherwise).
std::string NoClimateText(const Place& place, const NearStation& nearest, Language language);

/// "Campinas, SP (Brazil) chosen among 2 places named Campinas", or empty when the name is unique.
std::string ChosenAmongText(const PlaceIndex& index, const Place& place, Language language);

/// The input of `--place TEXT`: the best match's nearest station, named for the place. A text
/// naming no place, or only punctuation, throws OptionError; a place without a station within
/// 300 km, or a list that cannot be read, throws InputFailure. `notes` receives the choice among
/// places of one name.
RunInput PlaceInput(const std::string& text, const PlaceSource& source, std::vector<std::string>& notes);

/// The label of a place a location carries: "Campinas (SP, Brazil)", "Moscou (Rússia)".
std::string SitePlaceLabel(const SitePlace& place, Language language);

/// The report's row for the site of a location found by its town: {"Site", "Campinas (SP,
/// Brazil), -22.91°, -47.06°; station 83781 São Paulo (Mirante de Santana), 80 km away, at 785 m
/// (...)"}, with the distance warning beyond 50 km. The location must carry a place.
std::vector<std::string> PlaceSiteRow(const LocationRecord& location, Language language);

/// The JSON keys a row of a place adds (`,"place":{...},"distance_km":80`), empty for other rows.
std::string PlaceJsonFields(const LocationRecord& location);
/// The CSV columns place, place_division, place_country, geonames_id and distance_km, each
/// after a comma; empty cells for a location that is no place.
std::string PlaceCsvFields(const LocationRecord& location);
inline constexpr std::string_view kPlaceCsvColumns = ",place,place_division,place_country,geonames_id,distance_km";

/// How a list of places is written: qav-cli's `places --format json` (GeoNames' names, a place a
/// line) or the page's finder (one line, worded in `language`).
struct PlaceListForm {
    bool finder = false;
    Language language = Language::English;
};

/// A list of {geonames_id, name, division, country, population, latitude, longitude, stations:
/// [{wmo, name, distance_km, elevation_m}]}. The finder's form names the place in its language and
/// adds label ("Campinas (SP, Brazil)") and country_name, then either station, location_name (the
/// location it is analysed as), far (the caution beyond 50 km) and request (the analysis
/// request's `place` object for it), or no_station (the sentence beyond 300 km).
std::string PlaceListJson(const std::vector<PlaceMatch>& matches, const PlaceListForm& form = {});

}  // namespace qav
