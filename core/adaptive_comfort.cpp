#include "core/adaptive_comfort.h"

#include <algorithm>

namespace qav {
namespace {

struct ModelConstants {
    double slope, intercept;                           // comfort temperature = slope * mean + intercept
    double lowestUpper, lowestLower, highest;          // mean outdoor range where the limits apply, C
    std::array<double, kAdaptiveLevels> below, above;  // K from the comfort temperature
};

// ASHRAE 55-2020 fig. 5.4.2 and EN 16798-1:2019 annex B.2.2 (see the header). ASHRAE's band is
// symmetric and valid over one range, so its lower limits share the upper ones' range.
constexpr ModelConstants kAshrae55{0.31, 17.8, 10, 10, 33.5, {3.5, 2.5, 0}, {3.5, 2.5, 0}};
constexpr ModelConstants kEn16798{0.33, 18.8, 10, 15, 30, {3, 4, 5}, {2, 3, 4}};

const ModelConstants& ConstantsOf(ComfortModel model) { return model == ComfortModel::En16798 ? kEn16798 : kAshrae55; }

}  // namespace

std::string_view ComfortModelKey(ComfortModel model)
{
    switch (model) {
        case ComfortModel::Ashrae55:
            return "ashrae55";
        case ComfortModel::En16798:
            return "en16798";
        case ComfortModel::Givoni:
            break;
    }
    return "givoni";
}

bool ParseComfortModel(std::string_view key, ComfortModel& model)
{
    for (const ComfortModel m : {ComfortModel::Givoni, ComfortModel::Ashrae55, ComfortModel::En16798}) {
        if (key == ComfortModelKey(m)) {
            model = m;
            return true;
        }
    }
    return false;
}

AdaptiveMonth AdaptiveBand(ComfortModel model, double meanOutdoor)
{
    const ModelConstants& c = ConstantsOf(model);
    AdaptiveMonth month;
    month.MeanOutdoor = meanOutdoor;
    month.Comfort = c.slope * meanOutdoor + c.intercept;
    for (int i = 0; i < kAdaptiveLevels; ++i) {
        month.Lower[i] = month.Comfort - c.below[i];
        month.Upper[i] = month.Comfort + c.above[i];
    }
    // Hours are judged against both limits, so a month counts only where both apply.
    month.InRange = meanOutdoor >= std::max(c.lowestUpper, c.lowestLower) && meanOutdoor <= c.highest;
    return month;
}

void CountAdaptiveHour(ComfortModel model, AdaptiveMonth& month, float t)
{
    if (!month.InRange) return;
    ++month.Hours;
    const int levels = model == ComfortModel::En16798 ? 3 : 2;
    for (int i = 0; i < levels; ++i) {
        if (t > month.Upper[i])
            ++month.Above[i];
        else if (t < month.Lower[i])
            ++month.Below[i];
        else
            ++month.Within[i];
    }
    if (model != ComfortModel::Ashrae55) return;
    for (int s = 0; s < kAirSpeeds; ++s)
        if (t >= month.Lower[0] && t <= month.Upper[0] + kAirSpeedRiseK[s]) ++month.WithinFan[s];
}

AdaptiveYear AdaptiveTypicalDays(ComfortModel model, const LocationRecord& location, const HourlyTable& hours)
{
    AdaptiveYear year;
    year.Model = model;
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = location.Month[m];
        AdaptiveMonth& month = year.Month[m] = AdaptiveBand(model, (double{n.DBTmin} + n.DBTmax) / 2);
        for (int h = 1; h <= kHours; ++h) CountAdaptiveHour(model, month, hours.DBT[m][h]);
    }
    return year;
}

AdaptiveYear AdaptiveRecordedHours(ComfortModel model, const std::vector<RecordedHour>& hours)
{
    std::array<double, kMonths + 1> sum{};
    std::array<int, kMonths + 1> count{};
    for (const RecordedHour& h : hours) {
        sum[h.Month] += h.DBT;
        ++count[h.Month];
    }
    AdaptiveYear year;
    year.Model = model;
    for (int m = 1; m <= kMonths; ++m) {
        year.Month[m] = AdaptiveBand(model, count[m] ? sum[m] / count[m] : 0);
        if (count[m] == 0) year.Month[m].InRange = false;
    }
    for (const RecordedHour& h : hours) CountAdaptiveHour(model, year.Month[h.Month], h.DBT);
    return year;
}

}  // namespace qav
