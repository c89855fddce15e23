// qav-cli psychro: the moist-air properties of a point at the station pressure of an elevation,
// with the strategy zone the point falls in on the reference screen's zone map.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli_arguments.h"
#include "app/cli_commands.h"
#include "app/cli_io.h"
#include "pipeline/analysis_output.h"
#include "chart/strategy.h"
#include "classify/classification.h"
#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
#include "core/text_format.h"
#include "pipeline/pipeline.h"

namespace qav::cli {

int PsychroCommand(const std::vector<std::string>& args)
{
    const Arguments a(args, {"--elevation", "--t", "--rh", "--w", "--format"}, {});
    if (!a.Positional().empty()) Fail("'" + a.Positional().front() + "': unexpected argument");
    for (const char* required : {"--elevation", "--t"})
        if (!a.Has(required)) Fail(std::string(required) + ": required");
    if (a.Has("--rh") == a.Has("--w")) Fail("--rh: give either --rh or --w");
    const std::string format = a.Value("--format").value_or("text");
    if (format != "text" && format != "json") Fail("--format: '" + format + "' is not text or json");

    // -40..60 C at up to 9000 m keeps the saturation pressure far below the station pressure
    // (20 kPa against at least 54 kPa), where every function used here holds.
    const float elevation = static_cast<float>(ParseNumber("--elevation", *a.Value("--elevation"), -500, 9000));
    const float t = static_cast<float>(ParseNumber("--t", *a.Value("--t"), -40, 60));
    const Psychrometrics psy(StationPressure(elevation));
    const float wSat = psy.FTSat(t);
    // Saturation as printed (100.0 %, w to 3 decimals or in full) is accepted and means saturation.
    float w, rh;
    if (a.Has("--rh")) {
        const double percent = ParseNumber("--rh", *a.Value("--rh"), 0.1, 100.05, "0.1..100");
        rh = static_cast<float>(std::min(percent, 100.0) / 100);
        w = psy.FTax1(t, rh);
    } else {
        char saturation[32];
        std::snprintf(saturation, sizeof saturation, "0.01..%.3f", wSat);
        w = std::min(static_cast<float>(ParseNumber("--w", *a.Value("--w"), 0.01, wSat + 0.0005, saturation)), wSat);
        rh = psy.FUR(t, w);
    }
    const float dewPoint = DewPointC(static_cast<float>(rh * FPvsPa(t)));
    const float wetBulb = psy.WetBulbC(t, w);
    const float volume = psy.FVE(t, w);

    // The strategy zone at this point, on the zone map of the reference screen.
    const ScreenLayout layout = LayoutForScreen({});
    const ChartScale scale =
        MakeChartScale(layout.Picture1.Width, layout.Picture1.Height, layout.PixelWidth, layout.PixelHeight);
    RasterCanvas zoneMap(layout.Picture1.Width, layout.Picture1.Height, layout.PixelWidth, layout.PixelHeight);
    PaintZoneMap(zoneMap, scale, ComputeZoneVertices(scale, psy), psy);
    const int strategy = StrategyAt(zoneMap, scale, t, w);
    const std::string zone = strategy > 0 ? std::string(1, StrategyLetter(strategy)) : std::string();

    const StationPressureValues& p = psy.Pressure();
    if (format == "json") {
        WriteOut("{\"pressure_kpa\":" + JsonNumber(p.PressureKPa) + ",\"pvs_pa\":" + JsonNumber(FPvsPa(t)) +
                 ",\"w_sat\":" + JsonNumber(wSat) + ",\"w\":" + JsonNumber(w) + ",\"rh\":" + JsonNumber(rh) +
                 ",\"dew_point\":" + JsonNumber(dewPoint) + ",\"wet_bulb\":" + JsonNumber(wetBulb) +
                 ",\"specific_volume\":" + JsonNumber(volume) +
                 ",\"zone\":" + (zone.empty() ? "null" : JsonString(zone)) + "}\n");
    } else {
        char text[640];
        std::snprintf(text, sizeof text,
                      "Station pressure   %.3f kPa (elevation used %.0f m)\n"
                      "Dry bulb           %.2f C\n"
                      "Saturation         %.2f Pa, %.3f g/kg\n"
                      "Humidity ratio     %.3f g/kg\n"
                      "Relative humidity  %.1f %%\n"
                      "Dew point          %.2f C\n"
                      "Wet bulb           %.2f C\n"
                      "Specific volume    %.4f m3/kg\n"
                      "Strategy zone      %s\n",
                      p.PressureKPa, p.PressureElevation + 0.0f, t, FPvsPa(t), wSat, w, rh * 100, dewPoint, wetBulb,
                      volume, zone.empty() ? "none" : zone.c_str());
        WriteOut(text);
    }
    return kExitOk;
}

}  // namespace qav::cli
