#pragma once
// The texts of the adaptive comfort band and the wind roses: their refusals, pictures and report
// sections (context "qav::ComfortText"). %1, %2... stand for the values filled in (FilledText).
#include <string_view>

#include "text/language.h"
#include "text/translatable.h"

namespace qav::comfort_text {

inline constexpr const char* kContext = "qav::ComfortText";

// Refusals
inline constexpr const char* kNotComfortModel =
    QAV_TRANSLATABLE("qav::ComfortText", "%1: '%2' is not givoni, ashrae55 or en16798", "");
inline constexpr const char* kWindRoseNeedsWeather =
    QAV_TRANSLATABLE("qav::ComfortText", "%1: needs a weather file (--epw): only recorded hours have a wind", "");

// Monthly graph with the band
inline constexpr const char* kAshraeBandKey =
    QAV_TRANSLATABLE("qav::ComfortText", "ASHRAE 55, 80 % / 90 % (dots: 0.9 m/s)", "");
inline constexpr const char* kEnBandKey = QAV_TRANSLATABLE("qav::ComfortText", "EN 16798-1, categories I to III", "");

// Wind rose picture
// The 16 sectors as the roses name them, from north clockwise.
inline constexpr const char* kSectors[16] = {
    QAV_TRANSLATABLE("qav::ComfortText", "N", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "NNE", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "NE", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "ENE", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "E", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "ESE", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "SE", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "SSE", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "S", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "SSW", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "SW", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "WSW", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "W", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "WNW", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "NW", "wind sector"),
    QAV_TRANSLATABLE("qav::ComfortText", "NNW", "wind sector"),
};
inline constexpr const char* kRoseAllHours = QAV_TRANSLATABLE("qav::ComfortText", "All hours", "");
inline constexpr const char* kRoseVentilation = QAV_TRANSLATABLE("qav::ComfortText", "Ventilation hours (F)", "");
inline constexpr const char* kRoseCalm = QAV_TRANSLATABLE("qav::ComfortText", "calm %1 %", "");
inline constexpr const char* kRoseNoHours = QAV_TRANSLATABLE("qav::ComfortText", "no hours with wind", "");
inline constexpr const char* kRoseSpeed = QAV_TRANSLATABLE("qav::ComfortText", "wind speed (m/s)", "");
inline constexpr const char* kRosePrevailing = QAV_TRANSLATABLE("qav::ComfortText", "prevailing winds: %1, %2 %", "");

}  // namespace qav::comfort_text

namespace qav {

/// A text of comfort_text in the language.
inline std::string_view ComfortText(Language language, const char* english)
{
    return Translated(language, comfort_text::kContext, english);
}

/// Sector 0..15's name in the language ("ESE", "LSE").
inline std::string_view WindSectorText(Language language, int sector)
{
    return Translated(language, comfort_text::kContext, comfort_text::kSectors[sector & 15], "wind sector");
}

}  // namespace qav
