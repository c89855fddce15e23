#include "core/psychrometrics.h"

#include <cmath>

namespace qav {
namespace {

constexpr double kPi = 3.14159265358979323846;  // 4 * atan(1)

// The chart's own calls converge within a few hundred steps; the bound only keeps arbitrary
// calculator input (far outside the chart) from looping for ever.
constexpr int kMaxSearchSteps = 200000;

// Hyland-Wexler saturation-pressure coefficients (ASHRAE Fundamentals ch. 1 eq. 5 and 6):
// C1..C7 over ice, C8..C13 over liquid water; T in K, p in Pa.
constexpr double C1 = -5674.5359, C2 = 6.3925247, C3 = -0.009677843, C4 = 6.2215701e-7, C5 = 2.0747825e-9,
                 C6 = -9.484024e-13, C7 = 4.1635019;
constexpr double C8 = -5800.2206, C9 = 1.3914993, C10 = -0.048640239, C11 = 4.1764768e-5, C12 = -1.4452093e-8,
                 C13 = 6.5459673;

// Enhancement factor f = a + b exp(-t / c) of moist air, P in kPa (about 1.00394 at sea level).
// c is held in single precision by FTSat and FUR and in double precision by FTax1; the stored
// chart and hourly values depend on that difference in their last digit.
double EnhancementFactor(double pressureKPa, double t, bool singleC)
{
    const double a = 1.03912 - 0.03995 * std::exp(-pressureKPa / 797.40363);
    const double b = 2.74593e-6 * std::exp(pressureKPa / 126.23287);
    double c = 0.02719 * std::exp(pressureKPa / 136.19029) + 29.58891;
    if (singleC) c = static_cast<float>(c);
    return a + b * std::exp(-t / c);
}

}  // namespace

StationPressureValues StationPressure(float elevationM)
{
    StationPressureValues p;
    // The pressure is taken at the elevation floored to 50 m steps (-10 m gives -50 m) and
    // capped at 5000 m, the highest the chart is drawn for.
    float z = static_cast<float>(std::floor(elevationM / 50.0) * 50.0);
    if (z > 5000.0f) z = 5000.0f;
    p.PressureElevation = z;
    p.PressureKPa = static_cast<float>(101.325 * std::pow(1.0 - 2.25577e-5 * z, 5.2559));
    p.PressurePa = static_cast<float>(p.PressureKPa * 1000.0);
    return p;
}

float FPvsPa(float t)
{
    const float tk = static_cast<float>(t + 273.15);
    const double T = tk;
    double lnP;
    if (tk >= 273.15f) {  // the single 273.1499939: t = 0 takes the water branch
        lnP = C8 / T + C9 + C10 * T + C11 * T * T + C12 * T * T * T + C13 * std::log(T);
    } else {
        lnP = C1 / T + C2 + C3 * T + C4 * T * T + C5 * T * T * T + C6 * T * T * T * T + C7 * std::log(T);
    }
    return static_cast<float>(std::exp(static_cast<float>(lnP)));
}

float FTorv(float pvKPa)
{
    const double pv = pvKPa;
    const double alpha = static_cast<float>(std::log(pv));
    return static_cast<float>(6.54 + 14.526 * alpha + 0.7389 * alpha * alpha + 0.09486 * alpha * alpha * alpha +
                              0.4569 * std::pow(pv, 0.1984));
}

float DewPointC(float pvPa)
{
    double lo = -100, hi = 200;
    if (!(pvPa > FPvsPa(static_cast<float>(lo)))) return static_cast<float>(lo);
    if (pvPa >= FPvsPa(static_cast<float>(hi))) return static_cast<float>(hi);
    // FPvsPa rises with t on both branches (ice lies 0.06 Pa under water at 0 C), so bisection
    // converges; 40 halvings of 300 C are finer than a single-precision temperature.
    for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        (FPvsPa(static_cast<float>(mid)) < pvPa ? lo : hi) = mid;
    }
    return static_cast<float>((lo + hi) / 2);
}

double FArcCos(double& x)
{
    if (x < -1) x = -1;
    if (x > 1) x = 1;
    if (x == 0) return kPi / 2;
    if (x == -1) return kPi;
    if (x == 1) return 0;
    return std::atan(-x / std::sqrt(1 - x * x)) + kPi / 2;
}

float Psychrometrics::FTSat(float t) const
{
    const double ps = FPvsPa(t);
    const double f = EnhancementFactor(p_.PressureKPa, t, true);
    const float denominator = static_cast<float>(p_.PressurePa - ps);
    return static_cast<float>(f * 621.98 * ps / denominator);
}

float Psychrometrics::FUR(float t, float w) const
{
    const double mu = w / static_cast<double>(FTSat(t));
    const double ps = FPvsPa(t);
    const double f = EnhancementFactor(p_.PressureKPa, t, true);
    return static_cast<float>(mu / (1 - (1 - mu) * f * ps / p_.PressurePa));
}

float Psychrometrics::FTax1(float t, float rh) const
{
    const double ps = FPvsPa(t);
    const double r = EnhancementFactor(p_.PressureKPa, t, false) * ps / p_.PressurePa;
    const float mu = static_cast<float>(rh * (1 - r) / (1 - rh * r));
    return static_cast<float>(static_cast<double>(mu) * FTSat(t));
}

float Psychrometrics::FTax(float t, float tStar) const
{
    const double wsStar = static_cast<float>(FTSat(tStar) / 1000.0);  // kg/kg
    const double tt = t, ts = tStar;
    return static_cast<float>(1000.0 * ((2501 - 2.381 * ts) * wsStar - 1.006 * (tt - ts)) /
                              (2501 + 1.805 * tt - 4.186 * ts));
}

float Psychrometrics::FVE(float t, float w) const
{
    return static_cast<float>((1 + 1.6078 * w / 1000) * 0.2871 * (t + 273.15) / p_.PressureKPa);
}

float Psychrometrics::FTVE(float w, float v) const
{
    return static_cast<float>(p_.PressureKPa * static_cast<double>(v) / (1 + 1.6078 * w / 1000) / 0.2871 - 273.15);
}

float Psychrometrics::FTBU(float t, float w) const
{
    const double rh = FUR(t, w);
    const float pv = static_cast<float>(rh * FPvsPa(t) / 1000);
    const double td = FTorv(pv);
    // The wet bulb lies between the dew point and the dry bulb: start half way, walk down in
    // whole degrees until the humidity ratio is no longer too high, then in hundredths.
    float tStar = static_cast<float>((t + td) / 2);
    float wc = FTax(t, tStar);
    int steps = 0;
    while (wc > w && ++steps < kMaxSearchSteps) {
        tStar = static_cast<float>(tStar - 1.0);
        wc = FTax(t, tStar);
    }
    while (std::fabs(static_cast<double>(wc) - w) >= 0.03 && ++steps < kMaxSearchSteps) {
        tStar = static_cast<float>(wc > w ? tStar - 0.01 : tStar + 0.01);
        wc = FTax(t, tStar);
    }
    return tStar;
}

float Psychrometrics::FTBS(float t0, float tStar, float w) const
{
    // Walk right in 2 degree steps until the wet-bulb line falls below W, then back in
    // 0.005 degree steps until it is within 0.015 g/kg of W.
    float t = t0;
    for (int steps = 0; steps < kMaxSearchSteps; ++steps) {
        const float wc = FTax(t, tStar);
        const double diff = static_cast<double>(wc) - w;
        if (std::fabs(diff) <= 0.01) break;
        if (wc > w) {
            t = static_cast<float>(t + 2.0);
        } else {
            if (-diff <= 0.015) break;
            t = static_cast<float>(t - 0.005);
        }
    }
    return t;
}

float Psychrometrics::WetBulbC(float t, float w) const
{
    // Humidity ratio (g/kg) of the wet bulb tStar for dry bulb t; it rises with tStar and equals
    // FTSat(t) at tStar = t, so the wet bulb of any unsaturated W lies below t.
    const auto humidityAt = [&](double tStar) {
        const double wsStar = FTSat(static_cast<float>(tStar)) / 1000.0;
        const double kgPerKg =
            tStar >= 0 ? ((2501 - 2.326 * tStar) * wsStar - 1.006 * (t - tStar)) / (2501 + 1.86 * t - 4.186 * tStar)
                       : ((2830 - 0.24 * tStar) * wsStar - 1.006 * (t - tStar)) / (2830 + 1.86 * t - 2.1 * tStar);
        return 1000 * kgPerKg;
    };
    double hi = t;
    if (humidityAt(hi) <= w) return t;
    double lo = DewPointC(FUR(t, w) * FPvsPa(t));
    while (humidityAt(lo) > w && lo > -100) lo -= 10;
    while (hi - lo > 0.001) {
        const double mid = (lo + hi) / 2;
        (humidityAt(mid) > w ? hi : lo) = mid;
    }
    return static_cast<float>((lo + hi) / 2);
}

}  // namespace qav
