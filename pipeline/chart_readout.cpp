#include "pipeline/chart_readout.h"

#include <algorithm>
#include <cmath>

#include "core/psychrometrics.h"

namespace qav {
namespace {

// x as the hour plots draw it, held between the plot's edges: the typical days' polylines in
// single precision, the recorded dots in double.
double PlottedX(const ChartScale& scale, double x) { return std::clamp<double>(x, scale.X0, scale.X1); }

}  // namespace

std::vector<PlottedHour> PlottedHoursOf(const AnalysisState& state)
{
    const Psychrometrics psy(state.Pressure);
    std::vector<PlottedHour> out;
    if (state.ShowsRecordedHours()) {
        const std::vector<RecordedHour>& hours = state.CurrentRecorded()->Hours;
        out.reserve(hours.size());
        for (std::size_t i = 0; i < hours.size(); ++i) {
            const RecordedHour& h = hours[i];
            const int s = i < state.RecordedStrategy.size() ? state.RecordedStrategy[i] : 0;
            out.push_back({h.Month, h.Day, h.Hour, h.DBT, 100 * psy.FUR(h.DBT, h.W), h.W, s,
                           state.Filter.Includes(h.Month, h.Hour), PlottedX(state.Scale, state.Scale.XOf(h.DBT)),
                           state.Scale.YOf(h.W)});
        }
        return out;
    }
    out.reserve(kMonths * kHours);
    for (int m = 1; m <= kMonths; ++m) {
        for (int h = 1; h <= kHours; ++h) {
            const float dbt = state.Hours.DBT[m][h], w = state.Hours.W[m][h];
            out.push_back({m, 0, h, dbt, 100 * psy.FUR(dbt, w), w, state.HourStrategy[m][h],
                           state.Filter.Includes(m, h), PlottedX(state.Scale, static_cast<float>(state.Scale.XOf(dbt))),
                           static_cast<float>(state.Scale.YOf(w))});
        }
    }
    return out;
}

int NearestPlottedHour(const std::vector<PlottedHour>& hours, double x, double y, double reach)
{
    int nearest = -1;
    double best = reach * reach;
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const double dx = hours[i].X - x, dy = hours[i].Y - y, d = dx * dx + dy * dy;
        if (d <= best) {
            best = d;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

int StepPlottedHour(const std::vector<PlottedHour>& hours, int from, int hourSteps, int monthSteps)
{
    const int count = static_cast<int>(hours.size());
    if (count == 0) return -1;
    if (from < 0 || from >= count) return 0;
    int at = std::clamp(from + hourSteps, 0, count - 1);
    if (monthSteps == 0) return at;
    const PlottedHour& here = hours[static_cast<std::size_t>(at)];
    const int month = std::clamp(here.Month + monthSteps, 1, kMonths);
    if (month == here.Month) return at;
    // The same day and hour in that month, on its last day when it is shorter; else the latest
    // hour before (a gap in the file), or its first.
    int lastDay = 0;
    for (const PlottedHour& h : hours)
        if (h.Month == month) lastDay = std::max(lastDay, h.Day);
    const int day = std::min(here.Day, lastDay);
    int found = -1;
    for (int i = 0; i < count; ++i) {
        const PlottedHour& h = hours[static_cast<std::size_t>(i)];
        if (h.Month != month) continue;
        if (h.Day < day || (h.Day == day && h.Hour <= here.Hour) || found < 0) found = i;
    }
    return found < 0 ? at : found;
}

HourEmphasis LitHours::Emphasis(const AnalysisState& state) const
{
    return state.ShowsRecordedHours() ? HourEmphasis{nullptr, &Recorded} : HourEmphasis{&Typical, nullptr};
}

LitHours LitHoursOf(const AnalysisState& state, int strategy)
{
    LitHours lit;
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h)
            lit.Typical[m][h] = state.Filter.Includes(m, h) && CountsTowardShare(state.HourStrategy[m][h], strategy);
    if (const RecordedYear* recorded = state.CurrentRecorded()) {
        lit.Recorded.resize(recorded->Hours.size());
        for (std::size_t i = 0; i < recorded->Hours.size(); ++i) {
            const RecordedHour& h = recorded->Hours[i];
            const int s = i < state.RecordedStrategy.size() ? state.RecordedStrategy[i] : 0;
            lit.Recorded[i] = state.Filter.Includes(h.Month, h.Hour) && CountsTowardShare(s, strategy);
        }
    }
    return lit;
}

int LitHourCount(const std::vector<PlottedHour>& hours, int strategy)
{
    return static_cast<int>(std::count_if(hours.begin(), hours.end(), [&](const PlottedHour& h) {
        return h.Counted && CountsTowardShare(h.Strategy, strategy);
    }));
}

}  // namespace qav
