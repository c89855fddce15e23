#include <benchmark/benchmark.h>

#include "chart/chart_frame.h"
#include "classify/classification.h"
#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
#include "core/hourly_synthesis.h"
#include "core/screen_layout.h"
#include "data/builtin_sets.h"
#include "pipeline/analysis_state.h"
#include "pipeline/pipeline.h"
#include "pipeline/picture_svg.h"

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
    const qav::ChartScale scale = qav::MakeChartScale(rect.Width, rect.Height, layout.PixelWidth, layout.PixelHeight);
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

// The start-up analysis (Brasília) drawn as SVG documents, as qav-cli's --svg and the browser
// page make them: the chart (0) and the monthly graph (1).
void BM_PictureSvg(benchmark::State& state)
{
    qav::AnalysisState startup = qav::MakeStartupState();
    qav::RasterCanvas zoneMap(startup.Layout.Picture1.Width, startup.Layout.Picture1.Height, startup.Layout.PixelWidth,
                              startup.Layout.PixelHeight);
    qav::PipelineCanvases canvases{zoneMap};
    qav::RunPipeline(startup, canvases);
    const qav::PictureKind kind = state.range(0) == 0 ? qav::PictureKind::Chart : qav::PictureKind::Graph;
    for (auto _ : state) benchmark::DoNotOptimize(qav::PictureSvg(kind, startup));
}
BENCHMARK(BM_PictureSvg)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
