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
inline constexpr const char* kRoseAllHours = QAV_TRANSLATABLE("qav::ComfortText", "All hours", "");
inline constexpr const char* kRoseVentilation = QAV_TRANSLATABLE("qav::ComfortText", "Ventilation hours (F)", "");
inline constexpr const char* kRoseCalm = QAV_TRANSLATABLE("qav::ComfortText", "calm %1 %", "");
inline constexpr const char* kRoseNoHours = QAV_TRANSLATABLE("qav::ComfortText", "no hours with wind", "");
inline constexpr const char* kRoseSpeed = QAV_TRANSLATABLE("qav::ComfortText", "wind speed (m/s)", "");
inline constexpr const char* kRosePrevailing = QAV_TRANSLATABLE("qav::ComfortText", "prevailing winds: %1, %2 %", "");

// Report
inline constexpr const char* kAdaptiveSection = QAV_TRANSLATABLE("qav::ComfortText", "Adaptive comfort", "");
inline constexpr const char* kAshraeIntro = QAV_TRANSLATABLE(
    "qav::ComfortText",
    "By the adaptive model of ASHRAE 55-2020, people in a naturally ventilated building accept a band of "
    "temperatures that follows the month's mean outdoor temperature: the comfort temperature is 0.31 times that "
    "mean plus 17.8 °C, with 80 % and 90 % acceptability limits 3.5 and 2.5 K either side (°C in the table). "
    "The table counts the %1 within the 80 % band, above it and within the 90 % band, within the 80 % band "
    "once ceiling fans move the air at 0.9 m/s (its upper limit 1.8 K higher), and beside them the hours the "
    "chart finds comfortable (E).",
    "");
inline constexpr const char* kEnIntro = QAV_TRANSLATABLE(
    "qav::ComfortText",
    "By the adaptive model of EN 16798-1, people in a building without mechanical cooling accept a band of "
    "temperatures that follows the month's mean outdoor temperature: the comfort temperature is 0.33 times that "
    "mean plus 18.8 °C, with categories I (-3/+2 K), II (-4/+3 K) and III (-5/+4 K) (°C in the table). The "
    "table counts the %1 within each category, beside the hours the chart finds comfortable (E).",
    "");
inline constexpr const char* kTypicalHours = QAV_TRANSLATABLE("qav::ComfortText", "hours of the typical days", "");
inline constexpr const char* kRecordedHours = QAV_TRANSLATABLE("qav::ComfortText", "recorded hours", "");
inline constexpr const char* kMonth = QAV_TRANSLATABLE("qav::ComfortText", "Month", "");
inline constexpr const char* kMeanOutdoor = QAV_TRANSLATABLE("qav::ComfortText", "Mean", "");
inline constexpr const char* kComfortTemperature = QAV_TRANSLATABLE("qav::ComfortText", "Comfort", "");
inline constexpr const char* kBand80 = QAV_TRANSLATABLE("qav::ComfortText", "80 % band", "");
inline constexpr const char* kWithin80 = QAV_TRANSLATABLE("qav::ComfortText", "In 80 %", "");
inline constexpr const char* kAbove80 = QAV_TRANSLATABLE("qav::ComfortText", "Above", "");
inline constexpr const char* kWithin90 = QAV_TRANSLATABLE("qav::ComfortText", "In 90 %", "");
inline constexpr const char* kWithFans = QAV_TRANSLATABLE("qav::ComfortText", "Fans", "");
inline constexpr const char* kCategory = QAV_TRANSLATABLE("qav::ComfortText", "In %1", "EN 16798-1 category");
inline constexpr const char* kChartComfort = QAV_TRANSLATABLE("qav::ComfortText", "Chart E", "");
inline constexpr const char* kOutside = QAV_TRANSLATABLE("qav::ComfortText", "out of range", "");
inline constexpr const char* kAdaptiveMethod = QAV_TRANSLATABLE(
    "qav::ComfortText",
    "Method: the outdoor dry-bulb temperature of each hour stands in for the indoor operative temperature of a "
    "free-running building, and the month's mean (of the normals' minimum and maximum for the typical days, of "
    "the recorded hours for a weather file) for the prevailing mean outdoor temperature. ASHRAE 55-2020, section "
    "5.4 and table 5.4.2.4 (elevated air speed), holds for means of 10 to 33.5 °C; EN 16798-1:2019, annex B.2.2, "
    "for 10 to 30 °C (upper limits) and 15 to 30 °C (lower limits). A month outside its model's range is not "
    "counted.",
    "");
inline constexpr const char* kWindSection = QAV_TRANSLATABLE("qav::ComfortText", "Wind rose", "");
inline constexpr const char* kWindIntro = QAV_TRANSLATABLE(
    "qav::ComfortText",
    "The wind the weather file records (direction it blows from and speed), in 16 sectors; calms are hours below "
    "0.5 m/s. The ventilation hours are those the chart classifies F.",
    "");
inline constexpr const char* kSeason = QAV_TRANSLATABLE("qav::ComfortText", "Hours", "");
inline constexpr const char* kPrevailing = QAV_TRANSLATABLE("qav::ComfortText", "Prevailing winds", "");
inline constexpr const char* kShare = QAV_TRANSLATABLE("qav::ComfortText", "Share", "");
inline constexpr const char* kMedian = QAV_TRANSLATABLE("qav::ComfortText", "Median speed", "");
inline constexpr const char* kCalm = QAV_TRANSLATABLE("qav::ComfortText", "Calm", "");
inline constexpr const char* kSeasons[4] = {
    QAV_TRANSLATABLE("qav::ComfortText", "December-February", ""),
    QAV_TRANSLATABLE("qav::ComfortText", "March-May", ""),
    QAV_TRANSLATABLE("qav::ComfortText", "June-August", ""),
    QAV_TRANSLATABLE("qav::ComfortText", "September-November", ""),
};
inline constexpr const char* kVentilationWind = QAV_TRANSLATABLE(
    "qav::ComfortText",
    "In the ventilation hours the wind comes from %1 %2 % of the time, at a median %3 m/s: put the inlets on the "
    "façade facing %1 and the outlets on the opposite one.",
    "");

}  // namespace qav::comfort_text

namespace qav {

/// A text of comfort_text in the language.
inline std::string_view ComfortText(Language language, const char* english)
{
    return Translated(language, comfort_text::kContext, english);
}

}  // namespace qav
