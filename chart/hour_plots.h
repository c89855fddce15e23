#pragma once
// The hours on the chart: the typical days as one polyline per month, the recorded hours of a
// weather year as small translucent dots, each in its quarter's colour; the hours the shares do
// not count are grey.
#include <array>
#include <vector>

#include "chart/chart_canvas.h"
#include "chart/chart_scale.h"
#include "core/hourly_synthesis.h"
#include "core/recorded_hour.h"

namespace qav {

/// Which hours the shares count, [month 1..12][clock hour 1..24].
using CountedHours = std::array<std::array<bool, kHours + 1>, kMonths + 1>;

/// Every hour of every month counted.
constexpr CountedHours EveryHourCounted()
{
    CountedHours counted{};
    for (auto& month : counted) month.fill(true);
    return counted;
}

/// Colour of the hours that are not counted, on the chart and in pictures.
inline constexpr Rgb kLeftOutHourColour = MakeRgb(200, 200, 200);

/// Size and opacity of a recorded hour's dot on the chart.
inline constexpr int kRecordedDotPx = 3;
inline constexpr double kRecordedDotOpacity = 0.35;

/// Colour of the hourly marks of month m's quarter.
Rgb QuarterColour(int month);

/// The hours picked out while a strategy is chosen: lit ones keep their colour and are drawn last,
/// the others are pale. Typical days by [month][hour], recorded hours by their index; an empty
/// Recorded with Typical unset means nothing is picked out.
struct HourEmphasis {
    const CountedHours* Typical = nullptr;
    const std::vector<bool>* Recorded = nullptr;
};

/// A colour three quarters of the way to white: an hour that is not picked out.
Rgb PaleColour(Rgb colour);

/// Draws each month as a polyline in its quarter's colour, held between the left and right
/// edges of the plot; the stretches to hours not counted are grey.
void PlotHours(ChartCanvas& chart, const ChartScale& scale, const HourlyTable& hours,
               const CountedHours& counted = EveryHourCounted(), HourEmphasis emphasis = {});

/// Draws each hour as a small, partly transparent dot in its quarter's colour, held between the
/// plot's edges like the typical-day polylines; the hours not counted are grey, drawn first so
/// the counted ones stay on top. Within each pass the months take turns (the first day of every
/// month, then the second...), so no quarter lies under another. The canvas is left opaque with
/// draw width 1.
void PlotRecordedHours(ChartCanvas& chart, const ChartScale& scale, const std::vector<RecordedHour>& hours,
                       const CountedHours& counted = EveryHourCounted(), HourEmphasis emphasis = {});

/// The order PlotRecordedHours draws the hours in within one pass: indexes into hours, the months
/// taking turns day by day, each month in its own order.
std::vector<int> InterleavedMonthOrder(const std::vector<RecordedHour>& hours);

}  // namespace qav
