#pragma once
// The state of one analysis session: the data set in use, the selected location and everything
// derived from it by the last pipeline run. The window owns one; the command-line companion makes
// one per analysis.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_frame.h"
#include "chart/chart_scale.h"
#include "classify/classification.h"
#include "classify/hour_filter.h"
#include "classify/sun_shading.h"
#include "core/adaptive_comfort.h"
#include "core/hourly_synthesis.h"
#include "core/location.h"
#include "core/psychrometrics.h"
#include "core/screen_layout.h"
#include "core/warming.h"
#include "data/builtin_sets.h"
#include "data/recorded_hours.h"
#include "pipeline/searched_site.h"

namespace qav {

/// Which built-in set is in the table; none set means it came from a Monthly Data file.
struct DataSetFlags {
    bool ShowingBrazil = false;
    bool ShowingSouthAmerica = false;
    bool ShowingWorld = false;

    bool IsShown(DataSetKind kind) const;
    void Show(DataSetKind kind);  // sets that flag and clears the other two
    void Clear() { *this = {}; }
};

/// The recorded years of the slots of a location table; null for a slot without one.
using RecordedYears = std::array<std::shared_ptr<const RecordedYear>, kMaxLocations + 1>;

/// The file each slot was read from (a UTF-8 path); empty for the slots of a built-in set.
using SourceFiles = std::array<std::string, kMaxLocations + 1>;

/// Which hours the chart shows for a weather-file location: the synthesised typical days as
/// month polylines, or the recorded hours as dots. Both are always classified.
enum class HoursView { Typical, Recorded };

/// The analysis of the unchanged normals, kept beside the analysis of the warmed ones.
struct BaseAnalysis {
    LocationRecord Location;  // the location with its normals as read
    HourlyTable Hours;
    StrategyTally Tally;          // the typical days
    StrategyTally RecordedTally;  // the recorded hours as read; all zero without them
};

struct AnalysisState {
    LocationTable Locations;
    int CurrentLocation = 0;  // slot 1..LocationCount being analysed
    DataSetFlags DataSetKind;
    /// Recorded hours of the slots that came from weather files; empty for every other slot.
    RecordedYears Recorded{};
    HoursView View = HoursView::Typical;
    SourceFiles SourceFile{};
    /// The hours the tallies count; every hour is classified and drawn either way.
    HourFilter Filter;
    /// A warming to add to every location analysed ("What if"); none analyses the normals as read.
    std::optional<Warming> WarmingAsked;
    /// The shading line and façade of the sun and shade; they change no tally.
    SunOptions Sun;
    /// The comfort model the graph and the report show; the chart and the shares never change with it.
    ComfortModel Comfort = ComfortModel::Givoni;
    /// Counts the changes of what every location's analysis depends on: the locations and their
    /// recorded hours, the analysis screen, the filter and the warming. Views that keep analyses
    /// of their own (the compare view) compare it to tell whether they are stale; the functions
    /// that change those inputs bump it, so change them only through those functions.
    std::uint64_t InputGeneration = 0;
    /// The site the current station was found for, when it was found by a search.
    std::optional<SearchedSite> Searched;

    // Derived by the last pipeline run.
    /// The current location with the warming added; empty without a warming or when refused.
    std::optional<LocationRecord> Warmed;
    /// Why the warming could not be added to the current location (a value left its range); the
    /// run then analysed the normals as read. Worded by DescribeRefusedChange or the window.
    std::optional<RefusedChange> WarmingRefusal;
    /// The recorded hours shifted by the warming; null unless Warmed and the slot has recorded hours.
    std::shared_ptr<const RecordedYear> WarmedRecorded;
    /// The analysis without the warming; filled only when Warmed.
    BaseAnalysis Base;
    StationPressureValues Pressure;
    HourlyTable Hours;
    ZoneVertices Vertices;
    StrategyTally Tally;                        // the typical days
    HourStrategies HourStrategy{};              // strategy of each typical hour, as the tally counted it
    StrategyTally RecordedTally;                // the recorded hours; all zero without them
    std::vector<std::int8_t> RecordedStrategy;  // strategy of each recorded hour; empty without them

    // From the analysis screen (SetAnalysisScreen): the reference screen unless the user chose
    // the monitor's size.
    ScreenLayout Layout;
    ChartScale Scale;

    /// The location as analysed: with the warming added when there is one.
    const LocationRecord& Current() const { return Warmed ? *Warmed : Locations.Slot[CurrentLocation]; }
    /// The recorded hours as analysed: shifted by the warming when there is one.
    const RecordedYear* CurrentRecorded() const
    {
        return WarmedRecorded ? WarmedRecorded.get() : Recorded[CurrentLocation].get();
    }
    /// The tally that the chart's legend shows.
    const StrategyTally& ShownTally() const { return ShowsRecordedHours() ? RecordedTally : Tally; }
    /// Whether the chart, the legend and the outputs are those of a weather file's recorded hours.
    bool ShowsRecordedHours() const { return View == HoursView::Recorded && CurrentRecorded(); }
};

/// The state right after start-up's first steps: layout and chart scale from the screen, the
/// Brazil set loaded and slot 5 (Brasilia) selected. The caller then runs the pipeline.
AnalysisState MakeStartupState(ScreenDescription screen = kReferenceScreen);

/// Lays the analysis out for a screen: the layout and the chart scale. The zone map and the
/// canvases must be remade at the new sizes and the pipeline run again.
void SetAnalysisScreen(AnalysisState& state, const ScreenDescription& screen);

/// Sets the hours the tallies count and the warming asked; the caller then runs the pipeline.
void SetAnalysisOptions(AnalysisState& state, const HourFilter& filter, const std::optional<Warming>& warming);

/// Text of the information box shown when the data set chosen is the one already shown.
inline constexpr std::string_view kAlreadyPresentedMessage =
    "The data are already being presented.\nSelect any city of the list.\n";

/// Entries of the location list: one space, then the name, for slots 1..LocationCount.
std::vector<std::string> LocationListEntries(const LocationTable& table);

}  // namespace qav
