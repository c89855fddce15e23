#pragma once
// Refusals of the module's `place` key, the place a page's finder chose, handed over whole
// (context "qav::PlaceRequestText"): %1 the key ("place.country"), %2 its value as given.
#include "text/translatable.h"

namespace qav::place_request_text {

inline constexpr const char* kNotCountryCode =
    QAV_TRANSLATABLE("qav::PlaceRequestText", "%1: '%2' is not a country's two-letter code (BR, PT)", "");
inline constexpr const char* kControlCharacter =
    QAV_TRANSLATABLE("qav::PlaceRequestText", "%1: %2 holds a tab, a line break or another control character", "");

}  // namespace qav::place_request_text
