#include "chart/monthly_graph.h"

#include "chart/adaptive_graph.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "text/picture_texts.h"
#include "text/month_names.h"
#include "core/text_format.h"

namespace qav {
namespace {

constexpr Rgb kPlotBackground = MakeRgb(224, 224, 224);
constexpr Rgb kComfortBand = MakeRgb(255, 255, 220);
constexpr Rgb kBarOutline = MakeRgb(255, 0, 0);
constexpr Rgb kHumidityColour = MakeRgb(0, 0, 128);
constexpr Rgb kLeftOutLabel = MakeRgb(160, 160, 160);
// A month the shares leave out lies under white at this opacity.
constexpr double kLeftOutWash = 0.6;

// Labels of the temperature scale are at least this far apart (canvas units).
constexpr double kLabelSpacing = 240;

// The left scale from 40 down to -12 C, a label where it stands at least kLabelSpacing below
// the previous one. The second pass also puts a tick at every label.
void TemperatureLabels(ChartCanvas& canvas, const Geometry& g, bool withTicks)
{
    double lastLabelY = g.Ytop;
    for (int t = kTopT; t >= kBottomT; --t) {
        const double y = g.YOfT(t);
        if (t != kTopT && (y < g.Ytop || std::fabs(y - lastLabelY) < kLabelSpacing)) continue;
        if (t == kTopT && !withTicks) continue;
        canvas.MoveTo(g.Xleft - (t < 0 ? 23 : 20) * g.px, y - 6 * g.py);
        canvas.PrintText(FormatInt00(t));
        lastLabelY = y;
        if (withTicks) canvas.DrawLine(g.Xleft - 5 * g.px, y, g.Xleft, y);
    }
}

// The band over the plot: the title, the units of both scales over them and the comfort band's key
// between, all clear of the frame.
void DrawTopBand(ChartCanvas& canvas, const Geometry& g, Language language, std::string_view title,
                 const AdaptiveYear* adaptive)
{
    const double fontSize = canvas.FontSize();
    if (!title.empty()) {
        canvas.SetFontSize(7);
        canvas.MoveTo(g.Xleft, 0);
        canvas.PrintText(title);
        canvas.SetFontSize(fontSize);
    }
    // The scales' titles sit over the frame, inside its corners: the top labels ("40", "100")
    // stand outside the frame at nearly the same height and would be overprinted otherwise.
    const double y = g.Ytop - 13 * g.py;
    canvas.MoveTo(g.Xleft + 2 * g.px, y);
    canvas.PrintText(PictureText(language, picture_text::kGraphDryBulb));
    const std::string_view rh = PictureText(language, picture_text::kGraphHumidity);
    canvas.MoveTo(g.Xright - 2 * g.px - canvas.TextWidth(rh), y);
    canvas.PrintText(rh);
    const std::string_view band =
        adaptive ? AdaptiveBandKey(*adaptive, language) : PictureText(language, picture_text::kGraphComfortBand);
    const double keyWidth = 16 * g.px + canvas.TextWidth(band);
    const double x = (g.Xleft + g.Xright - keyWidth) / 2;
    canvas.DrawBox(x, y + 2 * g.py, x + 12 * g.px, y + 10 * g.py, adaptive ? kAdaptiveKeyColour : kComfortBand, true);
    canvas.DrawBox(x, y + 2 * g.py, x + 12 * g.px, y + 10 * g.py, kBlack, false);
    canvas.MoveTo(x + 16 * g.px, y);
    canvas.PrintText(band);
}

}  // namespace

void DrawMonthlyGraph(ChartCanvas& canvas, const LocationRecord& location, int pixelWidth, int pixelHeight,
                      Language language, std::string_view title, const CountedMonths& counted,
                      const AdaptiveYear* adaptive)
{
    Geometry g;
    g.px = std::max(1, pixelWidth);
    g.py = std::max(1, pixelHeight);
    g.Ytop = (title.empty() ? 15 : 25) * g.py;  // the top band: units and key, under the title if any
    g.Ybottom = canvas.CanvasHeight() - 24 * g.py;
    g.Xleft = 28 * g.px;
    g.Xright = canvas.CanvasWidth() - 35 * g.px;
    g.C = (g.Xright - g.Xleft) / kMonths;
    g.S = (g.Ybottom - g.Ytop) / (kTopT - kBottomT);
    g.R = (g.Ybottom - g.Ytop) / 100;

    canvas.Clear();
    TemperatureLabels(canvas, g, false);
    canvas.DrawBox(g.Xleft, g.Ytop, g.Xright, g.Ybottom, kPlotBackground, true);
    if (adaptive)
        DrawAdaptiveBands(canvas, g, *adaptive);
    else
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
            const Rgb fore = canvas.ForeColour();
            if (!counted[static_cast<std::size_t>(k + 1)]) canvas.SetForeColour(kLeftOutLabel);
            canvas.MoveTo(x + 5 * g.px, g.Ybottom + 3 * g.px);
            canvas.PrintText(Translated(language, "qav::Month", kMonthAbbreviation[k + 1], "abbreviation"));
            canvas.SetForeColour(fore);
        }
    }

    TemperatureLabels(canvas, g, true);
    for (int h = 0; h <= 100; h += 10) {
        const double y = g.YOfRH(h);
        canvas.MoveTo(g.Xright + 7 * g.px, y - 6 * g.py);
        canvas.PrintText(FormatInt00(h));
        canvas.DrawLine(g.Xright, y, g.Xright + 5 * g.px, y);
    }
    canvas.SetDrawWidth(1);

    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = location.Month[m];
        const double x = g.XCentre(m);
        canvas.DrawBox(x - 7 * g.px, g.YOfT(n.DBTmax), x + 7 * g.px, g.YOfT(n.DBTmin), kWhite, true);
        canvas.DrawBox(x - 7 * g.px, g.YOfT(n.DBTmax), x + 7 * g.px, g.YOfT(n.DBTmin), kBarOutline, false);
    }
    // The humidity line joins the months' centres, over the same months as the temperature bars.
    for (int m = 1; m <= kMonths; ++m) {
        const double y = g.YOfRH(location.Month[m].RHavg);
        if (m == 1) canvas.SetPixel(g.XCentre(1), y, kHumidityColour);
        canvas.LineTo(g.XCentre(m), y, kHumidityColour);
    }
    for (int m = 1; m <= kMonths; ++m) {
        const double x = g.XCentre(m), y = g.YOfRH(location.Month[m].RHavg);
        const double d = 2 * g.px;  // px vertically too: a square marker
        canvas.DrawBox(x - d, y - d, x + d, y + d, kWhite, true);
        canvas.DrawBox(x - d, y - d, x + d, y + d, kHumidityColour, false);
    }
    canvas.SetOpacity(kLeftOutWash);
    for (int m = 1; m <= kMonths; ++m)
        if (!counted[static_cast<std::size_t>(m)])
            canvas.DrawBox(g.Xleft + (m - 1) * g.C, g.Ytop, g.Xleft + m * g.C, g.Ybottom, kWhite, true);
    canvas.SetOpacity(1);
    DrawTopBand(canvas, g, language, title, adaptive);
}

}  // namespace qav
