// Feeds arbitrary bytes to the Monthly Data reader. Besides crashes, hangs and sanitizer reports
// it checks two promises: a success holds 1..50 locations with every number in its range, and
// writing what was read and reading it again gives the same table (texts with a double quote
// come back with an apostrophe, the one thing the format cannot hold).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/md_reader.h"
#include "data/md_writer.h"
#include "data/read_failure.h"

namespace {

bool InRange(float v, float lo, float hi) { return v >= lo && v <= hi; }

std::string AsWritten(std::string text)
{
    std::replace(text.begin(), text.end(), '"', '\'');
    return text;
}

bool SameTable(const qav::LocationTable& a, const qav::LocationTable& b)
{
    if (a.LocationCount != b.LocationCount) return false;
    for (int k = 1; k <= a.LocationCount; ++k) {
        const qav::LocationRecord& x = a.Slot[k];
        const qav::LocationRecord& y = b.Slot[k];
        if (AsWritten(x.LocationName) != y.LocationName || AsWritten(x.Country) != y.Country ||
            AsWritten(x.DataSource) != y.DataSource || x.Latitude != y.Latitude || x.Longitude != y.Longitude ||
            x.Elevation != y.Elevation) {
            return false;
        }
        for (int m = 1; m <= qav::kMonths; ++m) {
            if (x.Month[m].DBTmin != y.Month[m].DBTmin || x.Month[m].DBTmax != y.Month[m].DBTmax ||
                x.Month[m].RHavg != y.Month[m].RHavg) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const qav::ReadResult r = qav::ReadMonthlyData(std::string_view(reinterpret_cast<const char*>(data), size));
    if (r.failure) {
        if (qav::EnglishReadFailure(*r.failure).empty()) __builtin_trap();
        return 0;
    }
    const qav::LocationTable& t = r.table;
    if (t.LocationCount < 1 || t.LocationCount > qav::kMaxLocations) __builtin_trap();
    for (int k = 1; k <= t.LocationCount; ++k) {
        const qav::LocationRecord& x = t.Slot[k];
        if (!InRange(x.Latitude, -90, 90) || !InRange(x.Longitude, -180, 180) || !InRange(x.Elevation, -500, 9000)) {
            __builtin_trap();
        }
        for (int m = 1; m <= qav::kMonths; ++m) {
            const qav::MonthlyNormals& n = x.Month[m];
            if (!InRange(n.DBTmin, -90, 55) || !InRange(n.DBTmax, -90, 55) || !InRange(n.RHavg, 0, 100)) {
                __builtin_trap();
            }
        }
    }
    const qav::ReadResult again = qav::ReadMonthlyData(qav::WriteMonthlyData(t));
    if (again.failure || !SameTable(t, again.table)) __builtin_trap();
    return 0;
}
