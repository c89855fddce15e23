#pragma once
// The state of one analysis session: the data set in use, the selected location and everything
// derived from it by the last pipeline run. The window owns one; the command-line companion makes
// one per analysis.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_frame.h"
#include "chart/chart_scale.h"
#include "classify/classification.h"
#include "core/hourly_synthesis.h"
#include "core/location.h"
#include "core/psychrometrics.h"
#include "core/screen_layout.h"
#include "data/builtin_sets.h"
#include "data/recorded_hours.h"

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

/// The recorded hours of a weather-file location, at its station pressure.
struct RecordedYear {
    std::vector<RecordedHour> Hours;
    int HoursUsed = 0;
    int HoursMissing = 0;
};

/// The recorded years of the slots of a location table; null for a slot without one.
using RecordedYears = std::array<std::shared_ptr<const RecordedYear>, kMaxLocations + 1>;

/// The file each slot was read from (a UTF-8 path); empty for the slots of a built-in set.
using SourceFiles = std::array<std::string, kMaxLocations + 1>;

/// Which hours the chart shows for a weather-file location: the synthesised typical days as
/// month polylines, or the recorded hours as dots. Both are always classified.
enum class HoursView { Typical, Recorded };

struct AnalysisState {
    LocationTable Locations;
    int CurrentLocation = 0;  // slot 1..LocationCount being analysed
    DataSetFlags DataSetKind;
    /// Recorded hours of the slots that came from weather files; empty for every other slot.
    RecordedYears Recorded{};
    HoursView View = HoursView::Typical;
    SourceFiles SourceFile{};

    // Derived by the last pipeline run.
    StationPressureValues Pressure;
    HourlyTable Hours;
    ZoneVertices Vertices;
    StrategyTally Tally;          // the typical days
    HourStrategies HourStrategy{};  // strategy of each typical hour, as the tally counted it
    StrategyTally RecordedTally;  // the recorded hours; all zero without them
    std::vector<std::int8_t> RecordedStrategy;  // strategy of each recorded hour; empty without them

    // Fixed at start-up from the screen.
    ScreenLayout Layout;
    ChartScale Scale;

    const LocationRecord& Current() const { return Locations.Slot[CurrentLocation]; }
    const RecordedYear* CurrentRecorded() const { return Recorded[CurrentLocation].get(); }
    /// The tally that the chart's legend shows.
    const StrategyTally& ShownTally() const
    {
        return ShowsRecordedHours() ? RecordedTally : Tally;
    }
    /// Whether the chart, the legend and the outputs are those of a weather file's recorded hours.
    bool ShowsRecordedHours() const { return View == HoursView::Recorded && CurrentRecorded(); }
};

/// The state right after start-up's first steps: layout and chart scale from the screen, the
/// Brazil set loaded and slot 5 (Brasilia) selected. The caller then runs the pipeline.
AnalysisState MakeStartupState(ScreenDescription screen = {});

/// Text of the information box shown when the data set chosen is the one already shown.
inline constexpr std::string_view kAlreadyPresentedMessage =
    "The data are already being presented.\nSelect any city of the list.\n";

/// Entries of the location list: one space, then the name, for slots 1..LocationCount.
std::vector<std::string> LocationListEntries(const LocationTable& table);

}  // namespace qav
