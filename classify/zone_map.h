#pragma once
// The zone map: a hidden copy of the chart with every strategy zone filled in its code colour.
// Zones overlap; the painting order leaves each point the colour of its innermost zone, and the
// classification reads the colour at each hour's point.
#include "chart/chart_canvas.h"
#include "chart/chart_frame.h"
#include "chart/chart_scale.h"
#include "core/psychrometrics.h"

namespace qav {

/// Clears the map and paints the zones from the vertices computed for the same scale and
/// pressure. Every pixel ends white or one of the ten ZoneColour values.
void PaintZoneMap(ChartCanvas& map, const ChartScale& scale, const ZoneVertices& vertices, const Psychrometrics& psy);

}  // namespace qav
