#pragma once
// The state of one analysis session: the data set in use, the selected location and everything
// derived from it by the last pipeline run. The window owns one; the command-line companion makes
// one per analysis.
#include <string>
#include <string_view>
#include <vector>

#include "chart/bioclimatic_chart.h"
#include "chart/chart_scale.h"
#include "classify/classification.h"
#include "classify/zone_map.h"
#include "core/hourly_synthesis.h"
#include "core/location.h"
#include "core/psychrometrics.h"
#include "core/screen_layout.h"
#include "data/builtin_sets.h"

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

struct AnalysisState {
    LocationTable Locations;
    int CurrentLocation = 0;  // slot 1..LocationCount being analysed
    DataSetFlags DataSetKind;

    // Derived by the last pipeline run.
    StationPressureValues Pressure;
    HourlyTable Hours;
    ZoneVertices Vertices;
    StrategyTally Tally;

    // Fixed at start-up from the screen.
    ScreenLayout Layout;
    ChartScale Scale;

    const LocationRecord& Current() const { return Locations.Slot[CurrentLocation]; }
};

/// The state right after start-up's first steps: layout and chart scale from the screen, the
/// Brazil set loaded and slot 5 (Brasilia) selected. The caller then runs the pipeline.
AnalysisState MakeStartupState(const ScreenDescription& screen = {});

/// Text of the information box shown when the data set chosen is the one already shown.
inline constexpr std::string_view kAlreadyPresentedMessage =
    "The data are already being presented.\nSelect any city of the list.\n";

/// Entries of the location list: one space, then the name, for slots 1..LocationCount.
std::vector<std::string> LocationListEntries(const LocationTable& table);

}  // namespace qav
