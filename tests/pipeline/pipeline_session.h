#pragma once
// The window's analysis without the window: the start-up state, its zone map and one pipeline
// run, with a weather file from the fixtures shown as the window shows a dropped one.
#include <filesystem>
#include <gtest/gtest.h>

#include "classify/raster_canvas.h"
#include "pipeline/pipeline.h"
#include "pipeline/weather_location.h"

namespace qav {

struct PipelineSession {
    AnalysisState state = MakeStartupState();
    RasterCanvas zoneMap{state.Layout.Picture1.Width, state.Layout.Picture1.Height, state.Layout.PixelWidth,
                         state.Layout.PixelHeight};
    PipelineCanvases canvases{zoneMap};
    PipelineSession() { Run(); }
    void Run() { RunPipeline(state, canvases); }

    void ShowWeatherFile(const char* name)
    {
        WeatherFiles opened = OpenWeatherFiles({std::filesystem::path(QAV_FIXTURES_DIR) / name});
        ASSERT_TRUE(opened.Failures.empty());
        ASSERT_EQ(opened.Table.LocationCount, 1);
        ShowLocationsFromFile(state, std::move(opened.Table), canvases, opened.Recorded, opened.Files);
    }
};

}  // namespace qav
