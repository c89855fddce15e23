// Searching the 3,730 stations as the search field does on each key press: by a growing name,
// and by coordinates. The goal is 5 ms per key press.
#include <benchmark/benchmark.h>

#include <string>

#include "data/station_search.h"

namespace {

const qav::StationCatalogue& Catalogue()
{
    static const qav::StationCatalogueResult loaded = qav::ReadStationCatalogue(*qav::FindStationCatalogue({}));
    return loaded.catalogue;
}

void BM_ReadStationCatalogue(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(qav::ReadStationCatalogue(*qav::FindStationCatalogue({})));
}
BENCHMARK(BM_ReadStationCatalogue)->Unit(benchmark::kMillisecond);

void BM_FoldStationNames(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(qav::StationIndex(Catalogue()));
}
BENCHMARK(BM_FoldStationNames)->Unit(benchmark::kMillisecond);

// Each iteration is one key press of "sao paulo", in turn.
void BM_StationSearchByNamePerKey(benchmark::State& state)
{
    const qav::StationIndex index(Catalogue());
    const std::string typed = "sao paulo";
    std::size_t k = 0;
    for (auto _ : state) {
        k = k % typed.size() + 1;
        benchmark::DoNotOptimize(qav::SearchStations(index, typed.substr(0, k), 50));
    }
}
BENCHMARK(BM_StationSearchByNamePerKey)->Unit(benchmark::kMicrosecond);

void BM_StationSearchByCoordinatesPerKey(benchmark::State& state)
{
    const qav::StationIndex index(Catalogue());
    for (auto _ : state) benchmark::DoNotOptimize(qav::SearchStations(index, "23°33′S 46°38′W 760", 50));
}
BENCHMARK(BM_StationSearchByCoordinatesPerKey)->Unit(benchmark::kMicrosecond);

}  // namespace
