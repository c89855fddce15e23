#include <benchmark/benchmark.h>

#include "chart/chart_frame.h"
#include "classify/classification.h"
#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
#include "core/hourly_synthesis.h"
#include "core/screen_layout.h"
#include "data/builtin_sets.h"

namespace {

// A batch analysis of Brasilia on the reference screen without the visible chart: zone
// vertices, zone map, classification and shares. The canvas is made once, as the window does.
void BM_HeadlessZoneMapAndClassification(benchmark::State& state)
{
    qav::LocationTable table;
    qav::LoadDataSet(qav::DataSetKind::Brazil, table);
    const qav::LocationRecord& brasilia = table.Slot[5];
    const qav::ScreenLayout layout = qav::LayoutForScreen({});
    const qav::CanvasRect& rect = layout.Picture1;
    const qav::ChartScale scale =
        qav::MakeChartScale(rect.Width, rect.Height, layout.PixelWidth, layout.PixelHeight);
    const qav::Psychrometrics psy(qav::StationPressure(brasilia.Elevation));
    const qav::HourlyTable hours = qav::SynthesizeHours(brasilia);
    qav::RasterCanvas zoneMap(rect.Width, rect.Height, layout.PixelWidth, layout.PixelHeight);
    for (auto _ : state) {
        const qav::ZoneVertices v = qav::ComputeZoneVertices(scale, psy);
        qav::PaintZoneMap(zoneMap, scale, v, psy);
        benchmark::DoNotOptimize(qav::ClassifyHours(zoneMap, scale, hours));
    }
}
BENCHMARK(BM_HeadlessZoneMapAndClassification)->Unit(benchmark::kMicrosecond);

}  // namespace
