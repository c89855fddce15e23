#pragma once
// Classification of the 288 synthesised hours: each hour takes the strategy whose
// colour the zone map has at its chart point; the counts become yearly percentages.
#include <array>
#include <cstdint>
#include <string_view>

#include "chart/chart_canvas.h"
#include "chart/chart_scale.h"
#include "classify/hour_filter.h"
#include "chart/strategy.h"
#include "core/hourly_synthesis.h"
#include "core/location.h"

namespace qav {

/// Hours per strategy and month and the yearly shares; arrays are used from index 1.
struct StrategyTally {
    std::int16_t MonthHours[kStrategies + 1][kMonths + 1] = {};  // [strategy][month]
    float YearShare[kStrategies + 1] = {};                       // percent, one decimal
    std::array<int, 4> TopStrategy{};                            // [1..3]: largest, second, third share; 0 for none
};

/// Classifies the hour at the unclamped chart point (x, y) of month m: left of X0 it is
/// Artificial Heating, right of X1 Artificial Cooling, otherwise the strategy of the zone map's
/// colour there. A point that matches no zone (white, off the canvas) takes previousStrategy,
/// and is not counted while that is 0. Returns the strategy counted, or 0.
int ClassifyHour(float x, float y, int month, const ChartCanvas& zoneMap, const ChartScale& scale, StrategyTally& tally,
                 int& previousStrategy);

/// From MonthHours: the yearly sums, the merging of the nested zones (2 gains 3, 8 gains 7,
/// then 9 gains 8), the shares rounded to one decimal (all 0 when no hour was counted) and
/// TopStrategy.
void ComputeYearShares(StrategyTally& tally);

/// The tally's hours counted once each, by the zone they fall in: unlike YearShare, nothing is merged.
struct HourCounts {
    std::array<int, kStrategies + 1> Own{};  // [1..10]: hours in the strategy's own zone
    int Counted = 0;                         // every hour the tally counted
    /// The hours a strategy serves: its own and those of the zones merged into its share
    /// (C's for B, G's for H, G's and H's for I).
    int Served(int strategy) const;
    /// Percent of the hours counted, one decimal; 0 when none was counted.
    float Percent(int hours) const;
    int Cold() const { return Own[1] + Own[2] + Own[3]; }  // A, B, C
    int Hot() const;                                       // F to J
};

HourCounts CountHours(const StrategyTally& tally);

/// The strategy counted for each typical hour, [month 1..12][hour 1..24]; 0 where none was.
using HourStrategies = std::array<std::array<std::int8_t, kHours + 1>, kMonths + 1>;

/// Classifies the 288 hours in order on the zone map and computes the yearly shares of the hours
/// the filter selects; each hour's strategy goes to `strategies` when given. The filter does
/// not change how an hour is classified: a left-out hour still passes its strategy on to a
/// following hour that matches no zone.
StrategyTally ClassifyHours(const ChartCanvas& zoneMap, const ChartScale& scale, const HourlyTable& hours,
                            HourStrategies* strategies = nullptr, const HourFilter& filter = {});

/// The strategy whose colour the zone map has at the chart point of (dbt, w); 0 where the map
/// matches none (above the saturation curve, off the canvas).
int StrategyAt(const ChartCanvas& zoneMap, const ChartScale& scale, double dbt, double w);

}  // namespace qav
