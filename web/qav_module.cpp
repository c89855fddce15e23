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
#include <cstdio>
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
#include "pipeline/picture_svg.h"
#include "pipeline/rendering.h"
#include "pipeline/run_options.h"
#include "pipeline/sun_pictures.h"
#include "text/report_texts.h"
#include "text/comfort_texts.h"
#include "text/stored_country_names.h"
#include "web/module_calls.h"

namespace qav::web {
namespace {

/// The module's state: the station catalogue once given, the start-up state of the last screen
/// asked and the zone maps painted so far, so a request at a pressure seen before repaints nothing.
class Session final : public ModuleSession {
  public:
    void SetStations(const std::string& csv) override
    {
        index_.reset();  // it points into the catalogue replaced here
        ModuleSession::SetStations(csv);
    }

    /// The allocator's bytes in use and the module's memory, for a test that a failed request
    /// gives back what it took: {"in_use": N, "heap": N}.
    std::string Memory() const
    {
        const std::size_t heap = emscripten_get_heap_size();
        const std::size_t inUse = emmalloc_dynamic_heap_size() - emmalloc_free_dynamic_memory();
        return "{\"in_use\":" + std::to_string(inUse) + ",\"heap\":" + std::to_string(heap) + "}";
    }

  protected:
    /// what: "analyze", "chart", "graph", "compare", "wind_rose", "adaptive_chart", "sun_chart",
    /// "calendar", "names", "locations" or "stations".
    void Respond(const std::string& what, const std::vector<std::string>& entries, Language language,
                 ModuleReply& reply) override
    {
        if (what == "stations")
            reply.result = StationList(entries);
        else if (what == "names")
            reply.result = Names(entries);
        else if (what == "locations")
            reply.result = Locations(entries, reply.warnings, reply.withWarnings);
        else
            reply.result = Run(what, entries, language, reply.warnings, reply.withWarnings, reply.json);
    }

  private:
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
        ModuleRun run;
        PrepareModuleRun(request, Stations(), Startup(request.screen), language, kMaxRequestLocations, run);
        warnings = run.opened.warnings;
        const RequestPlan& plan = run.plan;
        const std::optional<Warming>& warming = run.opened.warming;
        if (what == "analyze")
            return RunText(run.startup, plan.items, plan.framing, run.view, request.filter, warming, &zoneMaps_);
        RowAnalyser analyser(run.startup, run.view, request.filter, warming, &zoneMaps_);
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
        return CompareSvg(compareRows, AnalysisCaption(request.filter, warming ? &*warming : nullptr, request.language),
                          run.startup.Layout.PixelWidth, run.startup.Layout.PixelHeight, request.language);
    }

    /// The strategies' and months' names in the request's language, for a page's tables:
    /// {"strategies": [10], "months": [12], "month_abbreviations": [12], "advice": [10],
    /// "colours": [10], "compass": [16], "countries": {stored: name}} (the points of the compass
    /// from N clockwise, as the pictures write them: the JSON's wind sectors stay English).
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
        // The countries the data sets, the catalogue and weather-file headers store, by their stored
        // (English) name; a name missing from it is shown as stored.
        std::string countries = "{";
        for (const StoredCountry& c : kStoredCountries)
            countries += (countries.size() > 1 ? "," : "") + JsonString(c.Stored) + ":" +
                         JsonString(StoredCountryName(language, c.Stored));
        return "{\"strategies\":" + JsonList(strategies) + ",\"months\":" + JsonList(months) +
               ",\"month_abbreviations\":" + JsonList(abbreviations) + ",\"advice\":" + JsonList(advice) +
               ",\"colours\":" + JsonList(colours) + ",\"compass\":" + JsonList(compass) +
               ",\"countries\":" + countries + "}}";
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
    std::string StationList(const std::vector<std::string>& entries)
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

    std::optional<StationIndex> index_;
    std::optional<AnalysisState> startup_;
    ScreenDescription startupScreen_;
    ZoneMapCache zoneMaps_;
};

}  // namespace
}  // namespace qav::web

// The analysis module's own call beside those of module_calls.h.
namespace qav::web {
namespace {

Session& TheSession()
{
    static Session session;
    return session;
}

}  // namespace

ModuleSession& TheModuleSession() { return TheSession(); }

}  // namespace qav::web

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* qav_memory()
{
    qav::web::ModuleAnswer() = qav::web::TheSession().Memory();
    return qav::web::ModuleAnswer().c_str();
}

}  // extern "C"
