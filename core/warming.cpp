#include "core/warming.h"

#include <algorithm>

#include "core/hourly_synthesis.h"
#include "text/month_names.h"
#include "core/text_format.h"

namespace qav {
namespace {

std::string Signed(double value)
{
    const std::string text = FormatShortest(static_cast<float>(value));
    return value >= 0 ? "+" + text : text;
}

std::string Plain(float value) { return FormatShortest(value); }

}  // namespace

bool Warming::IsZero() const
{
    for (int m = 1; m <= kMonths; ++m)
        if (!(Month[m] == MonthlyChange{})) return false;
    return true;
}

std::optional<float> Warming::Uniform() const
{
    const float degrees = Month[1].DBTmin;
    for (int m = 1; m <= kMonths; ++m)
        if (!(Month[m] == MonthlyChange{degrees, degrees, 0})) return std::nullopt;
    return degrees;
}

double Warming::MeanTemperatureChange(int month) const
{
    return (static_cast<double>(Month[month].DBTmin) + Month[month].DBTmax) / 2;
}

Warming UniformWarming(float degrees)
{
    Warming w;
    for (int m = 1; m <= kMonths; ++m) w.Month[m] = {degrees, degrees, 0};
    return w;
}

std::string DescribeWarming(const Warming& warming)
{
    if (const auto degrees = warming.Uniform()) return Signed(*degrees) + " \u00B0C";
    return "monthly changes";
}

const char* NormalName(RefusedChange::Normal normal)
{
    switch (normal) {
        case RefusedChange::Normal::DBTmin:
            return "DBTmin";
        case RefusedChange::Normal::DBTmax:
            return "DBTmax";
        case RefusedChange::Normal::RHavg:
            break;
    }
    return "RHavg";
}

std::string WarmingNumberText(float value) { return Plain(value); }

WarmedLocation WarmLocation(const LocationRecord& location, const Warming& warming)
{
    using Normal = RefusedChange::Normal;
    LocationRecord changed = location;
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = location.Month[m];
        const MonthlyChange& c = warming.Month[m];
        struct Field {
            Normal name;
            float base, change;
            ValueRange range;
            float* target;
        };
        for (const Field& f : {
                 Field{Normal::DBTmin, n.DBTmin, c.DBTmin, kTemperatureRange, &changed.Month[m].DBTmin},
                 Field{Normal::DBTmax, n.DBTmax, c.DBTmax, kTemperatureRange, &changed.Month[m].DBTmax},
                 Field{Normal::RHavg, n.RHavg, c.RHavg, kHumidityRange, &changed.Month[m].RHavg},
             }) {
            const float value = static_cast<float>(static_cast<double>(f.base) + f.change);
            if (!f.range.Contains(value))
                return {std::nullopt, RefusedChange{m, f.name, f.base, f.change, value, f.range}};
            *f.target = value;
        }
        // Per-month changes of DBTmin and DBTmax may cross them; the typical day would then run
        // backwards. Equal values are a day of constant temperature and are kept.
        const MonthlyNormals& w = changed.Month[m];
        if (w.DBTmin > w.DBTmax) {
            RefusedChange r{m, Normal::DBTmin, n.DBTmin, c.DBTmin, w.DBTmin, kTemperatureRange, {}};
            r.AboveMax = RefusedChange::Pair{n.DBTmax, c.DBTmax, w.DBTmax};
            return {std::nullopt, r};
        }
    }
    return {std::move(changed), std::nullopt};
}

std::string DescribeRefusedChange(const RefusedChange& r)
{
    const auto sum = [](float base, float change, float result) {
        return Plain(base) + " " + (change < 0 ? "- " + Plain(-change) : "+ " + Plain(change)) + " = " + Plain(result);
    };
    const std::string head = std::string(kMonthName[r.Month]) + " " + NormalName(r.Field) + ": ";
    if (const auto& max = r.AboveMax)
        return head + sum(r.Base, r.Change, r.Result) + " is above DBTmax " + sum(max->Base, max->Change, max->Result);
    return head + sum(r.Base, r.Change, r.Result) + " is outside " + RangeText(r.Range);
}

std::vector<RecordedHour> ShiftRecordedHours(const std::vector<RecordedHour>& hours, const Warming& warming,
                                             const Psychrometrics& psy)
{
    std::vector<RecordedHour> shifted;
    shifted.reserve(hours.size());
    for (RecordedHour h : hours) {
        if (h.Month >= 1 && h.Month <= kMonths) {
            h.DBT = RoundHundredth(h.DBT + warming.MeanTemperatureChange(h.Month));
            h.RH = std::clamp(h.RH + warming.Month[h.Month].RHavg, 0.0f, 100.0f);
            h.W = RoundHundredth(psy.FTax1(h.DBT, h.RH / 100.0f));
        }
        shifted.push_back(h);
    }
    return shifted;
}

}  // namespace qav
