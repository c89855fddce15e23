#pragma once
// The design advice's sentences on the façades (context "qav::FacadeText"): which façades need
// shading and how much, from the site's façade table. %1 is the façade's name; the others are
// filled in as each text says.
#include <string_view>

#include "text/language.h"
#include "text/translatable.h"

namespace qav::facade_text {

inline constexpr const char* kContext = "qav::FacadeText";

// %2 overheated sun-hours, %3 the overhang's cut-off (degrees), %4 its depth over the window height.
inline constexpr const char* kShadeAllOverhang = QAV_TRANSLATABLE(
    "qav::FacadeText",
    "%1: %2 overheated sun-hours and none that want sun: a fixed overhang with a %3° cut-off (depth %4 × the "
    "window height) shades 90 % of them.",
    "");
// %2 overheated sun-hours, %3 the cut-off an overhang would need.
inline constexpr const char* kShadeAllLow = QAV_TRANSLATABLE(
    "qav::FacadeText",
    "%1: %2 overheated sun-hours and none that want sun: fins or an overhang alone will not do (%3° cut-off); "
    "shade it with vertical louvres or avoid windows.",
    "");
// %2 cut-off, %3 depth, %4 overheated sun-hours, %5 percent of the underheated sun-hours kept.
inline constexpr const char* kOverhangKeeps = QAV_TRANSLATABLE(
    "qav::FacadeText",
    "%1: an overhang with a %2° cut-off (depth %3 × the window height) shades 90 % of the %4 overheated sun-hours "
    "and keeps %5 % of the winter sun.",
    "");
inline constexpr const char* kMovableKeepsMore =
    QAV_TRANSLATABLE("qav::FacadeText", "Movable shading (shutters, awnings) lets more of it in.", "");
// %2 overheated and %3 underheated sun-hours, %4 the cut-off an overhang would need.
inline constexpr const char* kMixedLow = QAV_TRANSLATABLE(
    "qav::FacadeText",
    "%1: its %2 overheated and %3 underheated sun-hours come in low, where an overhang alone cannot tell them "
    "apart (%4° cut-off); use movable shading (shutters, awnings) or external louvres.",
    "");

// %2 overheated sun-hours, %3 the overhang's cut-off, %4 the fins' cut-off, %5 their depth over
// the window width.
inline constexpr const char* kShadeAllFins = QAV_TRANSLATABLE(
    "qav::FacadeText",
    "%1: %2 overheated sun-hours and none that want sun: an overhang alone would need a %3° cut-off; vertical "
    "fins with a %4° cut-off (depth %5 × the window width) shade 90 % of them.",
    "");
// %2 the fins' cut-off, %3 their depth, %4 overheated sun-hours, %5 percent of the winter sun
// kept, %6 the overhang's cut-off.
inline constexpr const char* kFinsKeep = QAV_TRANSLATABLE(
    "qav::FacadeText",
    "%1: vertical fins with a %2° cut-off (depth %3 × the window width) shade 90 % of the %4 overheated "
    "sun-hours and keep %5 % of the winter sun; an overhang alone would need a %6° cut-off.",
    "");

/// A text of this context in the language.
inline std::string_view FacadeText(Language language, const char* english)
{
    return Translated(language, kContext, english);
}

}  // namespace qav::facade_text
