#include "classify/recorded_classification.h"

#include <cmath>

namespace qav {

StrategyTally ClassifyRecordedHours(const ChartCanvas& zoneMap, const ChartScale& scale,
                                    const std::vector<RecordedHour>& hours, std::vector<std::int8_t>* strategies,
                                    const HourFilter& filter)
{
    StrategyTally tally, everyHour;
    int previousStrategy = 0;
    if (strategies) strategies->assign(hours.size(), 0);
    for (size_t i = 0; i < hours.size(); ++i) {
        const RecordedHour& h = hours[i];
        const int s = ClassifyHour(static_cast<float>(scale.XOf(h.DBT)), static_cast<float>(scale.YOf(h.W)), h.Month,
                                   zoneMap, scale, everyHour, previousStrategy);
        if (s > 0 && filter.Includes(h.Month, h.Hour)) ++tally.MonthHours[s][h.Month];
        if (strategies) (*strategies)[i] = static_cast<std::int8_t>(s);
    }
    ComputeYearShares(tally);
    return tally;
}

float ShareDisagreement(const StrategyTally& typical, const StrategyTally& recorded)
{
    double sum = 0;
    for (int s = 1; s <= kStrategies; ++s) sum += std::fabs(typical.YearShare[s] - recorded.YearShare[s]);
    return static_cast<float>(std::nearbyint(sum / 2 * 10) / 10);
}

}  // namespace qav
