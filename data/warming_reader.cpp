#include "data/warming_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "core/text_format.h"
#include "data/file_bytes.h"

namespace qav {
namespace {

constexpr std::string_view kHeader = "month,dbt_min,dbt_max,rh_avg";
constexpr const char* kFieldName[5] = {"", "month", "dbt_min", "dbt_max", "rh_avg"};
// A warming file has 13 short lines; anything larger is not one.
constexpr std::size_t kMaxWarmingBytes = 64 * 1024;

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t comma = line.find(',', start);
        fields.push_back(Trim(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

ReadFailure Failure(int code, ReadFault kind, int line, int field = 0)
{
    ReadFailure f;
    f.Format = FileFormat::Warming;
    f.Kind = kind;
    f.Code = code;
    f.Line = line;
    f.Field = field;
    if (field > 0) f.FieldName = kFieldName[field];
    return f;
}

ReadFailure CountFailure(int code, ReadFault kind, int line, long long number)
{
    ReadFailure f = Failure(code, kind, line);
    f.Number = number;
    return f;
}

// The number of a field, or why it is not one.
std::optional<ReadFailure> ParseField(std::string_view text, int line, int field, ValueRange range, double& value)
{
    const std::string_view raw = text;
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    const auto [end, ec] = ParseDecimal(text.data(), text.data() + text.size(), value);
    std::optional<ReadFailure> failure;
    const bool whole = !text.empty() && end == text.data() + text.size();
    if (whole && ec == std::errc::result_out_of_range)  // 1e400, 1e-400
        failure = Failure(kWarmingBadNumber, ReadFault::NotRepresentable, line, field);
    else if (!whole || ec != std::errc{} || !std::isfinite(value))
        failure = Failure(kWarmingBadNumber, ReadFault::NotANumber, line, field);
    else if (!range.Contains(value))
        failure = Failure(kWarmingOutOfRange, ReadFault::OutOfRange, line, field);
    else
        return std::nullopt;
    failure->Text = CleanExcerpt(raw);
    failure->Range = range;
    return failure;
}

}  // namespace

WarmingResult ReadWarming(std::string_view text) noexcept
{
    WarmingResult result;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    bool seen[kMonths + 1] = {};
    int line = 0, rows = 0;
    bool header = false;
    while (!text.empty() && !result.failure) {
        // A line ends at LF, CR LF or a lone CR, as in the other readers.
        const size_t end = text.find_first_of("\r\n");
        const std::string_view raw = Trim(text.substr(0, end));
        size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (next < text.size() && text[end] == '\r' && text[next] == '\n') ++next;
        text.remove_prefix(next);
        ++line;
        if (raw.empty()) continue;
        if (!header) {
            std::string lower(raw);
            lower.erase(std::remove_if(lower.begin(), lower.end(), [](char c) { return c == ' ' || c == '\t'; }),
                        lower.end());
            std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
            if (lower != kHeader) result.failure = Failure(kWarmingNoHeader, ReadFault::NoHeader, line);
            header = true;
            continue;
        }
        const std::vector<std::string_view> fields = SplitFields(raw);
        if (fields.size() != 4) {
            result.failure = CountFailure(kWarmingFieldCount, ReadFault::WrongFieldCount, line,
                                          static_cast<long long>(fields.size()));
            result.failure->Needed = 4;
            break;
        }
        if (++rows > kMonths) {
            result.failure = Failure(kWarmingMonthCount, ReadFault::TooManyMonths, line);
            break;
        }
        double month = 0, change[4] = {};
        if ((result.failure = ParseField(fields[0], line, 1, {1, kMonths}, month))) break;
        if (month != std::floor(month)) {
            result.failure = Failure(kWarmingBadNumber, ReadFault::NotWholeNumber, line, 1);
            result.failure->Text = CleanExcerpt(fields[0]);
            break;
        }
        const int m = static_cast<int>(month);
        if (seen[m]) {
            result.failure = Failure(kWarmingMonthCount, ReadFault::MonthTwice, line, 1);
            result.failure->Number = m;
            break;
        }
        seen[m] = true;
        for (int f = 2; f <= 4 && !result.failure; ++f) {
            const int limit = static_cast<int>(f == 4 ? kMaxHumidityChange : kMaxTemperatureChange);
            result.failure = ParseField(fields[f - 1], line, f, {-limit, limit}, change[f - 1]);
        }
        result.warming.Month[m] = {static_cast<float>(change[1]), static_cast<float>(change[2]),
                                   static_cast<float>(change[3])};
    }
    if (result.failure) return result;
    if (!header) return {{}, Failure(kWarmingNoHeader, ReadFault::NoHeader, 1)};
    for (int m = 1; m <= kMonths; ++m)
        if (!seen[m]) return {{}, CountFailure(kWarmingMonthCount, ReadFault::MonthMissing, line, m)};
    return result;
}

WarmingResult ReadWarmingFile(const std::filesystem::path& file) noexcept
{
    FileBytes f = ReadFileBytes(file, kMaxWarmingBytes);
    if (f.tooLarge) f.failure = TooLargeFailure(kWarmingTooLarge, FileFormat::Warming, kMaxWarmingBytes);
    WarmingResult result = f.failure ? WarmingResult{{}, std::move(f.failure)} : ReadWarming(f.bytes);
    if (result.failure) {
        result.failure->File = file;
        result.failure->Format = FileFormat::Warming;
    }
    return result;
}

}  // namespace qav
