#include "data/epw_reader.h"

#include "data/epw_normals.h"

#include "core/text_format.h"
#include "data/file_bytes.h"
#include "data/text_encoding.h"

#include <array>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <system_error>
#include <tuple>

#include "core/psychrometrics.h"

namespace qav {
namespace {

// A typical EPW year is about 1.6 MB; the caps keep a wrong or hostile file from exhausting memory.
constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;
constexpr std::size_t kMaxLineBytes = std::size_t{64} << 10;
constexpr std::size_t kMaxNameBytes = 4096;  // the longest text a Monthly Data file holds
constexpr int kHeaderLines = 8;
constexpr int kLeapYearHours = 8784;
constexpr int kFirstColumns = 22;  // year .. wind speed: all the reader looks at in a row
constexpr int kNeededColumns = 9;  // year .. relative humidity: what the analysis uses

constexpr std::array<int, kMonths + 1> kDaysInMonth{0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// --- text ----------------------------------------------------------------------------------------

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks and control characters only, like the end-of-file mark 0x1A some old files carry.
bool IsEmptyLine(std::string_view line)
{
    for (const char c : line)
        if (static_cast<unsigned char>(c) > 0x20) return false;
    return true;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Hands out the lines one by one; a line ends at LF, CR LF or a lone CR.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : rest_(text) {}

    bool Next(std::string_view& line)
    {
        if (rest_.empty()) return false;
        ++number_;
        const std::size_t end = rest_.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            line = rest_;
            rest_ = {};
            endsWithoutBreak_ = true;
            return true;
        }
        line = rest_.substr(0, end);
        std::size_t next = end + 1;
        if (rest_[end] == '\r' && next < rest_.size() && rest_[next] == '\n') ++next;
        rest_.remove_prefix(next);
        return true;
    }
    int Number() const { return number_; }
    // True once the last line handed out was cut off without a line break.
    bool EndsWithoutBreak() const { return endsWithoutBreak_; }

  private:
    std::string_view rest_;
    int number_ = 0;
    bool endsWithoutBreak_ = false;
};

// Splits the first N comma-separated fields off a line; returns how many there were. A field
// that starts with a double quote runs to the closing quote, so a quoted name may hold commas.
template <std::size_t N>
int SplitFields(std::string_view line, std::array<std::string_view, N>& fields)
{
    int n = 0;
    std::size_t pos = 0;
    while (n < static_cast<int>(N)) {
        std::size_t start = pos;
        while (start < line.size() && IsBlank(line[start])) ++start;
        std::size_t comma;
        if (start < line.size() && line[start] == '"') {
            const std::size_t close = line.find('"', start + 1);
            if (close == std::string_view::npos) {
                fields[n++] = line.substr(start + 1);
                return n;
            }
            fields[n++] = line.substr(start + 1, close - start - 1);
            comma = line.find(',', close + 1);
        } else {
            comma = line.find(',', pos);
            const std::size_t length = comma == std::string_view::npos ? comma : comma - pos;
            fields[n++] = Trim(line.substr(pos, length));
        }
        if (comma == std::string_view::npos) return n;
        pos = comma + 1;
    }
    return n;
}

// The value of a number field, or the kind of fault: NotANumber, or NotRepresentable for a
// number beyond a double (1e400, 1e-400).
std::optional<double> ParseNumber(std::string_view text, ReadFault& fault)
{
    text = Trim(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = ParseDecimal(text.data(), text.data() + text.size(), value);
    fault = ReadFault::NotANumber;
    if (!text.empty() && end == text.data() + text.size() && ec == std::errc::result_out_of_range)
        fault = ReadFault::NotRepresentable;
    // The parser also reads "inf" and "nan", which are no measurements.
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// A name from the LOCATION line as UTF-8 (Windows-1252 when it is not valid UTF-8), control and
// direction characters blanked, blanks around it trimmed.
std::string LocationText(std::string_view raw) { return std::string(Trim(DecodeName(raw))); }

// --- failures ------------------------------------------------------------------------------------

ReadFailure Failure(int code, ReadFault kind, int line = 0, long long number = 0, long long needed = 0)
{
    ReadFailure f;
    f.Format = FileFormat::Weather;
    f.Kind = kind;
    f.Code = code;
    f.Line = line;
    f.Number = number;
    f.Needed = needed;
    return f;
}

EpwResult Fail(ReadFailure failure)
{
    EpwResult r;
    r.failure = std::move(failure);
    return r;
}

ReadFailure FieldFailure(int code, ReadFault kind, int line, int column, const char* name, std::string_view text)
{
    ReadFailure f = Failure(code, kind, line);
    f.Field = column + 1;
    f.FieldName = name;
    f.Text = CleanExcerpt(text);
    return f;
}

// A numeric field and the values it may hold.
struct NumberField {
    int column;  // 0-based
    const char* name;
    ValueRange range;
    double missingFrom;  // the missing-value marker; +infinity where a value must be present
    bool whole;          // month, day, hour
};

constexpr double kNever = std::numeric_limits<double>::infinity();

// Physical limits of the EnergyPlus weather file definition: dry bulb and dew point -70..70 C,
// relative humidity 0..110 %, station pressure 31 000..120 000 Pa. EnergyPlus takes any value at
// or above a missing marker as missing, and so do we.
constexpr NumberField kMonthField{1, "month", {1, 12}, kNever, true};
constexpr NumberField kDayField{2, "day", {1, 31}, kNever, true};
constexpr NumberField kHourField{3, "hour", {1, 24}, kNever, true};
constexpr NumberField kDryBulbField{6, "dry bulb", {-70, 70}, 99.9, false};
constexpr NumberField kDewPointField{7, "dew point", {-70, 70}, 99.9, false};
constexpr NumberField kHumidityField{8, "relative humidity", {0, 110}, 999, false};
constexpr NumberField kPressureField{9, "station pressure", {31000, 120000}, 999999, false};
// Wind direction 0..360 degrees and speed 0..40 m/s, 999 missing.
constexpr NumberField kWindDirectionField{20, "wind direction", {0, 360}, 999, false};
constexpr NumberField kWindSpeedField{21, "wind speed", {0, 40}, 999, false};
// LOCATION: the ranges the Monthly Data reader accepts, so that a derived location is one the
// analysis handles.
constexpr NumberField kLatitudeField{6, "latitude", kLatitudeRange, kNever, false};
constexpr NumberField kLongitudeField{7, "longitude", kLongitudeRange, kNever, false};
constexpr NumberField kElevationField{9, "elevation", kElevationRange, kNever, false};
// Read for the sun's position only, and never a reason to refuse a file: files that left them
// out or wrote them oddly were analysed before the sun was.
constexpr NumberField kTimeZoneField{8, "time zone", {-12, 14}, kNever, false};
constexpr NumberField kYearField{0, "year", {1, 9999}, kNever, true};

// Parses column field.column of a line into `value`, NaN for a missing value.
template <std::size_t N>
std::optional<ReadFailure> ReadNumber(const std::array<std::string_view, N>& fields, const NumberField& field, int line,
                                      double& value)
{
    const std::string_view text = fields[field.column];
    ReadFault fault{};
    const std::optional<double> v = ParseNumber(text, fault);
    if (!v) return FieldFailure(kEpwBadNumber, fault, line, field.column, field.name, text);
    if (*v >= field.missingFrom) {
        value = std::numeric_limits<double>::quiet_NaN();
        return std::nullopt;
    }
    if (field.whole && *v != std::floor(*v))
        return FieldFailure(kEpwBadNumber, ReadFault::NotWholeNumber, line, field.column, field.name, text);
    if (!field.range.Contains(*v)) {
        ReadFailure f = FieldFailure(kEpwOutOfRange, ReadFault::OutOfRange, line, field.column, field.name, text);
        f.Range = field.range;
        return f;
    }
    value = *v + 0.0;  // "-0" is 0, so that no "-0" is printed downstream
    return std::nullopt;
}

// --- LOCATION ------------------------------------------------------------------------------------

bool IsLocationKeyword(std::string_view field)
{
    if (field.substr(0, 3) == "\xEF\xBB\xBF") field.remove_prefix(3);  // UTF-8 byte-order mark
    constexpr std::string_view kKeyword = "LOCATION";
    if (field.size() != kKeyword.size()) return false;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if ((c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c) != kKeyword[i]) return false;
    }
    return true;
}

std::optional<ReadFailure> ReadLocationLine(std::string_view line, LocationRecord& location)
{
    std::array<std::string_view, 10> f{};
    const int n = SplitFields(line, f);
    if (!IsLocationKeyword(f[0])) return Failure(kEpwNotEpw, ReadFault::NotEpw, 1);
    if (n < static_cast<int>(f.size()))
        return Failure(kEpwMissingField, ReadFault::TooFewFields, 1, n, static_cast<long long>(f.size()));

    location.LocationName = LocationText(f[1]);
    location.Country = LocationText(f[3]);
    for (const auto& [column, name, text] :
         {std::tuple{1, "city", &location.LocationName}, std::tuple{3, "country", &location.Country}}) {
        if (text->size() > kMaxNameBytes) {
            ReadFailure failure = FieldFailure(kEpwOutOfRange, ReadFault::FieldTooLong, 1, column, name, {});
            failure.Number = kMaxNameBytes;
            return failure;
        }
    }
    double latitude = 0, longitude = 0, elevation = 0;
    if (auto failure = ReadNumber(f, kLatitudeField, 1, latitude)) return failure;
    if (auto failure = ReadNumber(f, kLongitudeField, 1, longitude)) return failure;
    if (auto failure = ReadNumber(f, kElevationField, 1, elevation)) return failure;
    location.Latitude = static_cast<float>(latitude);
    location.Longitude = static_cast<float>(longitude);
    location.Elevation = static_cast<float>(elevation);
    location.DataSource = "EPW";
    return std::nullopt;
}

// The LOCATION line's time zone, or NaN where it is not a plausible one.
float TimeZoneOf(std::string_view line)
{
    std::array<std::string_view, 10> f{};
    SplitFields(line, f);
    double zone = 0;
    return ReadNumber(f, kTimeZoneField, 1, zone) ? std::numeric_limits<float>::quiet_NaN() : static_cast<float>(zone);
}

// --- rows ----------------------------------------------------------------------------------------

std::optional<ReadFailure> ReadRow(std::string_view text, int line, EpwHour& hour)
{
    std::array<std::string_view, kFirstColumns> f{};
    const int n = SplitFields(text, f);
    if (n < kNeededColumns) return Failure(kEpwMissingField, ReadFault::TooFewFields, line, n, kNeededColumns);
    double month = 0, day = 0, clockHour = 0, dryBulb = 0, dewPoint = 0, rh = 0;
    for (const auto& [field, value] : {std::pair{&kMonthField, &month},
                                       {&kDayField, &day},
                                       {&kHourField, &clockHour},
                                       {&kDryBulbField, &dryBulb},
                                       {&kDewPointField, &dewPoint},
                                       {&kHumidityField, &rh}}) {
        if (auto failure = ReadNumber(f, *field, line, *value)) return failure;
    }
    // The analysis never uses the station pressure (it follows from the elevation), so a file
    // is not refused for it: whatever is not a plausible pressure is kept as missing.
    double pressure = std::numeric_limits<double>::quiet_NaN();
    if (n > kPressureField.column && ReadNumber(f, kPressureField, line, pressure))
        pressure = std::numeric_limits<double>::quiet_NaN();
    if (double year = 0; !ReadNumber(f, kYearField, line, year)) hour.Year = static_cast<int>(year);
    // Nor is the wind needed to read a year: a short row or an implausible value leaves it missing.
    double windDirection = std::numeric_limits<double>::quiet_NaN(), windSpeed = windDirection;
    for (const auto& [field, value] : {std::pair{&kWindDirectionField, &windDirection}, {&kWindSpeedField, &windSpeed}})
        if (n <= field->column || ReadNumber(f, *field, line, *value))
            *value = std::numeric_limits<double>::quiet_NaN();
    hour.Month = static_cast<int>(month);
    hour.Day = static_cast<int>(day);
    hour.Hour = static_cast<int>(clockHour);
    if (hour.Day > kDaysInMonth[hour.Month]) {
        ReadFailure failure = FieldFailure(kEpwOutOfRange, ReadFault::DayPastMonthEnd, line, kDayField.column,
                                           kDayField.name, f[kDayField.column]);
        failure.Number = hour.Month;
        return failure;
    }

    // Not recorded: the ratio of the saturation pressures at the dew point and at the dry bulb.
    if (std::isnan(rh) && !std::isnan(dryBulb) && !std::isnan(dewPoint))
        rh = 100.0 * FPvsPa(static_cast<float>(dewPoint)) / FPvsPa(static_cast<float>(dryBulb));
    // Fog and sensor drift give readings up to 110 %; the chart ends at saturation.
    if (rh > 100) rh = 100;

    hour.DryBulb = static_cast<float>(dryBulb);
    hour.DewPoint = static_cast<float>(dewPoint);
    hour.RelativeHumidity = static_cast<float>(rh);
    hour.PressurePa = static_cast<float>(pressure);
    hour.WindDirection = static_cast<float>(windDirection);
    hour.WindSpeed = static_cast<float>(windSpeed);
    hour.Missing = std::isnan(dryBulb) || std::isnan(rh);
    return std::nullopt;
}

// True when `next` is the hour after `previous`: hours 1..24, days to the month's end, 29 February
// optional, and 31 December followed by 1 January (a year that changes mid-file, as in typical
// years assembled from months of different years, or a year that starts in July).
bool Follows(const EpwHour& previous, const EpwHour& next)
{
    if (previous.Hour < 24)
        return next.Month == previous.Month && next.Day == previous.Day && next.Hour == previous.Hour + 1;
    if (next.Hour != 1) return false;
    if (next.Month == previous.Month) return next.Day == previous.Day + 1;
    const bool monthEnds = previous.Day == kDaysInMonth[previous.Month] || (previous.Month == 2 && previous.Day == 28);
    return monthEnds && next.Day == 1 && next.Month == previous.Month % kMonths + 1;
}

RowTime TimeOf(const EpwHour& h) { return {h.Month, h.Day, h.Hour}; }

}  // namespace

EpwResult ReadEpw(std::string_view bytes) noexcept
{
    if (bytes.size() > kMaxFileBytes) return Fail(TooLargeFailure(kEpwTooLarge, FileFormat::Weather, kMaxFileBytes));
    if (bytes.empty()) return Fail(Failure(kEpwNotEpw, ReadFault::EmptyFile));

    EpwResult result;
    EpwFile& file = result.file;
    LineCursor cursor(bytes);
    std::string_view line;
    int rows = 0, leapDayRows = 0, previousLine = 0;
    file.Hours.reserve(kLeapYearHours);
    while (cursor.Next(line)) {
        const int number = cursor.Number();
        if (line.size() > kMaxLineBytes)
            return Fail(Failure(kEpwLineTooLong, ReadFault::LineTooLong, number, kMaxLineBytes));
        if (number == 1) {
            if (auto failure = ReadLocationLine(line, file.Location)) {
                result.failure = std::move(failure);
                return result;
            }
            file.TimeZoneHours = TimeZoneOf(line);
            continue;
        }
        if (number <= kHeaderLines) {  // design conditions, periods, comments: not needed
            // A header line that reads as an hourly row: header lines are missing, and skipping
            // it would report a row short of a year instead.
            if (EpwHour row; !ReadRow(line, number, row))
                return Fail(Failure(kEpwRowCount, ReadFault::ShortHeader, number, number - 1, kHeaderLines));
            continue;
        }
        if (IsEmptyLine(line)) continue;
        if (rows == kLeapYearHours) return Fail(Failure(kEpwRowCount, ReadFault::TooManyRows, number, kLeapYearHours));
        EpwHour hour;
        if (auto failure = ReadRow(line, number, hour)) {
            // A last row cut off in the middle is a truncated file: say how much of it arrived.
            if (cursor.EndsWithoutBreak() && rows < kEpwYearHours)
                return Fail(Failure(kEpwRowCount, ReadFault::EndsInsideRow, number, rows, kEpwYearHours));
            result.failure = std::move(failure);
            return result;
        }
        // Averaging rows that repeat, go back or leave hours out would give normals of no year.
        if (rows > 0 && !Follows(file.Hours.back(), hour)) {
            ReadFailure failure = Failure(kEpwOutOfOrder, ReadFault::OutOfOrder, number);
            failure.Row = TimeOf(hour);
            failure.PreviousRow = TimeOf(file.Hours.back());
            failure.PreviousLine = previousLine;
            return Fail(std::move(failure));
        }
        previousLine = number;
        ++rows;
        if (hour.Month == 2 && hour.Day == 29) ++leapDayRows;
        file.Hours.push_back(hour);
    }
    if (cursor.Number() < kHeaderLines)
        return Fail(Failure(kEpwRowCount, ReadFault::EndsInsideHeader, cursor.Number(), kHeaderLines));

    // A leap year written with its 29 February: drop that day, as files of 8760 rows have done.
    if (rows == kLeapYearHours && leapDayRows == kLeapYearHours - kEpwYearHours) {
        std::erase_if(file.Hours, [](const EpwHour& h) { return h.Month == 2 && h.Day == 29; });
        rows = kEpwYearHours;
    }
    if (rows != kEpwYearHours) return Fail(Failure(kEpwRowCount, ReadFault::RowCount, 0, rows, kEpwYearHours));

    std::array<int, kMonths + 1> usedInMonth{};
    for (const EpwHour& h : file.Hours) {
        if (h.Missing) continue;
        ++file.HoursUsed;
        ++usedInMonth[h.Month];
    }
    file.HoursMissing = rows - file.HoursUsed;
    for (int m = 1; m <= kMonths; ++m) {
        if (usedInMonth[m] == 0) return Fail(Failure(kEpwNoData, ReadFault::MonthWithoutData, 0, m));
    }
    // The normals are analysed like a Monthly Data file's, so they must lie in its ranges.
    if (auto failure = NormalOutsideRanges(DeriveMonthlyNormals(file))) return Fail(std::move(*failure));
    return result;
}

EpwResult ReadEpwFile(const std::filesystem::path& path) noexcept
{
    FileBytes f = ReadFileBytes(path, kMaxFileBytes);
    if (f.tooLarge) f.failure = TooLargeFailure(kEpwTooLarge, FileFormat::Weather, kMaxFileBytes);
    EpwResult result = f.failure ? Fail(std::move(*f.failure)) : ReadEpw(f.bytes);
    if (result.failure) {
        result.failure->File = path;
        result.failure->Format = FileFormat::Weather;
    }
    return result;
}

}  // namespace qav
