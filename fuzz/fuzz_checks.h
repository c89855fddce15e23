#pragma once
// Promises more than one fuzz target checks.
#include <cmath>

#include "core/warming.h"

namespace qav::fuzz {

/// Every month's changes finite and within the largest a warming may hold.
inline bool WarmingWithinLimits(const Warming& w)
{
    const auto within = [](float v, float limit) { return std::isfinite(v) && v >= -limit && v <= limit; };
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyChange& c = w.Month[m];
        if (!within(c.DBTmin, kMaxTemperatureChange) || !within(c.DBTmax, kMaxTemperatureChange) ||
            !within(c.RHavg, kMaxHumidityChange))
            return false;
    }
    return true;
}

}  // namespace qav::fuzz
