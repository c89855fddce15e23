#include "data/md_reader.h"

#include "core/text_format.h"
#include "data/file_bytes.h"
#include "data/text_encoding.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <system_error>
#include <utility>

namespace qav {
namespace {

// ParseNumber's result for a number beyond a double (1e400, 1e-400): worded as such, reported
// with the code of a number out of range, which such files have always had.
constexpr int kNotRepresentable = -1;

// ---- Fields ------------------------------------------------------------------------------------

struct Field {
    std::string_view value;
    int line = 0;  // 1-based physical line where the field starts
};

enum class Next { Field, End, Error };

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// Splits the text into fields. A field ends at a comma, a line end or the end of the text; a line
// holding nothing but blanks yields no field, while a comma always closes one (possibly empty).
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    Next Read(Field& field, int& errorCode)
    {
        for (;;) {
            SkipBlanks();
            if (pos_ == text_.size()) {
                if (afterComma_) {  // "...,<end>": one last, empty field
                    afterComma_ = false;
                    field = {{}, line_};
                    return Next::Field;
                }
                return Next::End;
            }
            if (!IsLineEnd(text_[pos_])) break;
            const int line = line_;
            ConsumeLineEnd();
            if (afterComma_) {  // "...,<line end>": an empty field closed by the line end
                afterComma_ = false;
                field = {{}, line};
                return Next::Field;
            }
        }

        field.line = line_;
        if (text_[pos_] == '"') {
            const std::size_t close = text_.find_first_of("\"\r\n", pos_ + 1);
            if (close == std::string_view::npos || text_[close] != '"') {
                errorCode = kUnclosedQuote;
                return Next::Error;
            }
            field.value = text_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            SkipBlanks();
            if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
                errorCode = kTextAfterQuote;
                return Next::Error;
            }
        } else {
            std::size_t stop = text_.find_first_of(",\r\n", pos_);
            if (stop == std::string_view::npos) stop = text_.size();
            std::size_t last = stop;
            while (last > pos_ && IsBlank(text_[last - 1])) --last;
            field.value = text_.substr(pos_, last - pos_);
            pos_ = stop;
        }
        if (field.value.size() > kMaxFieldBytes) {
            errorCode = kFieldTooLong;
            return Next::Error;
        }

        afterComma_ = false;
        if (pos_ < text_.size()) {
            if (text_[pos_] == ',') {
                ++pos_;
                afterComma_ = true;
            } else {
                ConsumeLineEnd();
            }
        }
        return Next::Field;
    }

  private:
    void SkipBlanks()
    {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }
    void ConsumeLineEnd()  // LF, CR LF or a lone CR count as one line end
    {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool afterComma_ = false;
};

// ---- Numbers -----------------------------------------------------------------------------------

// Returns 0 and sets value, or the failure code.
int ParseNumber(std::string_view text, const ValueRange& range, float& value)
{
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    const char* first = text.data();
    const char* last = first + text.size();
    double d = 0;
    const auto [ptr, ec] = ParseDecimal(first, last, d);
    if (text.empty() || ptr != last || ec == std::errc::invalid_argument) return kNotANumber;
    if (ec == std::errc::result_out_of_range) return kNotRepresentable;
    if (!std::isfinite(d)) return kNotFinite;
    if (!range.Contains(d)) return kOutOfRange;
    // Parsed again as float: rounding the decimal once keeps written tables exact on a round trip.
    float f = 0;
    if (ParseDecimal(first, last, f).ec != std::errc{}) f = static_cast<float>(d);
    value = f + 0.0f;  // "-0" is 0: a sign on zero would print as "-0" everywhere downstream
    return 0;
}

// ---- Failures ----------------------------------------------------------------------------------

ReadFailure Failure(int code, ReadFault kind)
{
    ReadFailure f;
    f.Format = FileFormat::MonthlyData;
    f.Kind = kind;
    f.Code = code;
    return f;
}

ReadFault FaultOf(int code)
{
    switch (code) {
        case kNotANumber:
            return ReadFault::NotANumber;
        case kNotFinite:
            return ReadFault::NotFinite;
        case kOutOfRange:
            return ReadFault::OutOfRange;
        case kNotRepresentable:
            return ReadFault::NotRepresentable;
        case kFieldTooLong:
            return ReadFault::FieldTooLong;
        case kUnclosedQuote:
            return ReadFault::UnclosedQuote;
        case kWrongMonth:
            return ReadFault::WrongMonth;
        case kMinAboveMax:
            return ReadFault::MinAboveMax;
        default:
            return ReadFault::TextAfterQuote;
    }
}

constexpr int kLocationFields = 6 + 4 * kMonths;
constexpr const char* kFirstLineFields[6] = {"Location",  "Country",   "Latitude",
                                             "Longitude", "Elevation", "Data Source"};
constexpr const char* kMonthLineFields[4] = {"Month", "DBTmin", "DBTmax", "RHavg"};

// ---- Locations ---------------------------------------------------------------------------------

class LocationParser {
  public:
    explicit LocationParser(std::string_view text) : fields_(text) {}

    enum class Outcome { Complete, EndOfFile, Truncated, Failed };

    /// After Outcome::Truncated: how many of the 54 fields the location had, and the line of the last.
    int FieldsRead() const { return fieldsRead_; }
    int LastLine() const { return lastLine_; }

    // Reads location number k into record.
    Outcome Read(int k, LocationRecord& record)
    {
        k_ = k;
        record_ = &record;
        record = LocationRecord{};
        fieldsRead_ = 0;
        for (int i = 0; i < 6; ++i) {
            Field f;
            const Next n = NextField(f, kFirstLineFields[i], i + 1);
            if (n == Next::End) return i == 0 ? Outcome::EndOfFile : Outcome::Truncated;
            if (n == Next::Error) return Outcome::Failed;
            bool ok = true;
            switch (i) {
                case 0:
                    ok = Text(f, record.LocationName);
                    break;
                case 1:
                    ok = Text(f, record.Country);
                    break;
                case 2:
                    ok = Number(f, kLatitudeRange, record.Latitude);
                    break;
                case 3:
                    ok = Number(f, kLongitudeRange, record.Longitude);
                    break;
                case 4:
                    ok = Number(f, kElevationRange, record.Elevation);
                    break;
                case 5:
                    ok = Text(f, record.DataSource);
                    break;
            }
            if (!ok) return Outcome::Failed;
        }
        for (int m = 1; m <= kMonths; ++m) {
            MonthlyNormals& normals = record.Month[m];
            Field minField;
            float* targets[4] = {nullptr, &normals.DBTmin, &normals.DBTmax, &normals.RHavg};
            for (int i = 0; i < 4; ++i) {
                Field f;
                const Next n = NextField(f, kMonthLineFields[i], i + 1);
                if (n == Next::End) return Outcome::Truncated;
                if (n == Next::Error) return Outcome::Failed;
                if (i == 0) {
                    if (!MonthField(f, m)) return Outcome::Failed;
                    continue;
                }
                if (!Number(f, i == 3 ? kHumidityRange : kTemperatureRange, *targets[i])) return Outcome::Failed;
                if (i == 1) minField = f;
                if (i == 2 && normals.DBTmin > normals.DBTmax) {
                    // Placed at DBTmin: the pair is refused, and DBTmin comes first on the line.
                    fieldName_ = kMonthLineFields[1];
                    position_ = 2;
                    Fail(kMinAboveMax, minField.line, minField.value);
                    failure_.OtherText = CleanExcerpt(f.value);
                    failure_.Number = m;
                    return Outcome::Failed;
                }
            }
        }
        return Outcome::Complete;
    }

    ReadFailure TakeFailure() { return std::move(failure_); }

    /// Counts the fields left after the last location read, up to the end or the first field
    /// that cannot be split off (an unclosed quote), which counts as one: what follows it is not
    /// counted, but the line it starts on is still given.
    std::optional<LeftOutData> CountRest()
    {
        LeftOutData rest;
        long long fields = 0;
        Field f;
        int code = 0;
        for (;;) {
            const Next n = fields_.Read(f, code);
            if (n == Next::End) break;
            if (fields++ == 0) rest.Line = f.line;
            if (n == Next::Error) break;  // the rest cannot be split into fields
        }
        if (fields == 0) return std::nullopt;
        rest.Locations = static_cast<int>(fields / kLocationFields);
        rest.Fields = static_cast<int>(fields % kLocationFields);
        return rest;
    }

  private:
    Next NextField(Field& f, const char* name, int position)
    {
        fieldName_ = name;
        position_ = position;
        int code = 0;
        const Next n = fields_.Read(f, code);
        if (n == Next::Field) {
            ++fieldsRead_;
            lastLine_ = f.line;
        }
        if (n == Next::Error) Fail(code, f.line, {});
        return n;
    }

    // Each text is decoded on its own: one name saved as Windows-1252 leaves the UTF-8 of the
    // others alone. A Windows-1252 text grows when decoded, hence the second length check.
    bool Text(const Field& f, std::string& value)
    {
        value = DecodeName(f.value);
        if (value.size() <= kMaxFieldBytes) return true;
        value.clear();
        Fail(kFieldTooLong, f.line, {});
        return false;
    }

    // The month of line m: any number equal to m. Text, nan and an empty field are worded as in
    // any number field; another number is the wrong month.
    bool MonthField(const Field& f, int m)
    {
        constexpr ValueRange kAnyMonth{-1000000, 1000000};
        float month = 0;
        int code = ParseNumber(f.value, kAnyMonth, month);
        if (code == 0 && month == static_cast<float>(m)) return true;
        if (code == 0 || code == kOutOfRange || code == kNotRepresentable) code = kWrongMonth;
        Fail(code, f.line, f.value);
        if (code == kWrongMonth) failure_.Number = m;
        return false;
    }

    bool Number(const Field& f, const ValueRange& range, float& value)
    {
        const int code = ParseNumber(f.value, range, value);
        if (code == 0) return true;
        Fail(code, f.line, f.value, range);
        return false;
    }

    void Fail(int code, int line, std::string_view text, ValueRange range = {})
    {
        // A number beyond a double keeps the code of a number out of range, as it always had.
        failure_ = Failure(code == kNotRepresentable ? kOutOfRange : code, FaultOf(code));
        failure_.Line = line;
        failure_.Field = position_;
        failure_.FieldName = fieldName_;
        failure_.Location = k_;
        failure_.LocationName = CleanExcerpt(record_->LocationName);
        failure_.Text = CleanExcerpt(text);
        failure_.Range = range;
        if (code == kFieldTooLong) failure_.Number = kMaxFieldBytes;
    }

    FieldReader fields_;
    int k_ = 0;
    const LocationRecord* record_ = nullptr;
    const char* fieldName_ = "";
    int position_ = 0;
    int fieldsRead_ = 0;
    int lastLine_ = 0;
    ReadFailure failure_;
};

}  // namespace

std::string EnglishCutShort(const CutShortLocation& cut)
{
    const std::string name = cut.LocationName.empty() ? "" : " (" + cut.LocationName + ")";
    return "Location " + std::to_string(cut.Location) + name + " ends at line " + std::to_string(cut.Line) + " after " +
           std::to_string(cut.FieldsRead) + " of its 54 fields; it was left out.";
}

std::string EnglishLeftOut(const LeftOutData& leftOut)
{
    const auto count = [](int n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    std::string what;
    if (leftOut.Locations > 0) what = count(leftOut.Locations, "more location", "more locations");
    if (leftOut.Fields > 0) what += (what.empty() ? "" : " and ") + count(leftOut.Fields, "field", "fields");
    return "Only " + std::to_string(kMaxLocations) + " locations are read; left out from line " +
           std::to_string(leftOut.Line) + " on: " + what + ".";
}

ReadResult ReadMonthlyData(std::string_view bytes) noexcept
{
    ReadResult result;
    if (bytes.size() > kMaxMonthlyDataBytes) {
        result.failure = TooLargeFailure(kFileTooLarge, FileFormat::MonthlyData, kMaxMonthlyDataBytes);
        return result;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        result.failure = Failure(kNotText, ReadFault::NotText);
        return result;
    }
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    LocationParser parser(bytes);
    LocationTable& table = result.table;
    LocationRecord record;
    while (table.LocationCount < kMaxLocations) {
        const int k = table.LocationCount + 1;
        const auto outcome = parser.Read(k, record);
        if (outcome == LocationParser::Outcome::Failed) {
            result.failure = parser.TakeFailure();
            return result;
        }
        if (outcome == LocationParser::Outcome::Truncated) {  // an unfinished location is dropped
            result.warning =
                CutShortLocation{k, CleanExcerpt(record.LocationName), parser.LastLine(), parser.FieldsRead()};
        }
        if (outcome != LocationParser::Outcome::Complete) break;
        table.Slot[k] = std::move(record);
        table.LocationCount = k;
    }
    if (table.LocationCount == kMaxLocations) result.leftOut = parser.CountRest();
    if (table.LocationCount == 0) {
        result.failure = Failure(kNoCompleteLocation, ReadFault::NoCompleteLocation);
        if (const auto& cut = result.warning) {  // where the one location stops, as for a later one
            result.failure->Number = cut->FieldsRead;
            result.failure->Needed = kLocationFields;
            result.failure->Line = cut->Line;
            result.failure->Location = cut->Location;
            result.failure->LocationName = cut->LocationName;
            // The missing field, when it belongs on the line of the last one read.
            const bool firstLine = cut->FieldsRead < 6;
            const int position = firstLine ? cut->FieldsRead : (cut->FieldsRead - 6) % 4;
            if (position > 0) {
                result.failure->Field = position + 1;
                result.failure->FieldName = firstLine ? kFirstLineFields[position] : kMonthLineFields[position];
            }
        }
        result.warning.reset();
    }
    return result;
}

ReadResult ReadMonthlyDataFile(const std::filesystem::path& file) noexcept
{
    FileBytes f = ReadFileBytes(file, kMaxMonthlyDataBytes);
    if (f.tooLarge) f.failure = TooLargeFailure(kFileTooLarge, FileFormat::MonthlyData, kMaxMonthlyDataBytes);
    ReadResult result = f.failure ? ReadResult{{}, std::move(f.failure), {}, {}} : ReadMonthlyData(f.bytes);
    if (result.failure) {
        result.failure->File = file;
        result.failure->Format = FileFormat::MonthlyData;
    }
    return result;
}

}  // namespace qav
