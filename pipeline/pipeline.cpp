#include "pipeline/pipeline.h"

#include <algorithm>
#include <utility>

#include "chart/monthly_graph.h"
#include "classify/recorded_classification.h"
#include "classify/zone_map.h"
#include "pipeline/bioclimatic_chart.h"
#include "pipeline/rendering.h"

namespace qav {

bool DataSetFlags::IsShown(DataSetKind kind) const
{
    switch (kind) {
        case DataSetKind::Brazil:
            return ShowingBrazil;
        case DataSetKind::SouthAmerica:
            return ShowingSouthAmerica;
        case DataSetKind::World:
            return ShowingWorld;
    }
    return false;
}

void DataSetFlags::Show(DataSetKind kind)
{
    Clear();
    switch (kind) {
        case DataSetKind::Brazil:
            ShowingBrazil = true;
            break;
        case DataSetKind::SouthAmerica:
            ShowingSouthAmerica = true;
            break;
        case DataSetKind::World:
            ShowingWorld = true;
            break;
    }
}

void SetAnalysisScreen(AnalysisState& state, const ScreenDescription& screen)
{
    state.Layout = LayoutForScreen(screen);
    state.Scale = MakeChartScale(state.Layout.Picture1.Width, state.Layout.Picture1.Height, state.Layout.PixelWidth,
                                 state.Layout.PixelHeight);
    ++state.InputGeneration;
}

void SetAnalysisOptions(AnalysisState& state, const HourFilter& filter, const std::optional<Warming>& warming)
{
    state.Filter = filter;
    state.WarmingAsked = warming;
    ++state.InputGeneration;
}

AnalysisState MakeStartupState(ScreenDescription screen)
{
    AnalysisState state;
    SetAnalysisScreen(state, screen);
    LoadDataSet(DataSetKind::Brazil, state.Locations);
    state.DataSetKind.Show(DataSetKind::Brazil);
    state.CurrentLocation = 5;
    return state;
}

std::vector<std::string> LocationListEntries(const LocationTable& table)
{
    std::vector<std::string> entries;
    entries.reserve(table.LocationCount);
    for (int slot = 1; slot <= table.LocationCount; ++slot) entries.push_back(" " + table.Slot[slot].LocationName);
    return entries;
}

namespace {

// The warmed location and recorded hours of the current slot, or the reason the warming is refused.
void ApplyAskedWarming(AnalysisState& state, const Psychrometrics& psy)
{
    state.Warmed.reset();
    state.WarmedRecorded.reset();
    state.WarmingRefusal.reset();
    state.Base = {};
    if (!state.WarmingAsked) return;
    const LocationRecord& base = state.Locations.Slot[state.CurrentLocation];
    WarmedLocation warmed = WarmLocation(base, *state.WarmingAsked);
    state.Warmed = std::move(warmed.Location);
    state.WarmingRefusal = warmed.Refusal;
    if (!state.Warmed) return;
    if (const RecordedYear* recorded = state.Recorded[state.CurrentLocation].get()) {
        auto shifted = std::make_shared<RecordedYear>(*recorded);
        shifted->Hours = ShiftRecordedHours(recorded->Hours, *state.WarmingAsked, psy);
        state.WarmedRecorded = std::move(shifted);
    }
}

// The analysis of the normals as read, beside that of the warmed ones, on the same zone map.
void AnalyseBase(AnalysisState& state, const ChartCanvas& zoneMap)
{
    BaseAnalysis& b = state.Base;
    b.Location = state.Locations.Slot[state.CurrentLocation];
    b.Hours = SynthesizeHours(b.Location);
    b.Tally = ClassifyHours(zoneMap, state.Scale, b.Hours, nullptr, state.Filter);
    if (const RecordedYear* recorded = state.Recorded[state.CurrentLocation].get())
        b.RecordedTally = ClassifyRecordedHours(zoneMap, state.Scale, recorded->Hours, nullptr, state.Filter);
}

}  // namespace

void RunPipeline(AnalysisState& state, PipelineCanvases& canvases)
{
    // A warming changes temperatures and humidities, never the elevation, so the pressure, the
    // chart and the zone map are those of the location as read.
    state.Pressure = StationPressure(state.Locations.Slot[state.CurrentLocation].Elevation);
    const Psychrometrics psy(state.Pressure);
    ApplyAskedWarming(state, psy);
    const LocationRecord& location = state.Current();
    state.Hours = SynthesizeHours(location);
    if (canvases.Chart) {
        state.Vertices = DrawBioclimaticChart(*canvases.Chart, canvases.ZoneMap, state.Scale, psy,
                                              canvases.DecimalSeparator, canvases.Lang);
    } else if (canvases.PaintedZones) {
        state.Vertices = *canvases.PaintedZones;
    } else {
        state.Vertices = ComputeZoneVertices(state.Scale, psy);
        PaintZoneMap(canvases.ZoneMap, state.Scale, state.Vertices, psy);
    }
    state.Tally = ClassifyHours(canvases.ZoneMap, state.Scale, state.Hours, &state.HourStrategy, state.Filter);
    state.RecordedTally = {};
    state.RecordedStrategy.clear();
    if (const RecordedYear* recorded = state.CurrentRecorded())
        state.RecordedTally = ClassifyRecordedHours(canvases.ZoneMap, state.Scale, recorded->Hours,
                                                    &state.RecordedStrategy, state.Filter);
    if (state.Warmed) AnalyseBase(state, canvases.ZoneMap);
    if (canvases.Chart) DrawHoursAndLegend(*canvases.Chart, state, canvases.DecimalSeparator, canvases.Lang);
    if (canvases.Graph)
        DrawMonthlyGraph(*canvases.Graph, location, state.Layout.PixelWidth, state.Layout.PixelHeight, canvases.Lang,
                         {}, CountedMonthsOf(state.Filter));
}

ShowDataSetOutcome ShowDataSet(AnalysisState& state, DataSetKind kind, PipelineCanvases& canvases)
{
    if (state.DataSetKind.IsShown(kind)) return ShowDataSetOutcome::AlreadyShown;
    state.DataSetKind.Show(kind);
    // Over the table shown, not into an empty one: the slots above the set's count stay.
    LoadDataSet(kind, state.Locations);
    state.Recorded = {};
    state.SourceFile = {};
    state.CurrentLocation = 1;
    ++state.InputGeneration;
    RunPipeline(state, canvases);
    return ShowDataSetOutcome::Loaded;
}

bool SelectLocation(AnalysisState& state, int listIndex, PipelineCanvases& canvases)
{
    if (listIndex < 0 || listIndex >= state.Locations.LocationCount) return false;
    state.CurrentLocation = listIndex + 1;
    RunPipeline(state, canvases);
    return true;
}

void ShowLocationsFromFile(AnalysisState& state, LocationTable table, PipelineCanvases& canvases,
                           RecordedYears recorded, SourceFiles files, int slot)
{
    state.Recorded = std::move(recorded);
    state.SourceFile = std::move(files);
    // Like a built-in set, a file writes only its own slots and leaves the higher ones alone.
    for (int slot = 1; slot <= table.LocationCount; ++slot) state.Locations.Slot[slot] = std::move(table.Slot[slot]);
    state.Locations.LocationCount = table.LocationCount;
    state.DataSetKind.Clear();
    state.CurrentLocation = std::clamp(slot, 1, std::max(1, table.LocationCount));
    ++state.InputGeneration;
    RunPipeline(state, canvases);
}

}  // namespace qav
