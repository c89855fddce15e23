#include "app/cli_stations.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <system_error>

#include "app/cli_io.h"
#include "core/text_fold.h"
#include "data/station_catalogue.h"
#include "data/station_search.h"
#include "pipeline/analysis_output.h"
#include "pipeline/exports.h"
#include "pipeline/analysis_request.h"
#include "pipeline/option_error.h"

namespace qav::cli {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct Failure {
    std::string message;
    int status = kExitUsage;
};

// The catalogue beside the installed program (bin/../share/qav) or in the source tree it was
// built from; read once per run.
const StationCatalogue& Catalogue()
{
    static const std::unique_ptr<StationCatalogueResult> loaded = [] {
        std::error_code ec;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
        auto result = std::make_unique<StationCatalogueResult>();
        if (const auto file = FindStationCatalogue(ec ? std::filesystem::path() : program.parent_path())) {
            *result = ReadStationCatalogue(*file);
        } else {
            std::string places;
            for (const auto& candidate :
                 StationCatalogueCandidates(ec ? std::filesystem::path() : program.parent_path()))
                places += (places.empty() ? "" : ", ") + candidate.string();
            result->failure =
                "the station catalogue " + std::string(kStationCatalogueFile) + " was not found (" + places + ")";
        }
        return result;
    }();
    if (loaded->failure) throw Failure{*loaded->failure, kExitFailure};
    return loaded->catalogue;
}

std::string Rounded(double value, double step)
{
    return JsonNumber(static_cast<float>(std::round(value / step) * step));
}

// Display width of UTF-8 text: one column a character.
std::size_t Columns(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

std::string Table(const std::vector<StationMatch>& matches, bool near)
{
    std::vector<std::vector<std::string>> rows{
        {"wmo", "name", "country", "latitude", "longitude", "elevation_m", "source", "rh"}};
    if (near) rows[0].insert(rows[0].end(), {"distance_km", "elevation_diff_m"});
    for (const StationMatch& m : matches) {
        const Station& s = *m.station;
        rows.push_back({std::to_string(s.Wmo), s.Name, s.Country, JsonNumber(s.Latitude), JsonNumber(s.Longitude),
                        JsonNumber(s.Elevation), s.Source, s.RhDerived ? "derived" : "reported"});
        if (near) {
            rows.back().push_back(Rounded(*m.DistanceKm, 0.1));
            rows.back().push_back(m.ElevationDifferenceM ? Rounded(*m.ElevationDifferenceM, 1) : "");
        }
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
    bool derived = false;
    for (const StationMatch& m : matches) derived = derived || m.station->RhDerived;
    if (derived)
        out += "Derived humidity: from the mean vapour pressure, within 2 points of the reported one in the median.\n";
    return out;
}

std::string Csv(const std::vector<StationMatch>& matches, bool near)
{
    std::string out = "wmo,name,country,latitude,longitude,elevation_m,source,rh_source";
    out += near ? ",distance_km,elevation_diff_m\n" : "\n";
    for (const StationMatch& m : matches) {
        const Station& s = *m.station;
        out += std::to_string(s.Wmo) + "," + CsvTextField(s.Name) + "," + CsvTextField(s.Country) + "," +
               JsonNumber(s.Latitude) + "," + JsonNumber(s.Longitude) + "," + JsonNumber(s.Elevation) + "," + s.Source +
               "," + (s.RhDerived ? "derived" : "reported");
        if (near) {
            out += ',';
            out += Rounded(*m.DistanceKm, 0.1);
            out += ',';
            if (m.ElevationDifferenceM) out += Rounded(*m.ElevationDifferenceM, 1);
        }
        out += "\n";
    }
    return out;
}

int Stations(const std::vector<std::string>& args)
{
    std::optional<std::string> near, name, limitText, format;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i], value;
        const std::size_t equals = option.find('=');
        const bool inlineValue = option.starts_with("--") && equals != std::string::npos;
        if (inlineValue) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        std::optional<std::string>* slot = option == "--near"     ? &near
                                           : option == "--name"   ? &name
                                           : option == "--limit"  ? &limitText
                                           : option == "--format" ? &format
                                                                  : nullptr;
        if (!slot)
            throw Failure{option.starts_with("--") ? option + ": unknown option"
                                                   : "'" + option + "': unexpected argument"};
        if (*slot) throw Failure{option + ": given more than once"};
        // The value is the next word whatever it starts with: "--near -23.5,-46.6" is a place.
        if (!inlineValue) {
            if (i + 1 >= args.size()) throw Failure{option + ": a value is missing"};
            value = args[++i];
        }
        *slot = value;
    }
    const std::string form = format.value_or("table");
    if (form != "table" && form != "csv" && form != "json")
        throw Failure{"--format: '" + form + "' is not table, csv or json"};
    std::size_t limit = 10;
    if (limitText) {
        int n = -1;
        const auto [end, ec] = std::from_chars(limitText->data(), limitText->data() + limitText->size(), n);
        const bool whole = end == limitText->data() + limitText->size() && ec != std::errc::invalid_argument;
        if (!whole) throw Failure{"--limit: '" + *limitText + "' is not a whole number of 0 or more (0: all)"};
        // A whole number too large for an int, or below 0: the count is fine, its range is not.
        if (ec == std::errc::result_out_of_range || n < 0)
            throw Failure{"--limit: '" + *limitText + "' is out of range (0 to " +
                          std::to_string(std::numeric_limits<int>::max()) + "; 0: all)"};
        limit = static_cast<std::size_t>(n);
    }
    // A name that folds to nothing (empty, blanks, punctuation) would match no station in silence.
    if (name && FoldText(*name).empty())
        throw Failure{"--name: '" + *name + "' holds no letter or digit to search for"};
    std::optional<SiteCoordinates> site;
    if (near) {
        const CoordinatesParse parse = ParseCoordinates(*near);
        if (parse.kind == CoordinatesParse::OutOfRange) throw Failure{"--near: " + parse.message};
        if (parse.kind != CoordinatesParse::Valid)
            throw Failure{Refusal(option_text::kNotCoordinates, {"--near", *near}).message};
        site = parse.site;
    }
    const StationIndex index(Catalogue());
    std::vector<StationMatch> matches;
    if (site) {
        matches = index.Near(*site, 0);
        if (name) {
            std::vector<const Station*> named;
            for (const StationMatch& m : index.ByName(*name, 0)) named.push_back(m.station);
            std::erase_if(matches, [&](const StationMatch& m) {
                return std::find(named.begin(), named.end(), m.station) == named.end();
            });
        }
    } else if (name) {
        matches = index.ByName(*name, 0);
    } else {
        for (const Station& s : Catalogue().Stations) matches.push_back({&s, std::nullopt, std::nullopt});
    }
    if (limit > 0 && matches.size() > limit) matches.resize(limit);
    WriteOut(form == "json"  ? StationListJson(matches, site.has_value(), StationJsonForm::Cli)
             : form == "csv" ? Csv(matches, site.has_value())
                             : Table(matches, site.has_value()));
    return 0;
}

}  // namespace

int StationsCommand(const std::vector<std::string>& args)
{
    try {
        return Stations(args);
    } catch (const Failure& f) {
        WriteErr("error: " + f.message + "\n");
        return f.status;
    }
}

const StationCatalogue* CatalogueForAnalysis(std::string& failure)
{
    try {
        return &Catalogue();
    } catch (const Failure& f) {
        failure = f.message;
        return nullptr;
    }
}

}  // namespace qav::cli
