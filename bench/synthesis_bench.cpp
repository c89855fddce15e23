#include <benchmark/benchmark.h>

#include "core/hourly_synthesis.h"
#include "data/builtin_sets.h"

namespace {

// Station pressure and the 288 hours of Brasilia: the first two steps of every analysis.
void BM_StationPressureAndSynthesis(benchmark::State& state)
{
    qav::LocationTable table;
    qav::LoadDataSet(qav::DataSetKind::Brazil, table);
    const qav::LocationRecord& brasilia = table.Slot[5];
    for (auto _ : state) {
        benchmark::DoNotOptimize(qav::StationPressure(brasilia.Elevation));
        benchmark::DoNotOptimize(qav::SynthesizeHours(brasilia));
    }
}
BENCHMARK(BM_StationPressureAndSynthesis);

}  // namespace
