#include <benchmark/benchmark.h>

#include "bench/qt_application.h"
#include "chart/qt/qimage_canvas.h"
#include "pipeline/compare.h"
#include "pipeline/pipeline.h"

namespace {

// The 90 locations of the three built-in sets, each analysed headless on the reference screen
// as the compare view does, then the picture drawn on the Qt canvas: what opening the view
// with 90 locations costs (the goal is under 100 ms).
std::vector<qav::CompareRow> CompareAllSets(const qav::AnalysisState& startup)
{
    std::vector<qav::CompareRow> rows;
    for (qav::DataSetKind kind : {qav::DataSetKind::Brazil, qav::DataSetKind::SouthAmerica, qav::DataSetKind::World}) {
        qav::AnalysisState state = startup;
        qav::LoadDataSet(kind, state.Locations);
        for (qav::CompareRow& row : qav::CompareLocations(state)) {
            row.Position = static_cast<int>(rows.size()) + 1;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

void BM_CompareNinetyLocationsAnalysis(benchmark::State& state)
{
    const qav::AnalysisState startup = qav::MakeStartupState();
    for (auto _ : state) benchmark::DoNotOptimize(CompareAllSets(startup));
}
BENCHMARK(BM_CompareNinetyLocationsAnalysis)->Unit(benchmark::kMillisecond);

void BM_CompareNinetyLocationsView(benchmark::State& state)
{
    qav::EnsureBenchApplication();
    const qav::AnalysisState startup = qav::MakeStartupState();
    for (auto _ : state) {
        std::vector<qav::CompareRow> rows = CompareAllSets(startup);
        qav::SortCompareRows(rows, {qav::CompareSortKey::Strategy, 5});
        const qav::CompareLayout layout = qav::MakeCompareLayout(rows, startup.Layout.PixelWidth, startup.Layout.PixelHeight);
        qav::QImageCanvas canvas(layout.Width, layout.Height, startup.Layout.PixelWidth, startup.Layout.PixelHeight);
        qav::DrawCompareChart(canvas, layout, rows);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}
BENCHMARK(BM_CompareNinetyLocationsView)->Unit(benchmark::kMillisecond);

}  // namespace
