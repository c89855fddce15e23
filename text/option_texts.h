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

}  // namespace option_text

/// A warming that would move a normal out of its range, in the window's words (its context), so
/// that the window and the browser page say it alike: "July DBTmax: 54 + 2 = 56 is outside -90 to
/// 55" for the month, the normal, its value, the change, the result and the range.
inline constexpr const char* kWarmingRefusal =
    QAV_TRANSLATABLE("qav::AnalysisText", "%1 %2: %3 %4 = %5 is outside %6 to %7", "");

}  // namespace qav
