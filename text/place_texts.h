#pragma once
// The texts of a site found by its town: the location's name, the refusal of a place without a
// station near, the note of a place chosen among several of its name and the report's site line.
// Texts of the translation file (context "qav::PlaceText"), so that the window, qav-cli's
// Portuguese report and the browser page word them alike; %1, %2... are filled by FilledText.
#include "text/translatable.h"

namespace qav::place_text {

/// %1 the place ("Campinas (SP, Brazil)"), %2 the station number, %3 its name, %4 the distance in km.
inline constexpr const char* kPlaceLocation = QAV_TRANSLATABLE("qav::PlaceText", "%1: station %2 %3, %4 km", "");
inline constexpr const char* kNoStationNear =
    QAV_TRANSLATABLE("qav::PlaceText", "No station within 300 km: open a weather file for this site", "");
/// %1 the station number, %2 its name, %3 the distance in km.
inline constexpr const char* kNearestForReference =
    QAV_TRANSLATABLE("qav::PlaceText", "The nearest station, %1 %2, %3 km away, is listed for reference only.", "");
/// %1 the place ("Campinas, SP (Brazil)"), %2 how many places, %3 their name.
inline constexpr const char* kChosenAmong =
    QAV_TRANSLATABLE("qav::PlaceText", "%1 chosen among %2 places named %3", "");
/// %1 the place, %2 its coordinates, %3 the station's number and name, %4 the distance in km,
/// %5 the station's elevation in m.
inline constexpr const char* kSiteLine = QAV_TRANSLATABLE(
    "qav::PlaceText", "%1, %2; station %3, %4 km away, at %5 m (the place's own elevation is not known)", "");
/// Refusals of --place: %1 the option, %2 the text as typed.
inline constexpr const char* kNoLetterToSearch =
    QAV_TRANSLATABLE("qav::PlaceText", "%1: '%2' holds no letter or digit to search for", "");
inline constexpr const char* kNoSuchPlace =
    QAV_TRANSLATABLE("qav::PlaceText", "%1: '%2' names no place of the list", "");
inline constexpr const char* kFar =
    QAV_TRANSLATABLE("qav::PlaceText", "The station is more than 50 km away: the site's climate may differ.", "");
inline constexpr const char* kSite = QAV_TRANSLATABLE("qav::PlaceText", "Site", "");
inline constexpr const char* kPlaceCredit =
    QAV_TRANSLATABLE("qav::PlaceText", "Places: GeoNames (geonames.org), CC BY 4.0", "");

}  // namespace qav::place_text
