#pragma once
// Monthly climate normals of a recorded weather year, so that an EPW file can be analysed like
// any built-in location.
#include <optional>

#include "core/location.h"
#include "data/epw_reader.h"
#include "data/read_failure.h"

namespace qav {

/// Per month: DBTmin = mean over the month's days of the daily minimum dry bulb, DBTmax = mean of
/// the daily maxima, RHavg = mean of the hourly relative humidity; hours marked Missing are left
/// out, and a day without any usable hour does not count. Name, country, latitude, longitude and
/// elevation come from the LOCATION line, DataSource is "EPW". A month without usable hours (which
/// ReadEpw never returns) keeps zeros.
LocationRecord DeriveMonthlyNormals(const EpwFile& file);

/// The first monthly normal outside the ranges a Monthly Data file may hold (kTemperatureRange,
/// kHumidityRange), or the first month whose DBTmin is above its DBTmax, as a failure naming the
/// month, the field and the values; none when all fit.
/// A weather year may reach 70 C, a Monthly Data file 55 C: the analysis handles the latter.
std::optional<ReadFailure> NormalOutsideRanges(const LocationRecord& normals);

}  // namespace qav
