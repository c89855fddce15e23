#include "ui/read_failure_text.h"

#include <QDir>
#include <QFile>
#include <system_error>

namespace qav {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

QString SizeText(long long bytes)
{
    return bytes >= (1 << 20) ? ReadFailureText::tr("%1 MiB").arg(bytes >> 20)
                              : ReadFailureText::tr("%1 KiB").arg(bytes >> 10);
}

QString Time(const RowTime& t)
{
    return ReadFailureText::tr("month %1, day %2, hour %3").arg(t.Month).arg(t.Day).arg(t.Hour);
}

QString Reason(const ReadFailure& f)
{
    const QString text = FromUtf8(f.Text);
    switch (f.Kind) {
    case ReadFault::FileNotFound: return ReadFailureText::tr("File not found.");
    case ReadFault::PathNotFound: return ReadFailureText::tr("Path not found.");
    case ReadFault::PermissionDenied: return ReadFailureText::tr("Permission denied.");
    case ReadFault::PathFileAccess: return ReadFailureText::tr("Path/File access error.");
    case ReadFault::DeviceIo: return ReadFailureText::tr("Device I/O error.");
    case ReadFault::SystemError:
        return ReadFailureText::tr("The system reports: %1.").arg(FromUtf8(std::generic_category().message(int(f.Number))));
    case ReadFault::TooLarge:
        switch (f.Format) {
        case FileFormat::MonthlyData:
            return ReadFailureText::tr("The file is larger than %1: it is not a Monthly Data file.").arg(SizeText(f.Number));
        case FileFormat::Weather:
            return ReadFailureText::tr("The file is larger than %1: it is not a weather file (EPW).").arg(SizeText(f.Number));
        case FileFormat::Warming:
            return ReadFailureText::tr("The file is larger than %1: it is not a warming file.").arg(SizeText(f.Number));
        }
        break;
    case ReadFault::NotText:
        return ReadFailureText::tr("The file holds NUL bytes: it is not a plain text file (save it as UTF-8 or ANSI text).");
    case ReadFault::EmptyFile: return ReadFailureText::tr("The file is empty.");
    case ReadFault::NotANumber:
        return text.isEmpty() ? ReadFailureText::tr("The field is empty where a number belongs.")
                              : ReadFailureText::tr("'%1' is not a number.").arg(text);
    case ReadFault::NotFinite: return ReadFailureText::tr("'%1' is not a finite number.").arg(text);
    case ReadFault::NotWholeNumber: return ReadFailureText::tr("'%1' is not a whole number.").arg(text);
    case ReadFault::OutOfRange:
        return ReadFailureText::tr("'%1' is out of range (%2 to %3).").arg(text).arg(f.Range.Low).arg(f.Range.High);
    case ReadFault::FieldTooLong: return ReadFailureText::tr("The field is longer than %1 bytes.").arg(f.Number);
    case ReadFault::UnclosedQuote: return ReadFailureText::tr("The closing quotation mark is missing.");
    case ReadFault::TextAfterQuote: return ReadFailureText::tr("Text follows the closing quotation mark.");
    case ReadFault::DayPastMonthEnd: return ReadFailureText::tr("Day %1 is past the end of month %2.").arg(text).arg(f.Number);
    case ReadFault::NotEpw: return ReadFailureText::tr("Line 1 does not begin with LOCATION: this is not a weather file (EPW).");
    case ReadFault::NoHeader: return ReadFailureText::tr("The header month,dbt_min,dbt_max,rh_avg is missing.");
    case ReadFault::LineTooLong: return ReadFailureText::tr("The line is longer than %1 bytes.").arg(f.Number);
    case ReadFault::TooFewFields:
        return ReadFailureText::tr("The line has %1 fields; it needs at least %2.").arg(f.Number).arg(f.Needed);
    case ReadFault::WrongFieldCount: return ReadFailureText::tr("The line has %1 fields; it needs %2.").arg(f.Number).arg(f.Needed);
    case ReadFault::NoCompleteLocation:
        return f.Number > 0 ? ReadFailureText::tr("The file holds no complete location: it ends after %1 of the %2 fields of a location.")
                                  .arg(f.Number)
                                  .arg(f.Needed)
                            : ReadFailureText::tr("The file holds no complete location.");
    case ReadFault::TooManyRows:
        return ReadFailureText::tr("The file holds more than %1 hourly rows; a weather year has 8760.").arg(f.Number);
    case ReadFault::RowCount:
        return (f.Number == 1 ? ReadFailureText::tr("The file holds 1 hourly row; a weather year has %1.").arg(f.Needed)
                              : ReadFailureText::tr("The file holds %1 hourly rows; a weather year has %2.").arg(f.Number).arg(f.Needed));
    case ReadFault::EndsInsideRow:
        return ReadFailureText::tr("The file ends in the middle of a row, after %1 complete hourly rows; a weather year has %2.")
            .arg(f.Number)
            .arg(f.Needed);
    case ReadFault::EndsInsideHeader: return ReadFailureText::tr("The file ends inside its %1-line header.").arg(f.Number);
    case ReadFault::MonthWithoutData:
        return ReadFailureText::tr("Month %1 has no hour with both a dry bulb and a humidity.").arg(f.Number);
    case ReadFault::OutOfOrder:
        return ReadFailureText::tr("The row of %1 does not follow line %2 (%3): the rows must advance one hour at a time.")
            .arg(Time(f.Row))
            .arg(f.PreviousLine)
            .arg(Time(f.PreviousRow));
    case ReadFault::TooManyMonths: return ReadFailureText::tr("The file has more than twelve months.");
    case ReadFault::MonthTwice: return ReadFailureText::tr("Month %1 is given twice.").arg(f.Number);
    case ReadFault::MonthMissing: return ReadFailureText::tr("Month %1 is missing.").arg(f.Number);
    case ReadFault::NormalOutOfRange:
        return ReadFailureText::tr("The monthly normal %1 of month %2, %3, is out of range (%4 to %5).")
            .arg(FromUtf8(f.FieldName))
            .arg(f.Number)
            .arg(text)
            .arg(f.Range.Low)
            .arg(f.Range.High);
    case ReadFault::NotRepresentable: return ReadFailureText::tr("'%1' is not a representable number.").arg(text);
    case ReadFault::ShortHeader:
        return ReadFailureText::tr("The header is short: the hourly rows begin after %1 lines; a weather file has %2 header lines.")
            .arg(f.Number)
            .arg(f.Needed);
    }
    return {};
}

// The field names are those of the file formats and stay as the files write them.
QString Position(const ReadFailure& f)
{
    const QString field = f.FieldName.empty() ? QString::number(f.Field)
                                              : ReadFailureText::tr("%1 (%2)").arg(f.Field).arg(FromUtf8(f.FieldName));
    const QString location = f.LocationName.empty() ? QString::number(f.Location)
                                                    : ReadFailureText::tr("%1 (%2)").arg(f.Location).arg(FromUtf8(f.LocationName));
    QString where;
    if (f.Line > 0 && f.Field > 0) where = ReadFailureText::tr("Line %1, field %2").arg(f.Line).arg(field);
    else if (f.Line > 0) where = ReadFailureText::tr("Line %1").arg(f.Line);
    if (f.Location > 0)
        where = where.isEmpty() ? ReadFailureText::tr("Location %1").arg(location) : ReadFailureText::tr("%1, location %2").arg(where, location);
    return where.isEmpty() ? where : ReadFailureText::tr("%1.").arg(where);
}

}  // namespace

QStringList ReadFailureText::lines(const ReadFailure& failure)
{
    QStringList lines;
    if (!failure.File.empty())
        lines << QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(failure.File.string())));
    lines << Reason(failure);
    if (const QString where = Position(failure); !where.isEmpty()) lines << where;
    lines << tr("Err code %1").arg(failure.Code);
    return lines;
}

QString ReadFailureText::text(const ReadFailure& failure) { return lines(failure).join(u'\n') + u'\n'; }

QString ReadFailureText::saveFailure(const QString& path, const QString& reason)
{
    QString sentence = reason.trimmed();
    if (!sentence.endsWith(u'.')) sentence += u'.';
    return QDir::toNativeSeparators(path) + u'\n' + tr("The file could not be saved: %1").arg(sentence) + u'\n';
}

QString ReadFailureText::cutShort(const CutShortLocation& cut)
{
    const QString location = cut.LocationName.empty()
                                 ? QString::number(cut.Location)
                                 : tr("%1 (%2)").arg(cut.Location).arg(FromUtf8(cut.LocationName));
    return tr("Location %1 ends at line %2 after %3 of its 54 fields; it was left out.")
        .arg(location)
        .arg(cut.Line)
        .arg(cut.FieldsRead);
}

QString ReadFailureText::leftOut(const LeftOutData& leftOut)
{
    const QString locations = leftOut.Locations == 1 ? tr("1 more location") : tr("%1 more locations").arg(leftOut.Locations);
    const QString fields = leftOut.Fields == 1 ? tr("1 field") : tr("%1 fields").arg(leftOut.Fields);
    const QString what = leftOut.Locations > 0 && leftOut.Fields > 0 ? tr("%1 and %2").arg(locations, fields)
                         : leftOut.Locations > 0                     ? locations
                                                                     : fields;
    return tr("Only %1 locations are read; left out from line %2 on: %3.").arg(kMaxLocations).arg(leftOut.Line).arg(what);
}

}  // namespace qav
