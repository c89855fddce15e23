#include "data/read_failure.h"

#include <initializer_list>
#include <string_view>
#include <system_error>

#include "data/text_encoding.h"
#include "text/read_failure_texts.h"

namespace qav {
namespace {

namespace text = read_failure_text;

class Wording {
  public:
    explicit Wording(Language language) : language_(language) {}

    std::string Fill(const char* english, std::initializer_list<std::string_view> arguments) const
    {
        return FilledText(Translated(language_, "qav::ReadFailureText", english), arguments);
    }
    std::string Plain(const char* english) const
    {
        return std::string(Translated(language_, "qav::ReadFailureText", english));
    }

    std::string Reason(const ReadFailure& f) const
    {
        const std::string n = std::to_string(f.Number), needed = std::to_string(f.Needed);
        const std::string& t = f.Text;
        switch (f.Kind) {
            case ReadFault::FileNotFound:
                return Plain(text::kFileNotFound);
            case ReadFault::PathNotFound:
                return Plain(text::kPathNotFound);
            case ReadFault::PermissionDenied:
                return Plain(text::kPermissionDenied);
            case ReadFault::PathFileAccess:
                return Plain(text::kPathFileAccess);
            case ReadFault::DeviceIo:
                return Plain(text::kDeviceIo);
            case ReadFault::SystemError:
                return Fill(language_ == Language::English ? text::kSentence : text::kSystemError,
                            {std::generic_category().message(static_cast<int>(f.Number))});
            case ReadFault::TooLarge: {
                const std::string size = Fill(f.Number >= (1 << 20) ? text::kMiB : text::kKiB,
                                              {std::to_string(f.Number >> (f.Number >= (1 << 20) ? 20 : 10))});
                switch (f.Format) {
                    case FileFormat::MonthlyData:
                        return Fill(text::kTooLargeMonthlyData, {size});
                    case FileFormat::Weather:
                        return Fill(text::kTooLargeWeather, {size});
                    case FileFormat::Warming:
                        return Fill(text::kTooLargeWarming, {size});
                }
                break;
            }
            case ReadFault::NotText:
                return Plain(text::kNotText);
            case ReadFault::EmptyFile:
                return Plain(text::kEmptyFile);
            case ReadFault::NotANumber:
                return t.empty() ? Plain(text::kEmptyField) : Fill(text::kNotANumber, {t});
            case ReadFault::NotFinite:
                return Fill(text::kNotFinite, {t});
            case ReadFault::NotWholeNumber:
                return Fill(text::kNotWholeNumber, {t});
            case ReadFault::OutOfRange:
                return Fill(text::kOutOfRange, {t, std::to_string(f.Range.Low), std::to_string(f.Range.High)});
            case ReadFault::FieldTooLong:
                return Fill(text::kFieldTooLong, {n});
            case ReadFault::UnclosedQuote:
                return Plain(text::kUnclosedQuote);
            case ReadFault::TextAfterQuote:
                return Plain(text::kTextAfterQuote);
            case ReadFault::DayPastMonthEnd:
                return Fill(text::kDayPastMonthEnd, {t, n});
            case ReadFault::NotEpw:
                return Plain(text::kNotEpw);
            case ReadFault::NoHeader:
                return Plain(text::kNoHeader);
            case ReadFault::LineTooLong:
                return Fill(text::kLineTooLong, {n});
            case ReadFault::TooFewFields:
                return Fill(text::kTooFewFields, {n, needed});
            case ReadFault::WrongFieldCount:
                return Fill(text::kWrongFieldCount, {n, needed});
            case ReadFault::NoCompleteLocation:
                return f.Number > 0 ? Fill(text::kNoCompleteLocationAfter, {n, needed})
                                    : Plain(text::kNoCompleteLocation);
            case ReadFault::TooManyRows:
                return Fill(text::kTooManyRows, {n});
            case ReadFault::RowCount:
                return f.Number == 1 ? Fill(text::kOneRow, {needed}) : Fill(text::kRowCount, {n, needed});
            case ReadFault::EndsInsideRow:
                return Fill(text::kEndsInsideRow, {n, needed});
            case ReadFault::EndsInsideHeader:
                return Fill(text::kEndsInsideHeader, {n});
            case ReadFault::MonthWithoutData:
                return Fill(text::kMonthWithoutData, {n});
            case ReadFault::OutOfOrder:
                return Fill(text::kOutOfOrder, {Time(f.Row), std::to_string(f.PreviousLine), Time(f.PreviousRow)});
            case ReadFault::TooManyMonths:
                return Plain(text::kTooManyMonths);
            case ReadFault::MonthTwice:
                return Fill(text::kMonthTwice, {n});
            case ReadFault::MonthMissing:
                return Fill(text::kMonthMissing, {n});
            case ReadFault::NormalOutOfRange:
                return Fill(text::kNormalOutOfRange,
                            {f.FieldName, n, t, std::to_string(f.Range.Low), std::to_string(f.Range.High)});
            case ReadFault::NotRepresentable:
                return Fill(text::kNotRepresentable, {t});
            case ReadFault::ShortHeader:
                return Fill(text::kShortHeader, {n, needed});
            case ReadFault::WrongMonth:
                return Fill(text::kWrongMonth, {t, n});
            case ReadFault::MinAboveMax:
                return Fill(text::kMinAboveMax, {n, t, f.OtherText});
        }
        return {};
    }

    // The field and location names are those of the file formats and stay as the files write them.
    std::string Position(const ReadFailure& f) const
    {
        const auto named = [&](int number, const std::string& name) {
            return name.empty() ? std::to_string(number) : Fill(text::kNamed, {std::to_string(number), name});
        };
        std::string where;
        if (f.Line > 0 && f.Field > 0)
            where = Fill(text::kLineField, {std::to_string(f.Line), named(f.Field, f.FieldName)});
        else if (f.Line > 0)
            where = Fill(text::kLine, {std::to_string(f.Line)});
        else if (f.Field > 0)
            where = Fill(text::kField, {named(f.Field, f.FieldName)});
        if (f.Location > 0) {
            const std::string location = named(f.Location, f.LocationName);
            where = where.empty() ? Fill(text::kLocation, {location}) : Fill(text::kWhereLocation, {where, location});
        }
        return where.empty() ? where : Fill(text::kSentence, {where});
    }

    std::string Code(const ReadFailure& f) const { return Fill(text::kCode, {std::to_string(f.Code)}); }

  private:
    std::string Time(const RowTime& t) const
    {
        return Fill(text::kRowTime, {std::to_string(t.Month), std::to_string(t.Day), std::to_string(t.Hour)});
    }

    Language language_;
};

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

FailureWords ReadFailureWords(const ReadFailure& failure, Language language)
{
    const Wording w(language);
    return {failure.File.string(), w.Reason(failure), w.Position(failure), w.Code(failure)};
}

std::string FailureLine(const FailureWords& w)
{
    std::string line = w.File.empty() ? w.Reason : w.File + ": " + w.Reason;
    if (!w.Position.empty()) line += " " + w.Position;
    return line + " " + w.Code;
}

std::string ReadFailureLine(const ReadFailure& failure, Language language)
{
    return FailureLine(ReadFailureWords(failure, language));
}

std::string EnglishReadFailure(const ReadFailure& failure) { return ReadFailureLine(failure, Language::English); }

}  // namespace qav
