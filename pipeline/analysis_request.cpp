#include "pipeline/analysis_request.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <map>
#include <system_error>

#include "data/file_bytes.h"
#include "data/md_reader.h"
#include "data/warming_reader.h"
#include "pipeline/analysis_output.h"
#include "pipeline/comfort_output.h"
#include "text/comfort_texts.h"
#include "pipeline/open_inputs.h"
#include "pipeline/place_request.h"
#include "pipeline/place_site.h"
#include "pipeline/sun_options.h"
#include "text/place_request_texts.h"
#include "text/sun_texts.h"

namespace qav {
namespace {

namespace text = option_text;

[[noreturn]] void Refuse(const char* wording, std::initializer_list<std::string_view> parts)
{
    throw Refusal(wording, parts);
}

bool IsInput(std::string_view name)
{
    return name == "--dataset" || name == "--station" || name == "--near" || name == "--place" || name == "--file" ||
           name == "--epw";
}

// The warming reader parses text of any length; its file reader stops at 64 KiB, and so do we.
constexpr std::size_t kMaxWarmingBytes = 64 * 1024;

std::optional<Warming> OpenWarming(const AnalysisRequest& request)
{
    if (request.warmingChange) return request.warmingChange;
    if (!request.warmingFile) return std::nullopt;
    const RequestOption& file = *request.warmingFile;
    WarmingResult r;
    if (!file.contents) {
        r = ReadWarmingFile(file.value);
    } else if (file.contents->size() > kMaxWarmingBytes) {
        r.failure = TooLargeFailure(kWarmingTooLarge, FileFormat::Warming, kMaxWarmingBytes);
    } else {
        r = ReadWarming(*file.contents);
    }
    if (r.failure) {
        r.failure->File = file.value;
        r.failure->Format = FileFormat::Warming;
        throw InputFailure{"--warming-file: " + EnglishReadFailure(*r.failure), r.failure};
    }
    return r.warming;
}

RunInput StationInput(const std::string& wmo, const StationSource& stations)
{
    int number = 0;
    const auto [end, ec] = std::from_chars(wmo.data(), wmo.data() + wmo.size(), number);
    if (wmo.empty() || ec != std::errc{} || end != wmo.data() + wmo.size() || number <= 0)
        Refuse(text::kNotStationNumber, {"--station", wmo});
    std::string failure;
    const StationCatalogue* catalogue = stations ? stations(failure) : LoadedCatalogue(nullptr, failure);
    if (!catalogue) throw InputFailure{failure, {}};
    const Station* s = catalogue->Find(number);
    if (!s) Refuse(text::kNotCatalogueStation, {"--station", wmo});
    RunInput in{{}, {}, "--station " + wmo, 0, {}};
    in.table.LocationCount = 1;
    in.table.Slot[1] = StationLocation(*s);
    in.key = StationInputKey(in.table.Slot[1]);
    return in;
}

/// --near LAT,LON[,ELEVATION]: the station nearest the place, which the report names with its
/// distance and elevation difference.
RunInput NearInput(const std::string& place, const StationSource& stations)
{
    const CoordinatesParse parse = ParseCoordinates(place);
    if (parse.kind == CoordinatesParse::OutOfRange) throw OptionError{"--near: " + parse.message, {}, {}};
    if (parse.kind != CoordinatesParse::Valid) Refuse(text::kNotCoordinates, {"--near", place});
    std::string failure;
    const StationCatalogue* catalogue = stations ? stations(failure) : LoadedCatalogue(nullptr, failure);
    if (!catalogue) throw InputFailure{failure, {}};
    const std::vector<StationMatch> nearest = StationIndex(*catalogue).Near(parse.site, 1);
    if (nearest.empty()) throw InputFailure{"--near: the station catalogue is empty", {}};
    RunInput in{{}, {}, "--near " + place, 0, {}};
    in.table.LocationCount = 1;
    in.table.Slot[1] = StationLocation(*nearest.front().station);
    in.key = StationInputKey(in.table.Slot[1]);
    in.site =
        SearchedSite{{}, parse.site.Latitude, parse.site.Longitude, parse.site.Elevation, in.table.Slot[1].DataSource};
    return in;
}

[[noreturn]] void ThrowRead(ReadFailure failure, const std::string& path)
{
    failure.File = path;
    throw InputFailure{EnglishReadFailure(failure), std::move(failure)};
}

}  // namespace

AnalysisRequest ParseAnalysisRequest(const std::vector<RequestOption>& options,
                                     const std::vector<std::string_view>& own)
{
    static const std::vector<std::string_view> kSingle = {"--location",       "--format", "--screen",  "--hours",
                                                          "--hour-range",     "--months", "--warming", "--warming-file",
                                                          "--sort",           "--lang",   "--all",     "--shade-above",
                                                          "--sun-projection", "--facade", "--comfort"};
    AnalysisRequest r;
    std::map<std::string, const RequestOption*> given;
    for (const RequestOption& o : options) {
        if (std::find(own.begin(), own.end(), o.name) != own.end()) {
            r.own.push_back(o);
            continue;
        }
        if (IsInput(o.name)) {
            r.inputs.push_back(o);
            continue;
        }
        if (std::find(kSingle.begin(), kSingle.end(), o.name) == kSingle.end())
            throw OptionError{o.name + ": unknown option"};
        if (given.count(o.name)) Refuse(text::kGivenTwice, {o.name});
        given[o.name] = &o;
    }
    const auto value = [&](const char* name) -> std::optional<std::string> {
        const auto it = given.find(name);
        return it == given.end() ? std::nullopt : std::optional(it->second->value);
    };
    const std::string format = value("--format").value_or("table");
    if (format == "json")
        r.format = RowFormat::Json;
    else if (format == "csv")
        r.format = RowFormat::Csv;
    else if (format != "table")
        Refuse(text::kNotFormat, {"--format", format});
    r.language = ParseLanguage(value("--lang").value_or("en"));
    r.hours = ParseHours(value("--hours").value_or("both"));
    r.all = given.count("--all") != 0;
    if (r.all && given.count("--location")) Refuse(text::kAllWithLocation, {"--all", "--location"});
    if (const auto screen = value("--screen")) r.screen = ParseScreen(*screen);
    r.locationText = value("--location").value_or("");
    if (given.count("--location")) r.location = ParseWhole("--location", r.locationText, 1, kMaxLocations);
    r.filter = ParseHourFilter(value("--hour-range"), value("--months"));
    r.filterGiven = given.count("--hour-range") || given.count("--months");
    if (const auto sort = value("--sort")) r.sort = ParseSort(*sort);
    if (given.count("--warming") && given.count("--warming-file")) Refuse(text::kEitherWarming, {"--warming"});
    if (const auto change = value("--warming")) r.warmingChange = ParseWarmingChange(*change);
    if (given.count("--warming-file")) r.warmingFile = *given["--warming-file"];
    r.sun = ParseSunOptions(value("--shade-above"), value("--facade"), value("--sun-projection"));
    if (const auto comfort = value("--comfort")) r.comfort = ParseComfortOption(*comfort);
    return r;
}

void OpenRequestInputs(const AnalysisRequest& request, const StationSource& stations, RequestInputs& opened,
                       const PlaceFinder& places)
{
    opened = {};
    opened.warming = OpenWarming(request);
    // An input holds a whole location table (about 16 KB): growing the vector by doubling would
    // hold the old and the new copy at once, twice the memory of thousands of inputs.
    opened.inputs.reserve(request.inputs.size());
    for (const RequestOption& o : request.inputs) {
        const std::string& value = o.value;
        if (o.name == "--dataset") {
            for (RunInput& in : DataSetInputs(value)) opened.inputs.push_back(std::move(in));
        } else if (o.name == "--station") {
            opened.inputs.push_back(StationInput(value, stations));
        } else if (o.name == "--near") {
            opened.inputs.push_back(NearInput(value, stations));
        } else if (o.name == "--place") {
            // A place the page's finder handed over whole, or a text qav-cli searches the list for.
            if (!o.contents && !places) throw InputFailure{"the place list was not loaded", {}};
            opened.inputs.push_back(o.contents ? PlaceRequestInput(o, stations, request.language, request.placeNames)
                                               : places(value, opened.notes));
        } else if (o.name == "--file") {
            OpenedInputs r = OpenInputs({InputRequest::Kind::MonthlyData, {}, {value}, {o.contents}});
            if (!r.Failures.empty()) ThrowRead(r.Failures.front(), value);
            if (r.Warning) opened.warnings.push_back(value + ": " + EnglishCutShort(*r.Warning));
            if (r.LeftOut) opened.warnings.push_back(value + ": " + EnglishLeftOut(*r.LeftOut));
            opened.inputs.push_back(RunInput{std::move(r.Table), {}, "--file " + value, 0, value});
        } else {
            OpenedInputs r = OpenInputs({InputRequest::Kind::Weather, {}, {value}, {o.contents}});
            if (!r.Failures.empty()) ThrowRead(r.Failures.front(), value);
            opened.inputs.push_back(RunInput{std::move(r.Table), std::move(r.Recorded), "--epw " + value, 0, value});
        }
    }
}

std::size_t MostLocations(const AnalysisRequest& request)
{
    std::size_t most = 0;
    for (const RequestOption& o : request.inputs) {
        const bool allSets = o.name == "--dataset" && o.value == "all";
        if (!request.all) {
            most += allSets ? 3 : 1;
        } else if (o.name == "--dataset") {
            // Brazil 27, South America 13, World 50 slots; a named slot is one location.
            const std::string key = o.value.substr(0, o.value.find(':'));
            most += key != o.value           ? 1
                    : key == "all"           ? 90
                    : key == "brazil"        ? 27
                    : key == "south-america" ? 13
                                             : kMaxLocations;
        } else {
            most += o.name == "--file" ? kMaxLocations : 1;
        }
    }
    return std::max<std::size_t>(most, 1);
}

RequestPlan PlanRequest(const AnalysisRequest& request, RequestInputs& opened, const AnalysisState& startup,
                        Language messages, std::size_t maxLocations)
{
    RequestPlan plan;
    plan.defaultInput = opened.inputs.empty();
    if (plan.defaultInput) opened.inputs.push_back(RunInput{startup.Locations, {}, "--dataset brazil", 0, "brazil"});
    RunPlan run = PlanRun(opened.inputs, request.all, request.location, request.locationText,
                          plan.defaultInput ? startup.CurrentLocation : 1);
    if (run.failure) throw *run.failure;
    if (maxLocations && run.items.size() > maxLocations)
        Refuse(text::kTooManyLocations, {std::to_string(run.items.size()), std::to_string(maxLocations)});
    plan.items = std::move(run.items);
    plan.rows = RunRowOptions(plan.items, request.format, request.hours == HoursChoice::Typical, request.filterGiven,
                              opened.warming.has_value());
    plan.rows.language = request.language;
    if (opened.warming) {
        if (auto failure = WarmingFailure(plan.items, *opened.warming, request.WarmingOption(), messages))
            throw InputFailure{*failure, {}};
    }
    // One JSON object for one location asked for; an array whenever the request may name several,
    // so that a script sees the same shape whatever the inputs hold.
    plan.framing = RunFraming{plan.rows, request.format == RowFormat::Json && (request.all || opened.inputs.size() > 1),
                              plan.items.size()};
    return plan;
}

namespace {

// The value as the refusal shows it: a text quoted and cut to a readable length.
std::string Shown(const std::string& kind, const std::string& value)
{
    if (kind == "list") return "[...]";
    if (kind == "object") return "{...}";
    if (kind != "string") return value;
    std::string cut = value;
    if (cut.size() > 40) {
        cut.resize(40);
        while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80) cut.pop_back();
        if (!cut.empty() && static_cast<unsigned char>(cut.back()) >= 0xC0) cut.pop_back();
        cut += "...";
    }
    return "\"" + cut + "\"";
}

struct Entry {
    std::string key, kind, value;
};

// The keys of one input (the request itself or an element of its inputs) as qav-cli's options.
void InputOptions(const std::string& prefix, const std::map<std::string, const Entry*>& keys,
                  std::vector<RequestOption>& out, bool element)
{
    const auto get = [&](const char* name) -> const Entry* {
        const auto it = keys.find(name);
        return it == keys.end() ? nullptr : it->second;
    };
    const auto text = [&](const Entry* e) {
        if (e->kind != "string") Refuse(text::kNotText, {e->key, Shown(e->kind, e->value)});
        return e->value;
    };
    const auto numberOrText = [&](const Entry* e) {
        if (e->kind != "string" && e->kind != "number")
            Refuse(text::kNotNumberOrText, {e->key, Shown(e->kind, e->value)});
        return e->value;
    };
    const Entry* dataset = get("dataset");
    const Entry* station = get("station");
    const Entry* md = get("md");
    const Entry* epw = get("epw");
    const Entry* path = get("path");
    const Entry* location = element ? get("location") : nullptr;
    const Entry* near = get("near");    // "LAT,LON[,ELEVATION]", as --near
    const Entry* place = get("place");  // {geonames_id, name, ...}: a place the finder chose
    const int sources = !!dataset + !!station + !!near + !!place + !!md + !!epw;
    if (element && sources != 1) Refuse(text::kOneSource, {prefix});
    if (path && !md && !epw) Refuse(text::kNeedsKey, {path->key, "md or epw"});
    if (location && !dataset) Refuse(text::kSlotOfDataSet, {location->key});
    const std::string pathText = path ? text(path) : "";
    if (dataset) {
        std::string value = text(dataset);
        if (location) value.append(1, ':').append(numberOrText(location));
        out.push_back({"--dataset", value, std::nullopt});
    }
    if (station) out.push_back({"--station", numberOrText(station), std::nullopt});
    if (near) out.push_back({"--near", text(near), std::nullopt});
    if (place) {
        if (place->kind != "object") Refuse(text::kNotObject, {place->key, Shown(place->kind, place->value)});
        PlaceMembers members;
        for (const auto& [name, e] : keys)
            if (name.rfind("place.", 0) == 0) members[name.substr(6)] = {e->kind, e->value};
        out.push_back(PlaceRequestOption(place->key, members));
    }
    if (md) out.push_back({"--file", pathText, text(md)});
    if (epw) out.push_back({"--epw", pathText, text(epw)});
}

}  // namespace

std::vector<RequestOption> RequestFromKeys(const std::vector<std::string>& flat, bool& warnings)
{
    if (flat.size() % 3 != 0) Refuse(text::kNotJsonObject, {});
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < flat.size(); i += 3) entries.push_back({flat[i], flat[i + 1], flat[i + 2]});
    if (!entries.empty() && entries.front().key.empty()) Refuse(text::kNotJsonObject, {});

    struct Scalar {
        const char* key;
        const char* option;
        bool number;  // a number is taken as well as a text
    };
    static constexpr Scalar kScalars[] = {{"location", "--location", true},
                                          {"hours", "--hours", false},
                                          {"hour_range", "--hour-range", false},
                                          {"months", "--months", false},
                                          {"warming", "--warming", true},
                                          {"screen", "--screen", false},
                                          {"sort", "--sort", false},
                                          {"lang", "--lang", false},
                                          {"format", "--format", false},
                                          {"shade_above", "--shade-above", true},
                                          {"facade", "--facade", true},
                                          {"sun_projection", "--sun-projection", false},
                                          {"comfort", "--comfort", false}};
    static constexpr const char* kSources[] = {"dataset", "station", "near", "place", "md", "epw", "path"};
    static constexpr const char* kInputKeys[] = {"dataset", "station", "near", "place",
                                                 "md",      "epw",     "path", "location"};

    std::map<std::string, const Entry*> top;
    std::vector<std::map<std::string, const Entry*>> elements;
    std::vector<RequestOption> out, options;
    const Entry* warmingFile = nullptr;
    const Entry* warmingPath = nullptr;
    warnings = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        if (e.key.rfind("inputs.", 0) == 0) {
            // "inputs.N" is an element, "inputs.N.KEY" one of its keys.
            const std::string rest = e.key.substr(7);
            const std::size_t dot = rest.find('.');
            if (dot == std::string::npos) {
                if (e.kind != "object") Refuse(text::kNotObject, {e.key, Shown(e.kind, e.value)});
                elements.emplace_back();
                continue;
            }
            const std::string name = rest.substr(dot + 1);
            if (elements.empty() ||
                (std::find(std::begin(kInputKeys), std::end(kInputKeys), name) == std::end(kInputKeys) &&
                 !(name.rfind("place.", 0) == 0 && elements.back().count("place"))))
                Refuse(text::kUnknownKey, {e.key});
            elements.back()[name] = &e;
            continue;
        }
        if (e.key == "inputs") {
            if (e.kind != "list") Refuse(text::kNotList, {e.key, Shown(e.kind, e.value)});
            continue;
        }
        if (e.key == "all" || e.key == "warnings") {
            if (e.kind != "boolean") Refuse(text::kNotBoolean, {e.key, Shown(e.kind, e.value)});
            if (e.value == "true") {
                if (e.key == "all")
                    options.push_back({"--all", "", std::nullopt});
                else
                    warnings = true;
            }
            continue;
        }
        if (e.key == "warming_file" || e.key == "warming_path") {
            if (e.kind != "string") Refuse(text::kNotText, {e.key, Shown(e.kind, e.value)});
            (e.key == "warming_file" ? warmingFile : warmingPath) = &e;
            continue;
        }
        if (std::find(std::begin(kSources), std::end(kSources), e.key) != std::end(kSources) ||
            (e.key.rfind("place.", 0) == 0 && top.count("place"))) {
            top[e.key] = &e;
            continue;
        }
        const auto* scalar =
            std::find_if(std::begin(kScalars), std::end(kScalars), [&](const Scalar& s) { return e.key == s.key; });
        if (scalar == std::end(kScalars)) Refuse(text::kUnknownKey, {e.key});
        if (e.kind != "string" && !(scalar->number && e.kind == "number"))
            Refuse(scalar->number ? text::kNotNumberOrText : text::kNotText, {e.key, Shown(e.kind, e.value)});
        options.push_back({scalar->option, e.value, std::nullopt});
    }
    if (warmingPath && !warmingFile) Refuse(text::kNeedsKey, {"warming_path", "warming_file"});
    if (warmingFile) options.push_back({"--warming-file", warmingPath ? warmingPath->value : "", warmingFile->value});
    // The listed inputs first, each with its own slot, then the request's own source.
    for (std::size_t i = 0; i < elements.size(); ++i)
        InputOptions("inputs." + std::to_string(i), elements[i], out, true);
    InputOptions("", top, out, false);
    out.insert(out.end(), options.begin(), options.end());
    return out;
}

StationQuery StationQueryFromKeys(const std::vector<std::string>& flat)
{
    StationQuery q;
    if (flat.size() % 3 != 0) Refuse(text::kNotJsonObject, {});
    for (std::size_t i = 0; i < flat.size(); i += 3) {
        const std::string &key = flat[i], &kind = flat[i + 1], &value = flat[i + 2];
        if (key != "query" && key != "limit" && key != "lang") Refuse(text::kUnknownKey, {key});
        const bool number = key == "limit";
        if (kind != "string" && !(number && kind == "number"))
            Refuse(number ? text::kNotNumberOrText : text::kNotText, {key, Shown(kind, value)});
        if (key == "query") q.query = value;
        if (key == "limit") q.limit = static_cast<std::size_t>(ParseWhole("limit", value, 1, 5000));
        if (key == "lang") ParseLanguage(value);
    }
    return q;
}

bool LooksLikeCoordinates(std::string_view text)
{
    std::string rest;
    bool number = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // NaN and infinities are numbers to a parser, though never a place.
        for (std::string_view word : {"infinity", "inf", "nan"}) {
            std::string lower(text.substr(i, word.size()));
            for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            if (lower == word) {
                number = true;
                i += word.size();
                break;
            }
        }
        if (i < text.size()) rest += text[i];
    }
    bool separated = false;
    for (const char c : rest) {
        if (c >= '0' && c <= '9') {
            number = true;
        } else if (c == ',' || c == ';' || c == ' ') {
            separated = true;
        } else if (std::string_view("+-.'\"NSEWOnsewo").find(c) == std::string_view::npos &&
                   static_cast<unsigned char>(c) < 0x80) {
            return false;
        }
    }
    return number && separated;
}

std::string StationListJson(const std::vector<StationMatch>& matches, bool near, StationJsonForm form)
{
    const bool cli = form == StationJsonForm::Cli;
    std::string out = "[";
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const StationMatch& m = matches[i];
        const Station& s = *m.station;
        out += cli ? (i ? ",\n" : "\n") : (i ? "," : "");
        out += "{\"wmo\":" + std::to_string(s.Wmo) + ",\"name\":" + JsonString(s.Name) +
               ",\"country\":" + JsonString(s.Country) + ",\"latitude\":" + JsonNumber(s.Latitude) +
               ",\"longitude\":" + JsonNumber(s.Longitude) + ",\"elevation_m\":" + JsonNumber(s.Elevation);
        out += ",\"source\":" + JsonString(s.Source);  // "WMO" or "INMET"
        if (cli) out += ",\"rh_source\":" + JsonString(s.RhDerived ? "derived" : "reported");
        if (near) {
            // km to 0.1 and m to 1, as the stations table rounds them (each form as it always has)
            const double km = cli ? std::round(*m.DistanceKm / 0.1) * 0.1 : std::round(*m.DistanceKm * 10) / 10;
            out += ",\"distance_km\":" + JsonNumber(static_cast<float>(km));
            if (m.ElevationDifferenceM)
                out += ",\"elevation_diff_m\":" + JsonNumber(static_cast<float>(std::round(*m.ElevationDifferenceM)));
            if (!cli) out += m.Far() ? ",\"far\":true" : ",\"far\":false";
        }
        out += "}";
    }
    if (!cli) return out + "]";
    return out + (matches.empty() ? "]\n" : "\n]\n");
}

const StationCatalogue* LoadedCatalogue(const StationCatalogueResult* loaded, std::string& failure)
{
    if (!loaded) {
        failure = "the station catalogue was not loaded";
        return nullptr;
    }
    if (loaded->failure) {
        failure = "the station catalogue: " + *loaded->failure;
        return nullptr;
    }
    return &loaded->catalogue;
}

FailureCode CodeOf(const OptionError& error)
{
    static const std::pair<const char*, const char*> kCodes[] = {
        {text::kNotANumber, "not_a_number"},
        {text::kOutside, "outside"},
        {text::kNotWhole, "not_whole_number"},
        {text::kSlotOutside, "slot_outside"},
        {text::kNotDataSet, "not_data_set"},
        {text::kSlotOfAll, "slot_of_all"},
        {text::kNotScreen, "not_screen"},
        {text::kNotFirstLast, "not_first_last"},
        {text::kNotHourRange, "not_hour_range"},
        {text::kNotMonthRange, "not_month_range"},
        {text::kNotHours, "not_hours"},
        {text::kNotLanguage, "not_language"},
        {text::kNotSort, "not_sort"},
        {text::kLocationOutside, "location_outside"},
        {text::kLocationOutsideOne, "location_outside"},
        {text::kNotStationNumber, "not_station_number"},
        {text::kNotCatalogueStation, "not_catalogue_station"},
        {text::kNotFormat, "not_format"},
        {text::kAllWithLocation, "all_with_location"},
        {text::kEitherWarming, "either_warming"},
        {text::kGivenTwice, "given_twice"},
        {text::kNotCoordinates, "not_coordinates"},
        {text::kTooManyLocations, "too_many_locations"},
        {text::kNotJsonObject, "not_json_object"},
        {text::kUnknownKey, "unknown_key"},
        {text::kNotBoolean, "not_boolean"},
        {text::kNotText, "not_text"},
        {text::kNotNumberOrText, "not_number_or_text"},
        {text::kNotList, "not_list"},
        {text::kNotObject, "not_object"},
        {text::kOneSource, "one_source"},
        {text::kSlotOfDataSet, "slot_of_data_set"},
        {text::kNeedsKey, "needs_key"},
        {text::kLocationsNeedOne, "locations_need_one"},
        {sun_text::kNotFacade, "not_facade"},
        {sun_text::kNotProjection, "not_projection"},
        {comfort_text::kNotComfortModel, "not_comfort_model"},
        {comfort_text::kWindRoseNeedsWeather, "wind_rose_needs_weather"},
        {place_request_text::kNotCountryCode, "not_country_code"},
        {place_request_text::kControlCharacter, "control_character"},
    };
    // By the text, not its address: a literal need not have one address in every unit (the
    // sanitizer build keeps a copy in each).
    if (error.wording)
        for (const auto& [wording, code] : kCodes)
            if (std::string_view(error.wording) == wording) return {code, error.parts};
    // The coordinates' own wordings (latitude, longitude, elevation out of range).
    if (error.wording) return {"coordinates_out_of_range", error.parts};
    return {"usage", {}};
}

FailureCode CodeOf(const ReadFailure& f)
{
    // The names of ReadFault's values, in its order; a value added later is "read_failure" until named.
    static constexpr const char* kFaults[] = {"file_not_found",
                                              "path_not_found",
                                              "permission_denied",
                                              "path_file_access",
                                              "device_io",
                                              "system_error",
                                              "too_large",
                                              "not_text",
                                              "empty_file",
                                              "not_a_number",
                                              "not_finite",
                                              "not_whole_number",
                                              "out_of_range",
                                              "field_too_long",
                                              "unclosed_quote",
                                              "text_after_quote",
                                              "day_past_month_end",
                                              "not_epw",
                                              "no_header",
                                              "line_too_long",
                                              "too_few_fields",
                                              "wrong_field_count",
                                              "no_complete_location",
                                              "too_many_rows",
                                              "row_count",
                                              "ends_inside_row",
                                              "ends_inside_header",
                                              "month_without_data",
                                              "out_of_order",
                                              "too_many_months",
                                              "month_twice",
                                              "month_missing",
                                              "normal_out_of_range",
                                              "not_representable",
                                              "short_header",
                                              "wrong_month",
                                              "min_above_max"};
    static_assert(std::size(kFaults) == static_cast<std::size_t>(ReadFault::MinAboveMax) + 1);
    const auto kind = static_cast<std::size_t>(f.Kind);
    return {kind < std::size(kFaults) ? kFaults[kind] : "read_failure",
            {f.File.string(), std::to_string(f.Code), std::to_string(f.Line), std::to_string(f.Field), f.FieldName,
             f.Text, std::to_string(f.Number)}};
}

void PrepareModuleRun(const AnalysisRequest& request, const StationSource& stations, const AnalysisState& startup,
                      Language language, std::size_t maxLocations, ModuleRun& run)
{
    const std::size_t most = MostLocations(request);
    if (most > maxLocations) Refuse(text::kTooManyLocations, {std::to_string(most), std::to_string(maxLocations)});
    OpenRequestInputs(request, stations, run.opened);
    run.startup = startup;
    run.startup.Sun = request.sun;
    run.startup.Comfort = request.comfort;
    run.plan = PlanRequest(request, run.opened, run.startup, language, maxLocations);
    run.view = request.hours == HoursChoice::Recorded ? HoursView::Recorded : HoursView::Typical;
}

}  // namespace qav
