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
        const qav::CompareLayout layout =
            qav::MakeCompareLayout(rows, startup.Layout.PixelWidth, startup.Layout.PixelHeight);
        qav::QImageCanvas canvas(layout.Width, layout.Height, startup.Layout.PixelWidth, startup.Layout.PixelHeight);
        qav::DrawCompareChart(canvas, layout, rows);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}
BENCHMARK(BM_CompareNinetyLocationsView)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// 50 names of 4,096 bytes each, fitted to their column and drawn: a name is fitted by halving,
// so this stays well within a second (one measurement per character took about 30 s).
void BM_CompareFiftyLongNames(benchmark::State& state)
{
    qav::EnsureBenchApplication();
    std::vector<qav::CompareRow> rows(50);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].Position = static_cast<int>(i) + 1;
        rows[i].Name = std::string(4096, static_cast<char>('a' + i % 26));
        rows[i].Shares[5] = 100;
        rows[i].Top = 5;
    }
    const qav::CompareLayout layout = qav::MakeCompareLayout(rows, 15, 15);
    for (auto _ : state) {
        qav::QImageCanvas canvas(layout.Width, layout.Height, 15, 15);
        qav::DrawCompareChart(canvas, layout, rows);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}
BENCHMARK(BM_CompareFiftyLongNames)->Unit(benchmark::kMillisecond);

}  // namespace
