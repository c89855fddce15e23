#pragma once
// Which hours of the year the tallies count: a range of clock hours and a range of months,
// either of which may wrap (22-5 runs past midnight, 12-2 is December to February). Every hour
// is still classified and drawn; the filter decides only what the shares count.
#include <string>

#include "chart/hour_plots.h"

namespace qav {

struct HourFilter {
    int FirstHour = 1;   // clock hour 1..24, as the hourly table numbers them (24 is midnight)
    int LastHour = 24;   // a last hour before the first wraps past midnight
    int FirstMonth = 1;  // 1..12
    int LastMonth = 12;  // a last month before the first wraps past December

    bool IncludesHour(int hour) const;
    bool IncludesMonth(int month) const;
    bool Includes(int month, int hour) const { return IncludesMonth(month) && IncludesHour(hour); }
    /// Every hour of every month: the analysis as it is without a filter.
    bool IsAll() const { return HourCount() == 24 && MonthCount() == 12; }
    int HourCount() const;   // clock hours per day selected, 1..24
    int MonthCount() const;  // months selected, 1..12
    bool operator==(const HourFilter&) const = default;
};

/// The filter for clock hours a..b and months m..n; false when a value is outside 1..24 or 1..12.
bool MakeHourFilter(int firstHour, int lastHour, int firstMonth, int lastMonth, HourFilter& filter);

/// The hours the filter selects, as the chart draws them.
CountedHours CountedHoursOf(const HourFilter& filter);

/// "9-18" and "12-2": the ranges as qav-cli takes them and its outputs show them.
std::string HourRangeText(const HourFilter& filter);
std::string MonthRangeText(const HourFilter& filter);

/// What the shares count, for captions, the status bar and export lines: "all hours" or, for
/// example, "hours 22-5, December-February" (a single month is named once).
std::string DescribeHourFilter(const HourFilter& filter);

}  // namespace qav
