#pragma once
// The browser page's finder texts (places and stations searched in its worker) that the window
// does not already have, marked for lupdate (context "qav::WebFinder"); text/make_texts.py writes
// their Portuguese to the page's texts-pt_BR.json. The page's scripts use the English as the key.
#include "text/translatable.h"

namespace qav::web_finder_text {

inline constexpr const char* kTexts[] = {
    QAV_TRANSLATABLE("qav::WebFinder", "Places", ""),
    QAV_TRANSLATABLE("qav::WebFinder", "Stations", ""),
    QAV_TRANSLATABLE("qav::WebFinder", "population %1", ""),
    QAV_TRANSLATABLE("qav::WebFinder", "Places: %1, stations: %2", ""),
    QAV_TRANSLATABLE("qav::WebFinder", "The place list could not be loaded: only stations are listed.", ""),
    QAV_TRANSLATABLE("qav::WebFinder", "Use my location", ""),
    QAV_TRANSLATABLE(
        "qav::WebFinder",
        "Places: the towns of at least 5,000 inhabitants and every Brazilian town of the list (49,142 places).", ""),
};

}  // namespace qav::web_finder_text
