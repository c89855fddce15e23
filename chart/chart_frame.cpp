#include "chart/chart_frame.h"

#include <algorithm>
#include <string_view>

#include "text/picture_texts.h"
#include "core/text_format.h"
#include "core/version.h"

namespace qav {
namespace {

constexpr Rgb kOutlineColour = kBlack;
constexpr Rgb kLightGuide = MakeRgb(220, 220, 220);
constexpr Rgb kTitleGrey = MakeRgb(76, 76, 76);

// Caps of the zones: the comfort zone ends at 17 g/kg, the ventilation zone at 20.5 g/kg.
constexpr double kComfortCap = 17;
constexpr double kVentilationCap = 20.5;

struct LetterMark {
    char Letter;
    double T, W;  // degrees C, g/kg: fixed, whatever the pressure
};
constexpr LetterMark kLetters[] = {
    {'A', 3.8, 4.1}, {'B', 11, 4.1},  {'B', 15, 4.1},  {'C', 15, 2.1},  {'D', 21.3, 2.1},
    {'E', 23, 10},   {'F', 26.2, 20}, {'J', 35.2, 20}, {'H', 29.7, 10}, {'H', 32.8, 10},
    {'G', 29.7, 12}, {'I', 30.1, 8},  {'I', 33.4, 8},  {'I', 39, 8},
};

float Capped(double w, double cap) { return static_cast<float>(std::min(w, cap)); }

// y of the saturation curve at column x, held to the humidity ratio cap.
double SaturationY(const ChartScale& s, const Psychrometrics& psy, double x, double cap)
{
    return s.YOf(Capped(psy.FTSat(static_cast<float>(s.TOf(x))), cap));
}

struct WetBulbSegment {
    double Xs, Ys;  // saturation point of the wet-bulb temperature
    double Xe, Ye;  // point at TMax - 0.1
    CanvasLine Line;
};

WetBulbSegment WetBulbSegmentOf(const ChartScale& s, const Psychrometrics& psy, int twb)
{
    WetBulbSegment w;
    const float tStar = static_cast<float>(twb);
    const double tEnd = s.TMax - 0.1;
    w.Xs = s.XOf(twb);
    w.Ys = s.YOf(psy.FTax(tStar, tStar));
    w.Xe = s.XOf(tEnd);
    w.Ye = s.YOf(psy.FTax(static_cast<float>(tEnd), tStar));
    w.Line.Slope = (w.Ye - w.Ys) / (w.Xe - w.Xs);
    w.Line.Intercept = w.Ye - w.Line.Slope * w.Xe;
    return w;
}

// Dew point (degrees C) of humidity ratio w at the station pressure: the saturation point of w.
float DewPointOf(const Psychrometrics& psy, float tMax, float w)
{
    return FTorv(static_cast<float>(psy.FUR(tMax, w) * static_cast<double>(FPvsPa(tMax)) / 1000));
}

void DrawFrame(ChartCanvas& chart, const ChartScale& s, const Psychrometrics& psy, char decimalSeparator,
               Language language)
{
    const int pw = s.PixelWidth, ph = s.PixelHeight, dw = s.DegreeWidth;
    const double gh = s.GramHeight;

    // Humidity-axis title, reading upwards right of the humidity labels, centred on the height:
    // it starts from its bottom end.
    const std::string_view axisTitle = PictureText(language, picture_text::kHumidityAxis);
    const double tw = chart.TextWidth(axisTitle);
    chart.MoveTo(RoundToInt16(s.X1 + 22.0 * pw), RoundToInt16((chart.CanvasHeight() + tw) / 2));
    chart.PrintRotatedText(axisTitle);

    // Thin saturation curve, one point per pixel.
    for (int x = s.X0; x <= s.X1; x += pw) {
        const double y = SaturationY(s, psy, x, s.WMax);
        if (x == s.X0) chart.SetPixel(x, y, kOutlineColour);
        chart.LineTo(x, y, kOutlineColour);
    }

    // Relative-humidity curves 10 % to 90 %, every 2 degrees; none above the canvas.
    Rgb guide = kLightGuide;
    chart.SetForeColour(kOutlineColour);
    chart.SetDrawStyle(DrawStyle::Dotted);
    for (int k = 1; k <= 9; ++k) {
        for (int x = s.X0; x <= s.X1; x += 2 * dw) {
            const float w = static_cast<float>(psy.FTSat(static_cast<float>(s.TOf(x))) * k / 10.0);
            const double y = s.YOf(w);
            if (x == s.X0) chart.SetPixel(x, y, kOutlineColour);
            if (y > ph) chart.LineTo(x, y, guide);
        }
    }
    // Erase what the curves drew above the plot.
    chart.DrawBox(pw, 0, s.X1 + 3.0 * dw, s.YTop - ph, kWhite, true);

    // Humidity rows: a dot per degree from the right edge to the saturation curve, and labels.
    chart.SetDrawStyle(DrawStyle::Solid);
    chart.SetForeColour(kBlack);
    for (int w = 0; w <= s.WMax; w += 2) {
        const double y = s.YBase - w * gh;
        if (w >= 2) {
            const double xd =
                std::max(s.XOf(DewPointOf(psy, s.TMax, static_cast<float>(w))), static_cast<double>(s.X0));
            for (int xx = s.X1; xx >= xd; xx -= dw) chart.SetPixel(xx, y, kOutlineColour);
        }
        chart.MoveTo(s.X1 + 7.0 * pw, y - 6.0 * ph);
        chart.PrintText(FormatInt00(w));
    }
    // Right-edge ticks, one per g/kg.
    for (int w = s.WMax; w >= 0; --w) {
        const double y = s.YTop + (s.WMax - w) * gh;
        chart.DrawLine(s.X1, y, s.X1 + 60, y, kBlack);
    }

    // Wet-bulb lines every 4 degrees, straight, clipped to the plot; no labels.
    chart.SetForeColour(kOutlineColour);
    chart.SetDrawStyle(DrawStyle::Dotted);
    for (int twb = s.TMin - 8; twb <= s.TMax; ++twb) {
        if ((twb - s.TMin) % 4 != 0) continue;
        WetBulbSegment seg = WetBulbSegmentOf(s, psy, twb);
        const double m = seg.Line.Slope, b = seg.Line.Intercept;
        if (seg.Xs < s.X0) seg.Xs = s.X0, seg.Ys = m * seg.Xs + b;
        if (seg.Ys < s.YTop) seg.Ys = s.YTop, seg.Xs = (seg.Ys - b) / m;
        if (seg.Ye > s.YBase) seg.Ye = s.YBase, seg.Xe = (seg.Ye - b) / m;
        const double we = (s.YBase - seg.Ye) / gh;
        if (we <= 30 && seg.Ys < seg.Ye && seg.Ys >= s.YTop) chart.DrawLine(seg.Xs, seg.Ys, seg.Xe, seg.Ye, guide);
    }

    // Title, centred on the canvas below the temperature labels.
    chart.SetDrawStyle(DrawStyle::Solid);
    chart.SetForeColour(kTitleGrey);
    const std::string title = ChartTitle(psy.Pressure(), decimalSeparator, language);
    chart.MoveTo((chart.CanvasWidth() - chart.TextWidth(title)) / 2, s.YBase + 90 + 1.3 * chart.TextHeight("888"));
    chart.PrintText(title);
    chart.SetForeColour(kBlack);

    // Temperature grid every 4 degrees, a dot per 0.5 g/kg up to the saturation curve (none on
    // a canvas too low to hold the plot).
    for (int t = s.TMin; t <= s.TMax + 1 && gh > 0; t += 4) {
        const double x = s.XOf(t);
        const double yEnd = s.YOf(Capped(psy.FTSat(static_cast<float>(t)), s.WMax));
        for (int k = 0;; ++k) {
            const double y = s.YBase - k * (gh / 2);
            if (!(y >= yEnd)) break;
            chart.SetPixel(x, y, kOutlineColour);
        }
    }
    // Temperature labels; negative ones stand further left for the minus sign.
    for (int t = s.TMin; t <= s.TMax + 1; t += 4) {
        chart.MoveTo(s.XOf(t) - (t < 0 ? 120 : 90), s.YBase + 90);
        if (t < s.TMax - 2)
            chart.PrintText(FormatInt00(t));
        else if (t == s.TMax - 2)
            chart.PrintText(PictureText(language, picture_text::kDryBulb));
    }
    // Bottom ticks every 2 degrees.
    for (int x = s.X0; x <= s.X1; x += 2 * dw) chart.DrawLine(x, s.YBase, x, s.YBase + 60.0);

    // Heavy frame: left edge, saturation curve along the top, right edge, baseline.
    guide = kBlack;
    chart.SetDrawWidth(2);
    chart.SetPixel(s.X0, s.YBase, guide);
    for (int x = s.X0; x <= s.X1; x += pw) chart.LineTo(x, SaturationY(s, psy, x, s.WMax), guide);
    chart.LineTo(s.X1, s.YBase, guide);
    chart.LineTo(s.X0, s.YBase, guide);
    chart.SetDrawWidth(1);
}

void DrawZones(ChartCanvas& chart, const ChartScale& s, const Psychrometrics& psy, const ZoneVertices& v)
{
    constexpr Rgb c = kOutlineColour;
    const auto line = [&](int a, int b) { chart.DrawLine(v[a].X, v[a].Y, v[b].X, v[b].Y, c); };
    const auto lineTo = [&](int a) { chart.LineTo(v[a].X, v[a].Y, c); };

    chart.DrawLine(v[1].X, s.YBase, v[1].X, v[1].Y, c);  // 10 C up to saturation
    chart.DrawLine(v[2].X, s.YBase, v[2].X, v[2].Y, c);  // 14 C up to saturation
    chart.DrawLine(v[5].X, s.YBase, v[5].X, v[5].Y, c);  // 20 C up to 4 g/kg
    chart.DrawLine(v[5].X, v[3].Y, v[5].X, v[4].Y, c);   // 20 C between the 80 % and saturation curves
    line(5, 6);                                          // wet-bulb line through (20 C, 4 g/kg)

    // Comfort zone: 18 C down to 4 g/kg, along to 29 C, up to the 50 % curve, along the
    // specific-volume line to 17 g/kg; then its top, 80 % of saturation held to 17 g/kg.
    chart.SetPixel(v[7].X, v[7].Y, c);
    lineTo(8), lineTo(9), lineTo(10), lineTo(11);
    chart.SetPixel(v[7].X, v[7].Y, c);
    for (int x = v[7].X; x <= v[11].X; x += s.PixelWidth) {
        const float w = Capped(0.8 * psy.FTSat(static_cast<float>(s.TOf(x))), kComfortCap);
        chart.LineTo(x, s.YOf(w), c);
    }

    line(13, 14), lineTo(15), lineTo(16), lineTo(9);  // zone below 20.5 g/kg
    line(8, 18), lineTo(17), lineTo(11);              // zone up to 38 C
    line(11, 19), lineTo(20);                         // wet-bulb-25 edge
    chart.LineTo(v[20].X, s.YBase, c);

    DrawZoneLetters(chart, s);
}

}  // namespace

void DrawZoneLetters(ChartCanvas& chart, const ChartScale& s)
{
    const double fontSize = chart.FontSize();
    chart.SetFontSize(12);
    for (const LetterMark& mark : kLetters) {
        chart.MoveTo(s.XOf(mark.T), s.YOf(mark.W));
        chart.PrintText(std::string_view(&mark.Letter, 1));
    }
    chart.SetFontSize(fontSize);
}

CanvasLine WetBulbLine(const ChartScale& scale, const Psychrometrics& psy, int twb)
{
    return WetBulbSegmentOf(scale, psy, twb).Line;
}

ZoneVertices ComputeZoneVertices(const ChartScale& s, const Psychrometrics& psy)
{
    const auto X = [&](double t) { return RoundToInt16(s.XOf(t)); };
    const auto Y = [&](double w) { return RoundToInt16(s.YOf(w)); };
    ZoneVertices v{};

    v[1] = {X(10), Y(psy.FTSat(10))};
    v[2] = {X(14), Y(psy.FTSat(14))};
    v[3].Y = Y(Capped(psy.FTSat(20), kVentilationCap));
    v[4].Y = Y(Capped(0.8 * psy.FTSat(20), kComfortCap));
    v[5] = {X(20), Y(4)};
    // Where the wet-bulb line through V5 reaches 0.01 g/kg, placed on the baseline.
    const float t6 = psy.FTBS(20, psy.FTBU(20, 4), 0.01f);
    v[6] = {X(t6), s.YBase};

    const float w7 = Capped(0.8 * psy.FTSat(18), kComfortCap);
    v[7] = {X(18), Y(w7)};
    v[8] = {v[7].X, Y(4)};
    v[9] = {X(29), Y(4)};
    const float w10 = Capped(0.5 * psy.FTSat(29), kComfortCap);
    v[10] = {v[9].X, Y(w10)};
    const float t11 = psy.FTVE(17, psy.FVE(29, w10));  // specific-volume line through V10
    v[11] = {X(t11), Y(17)};

    v[13] = {X(DewPointOf(psy, 44, 20.5f)), Y(20.5)};
    const float w15 = Capped(0.5 * psy.FTSat(32), kVentilationCap);
    v[15] = {X(32), Y(w15)};
    // When W15 is capped V14 is V15 itself; the cap keeps FTVE's rounding from passing it.
    const float t14 = std::min(psy.FTVE(20.5f, psy.FVE(32, w15)), 32.0f);
    v[14] = {X(t14), Y(20.5)};
    v[16] = {v[15].X, v[9].Y};
    const float t17 = psy.FTVE(17, psy.FVE(38, 4));  // specific-volume line through V18
    v[17] = {X(t17), Y(17)};
    v[18] = {X(38), Y(4)};

    // V19 is where the wet-bulb-25 line crosses 17 g/kg; when it reaches the right edge at or
    // above 17 g/kg, both points sit on the right edge at 17 g/kg.
    const CanvasLine wb25 = WetBulbLine(s, psy, 25);
    v[20] = {X(44), RoundToInt16(wb25.Slope * s.XOf(44) + wb25.Intercept)};
    const double w20 = (s.YBase - v[20].Y) / static_cast<double>(s.GramHeight);
    if (w20 < kComfortCap) {
        v[19].Y = Y(kComfortCap);
        v[19].X = RoundToInt16((v[19].Y - wb25.Intercept) / wb25.Slope);
    } else {
        v[20].Y = Y(kComfortCap);
        v[19] = v[20];
    }
    return v;
}

std::string ChartTitle(const StationPressureValues& pressure, char decimalSeparator, Language language)
{
    return FilledText(PictureText(language, picture_text::kChartTitle),
                      {kProgramAndVersion, FormatFixed(pressure.PressureKPa, 3, decimalSeparator),
                       FormatFixed(pressure.PressureElevation, 0, decimalSeparator)});
}

ZoneVertices DrawChartFrameAndZones(ChartCanvas& chart, ChartCanvas& zoneMap, const ChartScale& scale,
                                    const Psychrometrics& psy, char decimalSeparator, Language language)
{
    chart.Clear();
    zoneMap.Clear();
    DrawFrame(chart, scale, psy, decimalSeparator, language);
    const ZoneVertices v = ComputeZoneVertices(scale, psy);
    DrawZones(chart, scale, psy, v);
    return v;
}

}  // namespace qav
