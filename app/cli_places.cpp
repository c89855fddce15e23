#include "app/cli_places.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "app/cli_arguments.h"
#include "app/cli_io.h"
#include "app/cli_stations.h"
#include "core/text_fold.h"
#include "core/text_format.h"
#include "data/place_search.h"
#include "pipeline/analysis_output.h"
#include "pipeline/exports.h"
#include "pipeline/run_options.h"

namespace qav::cli {

namespace {

struct Loaded {
    PlaceListResult list;
    std::unique_ptr<PlaceIndex> index;
    std::unique_ptr<StationLocator> stations;
    std::string failure;
};

// The list beside the installed program (bin/../share/qav) or in the source tree it was built
// from, with the catalogue's stations; read once per run, and only by a command that needs it.
const Loaded& Load()
{
    static const std::unique_ptr<Loaded> loaded = [] {
        auto l = std::make_unique<Loaded>();
        std::error_code ec;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
        const std::filesystem::path dir = ec ? std::filesystem::path() : program.parent_path();
        const StationCatalogue* catalogue = CatalogueForAnalysis(l->failure);
        if (!catalogue) return l;
        if (const auto file = FindPlaceList(dir)) {
            l->list = ReadPlaceList(*file);
            if (l->list.failure) {
                l->failure = *l->list.failure;
                return l;
            }
        } else {
            std::string places;
            for (const auto& candidate : PlaceListCandidates(dir))
                places += (places.empty() ? "" : ", ") + candidate.string();
            l->failure = "the place list " + std::string(kPlaceListFile) + " was not found (" + places + ")";
            return l;
        }
        l->index = std::make_unique<PlaceIndex>(l->list.list);
        l->stations = std::make_unique<StationLocator>(*catalogue);
        return l;
    }();
    return *loaded;
}

std::string Km(double km) { return JsonNumber(static_cast<float>(std::round(km * 10) / 10)); }

// Display width of UTF-8 text: one column a character.
std::size_t Columns(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

std::string Table(const std::vector<PlaceMatch>& matches)
{
    std::vector<std::vector<std::string>> rows{{"geonames_id", "name", "division", "country", "population", "latitude",
                                                "longitude", "station", "distance_km", "elevation_m"}};
    std::size_t far = 0;
    for (const PlaceMatch& m : matches) {
        const Place& p = *m.place;
        rows.push_back({std::to_string(p.GeonamesId), p.Name, p.Division, p.Country, std::to_string(p.Population),
                        JsonNumber(float(p.Latitude)), JsonNumber(float(p.Longitude))});
        if (m.stations.empty()) continue;
        const NearStation& s = m.stations.front();
        rows.back().insert(rows.back().end(),
                           {std::to_string(s.station->Wmo) + " " + s.station->Name,
                            Km(s.DistanceKm) + (s.TooFar() ? " *" : ""), JsonNumber(s.station->Elevation)});
        far += s.TooFar();
    }
    std::vector<std::size_t> width(rows[0].size());
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) width[c] = std::max(width[c], Columns(row[c]));
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) line += row[c] + std::string(width[c] - Columns(row[c]) + 2, ' ');
        out += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    out += "Station: the nearest of the catalogue; its elevation, as the place's own is not known.\n";
    if (far > 0) out += "* No station within 300 km: open a weather file for this site.\n";
    return out;
}

std::string Csv(const std::vector<PlaceMatch>& matches)
{
    std::string out = "geonames_id,name,division,country,population,latitude,longitude";
    for (std::size_t k = 1; k <= kPlaceStations; ++k) {
        const std::string n = std::to_string(k);
        out += ",wmo_" + n + ",station_" + n + ",distance_km_" + n + ",elevation_m_" + n;
    }
    out += "\n";
    for (const PlaceMatch& m : matches) {
        const Place& p = *m.place;
        out += std::to_string(p.GeonamesId) + "," + CsvTextField(p.Name) + "," + CsvTextField(p.Division) + "," +
               p.Country + "," + std::to_string(p.Population) + "," + JsonNumber(float(p.Latitude)) + "," +
               JsonNumber(float(p.Longitude));
        for (std::size_t k = 0; k < kPlaceStations; ++k) {
            if (k < m.stations.size()) {
                const NearStation& s = m.stations[k];
                for (const std::string& field : {std::to_string(s.station->Wmo), CsvTextField(s.station->Name),
                                                 Km(s.DistanceKm), JsonNumber(s.station->Elevation)})
                    (out += ',') += field;
            } else {
                out += ",,,,";
            }
        }
        out += "\n";
    }
    return out;
}

}  // namespace

PlaceSources PlacesForAnalysis(std::string& failure)
{
    const Loaded& l = Load();
    if (!l.index) {
        failure = l.failure;
        return {};
    }
    return {l.index.get(), l.stations.get()};
}

int PlacesCommand(const std::vector<std::string>& args)
{
    const Arguments a(args, {"--name", "--country", "--limit", "--format"}, {});
    if (!a.Positional().empty()) Fail("'" + a.Positional().front() + "': unexpected argument");
    const std::optional<std::string> name = a.Value("--name");
    if (!name) Fail("--name: a place's name is needed (places --name TEXT)");
    if (FoldText(*name).empty()) Fail("--name: '" + *name + "' holds no letter or digit to search for");
    const std::string form = a.Value("--format").value_or("table");
    if (form != "table" && form != "csv" && form != "json") Fail("--format: '" + form + "' is not table, csv or json");
    const std::size_t limit =
        a.Has("--limit") ? static_cast<std::size_t>(ParseWhole("--limit", *a.Value("--limit"), 0, 1000000)) : 10;
    std::vector<std::string> countries;
    if (const auto country = a.Value("--country")) {
        countries = CountriesNamed(*country);
        if (countries.empty())
            Fail("--country: '" + *country + "' is not a country (an ISO code such as BR, or its name)");
    }
    std::string failure;
    const PlaceSources sources = PlacesForAnalysis(failure);
    if (!sources.places) {
        WriteErr("error: " + failure + "\n");
        return kExitFailure;
    }
    std::vector<PlaceMatch> matches;
    if (countries.empty()) {
        matches = SearchPlaces(*sources.places, *sources.stations, *name, limit);
    } else {
        // The search narrowed by the country, and only those of the country kept: the search puts
        // unnarrowed matches after the narrowed ones.
        for (const Place* p : sources.places->Search(*name + ", " + countries.front(), 0)) {
            if (std::find(countries.begin(), countries.end(), p->Country) == countries.end()) continue;
            if (limit > 0 && matches.size() == limit) break;
            matches.push_back({p, sources.stations->Nearest(p->Latitude, p->Longitude, kPlaceStations)});
        }
    }
    WriteOut(form == "json" ? PlaceListJson(matches) : form == "csv" ? Csv(matches) : Table(matches));
    return kExitOk;
}

}  // namespace qav::cli
