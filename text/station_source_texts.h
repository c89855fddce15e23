#pragma once
// How a station of the normals 1991-2020 is named wherever the program shows it: by the service
// whose normals they are and the station's number ("INMET 83897", "WMO 83377"; the WMO is the
// OMM in Portuguese). Context "qav::StationSource"; looked up through Translated.
#include "text/translatable.h"

namespace qav::station_source_text {

inline constexpr const char* kWmo = QAV_TRANSLATABLE("qav::StationSource", "WMO %1", "");
inline constexpr const char* kInmet = QAV_TRANSLATABLE("qav::StationSource", "INMET %1", "");
inline constexpr const char* kCaption = QAV_TRANSLATABLE("qav::StationSource", "Station %1, normals %2", "");
inline constexpr const char* kCaptionDerived =
    QAV_TRANSLATABLE("qav::StationSource", "Station %1, normals %2, humidity derived", "");

}  // namespace qav::station_source_text
