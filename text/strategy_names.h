#pragma once
// The names of the ten building strategies, the source texts every front end translates.
#include <array>

#include "text/translatable.h"

namespace qav {

/// "Artificial Heating".."Artificial Cooling" at 1..10, in the order of the zone letters A..J;
/// index 0 is empty. Translated in context "qav::Strategy".
inline constexpr std::array<const char*, 11> kStrategyName = {
    "",
    QAV_TRANSLATABLE("qav::Strategy", "Artificial Heating", ""),
    QAV_TRANSLATABLE("qav::Strategy", "Solar Heating", ""),
    QAV_TRANSLATABLE("qav::Strategy", "Thermal Inertia (Heating)", ""),
    QAV_TRANSLATABLE("qav::Strategy", "Air Humidification", ""),
    QAV_TRANSLATABLE("qav::Strategy", "Thermal Comfort", ""),
    QAV_TRANSLATABLE("qav::Strategy", "Ventilation", ""),
    QAV_TRANSLATABLE("qav::Strategy", "Night Ventilation", ""),
    QAV_TRANSLATABLE("qav::Strategy", "Thermal Inertia (Cooling)", ""),
    QAV_TRANSLATABLE("qav::Strategy", "Evaporative Cooling", ""),
    QAV_TRANSLATABLE("qav::Strategy", "Artificial Cooling", ""),
};

}  // namespace qav
