#include "chart/hour_plots.h"

#include <algorithm>

#include "chart/strategy.h"

namespace qav {

Rgb QuarterColour(int month) { return MarkColour[(month - 1) / 3 + 1]; }

void PlotHours(ChartCanvas& chart, const ChartScale& scale, const HourlyTable& hours, const CountedHours& counted)
{
    chart.SetDrawWidth(2);
    for (int m = 1; m <= kMonths; ++m) {
        const Rgb mark = QuarterColour(m);
        for (int h = 1; h <= kHours; ++h) {
            const float x = static_cast<float>(scale.XOf(hours.DBT[m][h]));
            const float y = static_cast<float>(scale.YOf(hours.W[m][h]));
            float xp = x;
            if (xp < scale.X0) xp = scale.X0;
            if (xp > scale.X1) xp = scale.X1;
            const Rgb colour = counted[m][h] ? mark : kLeftOutHourColour;
            if (h == 1) chart.SetPixel(xp, y, colour);
            chart.LineTo(xp, y, colour);
        }
    }
    chart.SetDrawWidth(1);
}

void PlotRecordedHours(ChartCanvas& chart, const ChartScale& scale, const std::vector<RecordedHour>& hours,
                       const CountedHours& counted)
{
    // 8760 dots crowd a few hundred pixels: slightly larger, partly transparent dots let the
    // density show through and keep earlier months visible under later ones.
    const auto isCounted = [&](const RecordedHour& h) {
        return h.Month >= 1 && h.Month <= kMonths && h.Hour >= 1 && h.Hour <= kHours && counted[h.Month][h.Hour];
    };
    chart.SetDrawWidth(kRecordedDotPx);
    chart.SetOpacity(kRecordedDotOpacity);
    const bool all = counted == EveryHourCounted();
    for (bool countedPass : {false, true}) {
        if (all && !countedPass) continue;
        for (const RecordedHour& h : hours) {
            if (!all && isCounted(h) != countedPass) continue;
            const double x = std::clamp<double>(scale.XOf(h.DBT), scale.X0, scale.X1);
            chart.SetPixel(x, scale.YOf(h.W), countedPass ? QuarterColour(h.Month) : kLeftOutHourColour);
        }
    }
    chart.SetOpacity(1);
    chart.SetDrawWidth(1);
}

}  // namespace qav
