#include "classify/classification.h"

#include <cmath>

namespace qav {
namespace {

int StrategyOfColour(Rgb colour)
{
    for (int i = 1; i <= kStrategies; ++i)
        if (colour == ZoneColour[i]) return i;
    return 0;
}

// Index of the largest share among those not excluded; strictly greater keeps the first of
// equals, greater or equal the last.
int LargestShare(const StrategyTally& t, bool lastOfEquals, int exclude1, int exclude2)
{
    float maximum = -999;
    int top = 0;
    for (int s = 1; s <= kStrategies; ++s) {
        if (s == exclude1 || s == exclude2) continue;
        if (t.YearShare[s] > maximum || (lastOfEquals && t.YearShare[s] == maximum)) {
            maximum = t.YearShare[s];
            top = s;
        }
    }
    return top;
}

}  // namespace

int ClassifyHour(float x, float y, int month, const ChartCanvas& zoneMap, const ChartScale& scale, StrategyTally& tally,
                 int& previousStrategy)
{
    if (month < 1 || month > kMonths) return 0;
    const Rgb c = zoneMap.GetPixel(x, y);
    int s = 0;
    if (x < scale.X0) {
        s = static_cast<int>(Strategy::ArtificialHeating);
    } else if (x > scale.X1) {
        s = static_cast<int>(Strategy::ArtificialCooling);
    } else {
        s = StrategyOfColour(c);
    }
    if (s == 0) s = previousStrategy;
    if (s == 0) return 0;
    ++tally.MonthHours[s][month];
    previousStrategy = s;
    return s;
}

void ComputeYearShares(StrategyTally& t)
{
    for (int s = 1; s <= kStrategies; ++s) {
        float sum = 0;
        for (int m = 1; m <= kMonths; ++m) sum += t.MonthHours[s][m];
        t.YearShare[s] = sum;
    }
    // The nested zones count again in their outer zone, so hours of 3, 7 and 8 enter the total
    // more than once and the ten shares add up to 100.
    t.YearShare[2] += t.YearShare[3];
    t.YearShare[8] += t.YearShare[7];
    t.YearShare[9] += t.YearShare[8];
    float total = 0;
    for (int s = 1; s <= kStrategies; ++s) total += t.YearShare[s];
    for (int s = 1; s <= kStrategies; ++s) {
        // The division, the x100 and the x10 each round to single, as the shares have always
        // been computed: 59 of 400 (14.75 %) becomes 147.49998 tenths and so 14.7, where double
        // precision would give 14.8. No hour counted leaves every share at 0.
        const float fraction = total > 0 ? t.YearShare[s] / total : 0.0f;
        const float percent = fraction * 100.0f;
        const float tenths = 10.0f * percent;
        t.YearShare[s] = std::nearbyint(tenths) / 10.0f;
    }

    t.TopStrategy = {};
    t.TopStrategy[1] = LargestShare(t, false, 0, 0);
    t.TopStrategy[2] = LargestShare(t, true, t.TopStrategy[1], 0);
    t.TopStrategy[3] = LargestShare(t, true, t.TopStrategy[1], t.TopStrategy[2]);
    if (t.YearShare[t.TopStrategy[3]] == 0) t.TopStrategy[3] = 0;
    if (t.YearShare[t.TopStrategy[2]] == 0) t.TopStrategy[2] = 0;
}

int HourCounts::Served(int strategy) const
{
    switch (strategy) {
        case 2:
            return Own[2] + Own[3];
        case 8:
            return Own[8] + Own[7];
        case 9:
            return Own[9] + Own[8] + Own[7];
        default:
            return Own[static_cast<std::size_t>(strategy)];
    }
}

float HourCounts::Percent(int hours) const
{
    return Counted > 0 ? static_cast<float>(std::nearbyint(1000.0 * hours / Counted) / 10.0) : 0.0f;
}

int HourCounts::Hot() const { return Own[6] + Own[7] + Own[8] + Own[9] + Own[10]; }

HourCounts CountHours(const StrategyTally& tally)
{
    HourCounts c;
    for (int s = 1; s <= kStrategies; ++s) {
        for (int m = 1; m <= kMonths; ++m) c.Own[static_cast<std::size_t>(s)] += tally.MonthHours[s][m];
        c.Counted += c.Own[static_cast<std::size_t>(s)];
    }
    return c;
}

StrategyTally ClassifyHours(const ChartCanvas& zoneMap, const ChartScale& scale, const HourlyTable& hours,
                            HourStrategies* strategies, const HourFilter& filter)
{
    StrategyTally tally, everyHour;
    int previousStrategy = 0;  // carried from hour to hour and month to month
    for (int m = 1; m <= kMonths; ++m) {
        for (int h = 1; h <= kHours; ++h) {
            const float x = static_cast<float>(scale.XOf(hours.DBT[m][h]));
            const float y = static_cast<float>(scale.YOf(hours.W[m][h]));
            const int s = ClassifyHour(x, y, m, zoneMap, scale, everyHour, previousStrategy);
            if (s > 0 && filter.Includes(m, h)) ++tally.MonthHours[s][m];
            if (strategies) (*strategies)[m][h] = static_cast<std::int8_t>(s);
        }
    }
    ComputeYearShares(tally);
    return tally;
}

int StrategyAt(const ChartCanvas& zoneMap, const ChartScale& scale, double dbt, double w)
{
    return StrategyOfColour(zoneMap.GetPixel(scale.XOf(dbt), scale.YOf(w)));
}

}  // namespace qav
