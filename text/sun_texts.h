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

inline constexpr const char* kNotProjection =
    QAV_TRANSLATABLE("qav::SunText", "%1: '%2' is not stereographic or equidistant", "");

// The eight façades, from north clockwise.
inline constexpr const char* kFacadeName[8] = {
    QAV_TRANSLATABLE("qav::SunText", "North", "facade"), QAV_TRANSLATABLE("qav::SunText", "Northeast", "facade"),
    QAV_TRANSLATABLE("qav::SunText", "East", "facade"),  QAV_TRANSLATABLE("qav::SunText", "Southeast", "facade"),
    QAV_TRANSLATABLE("qav::SunText", "South", "facade"), QAV_TRANSLATABLE("qav::SunText", "Southwest", "facade"),
    QAV_TRANSLATABLE("qav::SunText", "West", "facade"),  QAV_TRANSLATABLE("qav::SunText", "Northwest", "facade"),
};

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
    QAV_TRANSLATABLE("qav::SunText", "%1 - Recorded hours: each strategy's share of every hour", "");
inline constexpr const char* kHour = QAV_TRANSLATABLE("qav::SunText", "Hour", "");

// Report
inline constexpr const char* kSection = QAV_TRANSLATABLE("qav::SunText", "Sun and shade", "");
inline constexpr const char* kIntro = QAV_TRANSLATABLE(
    "qav::SunText",
    "A sunlit hour wants shade (overheated) when its strategy is F to J or its dry bulb is %1 °C or more, the "
    "shading line of Olgyay's bioclimatic chart (Design with Climate, 1963: about 70 °F); it wants sun "
    "(underheated) when its strategy is A, B or C. For each façade the cut-off angles below shade 90 % of the "
    "overheated sun-hours that reach it; the share of the underheated ones they leave unshaded is the winter sun "
    "they keep. Sun positions: NOAA's solar equations (after Meeus), typical hour h at solar time h:00 on the 15th.",
    "");
inline constexpr const char* kSunPathCaption =
    QAV_TRANSLATABLE("qav::SunText", "Sun path and the shading mask of the %1 façade", "");
inline constexpr const char* kCalendarCaption = QAV_TRANSLATABLE("qav::SunText", "When: the hours' strategies", "");
inline constexpr const char* kFacadeColumns[8] = {
    QAV_TRANSLATABLE("qav::SunText", "Façade", "column"),
    QAV_TRANSLATABLE("qav::SunText", "Overheated h", "column"),
    QAV_TRANSLATABLE("qav::SunText", "Underheated h", "column"),
    QAV_TRANSLATABLE("qav::SunText", "Overhang α", "column"),
    QAV_TRANSLATABLE("qav::SunText", "Sun kept", "column"),
    QAV_TRANSLATABLE("qav::SunText", "Depth", "column"),
    QAV_TRANSLATABLE("qav::SunText", "Fins β", "column"),
    QAV_TRANSLATABLE("qav::SunText", "Sun kept", "fins column"),
};
inline constexpr const char* kFacadeNone =
    QAV_TRANSLATABLE("qav::SunText", "%1: no overheated sun-hour reaches this façade; it needs no shading.", "");
inline constexpr const char* kFacadeOverhang = QAV_TRANSLATABLE(
    "qav::SunText",
    "%1: an overhang with a %2° cut-off (vertical shadow angle α) shades 90 % of the %3 overheated sun-hours and "
    "keeps %4 % of the winter sun; depth %5 × the window height.",
    "");
inline constexpr const char* kFacadeOverhangNoWinter = QAV_TRANSLATABLE(
    "qav::SunText",
    "%1: an overhang with a %2° cut-off (vertical shadow angle α) shades 90 % of the %3 overheated sun-hours; "
    "depth %4 × the window height; no winter sun reaches this façade.",
    "");
inline constexpr const char* kFacadeLowSun = QAV_TRANSLATABLE(
    "qav::SunText",
    "%1: the %2 overheated sun-hours come so low that no overhang alone shades 90 % of them; use fins, "
    "movable shutters or shaded glazing.",
    "");
inline constexpr const char* kFins =
    QAV_TRANSLATABLE("qav::SunText", "Fins with a %1° cut-off (horizontal shadow angle β) keep %2 % of it.", "");
inline constexpr const char* kFinsNoWinter =
    QAV_TRANSLATABLE("qav::SunText", "Fins would need a %1° cut-off (horizontal shadow angle β).", "");
inline constexpr const char* kNoFins = QAV_TRANSLATABLE("qav::SunText", "Fins alone cannot shade them.", "");

/// A text of this context in the language.
inline std::string_view SunText(Language language, const char* english)
{
    return Translated(language, kContext, english);
}

}  // namespace qav::sun_text
