#pragma once
// A station of the normals 1991-2020 as the window names it, in its language: the finder's rows,
// the Results' source box, the caption and the status bar say the same as the pictures and the
// report (pipeline/rendering.h).
#include <QString>
#include <string>

#include "data/station_catalogue.h"

namespace qav {

/// "INMET 83897", "WMO 83377" ("OMM 83377" in Portuguese).
QString StationNameText(const StationTag& station);
/// "Station INMET 83897, normals 1991-2020", with ", humidity derived" when it is.
QString StationCaptionText(const StationTag& station);
/// A source field as a short name: a station's StationNameText, any other field as written.
QString SourceFieldName(const std::string& dataSource);

}  // namespace qav
