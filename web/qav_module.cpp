// The analysis as a WebAssembly module: a request (the JavaScript wrapper turns the request's
// JSON into a list of named values) gives the text qav-cli prints for the same options, or the
// SVG it writes; a failure gives a JSON error object, never an exception out of the module.
#include <emscripten/bind.h>

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "core/text_format.h"
#include "data/md_reader.h"
#include "data/read_failure.h"
#include "data/station_catalogue.h"
#include "data/station_search.h"
#include "data/warming_reader.h"
#include "pipeline/analysis_output.h"
#include "pipeline/analysis_run.h"
#include "pipeline/compare.h"
#include "pipeline/picture_svg.h"
#include "pipeline/rendering.h"
#include "pipeline/run_options.h"
#include "pipeline/weather_location.h"

namespace qav::web {
namespace {

/// An input that cannot be read or analysed (exit status 1): a file's failure, worded in the
/// request's language when it is answered, or else a message.
struct InputFault {
    std::string message;
    std::optional<ReadFailure> failure;
};

// The names of ReadFault's values, in its order, for the error object's `kind`.
constexpr const char* kFaultNames[] = {"file_not_found",
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
                                       "short_header"};
static_assert(std::size(kFaultNames) == static_cast<std::size_t>(ReadFault::ShortHeader) + 1);

std::string ErrorJson(const std::string& status, const std::string& message, const std::optional<ReadFailure>& f)
{
    std::string j = "{\"error\":{\"status\":" + status + ",\"message\":" + JsonString(message);
    if (f) {
        j += ",\"file\":" + JsonString(f->File.string()) + ",\"code\":" + std::to_string(f->Code) +
             ",\"line\":" + std::to_string(f->Line) + ",\"field\":" + std::to_string(f->Field) +
             ",\"field_name\":" + JsonString(f->FieldName) + ",\"text\":" + JsonString(f->Text) +
             ",\"kind\":" + JsonString(kFaultNames[static_cast<int>(f->Kind)]);
    } else {
        j += status == "2" ? ",\"kind\":\"usage\"" : ",\"kind\":\"input\"";
    }
    return j + "}}";
}

/// The language the request names ("lang" en or pt_BR), read before its files so that a file's
/// failure is worded in it; English when it names none or an unknown one (the request then fails
/// on the name itself).
Language RequestLanguage(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == "lang") return LanguageFromName(args[i + 1]).value_or(Language::English);
        // md, epw and warming_file are followed by a path and a text
        if (args[i] == "md" || args[i] == "epw" || args[i] == "warming_file") ++i;
    }
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

    /// what: "analyze", "chart", "graph" or "compare"; args: names each followed by its values
    /// (md, epw and warming_file by a path and a text, the others by one value).
    std::string Call(const std::string& what, const std::vector<std::string>& args)
    {
        const Language language = RequestLanguage(args);
        try {
            if (what == "stations") return Stations(args);
            if (what == "locations") return Locations(args);
            return Run(what, args);
        } catch (const OptionError& f) {
            return ErrorJson("2", OptionErrorText(f, language), std::nullopt);
        } catch (const InputFault& f) {
            return ErrorJson("1", f.failure ? ReadFailureLine(*f.failure, language) : f.message, f.failure);
        } catch (const std::bad_alloc&) {
            return ErrorJson("1", "out of memory", std::nullopt);
        } catch (const std::exception& e) {
            return ErrorJson("1", e.what(), std::nullopt);
        }
    }

  private:
    std::string Run(const std::string& what, const std::vector<std::string>& args)
    {
        std::vector<RunInput> inputs;
        bool all = false;
        int location = 0;
        std::string locationText, sort, warmingOption = "--warming";
        HoursChoice hours = HoursChoice::Both;
        std::optional<std::string> hourRange, months;
        std::optional<Warming> warming;
        ScreenDescription screen;
        Language language = Language::English;
        const auto value = [&](std::size_t& i) -> const std::string& {
            if (++i >= args.size()) throw OptionError{args[i - 1] + ": a value is missing"};
            return args[i];
        };
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& name = args[i];
            if (name == "dataset") {
                for (RunInput& in : DataSetInputs(value(i))) inputs.push_back(std::move(in));
            } else if (name == "station") {
                inputs.push_back(StationInput(value(i)));
            } else if (name == "md") {
                const std::string& path = value(i);
                ReadResult r = ReadMonthlyData(value(i));
                if (r.failure) Throw(*r.failure, path);
                inputs.push_back(RunInput{std::move(r.table), {}, "--file " + path, 0, path});
            } else if (name == "epw") {
                const std::string& path = value(i);
                EpwResult r = ReadEpw(value(i));
                if (r.failure) Throw(*r.failure, path);
                WeatherLocation w = MakeWeatherLocation(r.file);
                RunInput in{{}, {}, "--epw " + path, 0, path};
                in.table.LocationCount = 1;
                in.table.Slot[1] = std::move(w.Location);
                in.recorded[1] = std::move(w.Recorded);
                inputs.push_back(std::move(in));
            } else if (name == "location") {
                locationText = value(i);
                location = ParseWhole("--location", locationText, 1, kMaxLocations);
            } else if (name == "all") {
                all = value(i) == "1";
            } else if (name == "hours") {
                hours = ParseHours(value(i));
            } else if (name == "hour_range") {
                hourRange = value(i);
            } else if (name == "months") {
                months = value(i);
            } else if (name == "warming") {
                if (warmingOption == "--warming-file")
                    throw OptionError{"--warming: give either --warming or --warming-file"};
                warming = ParseWarmingChange(value(i));
            } else if (name == "warming_file") {
                if (warming) throw OptionError{"--warming: give either --warming or --warming-file"};
                const std::string& path = value(i);
                WarmingResult r = ReadWarming(value(i));
                if (r.failure) Throw(*r.failure, path);
                warming = r.warming;
                warmingOption = "--warming-file";
            } else if (name == "screen") {
                screen = ParseScreen(value(i));
            } else if (name == "sort") {
                sort = value(i);
            } else if (name == "lang") {
                language = ParseLanguage(value(i));
            } else {
                throw OptionError{name + ": unknown option"};
            }
        }
        if (all && location > 0) throw OptionError{"--all: cannot be combined with --location"};
        const HourFilter filter = ParseHourFilter(hourRange, months);

        const AnalysisState& startup = Startup(screen);
        const bool defaultInput = inputs.empty();
        if (defaultInput) inputs.push_back(RunInput{startup.Locations, {}, "--dataset brazil", 0, "brazil"});
        const RunPlan plan = PlanRun(inputs, all, location, locationText, defaultInput ? startup.CurrentLocation : 1);
        if (plan.failure) throw *plan.failure;
        if (warming)
            if (auto failure = WarmingFailure(plan.items, *warming, warmingOption, language))
                throw InputFault{*failure, std::nullopt};
        const HoursView view = hours == HoursChoice::Recorded ? HoursView::Recorded : HoursView::Typical;
        if (what == "analyze") {
            const RowOptions rows = RunRowOptions(plan.items, RowFormat::Json, hours == HoursChoice::Typical,
                                                  hourRange || months, warming.has_value());
            const RunFraming framing{rows, all || inputs.size() > 1, plan.items.size()};
            return RunText(startup, plan.items, framing, view, filter, warming, &zoneMaps_);
        }
        RowAnalyser analyser(startup, view, filter, warming, &zoneMaps_);
        if (what == "chart" || what == "graph") {
            // qav-cli's --chart names one file: the last location's when a run has several is
            // numbered; the module draws the first location of the request.
            const AnalysisState& state = analyser.Analyse(plan.items.front());
            return PictureSvg(what == "chart" ? PictureKind::Chart : PictureKind::Graph, state,
                              DecimalSeparatorOf(language), language);
        }
        if (what == "compare") {
            const CompareSort order = sort.empty() ? CompareSort{} : ParseSort(sort);
            std::vector<CompareRow> compareRows;
            for (std::size_t i = 0; i < plan.items.size(); ++i) {
                compareRows.push_back(CompareRowOf(analyser.Analyse(plan.items[i])));
                compareRows.back().Position = static_cast<int>(i) + 1;
            }
            SortCompareRows(compareRows, order);
            return CompareSvg(compareRows, AnalysisCaption(filter, warming ? &*warming : nullptr, language),
                              startup.Layout.PixelWidth, startup.Layout.PixelHeight, language);
        }
        throw OptionError{"'" + what + "': unknown command (analyze, chart, graph, compare)"};
    }

    [[noreturn]] static void Throw(ReadFailure failure, const std::string& path)
    {
        failure.File = path;
        throw InputFault{{}, failure};
    }

    /// The location list of a built-in set ("dataset" KEY) or of a Monthly Data file ("md" PATH
    /// TEXT), read but not analysed, for a page's list: a JSON list of {slot, name, country}. A
    /// trailing "lang" NAME words a file's failure.
    std::string Locations(std::vector<std::string> args)
    {
        if (args.size() >= 2 && args[args.size() - 2] == "lang") {
            ParseLanguage(args.back());
            args.resize(args.size() - 2);
        }
        LocationTable table;
        if (args.size() == 2 && args[0] == "dataset") {
            LoadDataSet(ParseDataSet("--dataset", args[1]), table);
        } else if (args.size() == 3 && args[0] == "md") {
            ReadResult r = ReadMonthlyData(args[2]);
            if (r.failure) Throw(*r.failure, args[1]);
            table = std::move(r.table);
        } else {
            throw OptionError{"locations: a data set or a Monthly Data file is needed"};
        }
        std::string out = "[";
        for (int slot = 1; slot <= table.LocationCount; ++slot) {
            out += slot > 1 ? "," : "";
            out += "{\"slot\":" + std::to_string(slot) + ",\"name\":" + JsonString(table.Slot[slot].LocationName) +
                   ",\"country\":" + JsonString(table.Slot[slot].Country) + "}";
        }
        return out + "]";
    }

    /// The station finder: args "query" TEXT and optionally "limit" N (default 20) and "lang" (read
    /// by Call, which words the refusal of coordinates out of range). A name gives
    /// the stations holding its words, coordinates the nearest stations; a JSON list of
    /// {wmo, name, country, latitude, longitude, elevation_m[, distance_km, elevation_diff_m, far]}.
    std::string Stations(const std::vector<std::string>& args)
    {
        std::string query;
        std::size_t limit = 20;
        for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
            if (args[i] == "query")
                query = args[i + 1];
            else if (args[i] == "limit")
                limit = static_cast<std::size_t>(ParseWhole("limit", args[i + 1], 1, 5000));
            else if (args[i] == "lang")
                continue;
            else
                throw OptionError{args[i] + ": unknown option"};
        }
        if (!catalogue_) throw InputFault{"the station catalogue was not loaded", std::nullopt};
        if (catalogue_->failure) throw InputFault{"the station catalogue: " + *catalogue_->failure, std::nullopt};
        if (!index_) index_.emplace(catalogue_->catalogue);
        const StationSearch found = SearchStations(*index_, query, limit);
        if (found.coordinates.kind == CoordinatesParse::OutOfRange)
            throw OptionError{found.coordinates.message,
                              found.coordinates.wording,
                              {found.coordinates.value},
                              "qav::CoordinatesText"};
        const bool near = found.coordinates.kind == CoordinatesParse::Valid;
        std::string out = "[";
        for (const StationMatch& m : found.matches) {
            const Station& s = *m.station;
            out += out.size() > 1 ? "," : "";
            out += "{\"wmo\":" + std::to_string(s.Wmo) + ",\"name\":" + JsonString(s.Name) +
                   ",\"country\":" + JsonString(s.Country) + ",\"latitude\":" + JsonNumber(s.Latitude) +
                   ",\"longitude\":" + JsonNumber(s.Longitude) + ",\"elevation_m\":" + JsonNumber(s.Elevation);
            if (near) {
                // km to 0.1 and m to 1, as qav-cli's stations command rounds them
                out += ",\"distance_km\":" + JsonNumber(static_cast<float>(std::round(*m.DistanceKm * 10) / 10));
                if (m.ElevationDifferenceM)
                    out +=
                        ",\"elevation_diff_m\":" + JsonNumber(static_cast<float>(std::round(*m.ElevationDifferenceM)));
                out += m.Far() ? ",\"far\":true" : ",\"far\":false";
            }
            out += "}";
        }
        return out + "]";
    }

    RunInput StationInput(const std::string& wmo) const
    {
        int number = 0;
        const auto [end, ec] = std::from_chars(wmo.data(), wmo.data() + wmo.size(), number);
        if (wmo.empty() || ec != std::errc{} || end != wmo.data() + wmo.size() || number <= 0)
            throw Refusal(option_text::kNotStationNumber, {"--station", wmo});
        if (!catalogue_) throw InputFault{"the station catalogue was not loaded", std::nullopt};
        if (catalogue_->failure) throw InputFault{"the station catalogue: " + *catalogue_->failure, std::nullopt};
        const qav::Station* s = catalogue_->catalogue.Find(number);
        if (!s) throw Refusal(option_text::kNotCatalogueStation, {"--station", wmo});
        RunInput in{{}, {}, "--station " + wmo, 0, {}};
        in.table.LocationCount = 1;
        in.table.Slot[1] = StationLocation(*s);
        in.key = StationInputKey(in.table.Slot[1]);
        return in;
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

EMSCRIPTEN_BINDINGS(qav)
{
    emscripten::register_vector<std::string>("StringList");
    emscripten::class_<qav::web::Session>("QavSession")
        .constructor<>()
        .function("setStations", &qav::web::Session::SetStations)
        .function("hasStations", &qav::web::Session::HasStations)
        .function("call", &qav::web::Session::Call);
}
