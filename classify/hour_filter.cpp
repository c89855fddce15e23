#include "classify/hour_filter.h"

#include <string>

#include "text/month_names.h"

namespace qav {
namespace {

bool InWrappedRange(int value, int first, int last)
{
    return first <= last ? value >= first && value <= last : value >= first || value <= last;
}

int WrappedCount(int first, int last, int period)
{
    return first <= last ? last - first + 1 : period - first + 1 + last;
}

}  // namespace

bool HourFilter::IncludesHour(int hour) const { return InWrappedRange(hour, FirstHour, LastHour); }
bool HourFilter::IncludesMonth(int month) const { return InWrappedRange(month, FirstMonth, LastMonth); }
CountedHours CountedHoursOf(const HourFilter& filter)
{
    CountedHours counted{};
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h) counted[m][h] = filter.Includes(m, h);
    return counted;
}

int HourFilter::HourCount() const { return WrappedCount(FirstHour, LastHour, 24); }
int HourFilter::MonthCount() const { return WrappedCount(FirstMonth, LastMonth, 12); }

bool MakeHourFilter(int firstHour, int lastHour, int firstMonth, int lastMonth, HourFilter& filter)
{
    const auto in = [](int v, int hi) { return v >= 1 && v <= hi; };
    if (!in(firstHour, 24) || !in(lastHour, 24) || !in(firstMonth, 12) || !in(lastMonth, 12)) return false;
    filter = {firstHour, lastHour, firstMonth, lastMonth};
    return true;
}

std::string HourRangeText(const HourFilter& f)
{
    return std::to_string(f.FirstHour) + "-" + std::to_string(f.LastHour);
}
std::string MonthRangeText(const HourFilter& f)
{
    return std::to_string(f.FirstMonth) + "-" + std::to_string(f.LastMonth);
}

std::string DescribeHourFilter(const HourFilter& f)
{
    if (f.IsAll()) return "all hours";
    std::string text = f.HourCount() == 24 ? "all hours" : "hours " + HourRangeText(f);
    if (f.MonthCount() == 12) return text;
    text += ", ";
    text += kMonthName[f.FirstMonth];
    if (f.LastMonth != f.FirstMonth) text += std::string("-") + kMonthName[f.LastMonth];
    return text;
}

}  // namespace qav
