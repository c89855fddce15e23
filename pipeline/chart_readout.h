#pragma once
// Reading the chart by pointing: where each hour of the chart shown stands on the canvas and
// what it is, from the scale the chart is drawn with; which hours a strategy's share counts.
#include <vector>

#include "chart/hour_plots.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// One hour of the chart shown: a typical day's hour (Day 0) or a recorded hour.
struct PlottedHour {
    int Month = 0;        // 1..12
    int Day = 0;          // day of the month of a recorded hour; 0 for a typical day's hour
    int Hour = 0;         // 1..24, the hour ending at this time
    float DBT = 0;        // degrees C
    float RH = 0;         // percent, from DBT and W at the station pressure, as the hourly table gives it
    float W = 0;          // g/kg
    int Strategy = 0;     // 1..10 as classified; 0 when the hour matched no zone
    bool Counted = true;  // whether the shares count it
    double X = 0, Y = 0;  // canvas units, where the chart draws it
};

/// The hours of the chart as the state shows it, in time order: 288 typical hours month by month,
/// or the recorded hours as the file lists them.
std::vector<PlottedHour> PlottedHoursOf(const AnalysisState& state);

/// The hour drawn nearest to canvas point (x, y), no farther than reach canvas units; -1 for none.
int NearestPlottedHour(const std::vector<PlottedHour>& hours, double x, double y, double reach);

/// The hour `hourSteps` hours after (before, when negative) `from` in time order, held at the
/// year's ends; `monthSteps` months on, the same day and hour, or the month's last day when it
/// is shorter. -1 without hours; from -1 starts at the first hour.
int StepPlottedHour(const std::vector<PlottedHour>& hours, int from, int hourSteps, int monthSteps);

/// Whether an hour classified as hourStrategy counts toward the yearly share of `share`: its own,
/// and through the merging of nested zones, 3 toward 2, 7 toward 8 and 9, 8 toward 9.
constexpr bool CountsTowardShare(int hourStrategy, int share)
{
    if (hourStrategy == 0) return false;
    return hourStrategy == share || (share == 2 && hourStrategy == 3) || (share == 8 && hourStrategy == 7) ||
           (share == 9 && (hourStrategy == 7 || hourStrategy == 8));
}

/// The hours that count toward strategy s's share in the chart shown, for HourEmphasis: the
/// typical days' hours or the recorded ones, whichever the state shows.
struct LitHours {
    CountedHours Typical{};
    std::vector<bool> Recorded;
    HourEmphasis Emphasis(const AnalysisState& state) const;
};
LitHours LitHoursOf(const AnalysisState& state, int strategy);

/// How many hours of the chart shown count toward strategy s's share.
int LitHourCount(const std::vector<PlottedHour>& hours, int strategy);

}  // namespace qav
