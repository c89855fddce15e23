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
    year->TimeZoneHours = file.TimeZoneHours;
    w.Recorded = std::move(year);
    return w;
}

WeatherFiles OpenWeatherFiles(const std::vector<std::filesystem::path>& files)
{
    WeatherFiles opened;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::filesystem::path& file = files[i];
        if (i >= kMaxLocations) {
            ++opened.NotOpened;
            continue;
        }
        const EpwResult result = ReadEpwFile(file);
        if (result.failure) {
            opened.Failures.push_back(*result.failure);
            continue;
        }
        WeatherLocation location = MakeWeatherLocation(result.file);
        const int slot = ++opened.Table.LocationCount;
        opened.Table.Slot[slot] = std::move(location.Location);
        opened.Recorded[slot] = std::move(location.Recorded);
        opened.Files[slot] = file.string();
    }
    return opened;
}

}  // namespace qav
