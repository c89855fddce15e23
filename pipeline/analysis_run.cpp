#include "pipeline/analysis_run.h"

#include <algorithm>

#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
#include "text/month_names.h"
#include "core/psychrometrics.h"
#include "core/warming.h"
#include "data/station_catalogue.h"
#include "pipeline/analysis_output.h"
#include "pipeline/pipeline.h"
#include "pipeline/rendering.h"
#include "pipeline/results_table.h"

namespace qav {

std::string DataSetKey(DataSetKind kind)
{
    return kind == DataSetKind::Brazil ? "brazil" : kind == DataSetKind::SouthAmerica ? "south-america" : "world";
}

std::string StationInputKey(const LocationRecord& station)
{
    const auto tag = ParseStationSourceField(station.DataSource);
    return "station:" + (tag ? std::to_string(tag->Wmo) : station.LocationName);
}

RunPlan PlanRun(const std::vector<RunInput>& inputs, bool all, int location, const std::string& locationAsGiven,
                int defaultSlot)
{
    RunPlan plan;
    for (const RunInput& in : inputs) {
        const int count = in.table.LocationCount;
        if (in.onlySlot > 0) {
            plan.items.push_back({&in, in.onlySlot});
        } else if (all) {
            for (int s = 1; s <= count; ++s) plan.items.push_back({&in, s});
        } else if (location > 0) {
            if (location > count) {
                plan.failure =
                    count == 1 ? Refusal(option_text::kLocationOutsideOne, {"--location", locationAsGiven, in.label})
                               : Refusal(option_text::kLocationOutside,
                                         {"--location", locationAsGiven, std::to_string(count), in.label});
                return plan;
            }
            plan.items.push_back({&in, location});
        } else {
            plan.items.push_back({&in, defaultSlot});
        }
    }
    return plan;
}

std::optional<std::string> WarmingFailure(const std::vector<RunItem>& items, const Warming& warming,
                                          std::string_view option, Language language)
{
    for (const RunItem& item : items) {
        const LocationRecord& l = item.input->table.Slot[item.slot];
        if (const WarmedLocation warmed = WarmLocation(l, warming); warmed.Refusal)
            return std::string(option) + ": " + l.LocationName + ": " + WarmingRefusalText(*warmed.Refusal, language);
    }
    return std::nullopt;
}

std::string WarmingRefusalText(const RefusedChange& r, Language language)
{
    if (language == Language::English) return DescribeRefusedChange(r);
    // The numbers as qav-cli prints them, with the language's decimal separator.
    const auto number = [language](float value) {
        std::string text = WarmingNumberText(value);
        std::replace(text.begin(), text.end(), '.', DecimalSeparatorOf(language));
        return text;
    };
    const std::string change = r.Change < 0 ? "- " + number(-r.Change) : "+ " + number(r.Change);
    if (const auto& max = r.AboveMax) {
        const std::string maxChange = max->Change < 0 ? "- " + number(-max->Change) : "+ " + number(max->Change);
        return FilledText(
            Translated(language, "qav::AnalysisText", kWarmingAboveMax),
            {Translated(language, "qav::Month", kMonthName[static_cast<std::size_t>(r.Month)]), number(r.Base), change,
             number(r.Result), number(max->Base), maxChange, number(max->Result)});
    }
    return FilledText(
        Translated(language, "qav::AnalysisText", kWarmingRefusal),
        {Translated(language, "qav::Month", kMonthName[static_cast<std::size_t>(r.Month)]), NormalName(r.Field),
         number(r.Base), change, number(r.Result), std::to_string(r.Range.Low), std::to_string(r.Range.High)});
}

RowOptions RunRowOptions(const std::vector<RunItem>& items, RowFormat format, bool typicalOnly, bool filterGiven,
                         bool warmed)
{
    RowOptions options{format, false, filterGiven, false, warmed};
    for (const RunItem& item : items) {
        options.recordedColumns = options.recordedColumns || item.input->recorded[item.slot];
        options.stationColumns =
            options.stationColumns || ParseStationSourceField(item.input->table.Slot[item.slot].DataSource);
        options.placeColumns = options.placeColumns || item.input->table.Slot[item.slot].Place;
    }
    if (typicalOnly) options.recordedColumns = false;
    return options;
}

ZoneMapCache::ZoneMapCache(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

ZoneMapCache::~ZoneMapCache() = default;

ZoneMapCache::Entry& ZoneMapCache::Get(const ChartScale& scale, const CanvasRect& size,
                                       const StationPressureValues& pressure)
{
    const auto sameSize = [&](const Entry& e) {
        return e.map && e.scale == scale && e.size.Width == size.Width && e.size.Height == size.Height;
    };
    const auto same = [&](const Entry& e) {
        return sameSize(e) && e.painted && e.pressure.PressureElevation == pressure.PressureElevation &&
               e.pressure.PressurePa == pressure.PressurePa && e.pressure.PressureKPa == pressure.PressureKPa;
    };
    auto it = std::find_if(entries_.begin(), entries_.end(), same);
    if (it == entries_.end()) {
        // Repaint the least recently used map rather than allocate another.
        if (entries_.size() < capacity_) entries_.emplace_back();
        it = entries_.end() - 1;
        if (!sameSize(*it)) {
            it->map.reset();  // a map that failed to be made matches nothing
            it->map = std::make_unique<RasterCanvas>(size.Width, size.Height, scale.PixelWidth, scale.PixelHeight);
            it->scale = scale;
            it->size = size;
        }
        const Psychrometrics psy(pressure);
        it->painted = false;
        it->vertices = ComputeZoneVertices(scale, psy);
        PaintZoneMap(*it->map, scale, it->vertices, psy);
        it->pressure = pressure;
        it->painted = true;
    }
    std::rotate(entries_.begin(), it, it + 1);
    return entries_.front();
}

void ZoneMapCache::Prepare(const ChartScale& scale, const CanvasRect& size)
{
    if (!entries_.empty()) return;
    Entry blank;
    blank.map = std::make_unique<RasterCanvas>(size.Width, size.Height, scale.PixelWidth, scale.PixelHeight);
    blank.scale = scale;
    blank.size = size;
    entries_.push_back(std::move(blank));
}

RowAnalyser::RowAnalyser(const AnalysisState& startup, HoursView view, const HourFilter& filter,
                         const std::optional<Warming>& warming, ZoneMapCache* maps)
    : state_(startup), ownMaps_(maps ? nullptr : std::make_unique<ZoneMapCache>()), maps_(maps ? maps : ownMaps_.get())
{
    maps_->Prepare(state_.Scale, state_.Layout.Picture1);
    state_.View = view;
    state_.Filter = filter;
    state_.WarmingAsked = warming;
}

RowAnalyser::~RowAnalyser() = default;

namespace {

// Records where the input came from as the window does when it opens one, so that a report or a
// picture credits the right source: the built-in set shown, or the file of each slot. The label
// is how the command line (or the module's request) named the input.
void SetProvenance(AnalysisState& state, const RunInput& in)
{
    state.DataSetKind.Clear();
    state.SourceFile = {};
    if (in.label.starts_with("--dataset ")) {
        for (DataSetKind kind : {DataSetKind::Brazil, DataSetKind::SouthAmerica, DataSetKind::World})
            if (in.key == DataSetKey(kind)) state.DataSetKind.Show(kind);
    } else if (in.label.starts_with("--file ") || in.label.starts_with("--epw ")) {
        for (int s = 1; s <= in.table.LocationCount; ++s) state.SourceFile[static_cast<std::size_t>(s)] = in.key;
    }
}

}  // namespace

const AnalysisState& RowAnalyser::Analyse(const RunItem& item)
{
    if (current_ != item.input) {
        state_.Locations = item.input->table;
        state_.Recorded = item.input->recorded;
        SetProvenance(state_, *item.input);
        state_.Searched = item.input->site;
        current_ = item.input;
    }
    state_.CurrentLocation = item.slot;
    // Pictures are drawn afresh from the state, so the analysis itself needs only the zone map.
    // A warming leaves the elevation, and so the pressure and the map, as read.
    ZoneMapCache::Entry& zones =
        maps_->Get(state_.Scale, state_.Layout.Picture1, StationPressure(state_.Locations.Slot[item.slot].Elevation));
    PipelineCanvases canvases{*zones.map, nullptr, nullptr, '.', Language::English, &zones.vertices};
    RunPipeline(state_, canvases);
    return state_;
}

std::string RowText(const AnalysisState& analysed, const std::string& input, const RowOptions& options)
{
    switch (options.format) {
        case RowFormat::Table: {
            const char point = DecimalSeparatorOf(options.language);
            return ResultsTableText(analysed.Current(), analysed.ShownTally(), point, TableFieldSeparator(point),
                                    analysed.ShowsRecordedHours(), AnalysisCaption(analysed, options.language),
                                    options.language);
        }
        case RowFormat::Json:
            return AnalysisJson(analysed, input, options.recordedColumns, options.filterColumns);
        case RowFormat::Csv:
            return AnalysisCsvRow(analysed, input, options.recordedColumns, options.filterColumns,
                                  options.stationColumns, options.warmingColumns, options.placeColumns);
    }
    return {};
}

std::string RunFraming::Begin() const
{
    if (options.format == RowFormat::Csv)
        return CsvHeader(options.recordedColumns, options.filterColumns, options.stationColumns, options.warmingColumns,
                         options.placeColumns);
    return array ? "[\n" : "";
}

std::string RunFraming::Row(std::size_t position, const std::string& text) const
{
    if (options.format == RowFormat::Table) return position > 0 ? "\n" + text : text;
    if (options.format == RowFormat::Json) return text + (array && position + 1 < count ? ",\n" : "\n");
    return text;
}

std::string RunFraming::End() const { return array ? "]\n" : ""; }

std::string RunText(const AnalysisState& startup, const std::vector<RunItem>& items, const RunFraming& framing,
                    HoursView view, const HourFilter& filter, const std::optional<Warming>& warming, ZoneMapCache* maps)
{
    RowAnalyser analyser(startup, view, filter, warming, maps);
    std::string text = framing.Begin();
    for (std::size_t i = 0; i < items.size(); ++i)
        text += framing.Row(i, RowText(analyser.Analyse(items[i]), items[i].input->key, framing.options));
    return text + framing.End();
}

}  // namespace qav
