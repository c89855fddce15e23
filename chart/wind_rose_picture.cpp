#include "chart/wind_rose_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "core/text_format.h"
#include "text/comfort_texts.h"
#include "text/compass_names.h"

namespace qav {
namespace {

// Light to dark with the speed, as wind maps shade it.
constexpr std::array<Rgb, kWindClasses> kClassColours{
    MakeRgb(190, 225, 245), MakeRgb(110, 180, 230), MakeRgb(40, 120, 200), MakeRgb(20, 60, 160), MakeRgb(90, 20, 110)};
constexpr Rgb kRing = MakeRgb(170, 170, 170);
constexpr std::array<const char*, kWindClasses> kClassNames{"0.5-2", "2-4", "4-6", "6-8", "8+"};

// A share of the hours as the picture prints it: "12.5" or "12,5".
std::string Share(double percent, char separator) { return FormatFixed(percent, 1, separator); }

struct RoseFrame {
    double cx, cy;      // centre, canvas units
    double calmRadius;  // the calm circle, in canvas units along x
    double unit;        // canvas units along x per percent of the hours
    double px, py;
};

void Circle(ChartCanvas& canvas, const RoseFrame& f, double radius, Rgb colour)
{
    constexpr int kSteps = 72;
    canvas.MoveTo(f.cx + radius, f.cy);
    for (int i = 1; i <= kSteps; ++i) {
        const double a = 2 * std::numbers::pi * i / kSteps;
        canvas.LineTo(f.cx + radius * std::cos(a), f.cy - radius * std::sin(a) * f.py / f.px, colour);
    }
}

// A point `radius` canvas units (measured along x) from the centre towards the direction the wind
// comes from, north up and east right.
void PointAt(const RoseFrame& f, double degrees, double radius, double& x, double& y)
{
    const double a = degrees * std::numbers::pi / 180;
    x = f.cx + radius * std::sin(a);
    y = f.cy - radius * std::cos(a) * f.py / f.px;
}

void DrawRose(ChartCanvas& canvas, const RoseFrame& f, const WindRose& rose, double ringStep, int rings,
              std::string_view heading, Language language)
{
    const char separator = DecimalSeparatorOf(language);
    const double outer = f.calmRadius + rings * ringStep * f.unit;
    canvas.SetDrawStyle(DrawStyle::Dotted);
    for (int r = 1; r <= rings; ++r) Circle(canvas, f, f.calmRadius + r * ringStep * f.unit, kRing);
    for (int k = 0; k < kWindSectors; ++k) {
        double x1, y1, x2, y2;
        PointAt(f, 22.5 * k, f.calmRadius, x1, y1);
        PointAt(f, 22.5 * k, outer, x2, y2);
        canvas.DrawLine(x1, y1, x2, y2, kRing);
    }
    canvas.SetDrawStyle(DrawStyle::Solid);
    Circle(canvas, f, f.calmRadius, kBlack);

    const int counted = rose.Counted();
    // Bars as wide as a third of a sector at the calm circle's double, in pixels.
    const int barPixels = std::max(3, static_cast<int>(2 * f.calmRadius * 0.39 / 3 / f.px * 2));
    canvas.SetDrawWidth(barPixels);
    for (int k = 0; k < kWindSectors && counted > 0; ++k) {
        double r = f.calmRadius;
        for (int c = 0; c < kWindClasses; ++c) {
            const double length = 100.0 * rose.Hours[k][c] / counted * f.unit;
            if (length <= 0) continue;
            double x1, y1, x2, y2;
            PointAt(f, 22.5 * k, r, x1, y1);
            PointAt(f, 22.5 * k, r + length, x2, y2);
            canvas.DrawLine(x1, y1, x2, y2, kClassColours[c]);
            r += length;
        }
    }
    canvas.SetDrawWidth(1);

    // Ring shares along the north-east diagonal, the cardinal names outside the outer ring.
    for (int r = 1; r <= rings; ++r) {
        double x, y;
        PointAt(f, 45, f.calmRadius + r * ringStep * f.unit, x, y);
        canvas.MoveTo(x + 2 * f.px, y - 12 * f.py);
        canvas.PrintText(FormatFixed(r * ringStep, 0) + " %");
    }
    for (int k = 0; k < kWindSectors; k += 4) {
        const std::string_view name = CompassName(language, k);
        double x, y;
        PointAt(f, 22.5 * k, outer + 10 * f.px, x, y);
        canvas.MoveTo(x - canvas.TextWidth(name) / 2, y - canvas.TextHeight(name) / 2);
        canvas.PrintText(name);
    }
    canvas.SetFontBold(true);
    canvas.MoveTo(f.cx - canvas.TextWidth(heading) / 2, f.cy - outer * f.py / f.px - 30 * f.py);
    canvas.PrintText(heading);
    canvas.SetFontBold(false);

    // Under the rose: the calm share, then the prevailing sector and its share.
    std::string lines[2];
    if (counted == 0) {
        lines[0] = ComfortText(language, comfort_text::kRoseNoHours);
    } else {
        lines[0] =
            FilledText(ComfortText(language, comfort_text::kRoseCalm), {Share(100.0 * rose.Calm / counted, separator)});
        if (rose.Prevailing)
            lines[1] = FilledText(ComfortText(language, comfort_text::kRosePrevailing),
                                  {CompassName(language, *rose.Prevailing), Share(rose.PrevailingShare, separator)});
    }
    for (int i = 0; i < 2; ++i) {
        canvas.MoveTo(f.cx - canvas.TextWidth(lines[i]) / 2, f.cy + outer * f.py / f.px + (14 + 12 * i) * f.py);
        canvas.PrintText(lines[i]);
    }
}

// The largest share of one sector in either rose, in percent.
double LargestShare(const WindRose& rose)
{
    const int counted = rose.Counted();
    if (counted == 0) return 0;
    int most = 0;
    for (int k = 0; k < kWindSectors; ++k) most = std::max(most, rose.SectorHours(k));
    return 100.0 * most / counted;
}

}  // namespace

Rgb WindClassColour(int speedClass) { return kClassColours[static_cast<std::size_t>(speedClass)]; }

void DrawWindRoses(ChartCanvas& canvas, const WindRose& all, const WindRose& ventilation, int pixelWidth,
                   int pixelHeight, Language language, std::string_view title, std::string_view secondHeading)
{
    const double px = std::max(1, pixelWidth), py = std::max(1, pixelHeight);
    canvas.Clear();
    PrintPictureTitle(canvas, px, title);
    // Two roses side by side; under them their figures and a row with the speed key.
    const double w = canvas.CanvasWidth(), h = canvas.CanvasHeight();
    const double top = 50 * py, bottom = h - 58 * py;
    const double radius = std::min(w / 4 - 30 * px, (bottom - top) / 2 * px / py);
    const double largest = std::max({LargestShare(all), LargestShare(ventilation), 1.0});
    const double ringStep = largest <= 10 ? 2 : largest <= 25 ? 5 : 10;
    const int rings = static_cast<int>(std::ceil(largest / ringStep));
    RoseFrame f{0, (top + bottom) / 2, radius * 0.12, 0, px, py};
    f.unit = (radius - f.calmRadius) / (rings * ringStep);
    f.cx = w / 4;
    DrawRose(canvas, f, all, ringStep, rings, ComfortText(language, comfort_text::kRoseAllHours), language);
    f.cx = w * 3 / 4;
    DrawRose(canvas, f, ventilation, ringStep, rings,
             secondHeading.empty() ? ComfortText(language, comfort_text::kRoseVentilation) : secondHeading, language);

    const char separator = DecimalSeparatorOf(language);
    const std::string_view speed = ComfortText(language, comfort_text::kRoseSpeed);
    const double y = h - 15 * py;
    double x = w / 2 - (canvas.TextWidth(speed) + 8 * px + kWindClasses * 50 * px) / 2;
    canvas.MoveTo(x, y - 2 * py);
    canvas.PrintText(speed);
    x += canvas.TextWidth(speed) + 8 * px;
    for (int c = 0; c < kWindClasses; ++c, x += 50 * px) {
        canvas.DrawBox(x, y, x + 12 * px, y + 9 * py, kClassColours[c], true);
        std::string name = kClassNames[c];
        std::replace(name.begin(), name.end(), '.', separator);
        canvas.MoveTo(x + 15 * px, y - 2 * py);
        canvas.PrintText(name);
    }
}

}  // namespace qav
