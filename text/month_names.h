#pragma once
// The English names of the months: the texts the graph's axis, the exported files, the hour
// filter's description and the messages write, and the source texts the window translates.
#include <array>

#include "text/translatable.h"

namespace qav {

/// "January".."December" at 1..12; index 0 is empty. Translated in context "qav::Month".
inline constexpr std::array<const char*, 13> kMonthName = {
    "",
    QAV_TRANSLATABLE("qav::Month", "January", ""),
    QAV_TRANSLATABLE("qav::Month", "February", ""),
    QAV_TRANSLATABLE("qav::Month", "March", ""),
    QAV_TRANSLATABLE("qav::Month", "April", ""),
    QAV_TRANSLATABLE("qav::Month", "May", ""),
    QAV_TRANSLATABLE("qav::Month", "June", ""),
    QAV_TRANSLATABLE("qav::Month", "July", ""),
    QAV_TRANSLATABLE("qav::Month", "August", ""),
    QAV_TRANSLATABLE("qav::Month", "September", ""),
    QAV_TRANSLATABLE("qav::Month", "October", ""),
    QAV_TRANSLATABLE("qav::Month", "November", ""),
    QAV_TRANSLATABLE("qav::Month", "December", ""),
};

/// "Jan".."Dec" at 1..12; index 0 is empty. Translated in context "qav::Month", disambiguation
/// "abbreviation" ("May" is both).
inline constexpr std::array<const char*, 13> kMonthAbbreviation = {
    "",
    QAV_TRANSLATABLE("qav::Month", "Jan", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Feb", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Mar", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Apr", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "May", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Jun", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Jul", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Aug", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Sep", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Oct", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Nov", "abbreviation"),
    QAV_TRANSLATABLE("qav::Month", "Dec", "abbreviation"),
};

}  // namespace qav
