#include "chart/monthly_graph.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "chart/picture_texts.h"
#include "core/month_names.h"
#include "core/text_format.h"

namespace qav {
namespace {

constexpr Rgb kPlotBackground = MakeRgb(224, 224, 224);
constexpr Rgb kComfortBand = MakeRgb(255, 255, 220);
constexpr Rgb kBarOutline = MakeRgb(255, 0, 0);
constexpr Rgb kHumidityColour = MakeRgb(0, 0, 128);

// Labels of the temperature scale are at least this far apart (canvas units).
constexpr double kLabelSpacing = 240;

constexpr int kTopT = 40, kBottomT = -12;  // degrees C at the top and bottom of the plot

struct Geometry {
    double px, py;
    double Ytop, Ybottom, Xleft, Xright, C, S, R;
    double XCentre(int m) const { return Xleft + C / 2 + (m - 1) * C; }
    double YOfT(double t) const { return Ytop + (kTopT - t) * S; }
    double YOfRH(double h) const { return Ybottom - h * R; }
};

// The left scale from 40 down to -12 C, a label where it stands at least kLabelSpacing below
// the previous one. The second pass also prints "dbt" at 40 C and a tick at every label.
void TemperatureLabels(ChartCanvas& canvas, const Geometry& g, bool withTicks, Language language)
{
    double lastLabelY = g.Ytop;
    for (int t = kTopT; t >= kBottomT; --t) {
        const double y = g.YOfT(t);
        if (t == kTopT) {
            if (!withTicks) continue;
            canvas.MoveTo(g.Xleft - 24 * g.px, g.Ytop - 6 * g.py);
            canvas.PrintText(PictureText(language, picture_text::kGraphDryBulb));
        } else {
            if (y < g.Ytop || std::fabs(y - lastLabelY) < kLabelSpacing) continue;
            canvas.MoveTo(g.Xleft - (t < 0 ? 23 : 20) * g.px, y - 6 * g.py);
            canvas.PrintText(FormatInt00(t));
        }
        lastLabelY = y;
        if (withTicks) canvas.DrawLine(g.Xleft - 5 * g.px, y, g.Xleft, y);
    }
}

}  // namespace

void DrawMonthlyGraph(ChartCanvas& canvas, const LocationRecord& location, int pixelWidth, int pixelHeight,
                      Language language)
{
    Geometry g;
    g.px = std::max(1, pixelWidth);
    g.py = std::max(1, pixelHeight);
    g.Ytop = 10 * g.py;
    g.Ybottom = canvas.CanvasHeight() - 24 * g.py;
    g.Xleft = 28 * g.px;
    g.Xright = canvas.CanvasWidth() - 35 * g.px;
    g.C = (g.Xright - g.Xleft) / kMonths;
    g.S = (g.Ybottom - g.Ytop) / (kTopT - kBottomT);
    g.R = (g.Ybottom - g.Ytop) / 100;

    canvas.Clear();
    TemperatureLabels(canvas, g, false, language);
    canvas.DrawBox(g.Xleft, g.Ytop, g.Xright, g.Ybottom, kPlotBackground, true);
    canvas.DrawBox(g.Xleft, g.YOfT(29), g.Xright, g.YOfT(18), kComfortBand, true);
    canvas.DrawBox(g.Xleft, g.Ytop, g.Xright, g.Ybottom, kBlack, false);

    // Dotted month boundaries, both frame edges included, each month's name right of its left one.
    for (int k = 0; k <= kMonths; ++k) {
        const double x = g.Xleft + k * g.C;
        for (int i = 0;; ++i) {
            const double y = g.Ytop + i * 4 * g.py;
            if (!(y <= g.Ybottom)) break;
            canvas.SetPixel(x, y, canvas.ForeColour());
        }
        if (k < kMonths) {
            canvas.MoveTo(x + 5 * g.px, g.Ybottom + 3 * g.px);
            canvas.PrintText(Translated(language, "qav::Month", kMonthAbbreviation[k + 1], "abbreviation"));
        }
    }

    TemperatureLabels(canvas, g, true, language);
    for (int h = 0; h <= 100; h += 10) {
        const double y = g.YOfRH(h);
        canvas.MoveTo(g.Xright + 7 * g.px, y - 6 * g.py);
        canvas.PrintText(h < 100 ? FormatInt00(h) : std::string(PictureText(language, picture_text::kGraphHumidity)));
        canvas.DrawLine(g.Xright, y, g.Xright + 5 * g.px, y);
    }
    canvas.SetDrawWidth(1);

    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = location.Month[m];
        const double x = g.XCentre(m);
        canvas.DrawBox(x - 7 * g.px, g.YOfT(n.DBTmax), x + 7 * g.px, g.YOfT(n.DBTmin), kWhite, true);
        canvas.DrawBox(x - 7 * g.px, g.YOfT(n.DBTmax), x + 7 * g.px, g.YOfT(n.DBTmin), kBarOutline, false);
    }
    // The humidity line runs from January's centre to the right edge at December's level.
    for (int m = 1; m <= kMonths; ++m) {
        const double y = g.YOfRH(location.Month[m].RHavg);
        if (m == 1) canvas.SetPixel(g.XCentre(1), y, kHumidityColour);
        canvas.LineTo(g.XCentre(m), y, kHumidityColour);
    }
    canvas.LineTo(g.Xright, g.YOfRH(location.Month[kMonths].RHavg), kHumidityColour);
    for (int m = 1; m <= kMonths; ++m) {
        const double x = g.XCentre(m), y = g.YOfRH(location.Month[m].RHavg);
        const double d = 2 * g.px;  // px vertically too: a square marker
        canvas.DrawBox(x - d, y - d, x + d, y + d, kWhite, true);
        canvas.DrawBox(x - d, y - d, x + d, y + d, kHumidityColour, false);
    }
}

}  // namespace qav
