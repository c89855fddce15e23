#pragma once
// The texts of a reader's failure (context "qav::ReadFailureText", shared with the window's own
// notices about a file), the only wording of a failure: ReadFailureWords in data/read_failure.cpp
// fills them, %1, %2... in order, for the window, qav-cli and the browser page alike.
#include "text/translatable.h"

namespace qav::read_failure_text {

// Opening and reading the file
inline constexpr const char* kFileNotFound = QAV_TRANSLATABLE("qav::ReadFailureText", "File not found.", "");
inline constexpr const char* kPathNotFound = QAV_TRANSLATABLE("qav::ReadFailureText", "Path not found.", "");
inline constexpr const char* kPermissionDenied = QAV_TRANSLATABLE("qav::ReadFailureText", "Permission denied.", "");
inline constexpr const char* kPathFileAccess = QAV_TRANSLATABLE("qav::ReadFailureText", "Path/File access error.", "");
inline constexpr const char* kDeviceIo = QAV_TRANSLATABLE("qav::ReadFailureText", "Device I/O error.", "");
// The system's message is English: in English it stands alone (kSentence), in Portuguese it is
// introduced as the system's own words.
inline constexpr const char* kSystemError = QAV_TRANSLATABLE("qav::ReadFailureText", "The system reports: %1.", "");
inline constexpr const char* kMiB = QAV_TRANSLATABLE("qav::ReadFailureText", "%1 MiB", "");
inline constexpr const char* kKiB = QAV_TRANSLATABLE("qav::ReadFailureText", "%1 KiB", "");
inline constexpr const char* kTooLargeMonthlyData =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The file is larger than %1: it is not a Monthly Data file.", "");
inline constexpr const char* kTooLargeWeather =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The file is larger than %1: it is not a weather file (EPW).", "");
inline constexpr const char* kTooLargeWarming =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The file is larger than %1: it is not a warming file.", "");
inline constexpr const char* kNotText =
    QAV_TRANSLATABLE("qav::ReadFailureText",
                     "The file holds NUL bytes: it is not a plain text file (save it as UTF-8 or ANSI text).", "");
inline constexpr const char* kEmptyFile = QAV_TRANSLATABLE("qav::ReadFailureText", "The file is empty.", "");
// One field
inline constexpr const char* kEmptyField =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The field is empty where a number belongs.", "");
inline constexpr const char* kNotANumber = QAV_TRANSLATABLE("qav::ReadFailureText", "'%1' is not a number.", "");
inline constexpr const char* kNotFinite = QAV_TRANSLATABLE("qav::ReadFailureText", "'%1' is not a finite number.", "");
inline constexpr const char* kNotWholeNumber =
    QAV_TRANSLATABLE("qav::ReadFailureText", "'%1' is not a whole number.", "");
inline constexpr const char* kOutOfRange =
    QAV_TRANSLATABLE("qav::ReadFailureText", "'%1' is out of range (%2 to %3).", "");
inline constexpr const char* kFieldTooLong =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The field is longer than %1 bytes.", "");
inline constexpr const char* kUnclosedQuote =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The closing quotation mark is missing.", "");
inline constexpr const char* kTextAfterQuote =
    QAV_TRANSLATABLE("qav::ReadFailureText", "Text follows the closing quotation mark.", "");
inline constexpr const char* kDayPastMonthEnd =
    QAV_TRANSLATABLE("qav::ReadFailureText", "Day %1 is past the end of month %2.", "");
inline constexpr const char* kNotRepresentable =
    QAV_TRANSLATABLE("qav::ReadFailureText", "'%1' is not a representable number.", "");
// Lines and the file as a whole
inline constexpr const char* kNotEpw = QAV_TRANSLATABLE(
    "qav::ReadFailureText", "Line 1 does not begin with LOCATION: this is not a weather file (EPW).", "");
inline constexpr const char* kNoHeader =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The header month,dbt_min,dbt_max,rh_avg is missing.", "");
inline constexpr const char* kLineTooLong =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The line is longer than %1 bytes.", "");
inline constexpr const char* kTooFewFields =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The line has %1 fields; it needs at least %2.", "");
inline constexpr const char* kWrongFieldCount =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The line has %1 fields; it needs %2.", "");
inline constexpr const char* kNoCompleteLocationAfter =
    QAV_TRANSLATABLE("qav::ReadFailureText",
                     "The file holds no complete location: it ends after %1 of the %2 fields of a location.", "");
inline constexpr const char* kNoCompleteLocation =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The file holds no complete location.", "");
inline constexpr const char* kTooManyRows =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The file holds more than %1 hourly rows; a weather year has 8760.", "");
inline constexpr const char* kOneRow =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The file holds 1 hourly row; a weather year has %1.", "");
inline constexpr const char* kRowCount =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The file holds %1 hourly rows; a weather year has %2.", "");
inline constexpr const char* kEndsInsideRow =
    QAV_TRANSLATABLE("qav::ReadFailureText",
                     "The file ends in the middle of a row, after %1 complete hourly rows; a weather year has %2.", "");
inline constexpr const char* kEndsInsideHeader =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The file ends inside its %1-line header.", "");
inline constexpr const char* kMonthWithoutData =
    QAV_TRANSLATABLE("qav::ReadFailureText", "Month %1 has no hour with both a dry bulb and a humidity.", "");
inline constexpr const char* kRowTime = QAV_TRANSLATABLE("qav::ReadFailureText", "month %1, day %2, hour %3", "");
inline constexpr const char* kOutOfOrder =
    QAV_TRANSLATABLE("qav::ReadFailureText",
                     "The row of %1 does not follow line %2 (%3): the rows must advance one hour at a time.", "");
inline constexpr const char* kTooManyMonths =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The file has more than twelve months.", "");
inline constexpr const char* kMonthTwice = QAV_TRANSLATABLE("qav::ReadFailureText", "Month %1 is given twice.", "");
inline constexpr const char* kMonthMissing = QAV_TRANSLATABLE("qav::ReadFailureText", "Month %1 is missing.", "");
inline constexpr const char* kNormalOutOfRange =
    QAV_TRANSLATABLE("qav::ReadFailureText", "The monthly normal %1 of month %2, %3, is out of range (%4 to %5).", "");
inline constexpr const char* kShortHeader = QAV_TRANSLATABLE(
    "qav::ReadFailureText",
    "The header is short: the hourly rows begin after %1 lines; a weather file has %2 header lines.", "");
// The order of a Monthly Data file's months, and the pair of temperatures of a month
inline constexpr const char* kWrongMonth = QAV_TRANSLATABLE(
    "qav::ReadFailureText", "'%1' is not month %2: the monthly lines hold months 1 to 12 in order.", "");
inline constexpr const char* kMinAboveMax =
    QAV_TRANSLATABLE("qav::ReadFailureText", "In month %1, DBTmin '%2' is above DBTmax '%3'.", "");
// Where, and the code
inline constexpr const char* kNamed = QAV_TRANSLATABLE("qav::ReadFailureText", "%1 (%2)", "");
inline constexpr const char* kLineField = QAV_TRANSLATABLE("qav::ReadFailureText", "Line %1, field %2", "");
inline constexpr const char* kLine = QAV_TRANSLATABLE("qav::ReadFailureText", "Line %1", "");
inline constexpr const char* kField = QAV_TRANSLATABLE("qav::ReadFailureText", "Field %1", "");
inline constexpr const char* kLocation = QAV_TRANSLATABLE("qav::ReadFailureText", "Location %1", "");
inline constexpr const char* kWhereLocation = QAV_TRANSLATABLE("qav::ReadFailureText", "%1, location %2", "");
inline constexpr const char* kSentence = QAV_TRANSLATABLE("qav::ReadFailureText", "%1.", "");
inline constexpr const char* kCode = QAV_TRANSLATABLE("qav::ReadFailureText", "Err code %1", "");

}  // namespace qav::read_failure_text
