#pragma once
// The English texts drawn in pictures and written in the results table, marked for lupdate so
// that the window's translation file holds their Portuguese (context "qav::Picture"); draw them
// through PictureText. %1, %2... stand for the values filled in (FilledText).
#include <string_view>

#include "text/language.h"
#include "text/translatable.h"

namespace qav::picture_text {

// Chart and legend
inline constexpr const char* kChartTitle =
    QAV_TRANSLATABLE("qav::Picture", "%1 - Bioclimatic Chart for pressure of %2 kPa (Elev: %3 m)    ", "");
inline constexpr const char* kHumidityAxis =
    QAV_TRANSLATABLE("qav::Picture", " Humidity Ratio (g water vapor / kg dry air", "");
inline constexpr const char* kDryBulb = QAV_TRANSLATABLE("qav::Picture", "DBT", "");
inline constexpr const char* kLocation = QAV_TRANSLATABLE("qav::Picture", "Location: %1 (%2)", "");
inline constexpr const char* kQuarter[5] = {
    "",
    QAV_TRANSLATABLE("qav::Picture", "Jan Feb Mar", ""),
    QAV_TRANSLATABLE("qav::Picture", "Apr May Jun", ""),
    QAV_TRANSLATABLE("qav::Picture", "Jul Aug Sep", ""),
    QAV_TRANSLATABLE("qav::Picture", "Oct Nov Dec", ""),
};
// Captions
inline constexpr const char* kRecordedHours =
    QAV_TRANSLATABLE("qav::Picture", "Recorded hours (%1 h of the weather file)", "");
inline constexpr const char* kCounted = QAV_TRANSLATABLE("qav::Picture", "Counted: %1", "");
inline constexpr const char* kWhatIf = QAV_TRANSLATABLE("qav::Picture", "What if: %1", "");
inline constexpr const char* kAllHours = QAV_TRANSLATABLE("qav::Picture", "all hours", "");
inline constexpr const char* kHours = QAV_TRANSLATABLE("qav::Picture", "hours %1", "");
inline constexpr const char* kMonthlyChanges = QAV_TRANSLATABLE("qav::Picture", "monthly changes", "");
// Monthly graph
inline constexpr const char* kGraphDryBulb = QAV_TRANSLATABLE("qav::Picture", "dbt (°C)", "");
inline constexpr const char* kGraphHumidity = QAV_TRANSLATABLE("qav::Picture", "rh (%)", "");
inline constexpr const char* kGraphComfortBand = QAV_TRANSLATABLE("qav::Picture", "comfort band, 18 to 29 °C", "");
// Compare picture
inline constexpr const char* kCompareTitle =
    QAV_TRANSLATABLE("qav::Picture", "Yearly share of each strategy by location", "");
inline constexpr const char* kCompareRecorded = QAV_TRANSLATABLE("qav::Picture", "   recorded hours", "");
// Results table
inline constexpr const char* kTableLocationHeader =
    QAV_TRANSLATABLE("qav::Picture", "Location%1Country%1Data Source%1Latitude%1Longitude%1Elevation", "");
inline constexpr const char* kTableMonthHeader = QAV_TRANSLATABLE("qav::Picture", "Month%1DBTmin%1DBTmax%1RHavg", "");
inline constexpr const char* kTableStrategies = QAV_TRANSLATABLE("qav::Picture", "Bioclimatic Strategies", "");
inline constexpr const char* kTableStrategiesRecorded =
    QAV_TRANSLATABLE("qav::Picture", "Bioclimatic Strategies (recorded hours)", "");

}  // namespace qav::picture_text

namespace qav {

/// A text of picture_text in the language.
inline std::string_view PictureText(Language language, const char* english)
{
    return Translated(language, "qav::Picture", english);
}

}  // namespace qav
