#pragma once
// A run of analyses from its inputs to its printed rows: which locations of which inputs are
// analysed, each analysed on a state of its own, and the rows framed as one output (a JSON
// object or array, a CSV table, tables one after the other). qav-cli spreads the locations over
// threads; the WebAssembly module analyses them in turn; both print through here.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "text/language.h"
#include "pipeline/analysis_state.h"
#include "pipeline/option_error.h"

namespace qav {

class RasterCanvas;

/// One input: a built-in set, a Monthly Data file, a weather file (one location) or a station.
struct RunInput {
    LocationTable table;
    RecordedYears recorded{};
    /// How the command line named it, for messages: "--dataset world", "--file PATH", "--epw PATH",
    /// "--station N"; the analysis also takes from it which set or file the locations came from.
    std::string label;
    int onlySlot = 0;  // "--dataset brazil:5": this slot alone, whatever --location or --all say
    std::string key;   // what the rows' input field says: "brazil", the path as given, "station:83377"
    std::optional<SearchedSite> site{};  // --near: the place the station was found for
};

/// The input key of a built-in set: "brazil", "south-america", "world".
std::string DataSetKey(DataSetKind kind);
/// The input key of a station's location: "station:83377".
std::string StationInputKey(const LocationRecord& station);

/// One location of a run.
struct RunItem {
    const RunInput* input = nullptr;
    int slot = 1;
};

/// Which locations: every slot (all), one slot of each input (location, 1-based), or slot 1 of
/// each input (location 0); defaultSlot for the start-up data set when the run names no input.
/// An input's onlySlot wins. Fails with "--location: ..." when an input has fewer slots, naming
/// the location as it was given.
struct RunPlan {
    std::vector<RunItem> items;
    std::optional<OptionError> failure;  // a location beyond the inputs' lists
};
RunPlan PlanRun(const std::vector<RunInput>& inputs, bool all, int location, const std::string& locationAsGiven,
                int defaultSlot);

/// The first location of the run that cannot take the warming: "--warming: Lima: <why>", with the
/// option that gave the warming first.
std::optional<std::string> WarmingFailure(const std::vector<RunItem>& items, const Warming& warming,
                                          std::string_view option = "--warming", Language language = Language::English);

/// A warming's refused change in `language`: qav-cli's English, or the window's Portuguese.
std::string WarmingRefusalText(const RefusedChange& refusal, Language language);

enum class RowFormat { Table, Json, Csv };

/// The form of the rows and which optional keys and columns they carry.
struct RowOptions {
    RowFormat format = RowFormat::Table;
    bool recordedColumns = false;           // JSON keys and CSV columns of the recorded hours
    bool filterColumns = false;             // hour_range and months
    bool stationColumns = false;            // CSV columns station, period and rh_source
    bool warmingColumns = false;            // CSV columns of the warming and the shares before it
    Language language = Language::English;  // the table's words and decimal separator
    bool placeColumns = false;              // CSV columns of a place (found by its town)
};

/// The row options a run's locations call for: recorded columns when a weather file is among
/// them (unless only the typical days are asked), station columns when a station is.
RowOptions RunRowOptions(const std::vector<RunItem>& items, RowFormat format, bool typicalOnly, bool filterGiven,
                         bool warmed);

/// Zone maps already painted, kept for reuse: a map depends only on the chart scale and the
/// station pressure, so locations at one elevation, and requests at one pressure, share it.
/// Holds the few most recently used; painting a map costs far more than the classification.
class ZoneMapCache {
  public:
    struct Entry {
        ChartScale scale;
        StationPressureValues pressure;
        CanvasRect size;  // the zone map's canvas size, with the scale's pixel size
        ZoneVertices vertices{};
        std::unique_ptr<RasterCanvas> map;
        bool painted = false;
    };

    explicit ZoneMapCache(std::size_t capacity = 4);
    ~ZoneMapCache();
    ZoneMapCache(const ZoneMapCache&) = delete;
    ZoneMapCache& operator=(const ZoneMapCache&) = delete;

    /// Makes a blank map of that size ahead of the first Get (an allocation that fails fails
    /// here, before any analysis).
    void Prepare(const ChartScale& scale, const CanvasRect& size);
    /// The map (canvas size `size`) and its vertices for the scale at the pressure, painted
    /// unless kept. The entry stays valid until the next call.
    Entry& Get(const ChartScale& scale, const CanvasRect& size, const StationPressureValues& pressure);

  private:
    std::size_t capacity_;
    std::vector<Entry> entries_;  // most recently used first
};

/// Analyses locations one after another on one state, as the window would with the view, the
/// hours counted and the warming given, on zone maps kept in `maps` (or its own).
class RowAnalyser {
  public:
    RowAnalyser(const AnalysisState& startup, HoursView view, const HourFilter& filter,
                const std::optional<Warming>& warming, ZoneMapCache* maps = nullptr);
    ~RowAnalyser();
    RowAnalyser(const RowAnalyser&) = delete;
    RowAnalyser& operator=(const RowAnalyser&) = delete;

    /// Runs the pipeline on the item's location; the state holds the analysis until the next call.
    const AnalysisState& Analyse(const RunItem& item);

  private:
    AnalysisState state_;
    const RunInput* current_ = nullptr;
    std::unique_ptr<ZoneMapCache> ownMaps_;
    ZoneMapCache* maps_;
};

/// The analysed location's row in the run's format (no separators between rows); `input` is the
/// key of the input it came from.
std::string RowText(const AnalysisState& analysed, const std::string& input, const RowOptions& options);

/// What goes around the rows: the CSV header or the JSON array's bracket before them, the
/// separator before each, the closing bracket after them. A JSON run is one object for one
/// location asked without `array`, an array otherwise, whatever the inputs hold.
struct RunFraming {
    RowOptions options;
    bool array = false;
    std::size_t count = 0;
    std::string Begin() const;
    /// The row's text with what comes before and after it, position 0-based.
    std::string Row(std::size_t position, const std::string& text) const;
    std::string End() const;
};

/// A whole run on the calling thread: the text qav-cli prints for it.
std::string RunText(const AnalysisState& startup, const std::vector<RunItem>& items, const RunFraming& framing,
                    HoursView view, const HourFilter& filter, const std::optional<Warming>& warming,
                    ZoneMapCache* maps = nullptr);

}  // namespace qav
