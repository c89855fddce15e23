#include "pipeline/weather_location.h"

#include "data/epw_normals.h"
#include "data/recorded_hours.h"

namespace qav {

WeatherLocation MakeWeatherLocation(const EpwFile& file)
{
    WeatherLocation w;
    w.Location = DeriveMonthlyNormals(file);
    auto year = std::make_shared<RecordedYear>();
    year->Hours = RecordedHoursAt(file, Psychrometrics(StationPressure(w.Location.Elevation)));
    year->HoursUsed = file.HoursUsed;
    year->HoursMissing = file.HoursMissing;
    w.Recorded = std::move(year);
    return w;
}

}  // namespace qav
