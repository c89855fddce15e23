#pragma once
// The refusals of option values, as qav-cli prints them and the WebAssembly module returns them
// (context "qav::OptionText"), and the warming's refusal in the window's words. %1 is the option,
// %2 the value as given, %3... the bounds; FilledText fills them.
#include "text/translatable.h"

namespace qav {

namespace option_text {

inline constexpr const char* kNotANumber = QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not a number", "");
inline constexpr const char* kOutside = QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is outside %3", "");
inline constexpr const char* kNotWhole = QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not a whole number", "");
inline constexpr const char* kSlotOutside =
    QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is outside %3 (the slots of %4)", "");
inline constexpr const char* kNotDataSet =
    QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not brazil, south-america or world", "");
inline constexpr const char* kSlotOfAll =
    QAV_TRANSLATABLE("qav::OptionText", "%1: '%2': a slot needs one data set", "");
inline constexpr const char* kNotScreen = QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not WIDTHxHEIGHT", "");
inline constexpr const char* kNotFirstLast = QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not FIRST-LAST", "");
inline constexpr const char* kNotHourRange =
    QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not a range within 1..%3 (clock hours)", "");
inline constexpr const char* kNotMonthRange =
    QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not a range within 1..%3 (months)", "");
inline constexpr const char* kNotHours =
    QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not typical, recorded or both", "");
inline constexpr const char* kNotLanguage = QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not en or pt_BR", "");
inline constexpr const char* kNotSort =
    QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not a strategy letter A..J, name or list", "");
inline constexpr const char* kLocationOutside =
    QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is outside 1..%3: %4 has %3 locations", "");
inline constexpr const char* kLocationOutsideOne =
    QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is outside 1..1: %3 has 1 location", "");
inline constexpr const char* kNotStationNumber =
    QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not a station number", "");
inline constexpr const char* kNotCatalogueStation =
    QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is not a station of the catalogue", "");
inline constexpr const char* kNotFormat = QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not table, json or csv", "");
inline constexpr const char* kAllWithLocation =
    QAV_TRANSLATABLE("qav::OptionText", "%1: cannot be combined with %2", "");
inline constexpr const char* kEitherWarming =
    QAV_TRANSLATABLE("qav::OptionText", "%1: give either --warming or --warming-file", "");
inline constexpr const char* kGivenTwice = QAV_TRANSLATABLE("qav::OptionText", "%1: given more than once", "");
inline constexpr const char* kNotCoordinates =
    QAV_TRANSLATABLE("qav::OptionText", "%1: '%2' is not a latitude and a longitude (LAT,LON)", "");
inline constexpr const char* kTooManyLocations = QAV_TRANSLATABLE(
    "qav::OptionText", "the request asks for up to %1 locations; at most %2 are analysed in one request", "");

// The module's requests are JSON objects: a key it does not take, or a value of the wrong kind,
// is refused with the key's name (%2 the value as JSON: "false", 5, null, [...]).
inline constexpr const char* kNotJsonObject =
    QAV_TRANSLATABLE("qav::OptionText", "the request is not a JSON object", "");
inline constexpr const char* kUnknownKey = QAV_TRANSLATABLE("qav::OptionText", "%1: unknown key", "");
inline constexpr const char* kNotBoolean = QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is not true or false", "");
inline constexpr const char* kNotText = QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is not a text", "");
inline constexpr const char* kNotNumberOrText =
    QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is not a number or a text", "");
inline constexpr const char* kNotList = QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is not a list", "");
inline constexpr const char* kNotObject = QAV_TRANSLATABLE("qav::OptionText", "%1: %2 is not an object", "");
inline constexpr const char* kOneSource =
    QAV_TRANSLATABLE("qav::OptionText", "%1: an input names one of dataset, station, near, md or epw", "");
inline constexpr const char* kSlotOfDataSet =
    QAV_TRANSLATABLE("qav::OptionText", "%1: only a data set takes a location", "");
inline constexpr const char* kNeedsKey = QAV_TRANSLATABLE("qav::OptionText", "%1: needs %2", "");
inline constexpr const char* kLocationsNeedOne =
    QAV_TRANSLATABLE("qav::OptionText", "locations: a data set or a Monthly Data file is needed", "");

}  // namespace option_text

/// A warming that would move a normal out of its range, in the window's words (its context), so
/// that the window and the browser page say it alike: "July DBTmax: 54 + 2 = 56 is outside -90 to
/// 55" for the month, the normal, its value, the change, the result and the range.
inline constexpr const char* kWarmingRefusal =
    QAV_TRANSLATABLE("qav::AnalysisText", "%1 %2: %3 %4 = %5 is outside %6 to %7", "");
/// A warming that would lift a month's DBTmin above its DBTmax: "July DBTmin: 20 + 5 = 25 is above
/// DBTmax 22 - 1 = 21" for the month, DBTmin, its change and result, then DBTmax's.
inline constexpr const char* kWarmingAboveMax =
    QAV_TRANSLATABLE("qav::AnalysisText", "%1 DBTmin: %2 %3 = %4 is above DBTmax %5 %6 = %7", "");

}  // namespace qav
