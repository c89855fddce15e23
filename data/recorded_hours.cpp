#include "data/recorded_hours.h"

#include "core/hourly_synthesis.h"

namespace qav {

std::vector<RecordedHour> RecordedHoursAt(const EpwFile& file, const Psychrometrics& psy)
{
    std::vector<RecordedHour> hours;
    hours.reserve(file.Hours.size());
    for (const EpwHour& h : file.Hours) {
        if (h.Missing) continue;
        // As in the synthesis: the humidity ratio from the temperature as stored.
        const float dbt = RoundHundredth(h.DryBulb);
        const float w = RoundHundredth(psy.FTax1(dbt, h.RelativeHumidity / 100.0f));
        hours.push_back({h.Month, dbt, w, h.Day, h.Hour, h.RelativeHumidity, h.Year, h.WindDirection, h.WindSpeed});
    }
    return hours;
}

}  // namespace qav
