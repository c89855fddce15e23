#include "classify/zone_map.h"

#include <algorithm>
#include <cmath>

#include "chart/strategy.h"

namespace qav {
namespace {

Rgb Colour(Strategy s) { return ZoneColour[static_cast<int>(s)]; }

// The straight canvas line through two vertices.
struct Line {
    double m, b;
    Line(const ZoneVertex& p, const ZoneVertex& q) : m(static_cast<double>(p.Y - q.Y) / (p.X - q.X)), b(p.Y - m * p.X)
    {
    }
    double operator()(double x) const { return b + m * x; }
};

class Painter {
  public:
    Painter(ChartCanvas& map, const ChartScale& s, const Psychrometrics& psy) : map_(map), s_(s), psy_(psy) {}

    // y of the saturation curve at column x, cut off at the humidity ratio cap.
    double Sat(double x, double cap) const
    {
        return s_.YOf(std::min<double>(psy_.FTSat(static_cast<float>(s_.TOf(x))), cap));
    }

    // One vertical segment per pixel column for X = a, a + PixelWidth, ... while X <= b.
    // Columns off the canvas paint nothing, so they are skipped, which also bounds the loop
    // when an end is not finite.
    template <typename Column>
    void ForColumns(double a, double b, Column column)
    {
        const double pw = s_.PixelWidth;
        if (!(a <= b)) return;
        const double first = std::max(0.0, std::ceil((-pw - a) / pw));
        const double last = std::floor((std::min(b, map_.CanvasWidth() + pw) - a) / pw);
        for (double k = first; k <= last; ++k) column(a + k * pw);
    }

    template <typename From, typename To>
    void Sweep(double a, double b, From from, To to, Strategy strategy)
    {
        ForColumns(a, b, [&](double x) { map_.DrawLine(x, from(x), x, to(x), Colour(strategy)); });
    }

    void Box(double x1, double y1, double x2, double y2, Strategy strategy)
    {
        map_.DrawBox(x1, y1, x2, y2, Colour(strategy), true);
    }

    ChartCanvas& map_;
    const ChartScale& s_;
    const Psychrometrics& psy_;
};

}  // namespace

void PaintZoneMap(ChartCanvas& map, const ChartScale& s, const ZoneVertices& v, const Psychrometrics& psy)
{
    using enum Strategy;
    Painter p(map, s, psy);
    const double pw = s.PixelWidth, ph = s.PixelHeight;
    const double yBase = s.YBase;
    const auto base = [&](double) { return yBase; };
    const auto constant = [](double y) { return [y](double) { return y; }; };
    const auto sat = [&](double cap) { return [&p, cap](double x) { return p.Sat(x, cap); }; };
    // "L(X), not above Y": a line value higher on the canvas than Y is held at Y.
    const auto notAbove = [](Line l, double y) { return [l, y](double x) { return std::max(l(x), y); }; };
    const auto X = [&](int i) { return static_cast<double>(v[i].X); };
    const auto Y = [&](int i) { return static_cast<double>(v[i].Y); };

    // Where the saturation curve reaches 20.5 g/kg: the dew point of 20.5 g/kg.
    const double rh = psy.FUR(s.TMax, 20.5f);
    const float ta = FTorv(static_cast<float>(rh * FPvsPa(s.TMax) / 1000));

    map.SetDrawWidth(1);
    map.SetDrawStyle(DrawStyle::Solid);
    map.Clear();
    p.Sweep(s.XOf(ta), s.X1, base, sat(s.WMax), ArtificialCooling);
    p.Sweep(s.X0, s.XOf(10), base, sat(s.WMax), ArtificialHeating);
    p.Sweep(s.XOf(10), s.XOf(14), base, sat(s.WMax), SolarHeating);
    p.Sweep(s.XOf(14), s.XOf(20), base, sat(20.5), ThermalInertiaHeating);
    if (v[19].X != v[20].X) p.Sweep(X(19), X(20), base, Line(v[19], v[20]), EvaporativeCooling);
    p.Box(X(6), Y(6), X(19) - pw, Y(19), EvaporativeCooling);
    map.DrawLine(X(5), Y(5), X(6), Y(6), Colour(AirHumidification));
    const Line l56(v[5], v[6]);
    p.Sweep(X(5), X(6), base, l56, AirHumidification);
    p.Sweep(X(5), X(6), l56, constant(Y(9)), EvaporativeCooling);
    p.Sweep(X(17) - 6 * pw, X(18), constant(Y(9)), notAbove(Line(v[17], v[18]), Y(17)), ThermalInertiaCooling);
    if (v[14].X != v[15].X) {
        const Line l1415(v[14], v[15]);
        p.Sweep(X(14), X(15), constant(Y(9) + ph), notAbove(l1415, Y(11)), NightVentilation);
    }
    p.Box(X(11) - 3 * pw, Y(11) - ph, X(14), Y(9), NightVentilation);
    if (v[14].X != v[15].X) {
        const Line l1415(v[14], v[15]);
        const double xc = (Y(11) - l1415.b) / l1415.m;  // where the line reaches Y11
        p.Sweep(X(14), xc, constant(Y(11) - ph), l1415, Ventilation);
    }
    p.Box(std::max(X(13), X(5)), Y(13), X(14), Y(11) - ph, Ventilation);
    // Between the 80 % curve and the saturation curve, only where the 80 % curve lies below
    // 20.5 g/kg.
    p.ForColumns(s.XOf(20), X(11), [&](double x) {
        const double y80 = s.YOf(psy.FTax1(static_cast<float>(s.TOf(x)), 0.8f));
        if (y80 > Y(14)) map.DrawLine(x, p.Sat(x, 20.5), x, y80, Colour(Ventilation));
    });
    if (v[11].X != v[10].X) {
        p.Sweep(X(11), X(10), constant(Y(9)), Line(v[11], v[10]), ThermalComfort);
    } else {
        p.Box(X(11), Y(11), X(9), Y(9), ThermalComfort);
    }
    p.Box(X(7), Y(7), X(9) - pw, Y(9), ThermalComfort);
    if (v[11].X != v[10].X)
        p.Sweep(X(11), X(10) + 6 * pw, notAbove(Line(v[11], v[10]), Y(11)), constant(Y(11) - ph), NightVentilation);
    const auto comfortTop = [&](double x) {
        return s.YOf(static_cast<float>(std::min(0.8 * psy.FTSat(static_cast<float>(s.TOf(x))), 17.0)));
    };
    p.Sweep(X(7), X(11), comfortTop, constant(Y(7) + ph), ThermalComfort);
}

}  // namespace qav
