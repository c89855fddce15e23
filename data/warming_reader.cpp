#include "data/warming_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

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
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
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

std::string Excerpt(std::string_view text) { return std::string(text.substr(0, 40)); }

std::string Where(int line, int field)
{
    return "line " + std::to_string(line) + ", field " + std::to_string(field) + " (" + kFieldName[field] + ")";
}

// The number of a field, or the reason it is not one.
std::optional<std::string> ParseField(std::string_view text, int line, int field, double lo, double hi, double& value)
{
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return Where(line, field) + ": '" + Excerpt(text) + "' is not a number";
    if (value < lo || value > hi)
        return Where(line, field) + ": " + Excerpt(text) + " is outside " + std::to_string(static_cast<int>(lo)) +
               " to " + std::to_string(static_cast<int>(hi));
    return std::nullopt;
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
        const size_t end = text.find('\n');
        const std::string_view raw = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line;
        if (raw.empty()) continue;
        if (!header) {
            std::string lower(raw);
            lower.erase(std::remove(lower.begin(), lower.end(), ' '), lower.end());
            std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
            if (lower != kHeader)
                result.failure = "line " + std::to_string(line) + ": expected the header " + std::string(kHeader);
            header = true;
            continue;
        }
        const std::vector<std::string_view> fields = SplitFields(raw);
        if (fields.size() != 4) {
            result.failure = "line " + std::to_string(line) + ": 4 fields expected, found " +
                             std::to_string(fields.size());
            break;
        }
        if (++rows > kMonths) {
            result.failure = "line " + std::to_string(line) + ": more than twelve months";
            break;
        }
        double month = 0, change[4] = {};
        if ((result.failure = ParseField(fields[0], line, 1, 1, kMonths, month))) break;
        if (month != std::floor(month)) {
            result.failure = Where(line, 1) + ": '" + Excerpt(fields[0]) + "' is not a month 1 to 12";
            break;
        }
        const int m = static_cast<int>(month);
        if (seen[m]) {
            result.failure = Where(line, 1) + ": month " + std::to_string(m) + " is given twice";
            break;
        }
        seen[m] = true;
        for (int f = 2; f <= 4 && !result.failure; ++f) {
            const double limit = f == 4 ? kMaxHumidityChange : kMaxTemperatureChange;
            result.failure = ParseField(fields[f - 1], line, f, -limit, limit, change[f - 1]);
        }
        result.warming.Month[m] = {static_cast<float>(change[1]), static_cast<float>(change[2]),
                                   static_cast<float>(change[3])};
    }
    if (result.failure) return result;
    if (!header) return {{}, "line 1: expected the header " + std::string(kHeader)};
    for (int m = 1; m <= kMonths; ++m)
        if (!seen[m]) return {{}, "line " + std::to_string(line) + ": month " + std::to_string(m) + " is missing"};
    return result;
}

WarmingResult ReadWarmingFile(const std::filesystem::path& file) noexcept
{
    FileBytes f = ReadFileBytes(file, kMaxWarmingBytes);
    if (f.failure) return {{}, f.failure->message};
    if (f.tooLarge) return {{}, "more than 64 KB: not a warming file"};
    return ReadWarming(f.bytes);
}

}  // namespace qav
