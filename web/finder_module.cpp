// The page's finder as a second WebAssembly module, run in a worker: the station catalogue and
// the place list are parsed and kept here, off the page's thread, and searched with the same C++
// as qav-cli's `stations` and `places`, so the page lists what the command line lists, in the
// same order. The analysis module stays free of the place search (its size is budgeted).
//
// Texts cross as UTF-8 bytes in the module's memory; an answer stays valid until the next call.
#include <emscripten/em_macros.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/place_search.h"
#include "data/station_catalogue.h"
#include "data/station_search.h"
#include "pipeline/analysis_request.h"
#include "pipeline/error_json.h"
#include "pipeline/option_error.h"
#include "pipeline/place_site.h"
#include "text/language.h"
#include "text/option_texts.h"

namespace qav::web {
namespace {

// Places listed for a search by name, and for coordinates ("use my location").
constexpr std::size_t kListedPlaces = 10;
constexpr std::size_t kNearPlaces = 5;

class Finder {
  public:
    int SetStations(std::string_view csv)
    {
        locator_.reset();  // both point into the catalogue replaced here
        stationIndex_.reset();
        catalogue_ = ParseStationCatalogue(csv);
        if (catalogue_->failure) return -1;
        stationIndex_.emplace(catalogue_->catalogue);
        locator_.emplace(catalogue_->catalogue);
        return static_cast<int>(catalogue_->catalogue.Stations.size());
    }

    int SetPlaces(std::string_view tsv)
    {
        placeIndex_.reset();
        list_ = ParsePlaceList(tsv);
        if (list_->failure) return -1;
        placeIndex_.emplace(list_->list);
        return static_cast<int>(list_->list.Places.size());
    }

    /// {"places": [...], "stations": [...]}: the places first (when the list was given), each with
    /// its nearest stations and the texts the page shows for it, then the stations as the analysis
    /// module's finder gives them. A refusal of the stations' query is {"error": {...}}.
    std::string Search(std::string_view query, std::size_t limit, Language language) const
    {
        if (!stationIndex_) return ErrorJson(1, "the station catalogue was not loaded", {"input", {}});
        const StationSearch stations = SearchStations(*stationIndex_, query, limit);
        if (stations.coordinates.kind == CoordinatesParse::OutOfRange) {
            const OptionError e{stations.coordinates.message,
                                stations.coordinates.wording,
                                {stations.coordinates.value},
                                "qav::CoordinatesText"};
            return RefusalJson(e, language);
        }
        if (stations.coordinates.kind == CoordinatesParse::NotCoordinates && LooksLikeCoordinates(query))
            return RefusalJson(Refusal(option_text::kNotCoordinates, {"query", std::string(query)}), language);
        const bool near = stations.coordinates.kind == CoordinatesParse::Valid;
        std::vector<PlaceMatch> places;
        if (placeIndex_ && near) {
            for (const Place* p : placeIndex_->Near(stations.coordinates.site.Latitude,
                                                    stations.coordinates.site.Longitude, kNearPlaces))
                places.push_back({p, locator_->Nearest(p->Latitude, p->Longitude, kPlaceStations)});
        } else if (placeIndex_) {
            places = SearchPlaces(*placeIndex_, *locator_, query, kListedPlaces);
        }
        return "{\"places\":" + PlaceListJson(places, {true, language}) +
               ",\"stations\":" + StationListJson(stations.matches, near, StationJsonForm::Finder) + "}";
    }

  private:
    std::optional<StationCatalogueResult> catalogue_;
    std::optional<StationIndex> stationIndex_;
    std::optional<StationLocator> locator_;
    std::optional<PlaceListResult> list_;
    std::optional<PlaceIndex> placeIndex_;
};

Finder& TheFinder()
{
    static Finder finder;
    return finder;
}

std::string& Answer()
{
    static std::string answer;
    return answer;
}

}  // namespace
}  // namespace qav::web

extern "C" {

EMSCRIPTEN_KEEPALIVE void* qav_finder_alloc(std::size_t size) { return std::malloc(size > 0 ? size : 1); }
EMSCRIPTEN_KEEPALIVE void qav_finder_free(void* p) { std::free(p); }

/// The catalogue's CSV: the number of its stations, or -1 when it cannot be read.
EMSCRIPTEN_KEEPALIVE int qav_finder_set_stations(const char* csv, std::size_t size)
{
    try {
        return qav::web::TheFinder().SetStations({csv, size});
    } catch (...) {
        return -1;
    }
}

/// The place list's text (places.tsv's form): the number of its places, or -1.
EMSCRIPTEN_KEEPALIVE int qav_finder_set_places(const char* tsv, std::size_t size)
{
    try {
        return qav::web::TheFinder().SetPlaces({tsv, size});
    } catch (...) {
        return -1;
    }
}

/// The JSON of a search (Finder::Search); portuguese 1 words it in Brazilian Portuguese. Its length
/// is qav_finder_answer_size().
EMSCRIPTEN_KEEPALIVE const char* qav_finder_search(const char* query, std::size_t size, int limit, int portuguese)
{
    try {
        qav::web::Answer() =
            qav::web::TheFinder().Search({query, size}, limit > 0 ? static_cast<std::size_t>(limit) : 0,
                                         portuguese ? qav::Language::PortugueseBrazil : qav::Language::English);
    } catch (...) {
        qav::web::Answer() =
            R"({"error":{"status":1,"message":"out of memory","code":"out_of_memory","values":[],"kind":"input"}})";
    }
    return qav::web::Answer().c_str();
}

EMSCRIPTEN_KEEPALIVE std::size_t qav_finder_answer_size() { return qav::web::Answer().size(); }

}  // extern "C"
