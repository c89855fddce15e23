#pragma once
// The hours of a year against an adaptive comfort band: 12 months by 24 hours, each cell coloured
// by whether its hours fall below, within or above the band (the 80 % limits of ASHRAE 55 or
// category II of EN 16798-1), with the hours above that ceiling fans at 0.9 m/s bring back within
// (ASHRAE 55 only) marked apart. A typical day has one hour per cell; recorded hours fill each
// cell with the shares of its hours. Months outside the model's range are greyed and named so.
#include <array>
#include <string_view>
#include <vector>

#include "chart/chart_canvas.h"
#include "core/adaptive_comfort.h"
#include "core/hourly_synthesis.h"
#include "core/recorded_hour.h"
#include "text/language.h"

namespace qav {

enum class AdaptiveHourClass { Below, Within, WithinFan, Above };
inline constexpr int kAdaptiveHourClasses = 4;

struct AdaptiveHoursGrid {
    ComfortModel Model = ComfortModel::Ashrae55;
    bool Recorded = false;
    std::array<bool, kMonths + 1> InRange{};  // 1..12
    /// Hours per month (1..12), hour of the day (1..24, the hour ending then) and class.
    std::array<std::array<std::array<int, kAdaptiveHourClasses>, kHours + 1>, kMonths + 1> Hours{};
};

/// The band level the grid shows: 0 (80 %) for ASHRAE 55, 1 (category II) for EN 16798-1.
int AdaptiveGridLevel(ComfortModel model);

/// The class of an hour of dry bulb `t` (degrees C) in a month within the model's range, by the
/// same rule that counts the month's hours.
AdaptiveHourClass ClassifyAdaptiveHour(ComfortModel model, const AdaptiveMonth& month, float t);

/// The grid of the typical days (`year` from AdaptiveTypicalDays on the same hours).
AdaptiveHoursGrid TypicalHoursGrid(const AdaptiveYear& year, const HourlyTable& hours);
/// The grid of recorded hours (`year` from AdaptiveRecordedHours on the same hours).
AdaptiveHoursGrid RecordedHoursGrid(const AdaptiveYear& year, const std::vector<RecordedHour>& hours);

/// The colour of a class's cells.
Rgb AdaptiveHourColour(AdaptiveHourClass kind);

/// Redraws the canvas with the grid, its hour and month labels and its legend; pixelWidth and
/// pixelHeight are the canvas units of one screen pixel.
void DrawAdaptiveHoursGrid(ChartCanvas& canvas, const AdaptiveHoursGrid& grid, int pixelWidth, int pixelHeight,
                           Language language, std::string_view title);

}  // namespace qav
