#include "pipeline/bioclimatic_chart.h"

#include "classify/zone_map.h"

namespace qav {

ZoneVertices DrawBioclimaticChart(ChartCanvas& chart, ChartCanvas& zoneMap, const ChartScale& scale,
                                  const Psychrometrics& psy, char decimalSeparator, Language language)
{
    const ZoneVertices v = DrawChartFrameAndZones(chart, zoneMap, scale, psy, decimalSeparator, language);
    PaintZoneMap(zoneMap, scale, v, psy);
    return v;
}

}  // namespace qav
