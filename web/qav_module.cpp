// The analysis as a WebAssembly module: a request (the JavaScript wrapper turns the request's
// JSON into its keys, each with the kind of its value) gives the text qav-cli prints for the same
// options, or the SVG it writes; a refusal or failure gives a JSON error object, never an
// exception out of the module. Requests are parsed, refused and opened by the same request layer
// as qav-cli's. The report's content is report_module.cpp's, a module loaded when it is asked for.
//
// The module exports plain C functions rather than generated bindings: those bindings build their
// callers with `new Function` at start-up, which a page under a Content-Security-Policy without
// 'unsafe-eval' may not run, and their glue is about 35 KB of JavaScript.
#include <emscripten/em_macros.h>
#include <emscripten/emmalloc.h>
#include <emscripten/heap.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "chart/strategy.h"
#include "text/compass_names.h"
#include "text/month_names.h"
#include "core/text_format.h"
#include "data/station_catalogue.h"
#include "data/station_search.h"
#include "pipeline/analysis_output.h"
#include "pipeline/analysis_request.h"
#include "pipeline/analysis_run.h"
#include "pipeline/comfort_output.h"
#include "pipeline/compare.h"
#include "pipeline/error_json.h"
#include "pipeline/picture_svg.h"
#include "pipeline/rendering.h"
#include "pipeline/run_options.h"
#include "pipeline/sun_pictures.h"
#include "text/report_texts.h"
#include "text/comfort_texts.h"

namespace qav::web {
namespace {

// A request's answer is built whole in memory, which a 32-bit module cannot grow without end:
// more locations than this are refused before any input is opened (a row of JSON is about 1.5 KB).
constexpr std::size_t kMaxRequestLocations = 5000;

std::string JsonList(const std::vector<std::string>& texts)
{
    std::string out = "[";
    for (const std::string& t : texts) out += (out.size() > 1 ? "," : "") + JsonString(t);
    return out + "]";
}

/// The language the request names, read before anything else so that every refusal is worded in
/// it; English when it names none or an unknown one (the request then fails on the name itself).
Language RequestLanguage(const std::vector<std::string>& entries)
{
    for (std::size_t i = 0; i + 2 < entries.size(); i += 3)
        if (entries[i] == "lang" && entries[i + 1] == "string")
            return LanguageFromName(entries[i + 2]).value_or(Language::English);
    return Language::English;
}

/// The module's state: the station catalogue once given, the start-up state of the last screen
/// asked and the zone maps painted so far, so a request at a pressure seen before repaints nothing.
class Session {
  public:
    void SetStations(const std::string& csv)
    {
        index_.reset();  // it points into the catalogue replaced here
        catalogue_ = ParseStationCatalogue(csv);
    }
    bool HasStations() const { return catalogue_.has_value(); }

    /// The allocator's bytes in use and the module's memory, for a test that a failed request
    /// gives back what it took: {"in_use": N, "heap": N}.
    std::string Memory() const
    {
        const std::size_t heap = emscripten_get_heap_size();
        const std::size_t inUse = emmalloc_dynamic_heap_size() - emmalloc_free_dynamic_memory();
        return "{\"in_use\":" + std::to_string(inUse) + ",\"heap\":" + std::to_string(heap) + "}";
    }

    /// what: "analyze", "chart", "graph", "compare", "locations" or "stations"; entries: the
    /// request's keys, each followed by the kind of its value and its text (RequestFromKeys).
    std::string Call(const std::string& what, const std::vector<std::string>& entries)
    {
        // No command: the wrapper could not hand the request over (its memory ran out).
        if (what.empty()) return ErrorJson(1, "out of memory", {"out_of_memory", {}});
        const Language language = RequestLanguage(entries);
        bool withWarnings = false;
        std::vector<std::string> warnings;
        try {
            std::string result;
            bool json = true;
            if (what == "stations")
                result = Stations(entries);
            else if (what == "names")
                result = Names(entries);
            else if (what == "locations")
                result = Locations(entries, warnings, withWarnings);
            else
                result = Run(what, entries, language, warnings, withWarnings, json);
            if (!withWarnings) return result;
            return "{\"result\":" + (json ? result : JsonString(result)) + ",\"warnings\":" + JsonList(warnings) + "}";
        } catch (...) {
            return CaughtFailureJson(language);
        }
    }

  private:
    const StationCatalogue* Catalogue(std::string& failure) const
    {
        return LoadedCatalogue(catalogue_ ? &*catalogue_ : nullptr, failure);
    }
    StationSource Source() const
    {
        return [this](std::string& failure) { return Catalogue(failure); };
    }

    std::string Run(const std::string& what, const std::vector<std::string>& entries, Language language,
                    std::vector<std::string>& warnings, bool& withWarnings, bool& json)
    {
        if (what != "analyze" && what != "chart" && what != "graph" && what != "compare" && what != "wind_rose" &&
            what != "adaptive_chart" && what != "sun_chart" && what != "calendar")
            throw Refusal(option_text::kUnknownKey, {what});
        std::vector<RequestOption> options = RequestFromKeys(entries, withWarnings);
        for (const RequestOption& o : options) {
            // A picture has no rows to format; only the compare picture is sorted.
            if ((o.name == "--format" && what != "analyze") || (o.name == "--sort" && what != "compare"))
                throw Refusal(option_text::kUnknownKey, {o.name.substr(2)});
        }
        AnalysisRequest request = ParseAnalysisRequest(options);
        const bool formatGiven =
            std::any_of(options.begin(), options.end(), [](const RequestOption& o) { return o.name == "--format"; });
        if (!formatGiven) request.format = RowFormat::Json;
        if (what != "analyze") request.placeNames = request.language;  // a picture's words
        json = request.format == RowFormat::Json && what == "analyze";
        const std::size_t most = MostLocations(request);
        if (most > kMaxRequestLocations)
            throw Refusal(option_text::kTooManyLocations, {std::to_string(most), std::to_string(kMaxRequestLocations)});
        RequestInputs opened;
        OpenRequestInputs(request, Source(), opened);
        warnings = opened.warnings;
        AnalysisState startup = Startup(request.screen);
        startup.Sun = request.sun;
        startup.Comfort = request.comfort;
        const RequestPlan plan = PlanRequest(request, opened, startup, language, kMaxRequestLocations);
        const HoursView view = request.hours == HoursChoice::Recorded ? HoursView::Recorded : HoursView::Typical;
        if (what == "analyze")
            return RunText(startup, plan.items, plan.framing, view, request.filter, opened.warming, &zoneMaps_);
        RowAnalyser analyser(startup, view, request.filter, opened.warming, &zoneMaps_);
        if (what != "compare") {
            // qav-cli's --chart names one file: the last location's when a run has several is
            // numbered; the module draws the first location of the request.
            const PictureKind kind = what == "chart"       ? PictureKind::Chart
                                     : what == "graph"     ? PictureKind::Graph
                                     : what == "wind_rose" ? PictureKind::WindRose
                                                           : PictureKind::AdaptiveGraph;
            AnalysisState state = analyser.Analyse(plan.items.front());
            state.Comfort = request.comfort;
            // The sun path and the calendar, as qav-cli's --sun-chart and --calendar-chart write them.
            if (what == "sun_chart" || what == "calendar")
                return SunPictureSvg(what == "sun_chart" ? SunPictureKind::SunPath : SunPictureKind::Calendar, state,
                                     request.language);
            if (kind == PictureKind::WindRose && !state.CurrentRecorded())
                throw ComfortRefusal(comfort_text::kWindRoseNeedsWeather, {"wind_rose"});
            return PictureSvg(kind, state, DecimalSeparatorOf(request.language), request.language);
        }
        std::vector<CompareRow> compareRows;
        for (std::size_t i = 0; i < plan.items.size(); ++i) {
            compareRows.push_back(CompareRowOf(analyser.Analyse(plan.items[i])));
            compareRows.back().Position = static_cast<int>(i) + 1;
        }
        SortCompareRows(compareRows, request.sort.value_or(CompareSort{}));
        const Warming* warming = opened.warming ? &*opened.warming : nullptr;
        return CompareSvg(compareRows, AnalysisCaption(request.filter, warming, request.language),
                          startup.Layout.PixelWidth, startup.Layout.PixelHeight, request.language);
    }

    /// The strategies' and months' names in the request's language, for a page's tables:
    /// {"strategies": [10], "months": [12], "month_abbreviations": [12], "advice": [10],
    /// "colours": [10], "compass": [16]} (the points of the compass from N clockwise, as the
    /// pictures write them: the JSON's wind sectors stay English).
    static std::string Names(const std::vector<std::string>& entries)
    {
        bool warnings = false;
        Language language = Language::English;
        for (const RequestOption& o : RequestFromKeys(entries, warnings)) {
            if (o.name != "--lang") throw Refusal(option_text::kUnknownKey, {o.name.substr(2)});
            language = ParseLanguage(o.value);
        }
        std::vector<std::string> strategies, months, abbreviations, advice, colours;
        for (int s = 1; s <= kStrategies; ++s) {
            strategies.emplace_back(StrategyNameIn(language, s));
            // The zone's colour, as the pictures draw it, for a page's own bars ("#ff00ff").
            const Rgb c = ZoneColour[static_cast<std::size_t>(s)];
            char hex[8];
            std::snprintf(hex, sizeof hex, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
            colours.emplace_back(hex);
            // What the strategy asks of a building, as the report's design advice words it.
            const auto it = std::find_if(
                report_text::kAdvice.begin(), report_text::kAdvice.end(),
                [s](const report_text::Guidance& g) { return g.Strategies[0] == s || g.Strategies[1] == s; });
            advice.emplace_back(it == report_text::kAdvice.end() ? "" : AdviceText(language, it->Asks));
        }
        for (std::size_t m = 1; m <= kMonths; ++m) {
            months.emplace_back(Translated(language, "qav::Month", kMonthName[m]));
            abbreviations.emplace_back(Translated(language, "qav::Month", kMonthAbbreviation[m], "abbreviation"));
        }
        std::vector<std::string> compass;
        for (int k = 0; k < kCompassPoints; ++k) compass.emplace_back(CompassName(language, k));
        return "{\"strategies\":" + JsonList(strategies) + ",\"months\":" + JsonList(months) +
               ",\"month_abbreviations\":" + JsonList(abbreviations) + ",\"advice\":" + JsonList(advice) +
               ",\"colours\":" + JsonList(colours) + ",\"compass\":" + JsonList(compass) + "}";
    }

    /// The location list of a built-in set ({dataset}) or of a Monthly Data file ({md, path}),
    /// read but not analysed, for a page's list: a JSON list of {slot, name, country}.
    std::string Locations(const std::vector<std::string>& entries, std::vector<std::string>& warnings,
                          bool& withWarnings)
    {
        const std::vector<RequestOption> options = RequestFromKeys(entries, withWarnings);
        for (const RequestOption& o : options)
            if (o.name != "--dataset" && o.name != "--file" && o.name != "--lang")
                throw Refusal(option_text::kUnknownKey, {o.name.substr(2)});
        const AnalysisRequest request = ParseAnalysisRequest(options);
        if (request.inputs.size() != 1) throw Refusal(option_text::kLocationsNeedOne, {});
        LocationTable table;
        if (request.inputs.front().name == "--dataset") {
            LoadDataSet(ParseDataSet("--dataset", request.inputs.front().value), table);
        } else {
            RequestInputs opened;
            OpenRequestInputs(request, {}, opened);
            warnings = opened.warnings;
            table = std::move(opened.inputs.front().table);
        }
        std::string out = "[";
        for (int slot = 1; slot <= table.LocationCount; ++slot) {
            out += slot > 1 ? "," : "";
            out += "{\"slot\":" + std::to_string(slot) + ",\"name\":" + JsonString(table.Slot[slot].LocationName) +
                   ",\"country\":" + JsonString(table.Slot[slot].Country) + "}";
        }
        return out + "]";
    }

    /// The station finder (StationQueryFromKeys). A name gives the
    /// stations holding its words, coordinates the nearest stations; a JSON list of
    /// {wmo, name, country, latitude, longitude, elevation_m[, distance_km, elevation_diff_m, far]}.
    std::string Stations(const std::vector<std::string>& entries)
    {
        const auto [query, limit] = StationQueryFromKeys(entries);
        std::string failure;
        if (!Catalogue(failure)) throw InputFailure{failure, {}};
        if (!index_) index_.emplace(catalogue_->catalogue);
        const StationSearch found = SearchStations(*index_, query, limit);
        if (found.coordinates.kind == CoordinatesParse::OutOfRange)
            throw OptionError{found.coordinates.message,
                              found.coordinates.wording,
                              {found.coordinates.value},
                              "qav::CoordinatesText"};
        if (found.coordinates.kind == CoordinatesParse::NotCoordinates && LooksLikeCoordinates(query))
            throw Refusal(option_text::kNotCoordinates, {"query", query});
        return StationListJson(found.matches, found.coordinates.kind == CoordinatesParse::Valid,
                               StationJsonForm::Finder);
    }

    const AnalysisState& Startup(const ScreenDescription& screen)
    {
        if (!startup_ || startupScreen_.WidthPx != screen.WidthPx || startupScreen_.HeightPx != screen.HeightPx ||
            startupScreen_.UnitsPerPixel != screen.UnitsPerPixel) {
            startup_ = MakeStartupState(screen);
            startupScreen_ = screen;
        }
        return *startup_;
    }

    std::optional<StationCatalogueResult> catalogue_;
    std::optional<StationIndex> index_;
    std::optional<AnalysisState> startup_;
    ScreenDescription startupScreen_;
    ZoneMapCache zoneMaps_;
};

}  // namespace
}  // namespace qav::web

// The calls of qav.mjs. Texts cross as UTF-8 bytes in the module's memory: a request is its
// command followed by its entries, each a 4-byte little-endian length and that many bytes (a text
// may hold any byte, NUL included). An answer stays valid until the next call.
namespace {

qav::web::Session& TheSession()
{
    static qav::web::Session session;
    return session;
}

std::string& Answer()
{
    static std::string answer;
    return answer;
}

/// The texts of a request buffer; false when its lengths run past its end.
bool SplitTexts(const unsigned char* bytes, std::size_t size, std::vector<std::string>& texts)
{
    std::size_t at = 0;
    while (at < size) {
        if (size - at < 4) return false;
        const std::uint32_t length =
            bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
        at += 4;
        if (length > size - at) return false;
        texts.emplace_back(reinterpret_cast<const char*>(bytes + at), length);
        at += length;
    }
    return true;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void* qav_alloc(std::size_t size) { return std::malloc(size > 0 ? size : 1); }
EMSCRIPTEN_KEEPALIVE void qav_free(void* p) { std::free(p); }

/// Answers the request in `request` (see above) and returns the answer's first byte; its length
/// is qav_answer_size(). A buffer that cannot be split, or memory that runs out while it is,
/// gives the error object for memory, as a request the wrapper could not hand over.
EMSCRIPTEN_KEEPALIVE const char* qav_call(const unsigned char* request, std::size_t size)
{
    try {
        std::vector<std::string> texts;
        if (!SplitTexts(request, size, texts) || texts.empty()) texts.assign(1, "");
        const std::string what = texts.front();
        texts.erase(texts.begin());
        Answer() = TheSession().Call(what, texts);
    } catch (...) {
        Answer() =
            R"({"error":{"status":1,"message":"out of memory","code":"out_of_memory","values":[],"kind":"input"}})";
    }
    return Answer().c_str();
}

EMSCRIPTEN_KEEPALIVE std::size_t qav_answer_size() { return Answer().size(); }

EMSCRIPTEN_KEEPALIVE void qav_set_stations(const char* csv, std::size_t size)
{
    TheSession().SetStations(std::string(csv, size));
}

EMSCRIPTEN_KEEPALIVE int qav_has_stations() { return TheSession().HasStations() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* qav_memory()
{
    Answer() = TheSession().Memory();
    return Answer().c_str();
}

}  // extern "C"
