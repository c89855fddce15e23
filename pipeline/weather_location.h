#pragma once
// A weather file turned into a location of the analysis: its derived monthly normals and its
// recorded year.
#include <memory>

#include "data/epw_reader.h"
#include "pipeline/analysis_state.h"

namespace qav {

/// A weather file as one location: its derived monthly normals and its recorded hours at the
/// station pressure of its elevation.
struct WeatherLocation {
    LocationRecord Location;
    std::shared_ptr<const RecordedYear> Recorded;
};
WeatherLocation MakeWeatherLocation(const EpwFile& file);

}  // namespace qav
