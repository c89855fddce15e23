#include "pipeline/place_site.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/text_fold.h"
#include "core/text_format.h"
#include "data/station_search.h"
#include "pipeline/analysis_output.h"
#include "pipeline/analysis_request.h"
#include "pipeline/exports.h"
#include "pipeline/option_error.h"
#include "text/country_names.h"
#include "text/place_texts.h"

namespace qav {

namespace {

namespace text = place_text;

// Distances as the station lists give them: km to 0.1.
std::string Km(double km) { return JsonNumber(static_cast<float>(std::round(km * 10) / 10)); }

// Whole km for the texts a reader reads: the distance is that of the town's centre, no finer.
std::string WholeKm(double km) { return std::to_string(static_cast<long long>(std::llround(km))); }

// A coordinate that reads back as the same double: the list's five decimals where they suffice.
std::string Coordinate(double degrees)
{
    char text[32];
    for (const int digits : {15, 17}) {
        std::snprintf(text, sizeof text, "%.*g", digits, degrees);
        double back = 0;
        ParseDecimal(text, text + std::strlen(text), back);
        if (back == degrees) break;
    }
    return text;
}

// What the page's finder adds to a place: the location it is analysed as and the request that
// analyses it, or why it is not analysed.
std::string FinderFields(const PlaceMatch& match, Language language)
{
    const Place& p = *match.place;
    const NearStation* climate = match.Climate();
    if (!climate)
        return match.stations.empty()
                   ? ""
                   : ",\"no_station\":" + JsonString(NoStationNearText(match.stations.front(), language));
    std::string out = ",\"station\":" + std::to_string(climate->station->Wmo) +
                      ",\"location_name\":" + JsonString(PlaceLocationName(p, *climate, language));
    if (climate->DistanceKm > kFarDistanceKm)
        out += ",\"far\":" + JsonString(std::string(Translated(language, "qav::PlaceText", text::kFar)));
    out += ",\"request\":{\"geonames_id\":" + std::to_string(p.GeonamesId) + ",\"name\":" + JsonString(p.Name);
    if (!p.NamePt.empty()) out += ",\"name_pt\":" + JsonString(p.NamePt);
    if (!p.Division.empty()) out += ",\"division\":" + JsonString(p.Division);
    return out + ",\"country\":" + JsonString(p.Country) + ",\"latitude\":" + Coordinate(p.Latitude) +
           ",\"longitude\":" + Coordinate(p.Longitude) + "}";
}

bool Lettered(const std::string& division)
{
    return !division.empty() && division.find_first_not_of("0123456789") != std::string::npos;
}

}  // namespace

std::string PlaceLocationName(const Place& place, const NearStation& station, Language language)
{
    return FilledText(Translated(language, "qav::PlaceText", text::kPlaceLocation),
                      {PlaceLabel(place, language), std::to_string(station.station->Wmo), station.station->Name,
                       WholeKm(station.DistanceKm)});
}

LocationRecord PlaceLocation(const Place& place, const NearStation& station, Language language)
{
    LocationRecord l = StationLocation(*station.station);
    l.LocationName = PlaceLocationName(place, station, language);
    l.Country = CountryName(place.Country, language);
    l.Place = std::make_shared<const SitePlace>(SitePlace{place.GeonamesId, place.Name, place.NamePt, place.Division,
                                                          place.Country, place.Latitude, place.Longitude,
                                                          station.DistanceKm});
    return l;
}

std::string NoStationNearText(const NearStation& nearest, Language language)
{
    return std::string(Translated(language, "qav::PlaceText", text::kNoStationNear)) + ". " +
           FilledText(Translated(language, "qav::PlaceText", text::kNearestForReference),
                      {std::to_string(nearest.station->Wmo), nearest.station->Name, WholeKm(nearest.DistanceKm)});
}

std::string NoClimateText(const Place& place, const NearStation& nearest, Language language)
{
    std::string text = PlaceLabel(place, language) + ": " + NoStationNearText(nearest, language);
    if (language == Language::English) text += " (--station " + std::to_string(nearest.station->Wmo) + " analyses it)";
    return text;
}

std::string ChosenAmongText(const PlaceIndex& index, const Place& place, Language language)
{
    const std::size_t alike = index.NamedAlike(place);
    if (alike < 2) return {};
    const std::string& name = place.NameIn(language);
    const std::string label = name + (Lettered(place.Division) ? ", " + place.Division : "") + " (" +
                              std::string(CountryName(place.Country, language)) + ")";
    return FilledText(Translated(language, "qav::PlaceText", text::kChosenAmong), {label, std::to_string(alike), name});
}

RunInput PlaceInput(const std::string& query, const PlaceSource& source, std::vector<std::string>& notes)
{
    const auto refuse = [&](const char* wording) {
        OptionError e = Refusal(wording, {"--place", query});
        e.context = "qav::PlaceText";
        throw e;
    };
    if (FoldText(query).empty()) refuse(text::kNoLetterToSearch);
    std::string failure;
    const PlaceSources sources = source ? source(failure) : PlaceSources{};
    if (!sources.places || !sources.stations)
        throw InputFailure{failure.empty() ? "the place list was not loaded" : failure, {}};
    const std::vector<PlaceMatch> found = SearchPlaces(*sources.places, *sources.stations, query, 1);
    if (found.empty()) refuse(text::kNoSuchPlace);
    const PlaceMatch& match = found.front();
    if (match.stations.empty()) throw InputFailure{"the station catalogue holds no station", {}};
    if (!match.Climate()) {
        throw InputFailure{NoClimateText(*match.place, match.stations.front(), Language::English), {}};
    }
    if (std::string note = ChosenAmongText(*sources.places, *match.place, Language::English); !note.empty())
        notes.push_back(std::move(note));
    RunInput in{{}, {}, "--place " + query, 0, "place:" + std::to_string(match.place->GeonamesId)};
    in.table.LocationCount = 1;
    in.table.Slot[1] = PlaceLocation(*match.place, *match.Climate(), Language::English);
    return in;
}

std::string SitePlaceLabel(const SitePlace& place, Language language)
{
    Place p;
    p.Name = place.Name;
    p.NamePt = place.NamePt;
    p.Division = place.Division;
    p.Country = place.Country;
    return PlaceLabel(p, language);
}

std::vector<std::string> PlaceSiteRow(const LocationRecord& location, Language language)
{
    const SitePlace& p = *location.Place;
    const char point = DecimalSeparatorOf(language);
    const std::string coordinates =
        FormatFixed(p.Latitude, 2, point) + "°, " + FormatFixed(p.Longitude, 2, point) + "°";
    const std::optional<StationTag> tag = ParseStationSourceField(location.DataSource);
    // The station's name is the location's name after its number ("...: station 83781 NAME, 80 km").
    std::string station = tag ? std::to_string(tag->Wmo) : location.DataSource;
    const std::string& name = location.LocationName;
    const std::size_t from = name.find(station + " "), to = name.rfind(", ");
    if (tag && from != std::string::npos && to != std::string::npos && to > from)
        station = name.substr(from, to - from);
    std::string line = FilledText(Translated(language, "qav::PlaceText", text::kSiteLine),
                                  {SitePlaceLabel(p, language), coordinates, station, WholeKm(p.DistanceKm),
                                   FormatGeneral(location.Elevation, point)});
    if (p.DistanceKm > kFarDistanceKm) line += ". " + std::string(Translated(language, "qav::PlaceText", text::kFar));
    return {std::string(Translated(language, "qav::PlaceText", text::kSite)), std::move(line)};
}

std::string PlaceJsonFields(const LocationRecord& location)
{
    if (!location.Place) return {};
    const SitePlace& p = *location.Place;
    return ",\"place\":{\"name\":" + JsonString(p.Name) + ",\"division\":" + JsonString(p.Division) +
           ",\"country\":" + JsonString(p.Country) + ",\"geonames_id\":" + std::to_string(p.GeonamesId) +
           "},\"distance_km\":" + Km(p.DistanceKm);
}

std::string PlaceCsvFields(const LocationRecord& location)
{
    if (!location.Place) return ",,,,,";
    const SitePlace& p = *location.Place;
    std::string r;
    for (const std::string& field :
         {CsvTextField(p.Name), CsvTextField(p.Division), p.Country, std::to_string(p.GeonamesId), Km(p.DistanceKm)})
        (r += ',') += field;
    return r;
}

std::string PlaceListJson(const std::vector<PlaceMatch>& matches, const PlaceListForm& form)
{
    const bool cli = !form.finder;
    const Language language = form.language;
    std::string out = "[";
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const Place& p = *matches[i].place;
        out += cli ? (i ? ",\n" : "\n") : (i ? "," : "");
        out += "{\"geonames_id\":" + std::to_string(p.GeonamesId) +
               ",\"name\":" + JsonString(cli ? p.Name : p.NameIn(language));
        if (!cli) out += ",\"label\":" + JsonString(PlaceLabel(p, language));
        out += ",\"division\":" + JsonString(p.Division) + ",\"country\":" + JsonString(p.Country);
        if (!cli) out += ",\"country_name\":" + JsonString(std::string(CountryName(p.Country, language)));
        out += ",\"population\":" + std::to_string(p.Population) + ",\"latitude\":" + JsonNumber(float(p.Latitude)) +
               ",\"longitude\":" + JsonNumber(float(p.Longitude));
        if (!cli) out += FinderFields(matches[i], language);
        out += ",\"stations\":[";
        for (std::size_t k = 0; k < matches[i].stations.size(); ++k) {
            const NearStation& s = matches[i].stations[k];
            out += k ? ",{\"wmo\":" : "{\"wmo\":";
            out += std::to_string(s.station->Wmo) + ",\"name\":" + JsonString(s.station->Name) +
                   ",\"distance_km\":" + Km(s.DistanceKm) + ",\"elevation_m\":" + JsonNumber(s.station->Elevation) +
                   "}";
        }
        out += "]}";
    }
    if (!cli) return out + "]";
    return out + (matches.empty() ? "]\n" : "\n]\n");
}

}  // namespace qav
