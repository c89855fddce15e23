#pragma once
// The texts of the adaptive hours grid and of the window's wind and adaptive views (context
// "qav::AdaptiveHoursText"). %1, %2... stand for the values filled in (FilledText).
#include <string_view>

#include "text/language.h"
#include "text/translatable.h"

namespace qav::adaptive_hours_text {

inline constexpr const char* kContext = "qav::AdaptiveHoursText";

// Grid legend and titles
inline constexpr const char* kBelow = QAV_TRANSLATABLE("qav::AdaptiveHoursText", "below the band", "");
inline constexpr const char* kWithin = QAV_TRANSLATABLE("qav::AdaptiveHoursText", "within the band", "");
inline constexpr const char* kWithinFan =
    QAV_TRANSLATABLE("qav::AdaptiveHoursText", "above, within with fans at 0.9 m/s", "");
inline constexpr const char* kAbove = QAV_TRANSLATABLE("qav::AdaptiveHoursText", "above the band", "");
inline constexpr const char* kOutsideRange =
    QAV_TRANSLATABLE("qav::AdaptiveHoursText", "outside the model's range", "");
inline constexpr const char* kAshraeGrid =
    QAV_TRANSLATABLE("qav::AdaptiveHoursText", "ASHRAE 55 adaptive model, 80 % acceptability limits, %1", "");
inline constexpr const char* kEnGrid =
    QAV_TRANSLATABLE("qav::AdaptiveHoursText", "EN 16798-1 adaptive model, category II, %1", "");
inline constexpr const char* kTypical = QAV_TRANSLATABLE("qav::AdaptiveHoursText", "typical days", "");
inline constexpr const char* kRecordedShares =
    QAV_TRANSLATABLE("qav::AdaptiveHoursText", "recorded hours (shares of each hour's days)", "");
inline constexpr const char* kHourAxis = QAV_TRANSLATABLE("qav::AdaptiveHoursText", "hour", "");

}  // namespace qav::adaptive_hours_text

namespace qav {

/// A text of adaptive_hours_text in the language.
inline std::string_view AdaptiveHoursText(Language language, const char* english)
{
    return Translated(language, adaptive_hours_text::kContext, english);
}

}  // namespace qav
