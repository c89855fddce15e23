#pragma once
// Why a data file could not be read, as a value: the readers of Monthly Data, weather (EPW) and
// warming files all return this, and ReadFailureWords words it, in English or Portuguese, for
// the window, qav-cli and the browser page alike. Every message has the same parts in the same
// order: the file, the reason in one sentence, the position where known, and "Err code N" last.
//
// A new fault: its value in ReadFault (with the fields it fills), its English sentence in
// text/read_failure_texts.h, its case in Reason() in read_failure.cpp (the compiler names a
// missing one), and its Portuguese in text/qav_pt_BR.ts.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/location.h"
#include "text/language.h"

namespace qav {

/// The kind of file the reader expected, for reasons such as "it is not a weather file".
enum class FileFormat { MonthlyData, Weather, Warming };

/// The kind of fault; the values the wording needs are in the ReadFailure fields named here.
enum class ReadFault {
    // Opening and reading the file.
    FileNotFound,  // a folder of the path exists, the file does not
    PathNotFound,  // a folder of the path is missing
    PermissionDenied,
    PathFileAccess,  // a folder, device or pipe, or a name the system refuses
    DeviceIo,
    SystemError,  // any other system error: Number is its errno
    TooLarge,     // Number: the limit in bytes
    NotText,      // NUL bytes: a binary or UTF-16 file
    EmptyFile,
    // One field.
    NotANumber,      // Text (empty for an empty field)
    NotFinite,       // Text: inf, nan
    NotWholeNumber,  // Text: a fraction where a month, day or hour belongs
    OutOfRange,      // Text, Range
    FieldTooLong,    // Number: the limit in bytes
    UnclosedQuote,
    TextAfterQuote,
    DayPastMonthEnd,  // Text: the day; Number: the month
    // Lines and the file as a whole.
    NotEpw,           // line 1 is not a LOCATION line
    NoHeader,         // the first line is not the warming file's header
    LineTooLong,      // Number: the limit in bytes
    TooFewFields,     // Number: fields found; Needed: the least a line needs
    WrongFieldCount,  // Number: fields found; Needed: the count a line must have
    NoCompleteLocation,
    TooManyRows,       // Number: the most rows a file may hold
    RowCount,          // Number: the rows found; Needed: the rows of a year
    EndsInsideRow,     // Number: the complete rows before it; Needed: the rows of a year
    EndsInsideHeader,  // Number: the lines of the header
    MonthWithoutData,  // Number: the month
    OutOfOrder,        // Row, PreviousRow, PreviousLine
    TooManyMonths,
    MonthTwice,        // Number: the month
    MonthMissing,      // Number: the month
    NormalOutOfRange,  // a weather year's monthly normal: Number the month, FieldName, Text, Range
    NotRepresentable,  // Text: a number too large or too small for a double (1e400, 1e-400)
    ShortHeader,       // a weather file's hourly row at Line, inside the header: Number the header's lines, Needed 8
    WrongMonth,        // Text: a Monthly Data file's Month field; Number: the month its line belongs to
    MinAboveMax,       // Number: the month; Text: DBTmin, OtherText: DBTmax, as the file or the normals give them
};

/// Month, day and clock hour of a weather file's row.
struct RowTime {
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    bool operator==(const RowTime&) const = default;
};

struct ReadFailure {
    std::filesystem::path File;  // empty when bytes were read from memory
    FileFormat Format = FileFormat::MonthlyData;
    ReadFault Kind = ReadFault::SystemError;
    int Code = 0;              // the number shown after "Err code "
    int Line = 0;              // 1-based; 0 when the fault is not on one line
    int Field = 0;             // 1-based position on the line; 0 when not one field
    std::string FieldName;     // the field's name in the file format ("DBTmax", "dry bulb")
    int Location = 0;          // Monthly Data: the location being read, 1-based; 0 otherwise
    std::string LocationName;  // its name when read so far, cleaned
    std::string Text;          // the offending text, cleaned by CleanExcerpt
    std::string OtherText;     // a second value the reason needs (MinAboveMax: DBTmax), cleaned
    ValueRange Range{};
    long long Number = 0;
    long long Needed = 0;
    RowTime Row{}, PreviousRow{};
    int PreviousLine = 0;
};

/// A user's text quoted in a message: decoded and cleaned like a name read from a file (valid
/// UTF-8 kept, anything else taken as Windows-1252, controls blanked), blanks around it trimmed,
/// and cut to 40 bytes on a character boundary with "..." after the cut.
std::string CleanExcerpt(std::string_view raw);

/// The parts of a failure's message, in one language.
struct FailureWords {
    std::string File;      // the file as given; empty when unknown
    std::string Reason;    // one sentence, with its full stop
    std::string Position;  // "Line 14, field 3 (DBTmax), location 2 (Lima)."; empty when unknown
    std::string Code;      // "Err code 22"
};
/// The parts in `language`; the window shows them on lines of their own.
FailureWords ReadFailureWords(const ReadFailure& failure, Language language);

/// The parts on one line: "FILE: reason position code", each part left out where empty.
std::string FailureLine(const FailureWords& words);

/// The message on one line, as qav-cli prints it after "error: " and the browser page shows it:
///   "QAVx.TXT: '1e30' is out of range (-90 to 55). Line 14, field 3 (DBTmax), location 2 (Lima). Err code 22"
std::string ReadFailureLine(const ReadFailure& failure, Language language);
/// ReadFailureLine in English.
std::string EnglishReadFailure(const ReadFailure& failure);

}  // namespace qav
