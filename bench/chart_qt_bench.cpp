#include <benchmark/benchmark.h>

#include "bench/qt_application.h"
#include "chart/qt/qimage_canvas.h"
#include "chart/hour_plots.h"
#include "chart/legend.h"
#include "classify/classification.h"
#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
#include "core/hourly_synthesis.h"
#include "core/screen_layout.h"
#include "data/builtin_sets.h"
#include "pipeline/bioclimatic_chart.h"

namespace {

// The analysis as the window runs it for Brasilia: the whole chart on the Qt canvas, the zone
// map, the hours plotted and classified, and the legend.
void BM_FullChartZoneMapAndClassification(benchmark::State& state)
{
    qav::EnsureBenchApplication();
    qav::LocationTable table;
    qav::LoadDataSet(qav::DataSetKind::Brazil, table);
    const qav::LocationRecord& brasilia = table.Slot[5];
    const qav::ScreenLayout layout = qav::LayoutForScreen({});
    const qav::CanvasRect& rect = layout.Picture1;
    const int pw = layout.PixelWidth, ph = layout.PixelHeight;
    const qav::ChartScale scale = qav::MakeChartScale(rect.Width, rect.Height, pw, ph);
    const qav::Psychrometrics psy(qav::StationPressure(brasilia.Elevation));
    const qav::HourlyTable hours = qav::SynthesizeHours(brasilia);
    qav::QImageCanvas chart(rect.Width, rect.Height, pw, ph);
    qav::RasterCanvas zoneMap(rect.Width, rect.Height, pw, ph);
    for (auto _ : state) {
        qav::DrawBioclimaticChart(chart, zoneMap, scale, psy);
        qav::PlotHours(chart, scale, hours);
        const qav::StrategyTally tally = qav::ClassifyHours(zoneMap, scale, hours);
        qav::DrawLegend(chart, scale, tally.YearShare, tally.TopStrategy, brasilia);
        benchmark::DoNotOptimize(chart.Image().constBits());
    }
}
BENCHMARK(BM_FullChartZoneMapAndClassification)->Unit(benchmark::kMillisecond);

}  // namespace
