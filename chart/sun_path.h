#pragma once
// The sun path of a site and the calendar of its hours, drawn on any canvas: a stereographic
// (or equidistant) diagram of the sky with the 15th of each month's day arc, the solar hours,
// the typical and recorded hours coloured by what they want, and a façade's shading mask; and a
// months-by-hours grid of the hours' strategies.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_canvas.h"
#include "core/sun_hour.h"
#include "text/language.h"

namespace qav {

// Both pictures are laid out in screen pixels of 15 canvas units, the reference screen's.
inline constexpr int kSunPictureUnits = 15;
inline constexpr int kSunPathWidthPx = 640, kSunPathHeightPx = 720;
inline constexpr int kCalendarWidthPx = 760, kCalendarHeightPx = 440;

struct SunPathInput {
    std::string LocationName;
    double LatitudeDeg = 0, LongitudeDeg = 0;
    std::vector<SunHour> Typical;   // drawn where the sun is up
    std::vector<SunHour> Recorded;  // faint; empty without a weather file
    int FacadeDeg = 0;
    std::optional<int> OverhangVsa, FinsHsa;  // the façade's cut-offs; none draws no mask
    bool Equidistant = false;
};

/// Where the sun direction falls on the sun path, in canvas units: north up, east right.
struct SkyPoint {
    double X = 0, Y = 0;
};
SkyPoint SunPathPoint(double altitudeDeg, double azimuthDeg, bool equidistant);

void DrawSunPath(ChartCanvas& canvas, const SunPathInput& input, Language language, char decimalSeparator);

/// The calendar: the strategy (0..10) of each typical hour [month][hour], and for a weather
/// file the recorded hours counted per month, hour and strategy.
struct CalendarInput {
    std::string LocationName;
    std::array<std::array<int, 25>, 13> Typical{};
    /// [month][hour][strategy]; all zero draws the typical hours.
    std::vector<std::array<std::array<int, 11>, 25>> RecordedCounts;
};

void DrawHourCalendar(ChartCanvas& canvas, const CalendarInput& input, Language language);

/// The centre of the calendar's cell of month 1..12 and hour 1..24, in canvas units.
SkyPoint CalendarCellCentre(int month, int hour);

}  // namespace qav
