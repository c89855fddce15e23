#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/qt_application.h"
#include "classify/raster_canvas.h"
#include "pictures/report_pdf.h"
#include "pipeline/pipeline.h"
#include "pipeline/weather_location.h"

namespace {

// One location's PDF report as the window's Export report writes it: the content composed, the
// chart and the graph drawn as vector paths, the text laid out twice (pages counted, then drawn).
void BenchReport(benchmark::State& bench, const char* weatherFile)
{
    qav::EnsureBenchApplication();
    qav::AnalysisState state = qav::MakeStartupState();
    qav::RasterCanvas zoneMap(state.Layout.Picture1.Width, state.Layout.Picture1.Height, state.Layout.PixelWidth,
                              state.Layout.PixelHeight);
    qav::PipelineCanvases canvases{zoneMap};
    qav::RunPipeline(state, canvases);
    if (weatherFile) {
        qav::WeatherFiles opened = qav::OpenWeatherFiles({std::filesystem::path(QAV_FIXTURES_DIR) / weatherFile});
        qav::ShowLocationsFromFile(state, std::move(opened.Table), canvases, opened.Recorded, opened.Files);
    }
    for (auto _ : bench) {
        const QByteArray pdf = qav::RenderReportPdf(state, qav::Paper::A4, qav::Language::English, 1700000000);
        benchmark::DoNotOptimize(pdf.constData());
        bench.counters["bytes"] = static_cast<double>(pdf.size());
    }
}

void BM_ReportBrasilia(benchmark::State& bench) { BenchReport(bench, nullptr); }
void BM_ReportChicagoWeatherFile(benchmark::State& bench) { BenchReport(bench, "chicago.epw"); }

}  // namespace

BENCHMARK(BM_ReportBrasilia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportChicagoWeatherFile)->Unit(benchmark::kMillisecond);
