#include "chart/hour_plots.h"

#include <algorithm>

#include "chart/strategy.h"

namespace qav {

Rgb QuarterColour(int month) { return MarkColour[(month - 1) / 3 + 1]; }

Rgb PaleColour(Rgb colour)
{
    const auto pale = [](int c) { return c + (255 - c) * 3 / 4; };
    return MakeRgb(pale(colour & 255), pale((colour >> 8) & 255), pale((colour >> 16) & 255));
}

void PlotHours(ChartCanvas& chart, const ChartScale& scale, const HourlyTable& hours, const CountedHours& counted,
               HourEmphasis emphasis)
{
    const auto pointOf = [&](int m, int h) {
        const float y = static_cast<float>(scale.YOf(hours.W[m][h]));
        const float x = std::clamp(static_cast<float>(scale.XOf(hours.DBT[m][h])), static_cast<float>(scale.X0),
                                   static_cast<float>(scale.X1));
        return std::pair{x, y};
    };
    const CountedHours* lit = emphasis.Typical;
    chart.SetDrawWidth(2);
    for (int m = 1; m <= kMonths; ++m) {
        const Rgb mark = QuarterColour(m);
        for (int h = 1; h <= kHours; ++h) {
            const auto [x, y] = pointOf(m, h);
            Rgb colour = counted[m][h] ? mark : kLeftOutHourColour;
            if (lit && !(*lit)[m][h]) colour = PaleColour(colour);
            if (h == 1) chart.SetPixel(x, y, colour);
            chart.LineTo(x, y, colour);
        }
    }
    // The lit stretches again, over the pale ones that cross them.
    if (lit) {
        for (int m = 1; m <= kMonths; ++m) {
            for (int h = 1; h <= kHours; ++h) {
                if (!(*lit)[m][h]) continue;
                const auto [x, y] = pointOf(m, h);
                const Rgb colour = counted[m][h] ? QuarterColour(m) : kLeftOutHourColour;
                if (h == 1) {
                    chart.SetPixel(x, y, colour);
                    continue;
                }
                const auto [xPrevious, yPrevious] = pointOf(m, h - 1);
                chart.MoveTo(xPrevious, yPrevious);
                chart.LineTo(x, y, colour);
            }
        }
    }
    chart.SetDrawWidth(1);
}

std::vector<int> InterleavedMonthOrder(const std::vector<RecordedHour>& hours)
{
    // Each month's hours in runs of one day; the months then take turns run by run. Whole days
    // keep the colour changes few, so a vector picture can group its dots by colour.
    std::array<std::vector<std::vector<int>>, kMonths + 1> days;
    for (int i = 0; i < static_cast<int>(hours.size()); ++i) {
        const RecordedHour& h = hours[static_cast<std::size_t>(i)];
        auto& month = days[static_cast<std::size_t>(std::clamp(h.Month, 0, kMonths))];
        if (month.empty() || hours[static_cast<std::size_t>(month.back().back())].Day != h.Day) month.emplace_back();
        month.back().push_back(i);
    }
    std::vector<int> order;
    order.reserve(hours.size());
    for (std::size_t rank = 0; order.size() < hours.size(); ++rank)
        for (const auto& month : days)
            if (rank < month.size()) order.insert(order.end(), month[rank].begin(), month[rank].end());
    return order;
}

void PlotRecordedHours(ChartCanvas& chart, const ChartScale& scale, const std::vector<RecordedHour>& hours,
                       const CountedHours& counted, HourEmphasis emphasis)
{
    // 8760 dots crowd a few hundred pixels: slightly larger, partly transparent dots let the
    // density show through; the months taking turns keep any quarter from burying another.
    const auto isCounted = [&](const RecordedHour& h) {
        return h.Month >= 1 && h.Month <= kMonths && h.Hour >= 1 && h.Hour <= kHours && counted[h.Month][h.Hour];
    };
    const std::vector<bool>* lit =
        emphasis.Recorded && emphasis.Recorded->size() == hours.size() ? emphasis.Recorded : nullptr;
    const auto isLit = [&](int i) { return !lit || (*lit)[static_cast<std::size_t>(i)]; };
    const std::vector<int> order = InterleavedMonthOrder(hours);
    chart.SetDrawWidth(kRecordedDotPx);
    chart.SetOpacity(kRecordedDotOpacity);
    // Passes from the back: pale left-out, pale counted, left-out, counted.
    for (int pass = 0; pass < 4; ++pass) {
        const bool countedPass = pass % 2 == 1, litPass = pass >= 2;
        if (!lit && !litPass) continue;
        for (const int i : order) {
            const RecordedHour& h = hours[static_cast<std::size_t>(i)];
            if (isCounted(h) != countedPass || isLit(i) != litPass) continue;
            const double x = std::clamp<double>(scale.XOf(h.DBT), scale.X0, scale.X1);
            const Rgb colour = countedPass ? QuarterColour(h.Month) : kLeftOutHourColour;
            chart.SetPixel(x, scale.YOf(h.W), litPass ? colour : PaleColour(colour));
        }
    }
    chart.SetOpacity(1);
    chart.SetDrawWidth(1);
}

}  // namespace qav
