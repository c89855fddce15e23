// Feeds arbitrary bytes to the EPW reader. Inputs whose first byte is odd are first grown into a
// whole year: the header lines are kept and every hour of 1999 becomes
// "1999,<month>,<day>,<hour>," followed by the text after the fourth comma of one of the input's
// data rows, taken in turn. That lets the fuzzer reach a complete read, and with it the monthly
// normals and the recorded hours, with values of its own choosing. Besides crashes, hangs and
// sanitizer reports it checks that a failure carries a message and that a success keeps its
// promises: 8760 hours, used plus missing adding up, names in UTF-8, normals and points in range.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/epw_normals.h"
#include "data/epw_reader.h"
#include "data/read_failure.h"
#include "data/recorded_hours.h"

namespace {

std::string GrowIntoYear(std::string_view input)
{
    std::vector<std::string_view> lines;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        lines.push_back(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    std::string out;
    std::vector<std::string_view> tails;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < 8) {
            out.append(lines[i]).append("\n");
            continue;
        }
        std::size_t from = 0, comma = std::string_view::npos;
        for (int k = 0; k < 4; ++k) {
            comma = lines[i].find(',', from);
            if (comma == std::string_view::npos) break;
            from = comma + 1;
        }
        if (comma != std::string_view::npos) tails.push_back(lines[i].substr(from));
    }
    if (tails.empty()) return out;
    const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::size_t k = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= days[m - 1]; ++d)
            for (int h = 1; h <= 24; ++h, ++k) {
                out += "1999," + std::to_string(m) + "," + std::to_string(d) + "," + std::to_string(h) + ",";
                out.append(tails[k % tails.size()]).append("\n");
            }
    return out;
}

bool IsUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

bool In(double v, double lo, double hi) { return v >= lo && v <= hi; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string grown;
    if (size > 0 && (data[0] & 1)) {
        grown = GrowIntoYear(input.substr(1));
        input = grown;
    }
    const qav::EpwResult r = qav::ReadEpw(input);
    if (r.failure) {
        const std::string message = qav::EnglishReadFailure(*r.failure);
        if (message.empty() || !IsUtf8(message)) __builtin_trap();
        return 0;
    }
    const qav::EpwFile& f = r.file;
    if (f.Hours.size() != 8760 || f.HoursUsed + f.HoursMissing != 8760 || f.HoursUsed < 12) __builtin_trap();
    if (!IsUtf8(f.Location.LocationName) || !IsUtf8(f.Location.Country)) __builtin_trap();

    const qav::LocationRecord n = qav::DeriveMonthlyNormals(f);
    for (int m = 1; m <= qav::kMonths; ++m) {
        const qav::MonthlyNormals& x = n.Month[m];
        if (!In(x.DBTmin, -70, 70) || !In(x.DBTmax, x.DBTmin, 70) || !In(x.RHavg, 0, 100)) __builtin_trap();
    }
    const qav::Psychrometrics psy(qav::StationPressure(f.Location.Elevation));
    const std::vector<qav::RecordedHour> hours = qav::RecordedHoursAt(f, psy);
    if (hours.size() != static_cast<std::size_t>(f.HoursUsed)) __builtin_trap();
    for (const qav::RecordedHour& h : hours)
        if (!In(h.DBT, -70, 70) || !std::isfinite(h.W) || h.W < 0) __builtin_trap();
    return 0;
}
