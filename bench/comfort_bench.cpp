#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/adaptive_comfort.h"
#include "core/psychrometrics.h"
#include "core/wind_rose.h"
#include "data/builtin_sets.h"
#include "data/epw_reader.h"
#include "data/recorded_hours.h"

namespace {

// The adaptive block of one location's typical days, as every JSON row carries it: both models,
// twelve bands and the 288 hours counted against each.
void BM_AdaptiveTypicalDays(benchmark::State& state)
{
    qav::LocationTable table;
    qav::LoadDataSet(qav::DataSetKind::Brazil, table);
    const qav::LocationRecord& manaus = table.Slot[15];
    const qav::HourlyTable hours = qav::SynthesizeHours(manaus);
    for (auto _ : state) {
        benchmark::DoNotOptimize(qav::AdaptiveTypicalDays(qav::ComfortModel::Ashrae55, manaus, hours));
        benchmark::DoNotOptimize(qav::AdaptiveTypicalDays(qav::ComfortModel::En16798, manaus, hours));
    }
}
BENCHMARK(BM_AdaptiveTypicalDays)->Unit(benchmark::kMicrosecond);

// The roses of a year of 8760 recorded hours: all hours, ventilation hours and four seasons.
void BM_WindRoses8760(benchmark::State& state)
{
    const qav::EpwResult file = qav::ReadEpwFile(std::filesystem::path(QAV_FIXTURES_DIR) / "chicago.epw");
    const std::vector<qav::RecordedHour> hours = qav::RecordedHoursAt(file.file, qav::Psychrometrics());
    std::vector<std::int8_t> strategies(hours.size());
    for (std::size_t i = 0; i < strategies.size(); ++i) strategies[i] = static_cast<std::int8_t>(i % 10 + 1);
    for (auto _ : state) benchmark::DoNotOptimize(qav::WindRosesOf(hours, strategies));
}
BENCHMARK(BM_WindRoses8760)->Unit(benchmark::kMicrosecond);

}  // namespace
