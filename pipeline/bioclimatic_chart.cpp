#include "pipeline/bioclimatic_chart.h"

#include "classify/zone_map.h"

namespace qav {

ZoneVertices DrawBioclimaticChart(ChartCanvas& chart, ChartCanvas& zoneMap, const ChartScale& scale,
                                  const Psychrometrics& psy, CLogFont* rotatedFont, char decimalSeparator)
{
    const ZoneVertices v = DrawChartFrameAndZones(chart, zoneMap, scale, psy, rotatedFont, decimalSeparator);
    PaintZoneMap(zoneMap, scale, v, psy);
    return v;
}

}  // namespace qav
