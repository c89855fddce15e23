#pragma once
// An analysis request as qav-cli and the WebAssembly module both make it: the options in the
// order given ("--dataset" "world:3", "--file" PATH, "--all"), parsed once, refused with one set
// of sentences, its inputs opened as qav-cli opens them and its locations planned with the same
// default input. The module's requests arrive as the keys of a JSON object; RequestFromKeys turns
// them into the same options, refusing a key or a type the request does not take.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/read_failure.h"
#include "data/station_catalogue.h"
#include "data/station_search.h"
#include "pipeline/analysis_run.h"
#include "pipeline/place_site.h"
#include "pipeline/run_options.h"

namespace qav {

/// One option of a request: its name as qav-cli spells it, its value as typed (a file's path),
/// and for the module a file's contents, which are read instead of the file at the path.
struct RequestOption {
    std::string name;
    std::string value;
    std::optional<std::string> contents;
};

/// An input that cannot be read, or a location that cannot be analysed as asked (exit status 1):
/// qav-cli's English sentence, and the reader's failure when a file's, for wording it elsewhere.
struct InputFailure {
    std::string message;
    std::optional<ReadFailure> read;
};

/// The options every front end of the analysis shares, checked before any input is read.
struct AnalysisRequest {
    RowFormat format = RowFormat::Table;
    Language language = Language::English;
    HoursChoice hours = HoursChoice::Both;
    bool all = false;
    int location = 0;          // --location N, 0 when not given
    std::string locationText;  // as typed, for messages
    ScreenDescription screen;
    HourFilter filter;
    bool filterGiven = false;  // --hour-range or --months: the rows name the hours counted
    std::optional<CompareSort> sort;
    std::optional<Warming> warmingChange;         // --warming
    std::optional<RequestOption> warmingFile;     // --warming-file
    SunOptions sun;                               // --shade-above, --facade
    ComfortModel comfort = ComfortModel::Givoni;  // --comfort
    std::vector<RequestOption> inputs;            // --dataset, --station, --near, --place, --file, --epw in order
    std::vector<RequestOption> own;               // the front end's own options, in order
    Language placeNames = Language::English;      // a place handed over is named in it (the rows: English)

    /// The option that gives the warming, as its refusals name it.
    const char* WarmingOption() const { return warmingFile ? "--warming-file" : "--warming"; }
};

/// Parses the options; those named in `own` are the caller's and are kept in AnalysisRequest::own.
/// Anything else, a value refused, or an option given twice that takes one value throws
/// OptionError.
AnalysisRequest ParseAnalysisRequest(const std::vector<RequestOption>& options,
                                     const std::vector<std::string_view>& own = {});

/// The station catalogue for --station, or null with the reason it could not be read.
using StationSource = std::function<const StationCatalogue*(std::string& failure)>;

/// A request's inputs opened, with the warming and what qav-cli prints after "warning: ".
struct RequestInputs {
    std::vector<RunInput> inputs;
    std::optional<Warming> warming;
    std::vector<std::string> warnings;  // "PATH: Location 3 (Athens) ends at line 29 ..."
    std::vector<std::string> notes;     // "Campinas, SP (Brazil) chosen among 2 places named Campinas"
};

/// Opens the warming file first, then each input in order, as qav-cli reads them, into `opened`.
/// A refused value (a data set's slot, a station number) throws OptionError; a file or the
/// catalogue that cannot be read throws InputFailure, `opened` keeping the warnings so far.
/// `places` opens a --place named by a text (qav-cli's PlaceInput on its place list); a front end
/// without the list passes none, so that the place search is not linked into it.
using PlaceFinder = std::function<RunInput(const std::string& query, std::vector<std::string>& notes)>;
void OpenRequestInputs(const AnalysisRequest& request, const StationSource& stations, RequestInputs& opened,
                       const PlaceFinder& places = {});

/// The locations of a run and the form of its rows.
struct RequestPlan {
    std::vector<RunItem> items;
    RowOptions rows;
    RunFraming framing;
    bool defaultInput = false;  // no input was named: the start-up location
};

/// Plans the run over `opened` (the start-up data set added when it holds no input; it must
/// outlive the plan). A --location beyond an input's list throws OptionError, a warming that
/// moves a normal out of range InputFailure worded in `messages`. `maxLocations` (0: any number)
/// refuses a run of more locations before any is analysed.
RequestPlan PlanRequest(const AnalysisRequest& request, RequestInputs& opened, const AnalysisState& startup,
                        Language messages = Language::English, std::size_t maxLocations = 0);

/// A page module's request, ready to run: its inputs opened, the start-up state with the request's
/// sun and comfort settings, and the run planned over them. The plan points into `opened`, so a
/// run is filled where it stays (PrepareModuleRun).
struct ModuleRun {
    ModuleRun() = default;
    ModuleRun(const ModuleRun&) = delete;
    ModuleRun& operator=(const ModuleRun&) = delete;

    RequestInputs opened;
    AnalysisState startup;
    RequestPlan plan;
    HoursView view = HoursView::Typical;
};

/// Opens and plans `request` for a module: more than `maxLocations` locations are refused before
/// any input is opened (a module builds its whole answer in memory), the refusals and failures
/// worded in `language`.
void PrepareModuleRun(const AnalysisRequest& request, const StationSource& stations, const AnalysisState& startup,
                      Language language, std::size_t maxLocations, ModuleRun& run);

/// How many locations the request's inputs hold at most, counted without reading them: a data
/// set's slots, 50 for a Monthly Data file, one for a weather file or a station, one per input
/// without --all.
std::size_t MostLocations(const AnalysisRequest& request);

/// The module's request: triples of a key ("dataset", "inputs.2.md"), the kind of its JSON value
/// ("string", "number", "boolean", "null", "list", "object") and its text, in the object's order.
/// Gives qav-cli's options for it and sets `warnings` when the request asks for them; an unknown
/// key, a value of the wrong kind or an input naming no source throws OptionError.
std::vector<RequestOption> RequestFromKeys(const std::vector<std::string>& entries, bool& warnings);

/// The station finder's request ("query" TEXT, "limit" N of 1..5000, "lang"), as RequestFromKeys
/// takes its keys; a key it does not take or a value of the wrong kind throws OptionError.
struct StationQuery {
    std::string query;
    std::size_t limit = 20;
};
StationQuery StationQueryFromKeys(const std::vector<std::string>& entries);

/// True for a text written as coordinates that are none ("NaN,0", "12,x5"): numbers, signs,
/// hemisphere letters and separators only. qav-cli's --near refuses such a text; a search by name
/// would only find nothing.
bool LooksLikeCoordinates(std::string_view text);

/// Stations found, as a JSON list: qav-cli's `stations --format json` (a station a line, with
/// source and rh_source) or the module's finder (one line, with far). `near`: a search by
/// coordinates, which adds distance_km and elevation_diff_m.
enum class StationJsonForm { Cli, Finder };
std::string StationListJson(const std::vector<StationMatch>& matches, bool near, StationJsonForm form);

/// The catalogue a module or a test was given, or null with the reason.
const StationCatalogue* LoadedCatalogue(const StationCatalogueResult* loaded, std::string& failure);

/// A refusal or failure for a front end that words it itself: a stable code naming it
/// ("not_a_number", "file_not_found", "out_of_memory") and the figures its sentence holds.
struct FailureCode {
    std::string code;
    std::vector<std::string> values;
};
FailureCode CodeOf(const OptionError& error);
FailureCode CodeOf(const ReadFailure& failure);

}  // namespace qav
