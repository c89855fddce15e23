#pragma once
// Recorded hours of a weather year classified beside the synthesised typical days: the same zone
// map, the same rules (left of the chart heating, right cooling, colour, previous strategy) and
// the same merging and rounding of the yearly shares.
#include <cstdint>
#include <vector>

#include "chart/chart_canvas.h"
#include "chart/chart_scale.h"
#include "classify/classification.h"
#include "core/recorded_hour.h"

namespace qav {

/// Classifies the hours in file order on the zone map and computes the yearly shares of those
/// the filter selects (by month and clock hour); each hour's strategy (0 where none was counted)
/// goes to `strategies` when given.
StrategyTally ClassifyRecordedHours(const ChartCanvas& zoneMap, const ChartScale& scale,
                                    const std::vector<RecordedHour>& hours,
                                    std::vector<std::int8_t>* strategies = nullptr, const HourFilter& filter = {});

/// Share of the year that the two analyses classify differently: half the sum of the absolute
/// differences of the ten shares, in percentage points.
float ShareDisagreement(const StrategyTally& typical, const StrategyTally& recorded);

}  // namespace qav
