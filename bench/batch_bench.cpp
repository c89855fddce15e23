// Batch throughput of qav-cli's engine (pictures off) and the read-and-analyse cost of a
// Monthly Data file of 50 locations.
#include <benchmark/benchmark.h>

#include "app/batch.h"
#include "classify/raster_canvas.h"
#include "data/md_reader.h"
#include "data/md_writer.h"
#include "pipeline/pipeline.h"

namespace {

using namespace qav;

// N locations drawn in turn from the 90 built-in records, in inputs of 50 like Monthly Data files.
std::vector<RunInput> MakeInputs(int count)
{
    LocationTable all[3];
    LoadDataSet(DataSetKind::Brazil, all[0]);
    LoadDataSet(DataSetKind::SouthAmerica, all[1]);
    LoadDataSet(DataSetKind::World, all[2]);
    std::vector<LocationRecord> records;
    for (const LocationTable& t : all)
        for (int s = 1; s <= t.LocationCount; ++s) records.push_back(t.Slot[s]);
    std::vector<RunInput> inputs((count + kMaxLocations - 1) / kMaxLocations);
    for (int i = 0; i < count; ++i) {
        LocationTable& t = inputs[i / kMaxLocations].table;
        t.Slot[++t.LocationCount] = records[i % records.size()];
    }
    return inputs;
}

void BM_BatchCsv(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const int jobs = static_cast<int>(state.range(1));
    const std::vector<RunInput> inputs = MakeInputs(count);
    std::vector<RunItem> work;
    for (const RunInput& in : inputs)
        for (int s = 1; s <= in.table.LocationCount; ++s) work.push_back({&in, s});
    const AnalysisState startup = MakeStartupState();
    batch::Options options;
    options.format = RowFormat::Csv;
    size_t bytes = 0;
    for (auto _ : state) {
        batch::RunBatch(startup, work, options, jobs, [&](size_t, const std::string& text) { bytes += text.size(); });
    }
    benchmark::DoNotOptimize(bytes);
    state.counters["locations/s"] =
        benchmark::Counter(static_cast<double>(count) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["us/location"] = benchmark::Counter(static_cast<double>(count) * state.iterations(),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BatchCsv)
    ->ArgNames({"locations", "jobs"})
    ->Args({50, 1})
    ->Args({50, 2})
    ->Args({500, 1})
    ->Args({500, 2})
    ->Args({5000, 1})
    ->Args({5000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A 50-location Monthly Data file read from memory and every location analysed headless.
void BM_ReadAndAnalyseFiftyLocationFile(benchmark::State& state)
{
    const std::string file = WriteMonthlyData(MakeInputs(50).front().table);
    AnalysisState analysis = MakeStartupState();
    RasterCanvas zoneMap(analysis.Layout.Picture1.Width, analysis.Layout.Picture1.Height, analysis.Layout.PixelWidth,
                         analysis.Layout.PixelHeight);
    PipelineCanvases canvases{zoneMap};
    for (auto _ : state) {
        ReadResult r = ReadMonthlyData(file);
        ShowLocationsFromFile(analysis, std::move(r.table), canvases);
        for (int slot = 2; slot <= analysis.Locations.LocationCount; ++slot) {
            analysis.CurrentLocation = slot;
            RunPipeline(analysis, canvases);
        }
        benchmark::DoNotOptimize(analysis.Tally.YearShare[5]);
    }
}
BENCHMARK(BM_ReadAndAnalyseFiftyLocationFile)->Unit(benchmark::kMillisecond);

}  // namespace
