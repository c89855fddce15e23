#pragma once
// The texts of the sun and shade: the refusal of a façade, the sun-path and calendar pictures
// and the report's section (context "qav::SunText"). %1, %2... stand for the values filled in.
#include <string_view>

#include "text/language.h"
#include "text/translatable.h"

namespace qav::sun_text {

inline constexpr const char* kContext = "qav::SunText";

inline constexpr const char* kNotFacade =
    QAV_TRANSLATABLE("qav::SunText", "%1: '%2' is not N, NE, E, SE, S, SW, W, NW or degrees from 0 to 359", "");

// The eight façades, from north clockwise.
inline constexpr const char* kFacadeName[8] = {
    QAV_TRANSLATABLE("qav::SunText", "North", "facade"), QAV_TRANSLATABLE("qav::SunText", "Northeast", "facade"),
    QAV_TRANSLATABLE("qav::SunText", "East", "facade"),  QAV_TRANSLATABLE("qav::SunText", "Southeast", "facade"),
    QAV_TRANSLATABLE("qav::SunText", "South", "facade"), QAV_TRANSLATABLE("qav::SunText", "Southwest", "facade"),
    QAV_TRANSLATABLE("qav::SunText", "West", "facade"),  QAV_TRANSLATABLE("qav::SunText", "Northwest", "facade"),
};
// Compass letters on the sun path's rim.
inline constexpr const char* kNorth = QAV_TRANSLATABLE("qav::SunText", "N", "compass");
inline constexpr const char* kEast = QAV_TRANSLATABLE("qav::SunText", "E", "compass");
inline constexpr const char* kSouth = QAV_TRANSLATABLE("qav::SunText", "S", "compass");
inline constexpr const char* kWest = QAV_TRANSLATABLE("qav::SunText", "W", "compass");

// Sun path
inline constexpr const char* kSunPathTitle = QAV_TRANSLATABLE("qav::SunText", "%1 - Sun path, latitude %2", "");
inline constexpr const char* kSunPathKey =
    QAV_TRANSLATABLE("qav::SunText", "Apparent solar time. Hours: red wants shade, blue wants sun, grey neutral", "");
inline constexpr const char* kSunPathRecorded =
    QAV_TRANSLATABLE("qav::SunText", "Faint dots: the weather file's recorded hours", "");
inline constexpr const char* kMaskKey =
    QAV_TRANSLATABLE("qav::SunText", "Shading mask of the %1 façade: overhang %2, fins %3", "");
inline constexpr const char* kNoDevice = QAV_TRANSLATABLE("qav::SunText", "none needed", "");
inline constexpr const char* kLatitudeNorth = QAV_TRANSLATABLE("qav::SunText", "%1° N", "");
inline constexpr const char* kLatitudeSouth = QAV_TRANSLATABLE("qav::SunText", "%1° S", "");
// Calendar
inline constexpr const char* kCalendarTitle =
    QAV_TRANSLATABLE("qav::SunText", "%1 - Strategy of each hour of the typical days", "");
inline constexpr const char* kCalendarRecordedTitle =
    QAV_TRANSLATABLE("qav::SunText", "%1 - Recorded hours by strategy: each cell shares out one hour of one month", "");
inline constexpr const char* kHour = QAV_TRANSLATABLE("qav::SunText", "Hour", "");

/// A text of this context in the language.
inline std::string_view SunText(Language language, const char* english)
{
    return Translated(language, kContext, english);
}

}  // namespace qav::sun_text
