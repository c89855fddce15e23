#pragma once
// Finding a site by its town: 135,233 populated places of the world (GeoNames' places of at least
// 1,000 inhabitants and the seats of divisions; GeoNames, geonames.org, CC BY 4.0), with the
// Portuguese names of the larger foreign ones, searched by name as a user types, and the
// catalogue's stations nearest each place. The list is the file data/places/places.tsv
// (installed as share/qav/places.tsv), read on first use: about 7 MB that a start need not wait for.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/station_catalogue.h"
#include "text/language.h"

namespace qav {

inline constexpr std::string_view kPlaceListFile = "places.tsv";
/// A station farther from the place than this is not offered as the site's climate: the user is
/// pointed to a weather file, and the station is listed for reference only.
inline constexpr double kNoStationKm = 300;
/// How many stations each place lists, nearest first.
inline constexpr std::size_t kPlaceStations = 3;

struct Place {
    int GeonamesId = 0;
    std::string Name;             // as GeoNames gives it, UTF-8 (often the local form: "São Paulo", "Zürich")
    std::string NamePt;           // the Portuguese exonym ("Moscou" for Moscow), empty where there is none
    std::string Country;          // ISO 3166-1 alpha-2
    std::string Division;         // the state's UF in Brazil ("SP"), else GeoNames' first-level code
    std::int64_t Population = 0;  // 0 where unknown
    double Latitude = 0;          // degrees, north positive
    double Longitude = 0;         // degrees, east positive; the elevation is not known

    /// The name a reader of the language knows: the Portuguese exonym in Portuguese, if any.
    const std::string& NameIn(Language language) const;
};

struct PlaceList {
    std::vector<Place> Places;  // most populous first, ties by geonames_id
};

struct PlaceListResult {
    PlaceList list;
    std::optional<std::string> failure;  // "line 12 (population): ..." or the file's failure
};

/// Parses the list's text: a header line, then one place a line of 8 tab-separated fields
/// (geonames_id, name, name_pt, country, division, population, latitude, longitude).
PlaceListResult ParsePlaceList(std::string_view tsv);
/// Reads and parses the list file; a failure message starts with the file's path.
PlaceListResult ReadPlaceList(const std::filesystem::path& file);
/// Where the list is looked for, in order: programDir/../share/qav, then the source tree.
std::vector<std::filesystem::path> PlaceListCandidates(const std::filesystem::path& programDir);
std::optional<std::filesystem::path> FindPlaceList(const std::filesystem::path& programDir);

/// The codes of the countries a text names: an ISO code ("br"), a name in English or Portuguese
/// ("Brasil", "Rússia") or a common short form ("USA", "EUA", "UK"); empty when it names none.
std::vector<std::string> CountriesNamed(std::string_view text);

/// "Campinas (SP, Brazil)", "Phoenix (AZ, United States)", "Moscou (Rússia)": the name in the
/// language, then the division where it means something to a reader (Brazil's UF and other
/// lettered codes; GeoNames' numbered codes are left out), then the country.
std::string PlaceLabel(const Place& place, Language language);

struct NearStation {
    const Station* station = nullptr;
    double DistanceKm = 0;
    /// Beyond kNoStationKm: listed for reference, not offered as the site's climate.
    bool TooFar() const { return DistanceKm > kNoStationKm; }
};

/// The catalogue's stations ordered by latitude, to find the nearest ones of a point without
/// measuring the distance to every station. The catalogue must outlive it.
class StationLocator {
  public:
    explicit StationLocator(const StationCatalogue& catalogue);
    /// The `count` stations nearest the point, nearest first, ties by station number.
    std::vector<NearStation> Nearest(double latitude, double longitude, std::size_t count) const;

  private:
    std::vector<const Station*> byLatitude_;
};

/// The places' names folded once, searched on every key press. The list must outlive it.
class PlaceIndex {
  public:
    explicit PlaceIndex(const PlaceList& list);

    /// Places whose name (GeoNames' or the Portuguese one) holds every word of the query, folded
    /// for case, accents and punctuation as the station search folds them. Names that are the query
    /// come first, then names that begin with it, then names with a word that begins with it, then
    /// the rest; each group most populous first. A trailing country ("Lisboa, Portugal", "Moscow Russia", "RU",
    /// in English or Portuguese), Brazilian state ("Campinas, SP", "Campinas Santa Catarina") or
    /// lettered division ("Phoenix, AZ") narrows the search; without a comma the unnarrowed matches of the whole text follow, so
    /// that "Foz do" still finds Foz do Iguaçu although DO is a country. At most `limit` (0: all).
    std::vector<const Place*> Search(std::string_view query, std::size_t limit) const;

    /// How many places have this one's name (either of its names, folded): 1 when it is unique.
    std::size_t NamedAlike(const Place& place) const;

    /// The places nearest a point, nearest first (for "use my location").
    std::vector<const Place*> Near(double latitude, double longitude, std::size_t count) const;

    const PlaceList& List() const { return *list_; }

  private:
    struct Filter;
    // The places found by rank (the whole name, its beginning, a word's beginning, anywhere),
    // each group in the list's order.
    using Found = std::array<std::vector<std::uint32_t>, 4>;
    bool FilterOf(std::string_view folded, Filter& filter) const;
    void Collect(const std::vector<std::string>& words, const std::vector<Filter>& filters, std::size_t limit,
                 Found& found) const;

    const PlaceList* list_;
    std::string names_;                   // "\n" + every folded name + "\n", one after the other
    std::vector<std::uint32_t> starts_;   // where each name of names_ starts
    std::vector<std::uint32_t> owner_;    // the place of each name
    std::vector<std::string> divisions_;  // the lettered division codes, sorted
};

/// A place with the stations nearest it.
struct PlaceMatch {
    const Place* place = nullptr;
    std::vector<NearStation> stations;  // kPlaceStations, nearest first
    /// The station to analyse: the nearest, unless it lies beyond kNoStationKm.
    const NearStation* Climate() const;
};

std::vector<PlaceMatch> SearchPlaces(const PlaceIndex& index, const StationLocator& stations, std::string_view query,
                                     std::size_t limit);

}  // namespace qav
