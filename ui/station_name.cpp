#include "ui/station_name.h"

#include "pipeline/rendering.h"
#include "ui/translation.h"

namespace qav {

QString StationNameText(const StationTag& station)
{
    return QString::fromStdString(StationName(station, PictureLanguage()));
}

QString StationCaptionText(const StationTag& station)
{
    return QString::fromStdString(StationCaption(station, PictureLanguage()));
}

QString SourceFieldName(const std::string& dataSource)
{
    const std::optional<StationTag> station = ParseStationSourceField(dataSource);
    return station ? StationNameText(*station) : QString::fromStdString(dataSource);
}

}  // namespace qav
