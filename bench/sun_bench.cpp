#include <benchmark/benchmark.h>

#include "classify/raster_canvas.h"
#include "pipeline/pipeline.h"
#include "pipeline/sun_block.h"
#include "pipeline/sun_pictures.h"

namespace {

// One analysed location of the Brazil set (0: Brasília, 1: Manaus, 2: Porto Alegre).
qav::AnalysisState Analysed(int which)
{
    qav::AnalysisState state = qav::MakeStartupState();
    qav::RasterCanvas zoneMap(state.Layout.Picture1.Width, state.Layout.Picture1.Height, state.Layout.PixelWidth,
                              state.Layout.PixelHeight);
    qav::PipelineCanvases canvases{zoneMap};
    state.CurrentLocation = which == 0 ? 5 : which == 1 ? 15 : 18;
    qav::RunPipeline(state, canvases);
    return state;
}

// The sun block of a location: 288 sun positions, each hour's need and the eight façades' table,
// as every JSON row computes it.
void BM_SunBlockAndFacades(benchmark::State& state)
{
    const qav::AnalysisState analysed = Analysed(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(qav::ComputeSunBlock(analysed));
}
BENCHMARK(BM_SunBlockAndFacades)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The JSON keys the sun adds to a row (letters, positions, façades).
void BM_SunJson(benchmark::State& state)
{
    const qav::AnalysisState analysed = Analysed(0);
    for (auto _ : state) benchmark::DoNotOptimize(qav::SunJsonKeys(analysed, true));
}
BENCHMARK(BM_SunJson)->Unit(benchmark::kMicrosecond);

// The sun path (0) and the calendar (1) of Brasília as SVG documents.
void BM_SunPictureSvg(benchmark::State& state)
{
    const qav::AnalysisState analysed = Analysed(0);
    const auto kind = state.range(0) == 0 ? qav::SunPictureKind::SunPath : qav::SunPictureKind::Calendar;
    std::size_t bytes = 0;
    for (auto _ : state) bytes = qav::SunPictureSvg(kind, analysed).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SunPictureSvg)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace
