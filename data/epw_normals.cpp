#include "data/epw_normals.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <cmath>

#include "core/text_format.h"

namespace qav {
namespace {

// The built-in sets and Monthly Data files give the normals to one decimal; derived ones match.
float RoundTenth(double x) { return static_cast<float>(std::round(x * 10) / 10); }

struct DayExtremes {
    double min = 0, max = 0;
    bool any = false;
};

}  // namespace

LocationRecord DeriveMonthlyNormals(const EpwFile& file)
{
    LocationRecord r = file.Location;
    r.DataSource = "EPW";

    std::array<std::array<DayExtremes, 32>, kMonths + 1> days{};
    std::array<double, kMonths + 1> rhSum{};
    std::array<int, kMonths + 1> rhCount{};
    for (const EpwHour& h : file.Hours) {
        if (h.Missing || h.Month < 1 || h.Month > kMonths || h.Day < 1 || h.Day > 31) continue;
        DayExtremes& d = days[h.Month][h.Day];
        if (!d.any) {
            d = {h.DryBulb, h.DryBulb, true};
        } else {
            d.min = std::min<double>(d.min, h.DryBulb);
            d.max = std::max<double>(d.max, h.DryBulb);
        }
        rhSum[h.Month] += h.RelativeHumidity;
        ++rhCount[h.Month];
    }

    for (int m = 1; m <= kMonths; ++m) {
        double minSum = 0, maxSum = 0;
        int dayCount = 0;
        for (const DayExtremes& d : days[m]) {
            if (!d.any) continue;
            minSum += d.min;
            maxSum += d.max;
            ++dayCount;
        }
        MonthlyNormals& n = r.Month[m];
        n = {};
        if (dayCount == 0) continue;
        n.DBTmin = RoundTenth(minSum / dayCount);
        n.DBTmax = RoundTenth(maxSum / dayCount);
        n.RHavg = RoundTenth(rhSum[m] / rhCount[m]);
    }
    return r;
}

std::optional<ReadFailure> NormalOutsideRanges(const LocationRecord& normals)
{
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = normals.Month[m];
        for (const auto& [name, value, range] :
             {std::tuple{"DBTmin", n.DBTmin, kTemperatureRange}, std::tuple{"DBTmax", n.DBTmax, kTemperatureRange},
              std::tuple{"RHavg", n.RHavg, kHumidityRange}}) {
            if (range.Contains(value)) continue;
            ReadFailure f;
            f.Format = FileFormat::Weather;
            f.Kind = ReadFault::NormalOutOfRange;
            f.Code = kEpwOutOfRange;
            f.FieldName = name;
            f.Number = m;
            f.Text = FormatFixed(value, 1);
            f.Range = range;
            return f;
        }
        // Each day's minimum is at most its maximum, and sums and roundings keep that order, so
        // a derived month cannot cross; a caller's normals are checked all the same.
        if (n.DBTmin > n.DBTmax) {
            ReadFailure f;
            f.Format = FileFormat::Weather;
            f.Kind = ReadFault::MinAboveMax;
            f.Code = kEpwOutOfRange;
            f.Number = m;
            f.Text = FormatFixed(n.DBTmin, 1);
            f.OtherText = FormatFixed(n.DBTmax, 1);
            return f;
        }
    }
    return std::nullopt;
}

}  // namespace qav
