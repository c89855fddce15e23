#pragma once
// The ten building strategies, their zone letters and the colours of the zone map and of the
// hourly marks. Arrays are used from index 1, like the strategy numbers.
#include <array>
#include <string_view>

#include "chart/chart_canvas.h"
#include "text/language.h"
#include "text/strategy_names.h"

namespace qav {

inline constexpr int kStrategies = 10;

enum class Strategy {
    ArtificialHeating = 1,
    SolarHeating = 2,
    ThermalInertiaHeating = 3,
    AirHumidification = 4,
    ThermalComfort = 5,
    Ventilation = 6,
    NightVentilation = 7,
    ThermalInertiaCooling = 8,
    EvaporativeCooling = 9,
    ArtificialCooling = 10,
};

/// Zone letter of strategy s: "A" for 1 ... "J" for 10.
constexpr char StrategyLetter(int s) { return static_cast<char>(64 + s); }

static_assert(kStrategyName.size() == kStrategies + 1);
/// The English names at 1..10, as the classification and the exported files write them.
inline constexpr std::array<std::string_view, kStrategies + 1> StrategyName = [] {
    std::array<std::string_view, kStrategies + 1> names{};
    for (std::size_t s = 0; s < names.size(); ++s) names[s] = kStrategyName[s];
    return names;
}();

/// The name of strategy s (1..10) in the language.
inline std::string_view StrategyNameIn(Language language, int s)
{
    return Translated(language, "qav::Strategy", StrategyName[static_cast<std::size_t>(s)]);
}

/// Colour of each zone on the zone map, all distinct. 11 and 12 are painted nowhere and match
/// no strategy.
inline constexpr std::array<Rgb, 13> ZoneColour{
    0,
    MakeRgb(128, 0, 0),      // A
    MakeRgb(255, 0, 0),      // B
    MakeRgb(255, 0, 255),    // C
    MakeRgb(0, 128, 0),      // D
    MakeRgb(255, 255, 0),    // E
    MakeRgb(0, 255, 0),      // F
    MakeRgb(0, 128, 255),    // G
    MakeRgb(192, 192, 192),  // H
    MakeRgb(0, 0, 255),      // I
    MakeRgb(128, 128, 128),  // J
    MakeRgb(0, 0, 128),
    MakeRgb(0, 255, 255),
};

/// Colour of the hourly marks of January-March, April-June, July-September, October-December.
inline constexpr std::array<Rgb, 5> MarkColour{
    0, MakeRgb(255, 0, 0), MakeRgb(0, 255, 0), MakeRgb(64, 64, 64), MakeRgb(0, 0, 255),
};

}  // namespace qav
