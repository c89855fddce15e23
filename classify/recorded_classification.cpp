#include "classify/recorded_classification.h"

#include <algorithm>
#include <cmath>

#include "classify/strategy.h"

namespace qav {
namespace {

Rgb QuarterColour(int month) { return MarkColour[(month - 1) / 3 + 1]; }

}  // namespace

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

void PlotRecordedHours(ChartCanvas& chart, const ChartScale& scale, const std::vector<RecordedHour>& hours,
                       const HourFilter& filter)
{
    // 8760 dots crowd a few hundred pixels: slightly larger, partly transparent dots let the
    // density show through and keep earlier months visible under later ones. The hours the
    // filter leaves out are grey and drawn first, so the counted ones stay on top.
    chart.SetDrawWidth(kRecordedDotPx);
    chart.SetOpacity(kRecordedDotOpacity);
    const bool all = filter.IsAll();
    for (bool counted : {false, true}) {
        if (all && !counted) continue;
        for (const RecordedHour& h : hours) {
            if (!all && filter.Includes(h.Month, h.Hour) != counted) continue;
            const double x = std::clamp<double>(scale.XOf(h.DBT), scale.X0, scale.X1);
            chart.SetPixel(x, scale.YOf(h.W), counted ? QuarterColour(h.Month) : kLeftOutHourColour);
        }
    }
    chart.SetOpacity(1);
    chart.SetDrawWidth(1);
}

float ShareDisagreement(const StrategyTally& typical, const StrategyTally& recorded)
{
    double sum = 0;
    for (int s = 1; s <= kStrategies; ++s) sum += std::fabs(typical.YearShare[s] - recorded.YearShare[s]);
    return static_cast<float>(std::nearbyint(sum / 2 * 10) / 10);
}

}  // namespace qav

