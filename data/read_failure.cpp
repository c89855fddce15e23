#include "data/read_failure.h"

#include <system_error>

#include "data/text_encoding.h"

namespace qav {
namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// "16 MiB", "64 KiB": the file-size limits as the messages give them.
std::string SizeText(long long bytes)
{
    return bytes >= (1 << 20) ? std::to_string(bytes >> 20) + " MiB" : std::to_string(bytes >> 10) + " KiB";
}

std::string FormatName(FileFormat format)
{
    switch (format) {
        case FileFormat::MonthlyData:
            return "a Monthly Data file";
        case FileFormat::Weather:
            return "a weather file (EPW)";
        case FileFormat::Warming:
            return "a warming file";
    }
    return {};
}

std::string Time(const RowTime& t)
{
    return "month " + std::to_string(t.Month) + ", day " + std::to_string(t.Day) + ", hour " + std::to_string(t.Hour);
}

std::string Reason(const ReadFailure& f)
{
    const std::string n = std::to_string(f.Number), needed = std::to_string(f.Needed);
    switch (f.Kind) {
        case ReadFault::FileNotFound:
            return "File not found.";
        case ReadFault::PathNotFound:
            return "Path not found.";
        case ReadFault::PermissionDenied:
            return "Permission denied.";
        case ReadFault::PathFileAccess:
            return "Path/File access error.";
        case ReadFault::DeviceIo:
            return "Device I/O error.";
        case ReadFault::SystemError:
            return std::generic_category().message(static_cast<int>(f.Number)) + ".";
        case ReadFault::TooLarge:
            return "The file is larger than " + SizeText(f.Number) + ": it is not " + FormatName(f.Format) + ".";
        case ReadFault::NotText:
            return "The file holds NUL bytes: it is not a plain text file (save it as UTF-8 or ANSI text).";
        case ReadFault::EmptyFile:
            return "The file is empty.";
        case ReadFault::NotANumber:
            return f.Text.empty() ? "The field is empty where a number belongs." : Quoted(f.Text) + " is not a number.";
        case ReadFault::NotFinite:
            return Quoted(f.Text) + " is not a finite number.";
        case ReadFault::NotWholeNumber:
            return Quoted(f.Text) + " is not a whole number.";
        case ReadFault::OutOfRange:
            return Quoted(f.Text) + " is out of range (" + RangeText(f.Range) + ").";
        case ReadFault::FieldTooLong:
            return "The field is longer than " + n + " bytes.";
        case ReadFault::UnclosedQuote:
            return "The closing quotation mark is missing.";
        case ReadFault::TextAfterQuote:
            return "Text follows the closing quotation mark.";
        case ReadFault::DayPastMonthEnd:
            return "Day " + f.Text + " is past the end of month " + n + ".";
        case ReadFault::NotEpw:
            return "Line 1 does not begin with LOCATION: this is not " + FormatName(f.Format) + ".";
        case ReadFault::NoHeader:
            return "The header month,dbt_min,dbt_max,rh_avg is missing.";
        case ReadFault::LineTooLong:
            return "The line is longer than " + n + " bytes.";
        case ReadFault::TooFewFields:
            return "The line has " + n + " fields; it needs at least " + needed + ".";
        case ReadFault::WrongFieldCount:
            return "The line has " + n + " fields; it needs " + needed + ".";
        case ReadFault::NoCompleteLocation:
            return f.Number > 0 ? "The file holds no complete location: it ends after " + n + " of the " + needed +
                                      " fields of a location."
                                : "The file holds no complete location.";
        case ReadFault::TooManyRows:
            return "The file holds more than " + n + " hourly rows; a weather year has 8760.";
        case ReadFault::RowCount:
            return "The file holds " + n + (f.Number == 1 ? " hourly row" : " hourly rows") + "; a weather year has " +
                   needed + ".";
        case ReadFault::EndsInsideRow:
            return "The file ends in the middle of a row, after " + n + " complete hourly rows; a weather year has " +
                   needed + ".";
        case ReadFault::EndsInsideHeader:
            return "The file ends inside its " + n + "-line header.";
        case ReadFault::MonthWithoutData:
            return "Month " + n + " has no hour with both a dry bulb and a humidity.";
        case ReadFault::OutOfOrder:
            return "The row of " + Time(f.Row) + " does not follow line " + std::to_string(f.PreviousLine) + " (" +
                   Time(f.PreviousRow) + "): the rows must advance one hour at a time.";
        case ReadFault::TooManyMonths:
            return "The file has more than twelve months.";
        case ReadFault::MonthTwice:
            return "Month " + n + " is given twice.";
        case ReadFault::MonthMissing:
            return "Month " + n + " is missing.";
        case ReadFault::NormalOutOfRange:
            return "The monthly normal " + f.FieldName + " of month " + n + ", " + f.Text + ", is out of range (" +
                   RangeText(f.Range) + ").";
        case ReadFault::NotRepresentable:
            return Quoted(f.Text) + " is not a representable number.";
        case ReadFault::ShortHeader:
            return "The header is short: the hourly rows begin after " + n + " lines; a weather file has " + needed +
                   " header lines.";
        case ReadFault::WrongMonth:
            return Quoted(f.Text) + " is not month " + n + ": the monthly lines hold months 1 to 12 in order.";
        case ReadFault::MinAboveMax:
            return "In month " + n + ", DBTmin " + Quoted(f.Text) + " is above DBTmax " + Quoted(f.OtherText) + ".";
    }
    return {};
}

std::string Position(const ReadFailure& f)
{
    std::string where;
    if (f.Line > 0) where = "Line " + std::to_string(f.Line);
    if (f.Field > 0) {
        where += (where.empty() ? "Field " : ", field ") + std::to_string(f.Field);
        if (!f.FieldName.empty()) where += " (" + f.FieldName + ")";
    }
    if (f.Location > 0) {
        where += (where.empty() ? "Location " : ", location ") + std::to_string(f.Location);
        if (!f.LocationName.empty()) where += " (" + f.LocationName + ")";
    }
    return where.empty() ? where : where + ".";
}

}  // namespace

std::string CleanExcerpt(std::string_view raw)
{
    constexpr std::size_t kMax = 40;
    std::string text = DecodeName(raw);
    const std::size_t first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    text.erase(text.find_last_not_of(' ') + 1);
    if (text.size() <= kMax) return text;
    std::size_t cut = kMax;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "...";
}

FailureWords EnglishFailureWords(const ReadFailure& failure)
{
    return {failure.File.string(), Reason(failure), Position(failure), "Err code " + std::to_string(failure.Code)};
}

std::string FailureLine(const FailureWords& w)
{
    std::string line = w.File.empty() ? w.Reason : w.File + ": " + w.Reason;
    if (!w.Position.empty()) line += " " + w.Position;
    return line + " " + w.Code;
}

std::string EnglishReadFailure(const ReadFailure& failure) { return FailureLine(EnglishFailureWords(failure)); }

}  // namespace qav
