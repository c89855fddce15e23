#include "chart/adaptive_graph.h"

#include <array>

#include "text/comfort_texts.h"

namespace qav {
namespace {

// Outermost band first: ASHRAE 55's 80 % then 90 %; EN 16798-1's III, II, I.
constexpr std::array<Rgb, 3> kAshraeColours{MakeRgb(255, 247, 200), kAdaptiveKeyColour, 0};
constexpr std::array<Rgb, 3> kEnColours{MakeRgb(255, 250, 215), MakeRgb(255, 236, 170), kAdaptiveKeyColour};
constexpr Rgb kComfortLine = MakeRgb(200, 110, 0);
constexpr Rgb kFanLine = MakeRgb(0, 120, 0);
constexpr int kFanSpeed = 1;  // 0.9 m/s, the speed ceiling fans usually give

}  // namespace

void DrawAdaptiveBands(ChartCanvas& canvas, const Geometry& g, const AdaptiveYear& year)
{
    const bool en = year.Model == ComfortModel::En16798;
    const int levels = year.Levels();
    // ASHRAE 55 draws 80 % (index 0) outside 90 %; EN 16798-1 III (index 2) outside I.
    for (int m = 1; m <= kMonths; ++m) {
        const AdaptiveMonth& a = year.Month[m];
        const double x1 = g.Xleft + (m - 1) * g.C, x2 = x1 + g.C;
        if (!a.InRange) continue;  // the model says nothing of this month: no band
        for (int k = 0; k < levels; ++k) {
            const int i = en ? levels - 1 - k : k;
            canvas.DrawBox(x1, g.YOfT(a.Upper[i]), x2, g.YOfT(a.Lower[i]), en ? kEnColours[k] : kAshraeColours[k],
                           true);
        }
        canvas.SetDrawWidth(2);
        canvas.DrawLine(x1, g.YOfT(a.Comfort), x2, g.YOfT(a.Comfort), kComfortLine);
        canvas.SetDrawWidth(1);
        if (!en) {
            const double fanUpper = a.Upper[0] + kAirSpeedRiseK[kFanSpeed];
            canvas.SetDrawStyle(DrawStyle::Dotted);
            canvas.DrawLine(x1, g.YOfT(fanUpper), x2, g.YOfT(fanUpper), kFanLine);
            canvas.SetDrawStyle(DrawStyle::Solid);
        }
    }
}

std::string_view AdaptiveBandKey(const AdaptiveYear& year, Language language)
{
    return ComfortText(language,
                       year.Model == ComfortModel::En16798 ? comfort_text::kEnBandKey : comfort_text::kAshraeBandKey);
}

}  // namespace qav
