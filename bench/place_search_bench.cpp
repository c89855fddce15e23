// Searching the 135,233 places as the finder does on each key press, with the three nearest
// stations of every place listed. The goal is 5 ms per key press; the list is read once.
#include <benchmark/benchmark.h>

#include <string>

#include "data/place_search.h"

namespace {

const qav::PlaceList& Places()
{
    static const qav::PlaceListResult loaded = qav::ReadPlaceList(*qav::FindPlaceList({}));
    return loaded.list;
}

const qav::StationLocator& Stations()
{
    static const qav::StationCatalogueResult catalogue = qav::ReadStationCatalogue(*qav::FindStationCatalogue({}));
    static const qav::StationLocator locator(catalogue.catalogue);
    return locator;
}

void BM_ReadPlaceList(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(qav::ReadPlaceList(*qav::FindPlaceList({})));
}
BENCHMARK(BM_ReadPlaceList)->Unit(benchmark::kMillisecond);

void BM_FoldPlaceNames(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(qav::PlaceIndex(Places()));
}
BENCHMARK(BM_FoldPlaceNames)->Unit(benchmark::kMillisecond);

// Each iteration is one key press of the text, in turn, with the finder's 50 places.
void PerKey(benchmark::State& state, const std::string& typed)
{
    const qav::PlaceIndex index(Places());
    std::size_t k = 0;
    for (auto _ : state) {
        k = k % typed.size() + 1;
        benchmark::DoNotOptimize(qav::SearchPlaces(index, Stations(), typed.substr(0, k), 50));
    }
}
BENCHMARK_CAPTURE(PerKey, campinas_sp, std::string("Campinas, SP"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PerKey, juiz_de_fora, std::string("juiz de fora"))->Unit(benchmark::kMicrosecond);
// Letters that match little: every name is scanned without stopping early.
BENCHMARK_CAPTURE(PerKey, rare_letters, std::string("zzqx"))->Unit(benchmark::kMicrosecond);

void BM_NearestStations(benchmark::State& state)
{
    const auto& places = Places().Places;
    std::size_t i = 0;
    for (auto _ : state) {
        const qav::Place& p = places[i++ % places.size()];
        benchmark::DoNotOptimize(Stations().Nearest(p.Latitude, p.Longitude, qav::kPlaceStations));
    }
}
BENCHMARK(BM_NearestStations)->Unit(benchmark::kMicrosecond);

}  // namespace
