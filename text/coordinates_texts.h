#pragma once
// A site's coordinate out of range, as the station search refuses it; %1 is the value as typed.
#include "text/translatable.h"

namespace qav {

/// A coordinate out of range, %1 the value as typed: texts of the translation file (context
/// "qav::CoordinatesText"), so that the window and the browser page word them in Portuguese.
inline constexpr const char* kLatitudeOutOfRange =
    QAV_TRANSLATABLE("qav::CoordinatesText", "latitude %1 is out of range (-90 to 90)", "");
inline constexpr const char* kLongitudeOutOfRange =
    QAV_TRANSLATABLE("qav::CoordinatesText", "longitude %1 is out of range (-180 to 180)", "");
inline constexpr const char* kElevationOutOfRange =
    QAV_TRANSLATABLE("qav::CoordinatesText", "elevation %1 is out of range (-500 to 9000 m)", "");

}  // namespace qav
