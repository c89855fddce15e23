#include "chart/sun_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/strategy.h"
#include "core/location.h"
#include "core/solar_position.h"
#include "core/text_format.h"
#include "text/compass_names.h"
#include "text/month_names.h"
#include "text/sun_texts.h"

namespace qav {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr double kU = kSunPictureUnits;
// The sky's circle, in pixels.
constexpr double kCentreX = 320, kCentreY = 372, kRadius = 270;

constexpr Rgb kOverheated = MakeRgb(215, 40, 40), kUnderheated = MakeRgb(40, 90, 215),
              kNeutral = MakeRgb(150, 150, 150);
constexpr Rgb kGrid = MakeRgb(190, 190, 190), kArc = MakeRgb(230, 140, 0), kHourLine = MakeRgb(120, 120, 120);
constexpr Rgb kMask = MakeRgb(0, 150, 120), kFacade = MakeRgb(60, 60, 60);
// The calendar's grid, in pixels: its top left corner and the size of a cell.
constexpr double kCalendarLeft = 50, kCalendarTop = 56, kCellW = 28, kCellH = 28;

Rgb NeedColour(SunNeed need)
{
    return need == SunNeed::Overheated ? kOverheated : need == SunNeed::Underheated ? kUnderheated : kNeutral;
}

void Text(ChartCanvas& c, double xPx, double yPx, std::string_view text, bool centred = false)
{
    const double w = centred ? c.TextWidth(text) : 0;
    const double h = centred ? c.TextHeight(text) : 0;
    c.MoveTo(xPx * kU - w / 2, yPx * kU - h / 2);
    c.PrintText(text);
}

// A polyline through sky directions; a part below the horizon is left out.
void SkyLine(ChartCanvas& c, const std::vector<std::pair<double, double>>& altAz, bool equidistant, Rgb colour)
{
    for (std::size_t i = 1; i < altAz.size(); ++i) {
        if (altAz[i - 1].first < 0 || altAz[i].first < 0) continue;
        const SkyPoint a = SunPathPoint(altAz[i - 1].first, altAz[i - 1].second, equidistant);
        const SkyPoint b = SunPathPoint(altAz[i].first, altAz[i].second, equidistant);
        c.DrawLine(a.X, a.Y, b.X, b.Y, colour);
    }
}

// Where a day's sun is above the horizon: its arc as sky directions, every 12 minutes of solar
// time, ending on the horizon at sunrise and sunset.
std::vector<std::pair<double, double>> DayArc(int month, int day, double lat, double lon)
{
    std::vector<std::pair<double, double>> arc;
    for (int step = 0; step <= 120; ++step) {
        const SunPosition p = SunAtSolarTime(2001, month, day, step / 5.0, lat, lon);
        arc.emplace_back(p.AltitudeDeg, p.AzimuthDeg);
    }
    // Cut each crossing of the horizon at altitude 0 so that the arc meets the circle.
    std::vector<std::pair<double, double>> cut;
    for (std::size_t i = 0; i < arc.size(); ++i) {
        if (i > 0 && (arc[i - 1].first < 0) != (arc[i].first < 0)) {
            const double t = arc[i - 1].first / (arc[i - 1].first - arc[i].first);
            double dAz = std::remainder(arc[i].second - arc[i - 1].second, 360.0);
            cut.emplace_back(0.0, arc[i - 1].second + t * dAz);
        }
        cut.push_back(arc[i]);
    }
    return cut;
}

std::string Degrees(std::optional<int> angle, Language language)
{
    return angle ? std::to_string(*angle) + "°" : std::string(sun_text::SunText(language, sun_text::kNoDevice));
}

void DrawMask(ChartCanvas& c, const SunPathInput& in, Language language)
{
    const bool eq = in.Equidistant;
    const double f = in.FacadeDeg;
    c.SetDrawWidth(2);
    // The façade's line: the horizon directions along the wall, through the zenith.
    {
        const SkyPoint a = SunPathPoint(0, f - 90, eq), b = SunPathPoint(0, f + 90, eq);
        c.DrawLine(a.X, a.Y, b.X, b.Y, kFacade);
        const SkyPoint n = SunPathPoint(0, f, eq);
        const SkyPoint z = SunPathPoint(90, 0, eq);
        c.SetDrawWidth(1);
        c.DrawLine(z.X, z.Y, z.X + (n.X - z.X) * 0.12, z.Y + (n.Y - z.Y) * 0.12, kFacade);  // the outward normal
    }
    c.SetOpacity(0.35);
    c.SetDrawWidth(1);
    if (in.OverhangVsa) {
        // Sky shaded by the overhang: profile angle at or above v, hatched along lines of
        // constant horizontal shadow angle from the cut-off up to the zenith.
        const double tanV = std::tan(*in.OverhangVsa * kDeg);
        std::vector<std::pair<double, double>> cutOff;
        for (int hsa = -90; hsa <= 90; hsa += 3) {
            const double alt = std::atan(tanV * std::cos(hsa * kDeg)) / kDeg;
            cutOff.emplace_back(alt, f + hsa);
            if (hsa % 6 == 0 && std::abs(hsa) < 90) SkyLine(c, {{alt, f + hsa}, {89.9, f + hsa}}, eq, kMask);
        }
        c.SetOpacity(1);
        c.SetDrawWidth(2);
        SkyLine(c, cutOff, eq, kMask);
        c.SetOpacity(0.35);
        c.SetDrawWidth(1);
    }
    if (in.FinsHsa && *in.FinsHsa > 0) {  // fins cutting off at 0 deg would shade the whole half sky
        // Sky shaded by the fins: horizontal shadow angle at or beyond f on either side, hatched
        // along altitude circles.
        for (const int side : {-1, 1}) {
            for (int alt = 3; alt < 90; alt += 6) {
                std::vector<std::pair<double, double>> ring;
                for (double hsa = *in.FinsHsa; hsa <= 90.0; hsa += 4) ring.emplace_back(alt, f + side * hsa);
                SkyLine(c, ring, eq, kMask);
            }
            c.SetOpacity(1);
            c.SetDrawWidth(2);
            SkyLine(c, {{0, f + side * *in.FinsHsa}, {89.9, f + side * *in.FinsHsa}}, eq, kMask);
            c.SetOpacity(0.35);
            c.SetDrawWidth(1);
        }
    }
    c.SetOpacity(1);
    c.SetForeColour(kMask);
    c.SetFontSize(9);
    const int compass = static_cast<int>(std::lround(f / 45.0)) % 8;
    const std::string facadeName =
        in.FacadeDeg % 45 == 0
            ? std::string(Translated(language, sun_text::kContext, sun_text::kFacadeName[compass], "facade"))
            : std::to_string(in.FacadeDeg) + "°";
    Text(c, 16, kSunPathHeightPx - 44,
         FilledText(sun_text::SunText(language, sun_text::kMaskKey),
                    {facadeName, Degrees(in.OverhangVsa, language), Degrees(in.FinsHsa, language)}));
}

}  // namespace

SkyPoint SunPathPoint(double altitudeDeg, double azimuthDeg, bool equidistant)
{
    const double zenith = 90.0 - std::clamp(altitudeDeg, 0.0, 90.0);
    // Stereographic: r = R tan(zenith / 2), the horizon at R; equidistant: r proportional to it.
    const double r = kRadius * (equidistant ? zenith / 90.0 : std::tan(zenith / 2 * kDeg));
    return {(kCentreX + r * std::sin(azimuthDeg * kDeg)) * kU, (kCentreY - r * std::cos(azimuthDeg * kDeg)) * kU};
}

void DrawSunPath(ChartCanvas& c, const SunPathInput& in, Language language, char decimalSeparator)
{
    const bool eq = in.Equidistant;
    c.Clear();
    c.SetDrawStyle(DrawStyle::Solid);
    c.SetFontBold(true);
    c.SetFontSize(11);
    c.SetForeColour(kBlack);
    const std::string latitude = FilledText(
        sun_text::SunText(language, in.LatitudeDeg < 0 ? sun_text::kLatitudeSouth : sun_text::kLatitudeNorth),
        {FormatFixed(std::abs(in.LatitudeDeg), 1, decimalSeparator)});
    Text(c, 16, 12, FilledText(sun_text::SunText(language, sun_text::kSunPathTitle), {in.LocationName, latitude}));
    c.SetFontBold(false);

    // Altitude circles every 15 degrees, labelled on the north-south line.
    c.SetFontSize(7);
    c.SetForeColour(kHourLine);
    for (int alt = 0; alt < 90; alt += 15) {
        std::vector<std::pair<double, double>> ring;
        for (int az = 0; az <= 360; az += 5) ring.emplace_back(alt, az);
        c.SetDrawWidth(alt == 0 ? 2 : 1);
        SkyLine(c, ring, eq, alt == 0 ? kBlack : kGrid);
        if (alt > 0) {
            const SkyPoint p = SunPathPoint(alt, 180, eq);
            c.MoveTo(p.X + 3 * kU, p.Y - c.TextHeight("0") - kU);
            c.PrintText(std::to_string(alt) + "°");
        }
    }
    c.SetDrawWidth(1);
    for (int az = 0; az < 360; az += 30) SkyLine(c, {{0, double(az)}, {89.9, double(az)}}, eq, kGrid);
    c.SetFontBold(true);
    c.SetFontSize(11);
    c.SetForeColour(kBlack);
    for (int az = 0; az < 360; az += 90) {
        const double r = kRadius + 16;
        Text(c, kCentreX + r * std::sin(az * kDeg), kCentreY - r * std::cos(az * kDeg),
             CompassName(language, az / 45 * 2), true);
    }
    c.SetFontBold(false);

    DrawMask(c, in, language);

    // Day arcs of the 15th of each month (the solstices' bold), and the solar hours across them.
    std::array<std::vector<std::pair<double, double>>, 13> arcs;
    for (int m = 1; m <= kMonths; ++m)
        arcs[m] = DayArc(m, m == 6 || m == 12 ? 21 : 15, in.LatitudeDeg, in.LongitudeDeg);
    for (int m = 1; m <= 12; ++m) {
        c.SetDrawWidth(m == 6 || m == 12 ? 3 : 1);
        SkyLine(c, arcs[m], eq, kArc);
    }
    c.SetDrawWidth(1);
    c.SetFontSize(7);
    c.SetForeColour(kHourLine);
    // From December's declination to June's, so that each hour line runs across the arcs in order.
    constexpr int kByDeclination[] = {12, 1, 11, 2, 10, 3, 9, 4, 8, 5, 7, 6};
    for (int h = 1; h <= 23; ++h) {
        std::vector<std::pair<double, double>> line;
        for (int m : kByDeclination) {
            const SunPosition p =
                SunAtSolarTime(2001, m, m == 6 || m == 12 ? 21 : 15, h, in.LatitudeDeg, in.LongitudeDeg);
            line.emplace_back(p.AltitudeDeg, p.AzimuthDeg);
        }
        SkyLine(c, line, eq, kHourLine);
        // The label at the highest end of the line, where it stands clear of the rim.
        const auto top = std::max_element(line.begin(), line.end());
        if (top->first > 2) {
            const SkyPoint p = SunPathPoint(top->first, top->second, eq);
            const std::string label = std::to_string(h);
            c.MoveTo(p.X - c.TextWidth(label) / 2, p.Y - c.TextHeight(label) - 3 * kU);
            c.PrintText(label);
        }
    }

    // The hours: recorded faint beneath, typical on top.
    c.SetDrawWidth(3);
    c.SetOpacity(0.12);
    for (const SunHour& h : in.Recorded) {
        if (h.AltitudeDeg <= 0) continue;
        const SkyPoint p = SunPathPoint(h.AltitudeDeg, h.AzimuthDeg, eq);
        c.SetPixel(p.X, p.Y, NeedColour(h.Need));
    }
    c.SetOpacity(1);
    c.SetDrawWidth(6);
    for (const SunHour& h : in.Typical) {
        if (h.AltitudeDeg <= 0) continue;
        const SkyPoint p = SunPathPoint(h.AltitudeDeg, h.AzimuthDeg, eq);
        c.SetPixel(p.X, p.Y, NeedColour(h.Need));
    }
    c.SetDrawWidth(1);
    c.SetFontSize(8);
    c.SetForeColour(kBlack);
    Text(c, 16, kSunPathHeightPx - 28, sun_text::SunText(language, sun_text::kSunPathKey));
    if (!in.Recorded.empty())
        Text(c, 16, kSunPathHeightPx - 60, sun_text::SunText(language, sun_text::kSunPathRecorded));
}

void DrawHourCalendar(ChartCanvas& c, const CalendarInput& in, Language language)
{
    constexpr double kLeft = kCalendarLeft, kTop = kCalendarTop;
    const bool recorded = !in.RecordedCounts.empty();
    c.Clear();
    c.SetDrawStyle(DrawStyle::Solid);
    c.SetDrawWidth(1);
    c.SetFontBold(true);
    c.SetFontSize(11);
    c.SetForeColour(kBlack);
    Text(c, 16, 12,
         FilledText(sun_text::SunText(language, recorded ? sun_text::kCalendarRecordedTitle : sun_text::kCalendarTitle),
                    {in.LocationName}));
    c.SetFontBold(false);
    c.SetFontSize(8);
    Text(c, kLeft, kTop - 22, sun_text::SunText(language, sun_text::kHour));
    for (int h = 1; h <= 24; ++h) Text(c, kLeft + (h - 0.5) * kCellW, kTop - 7, std::to_string(h), true);
    for (int m = 1; m <= kMonths; ++m) {
        const double y = kTop + (m - 1) * kCellH;
        Text(c, 8, y + 8,
             Translated(language, "qav::Month", kMonthAbbreviation[static_cast<std::size_t>(m)], "abbreviation"));
        for (int h = 1; h <= 24; ++h) {
            const double x = kLeft + (h - 1) * kCellW;
            int shown = in.Typical[m][h];
            if (recorded) {
                // The strategies' shares of the cell's hours, stacked from the left in zone order.
                const auto& counts = in.RecordedCounts[static_cast<std::size_t>(m)][static_cast<std::size_t>(h)];
                int total = 0, most = 0;
                for (int s = 1; s <= kStrategies; ++s) {
                    total += counts[s];
                    if (counts[s] > counts[most]) most = s;
                }
                shown = most;
                double at = x;
                for (int s = 1; s <= kStrategies && total > 0; ++s) {
                    if (counts[s] == 0) continue;
                    const double w = kCellW * counts[s] / total;
                    c.DrawBox(at * kU, y * kU, (at + w) * kU - 1, (y + kCellH) * kU - 1, ZoneColour[s], true);
                    at += w;
                }
            } else if (shown > 0) {
                c.DrawBox(x * kU, y * kU, (x + kCellW) * kU - 1, (y + kCellH) * kU - 1, ZoneColour[shown], true);
            }
            c.DrawBox(x * kU, y * kU, (x + kCellW) * kU, (y + kCellH) * kU, kWhite, false);
            if (shown > 0) {
                // Light letters on the dark zones, dark on the light ones.
                const Rgb z = ZoneColour[shown];
                const bool dark = RedOf(z) * 299 + GreenOf(z) * 587 + BlueOf(z) * 114 < 128000;
                c.SetForeColour(dark ? kWhite : kBlack);
                c.SetFontBold(true);
                Text(c, x + kCellW / 2, y + kCellH / 2, std::string(1, StrategyLetter(shown)), true);
                c.SetFontBold(false);
                c.SetForeColour(kBlack);
            }
        }
    }
    // The key: each zone's colour, letter and name.
    c.SetFontSize(7);
    for (int s = 1; s <= kStrategies; ++s) {
        const double x = kLeft + ((s - 1) % 5) * 140, y = kTop + 12 * kCellH + 14 + ((s - 1) / 5) * 18;
        c.DrawBox(x * kU, y * kU, (x + 12) * kU, (y + 12) * kU, ZoneColour[s], true);
        Text(c, x + 16, y, std::string(1, StrategyLetter(s)) + " " + std::string(StrategyNameIn(language, s)));
    }
}

SkyPoint CalendarCellCentre(int month, int hour)
{
    return {(kCalendarLeft + (hour - 0.5) * kCellW) * kU, (kCalendarTop + (month - 0.5) * kCellH) * kU};
}

}  // namespace qav
