#include "core/hourly_synthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qav {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Shape of the vapour pressure over the day against the temperature's day fraction f, fitted
// separately before and after the hour of the maximum temperature.
constexpr std::array<double, 4> kVapourShapeMorning{0, 1.92433, -1.8473, 0.86569};
constexpr std::array<double, 4> kVapourShapeEvening{0.00748, 3.46672, -3.79192, 1.26098};

// Holds a vapour pressure (kPa) below saturation psKPa and above zero.
double LimitVapourPressure(double pv, double psKPa)
{
    if (pv >= psKPa) pv = 0.99 * psKPa;
    if (pv <= 0) pv = 0.01;
    return pv;
}

}  // namespace

float RoundHundredth(double x)
{
    // The stored values are hundredths in a 16-bit integer; the clamp only guards values that
    // no valid input produces.
    const double scaled = std::clamp(std::nearbyint(x * 100.0), double{INT16_MIN}, double{INT16_MAX});
    return static_cast<float>(static_cast<std::int16_t>(scaled) / 100.0);
}

SunTimes MonthSunTimes(float latitude, int month)
{
    const double phi = latitude * kPi / 180;
    const int n = DaysBeforeMonth[month] + 15;  // the 15th as the month's representative day
    // Cooper's declination (Duffie and Beckman, Solar Engineering of Thermal Processes, eq. 1.6.1a).
    const double delta = (23.45 * kPi / 180) * std::sin((284 + n) * (360.0 / 365) * (kPi / 180));
    // Sunset hour angle; polar day and night clamp the argument to give pi or 0.
    double cosOmega = -std::tan(phi) * std::tan(delta);
    const double omegaS = FArcCos(cosOmega);
    SunTimes s;
    s.SunriseHour = 12 - omegaS / (15 * kPi / 180);
    s.MaxTempHour = 13 + s.SunriseHour / 4;
    s.EveningHour = 18 - 0.25 * s.SunriseHour;
    return s;
}

HourlyTable SynthesizeHours(const LocationRecord& location)
{
    const Psychrometrics psy(StationPressure(location.Elevation));
    HourlyTable table;
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& normals = location.Month[m];
        const double tMin = normals.DBTmin, tMax = normals.DBTmax, rh = normals.RHavg;

        const float tm = static_cast<float>(((tMax + tMin) / 2) * 1.001 - 0.45);
        const float pvm = static_cast<float>((rh / 100) * (FPvsPa(tm) / 1000.0));
        double pvMin = 0.04272 + 0.86108 * pvm + 0.02037 * tMin - 0.01014 * tm;
        const double pvMax = 1.024162 * (-0.04272 + 1.13892 * pvm + 0.02037 * tMax - 0.0306 * tm);
        pvMin = LimitVapourPressure(pvMin, static_cast<float>(FPvsPa(normals.DBTmin) / 1000.0));

        const SunTimes sun = MonthSunTimes(location.Latitude, m);
        const double hsr = sun.SunriseHour;
        for (int h = 1; h <= kHours; ++h) {
            // Hours before sunrise belong to the end of the previous night.
            const float clockHour = static_cast<float>(h < hsr ? h + 24 : h);
            double a, b, d;
            if (clockHour <= sun.EveningHour) {
                a = 0.5, b = 0, d = 13 - 0.75 * hsr;
            } else {
                a = 1.57865, b = 24, d = kPi * (7.24167 + 0.8225 * hsr);
            }
            const double f = a * (1 + std::sin(1.5 * kPi + (clockHour - hsr - b) * kPi / d));
            const float hourDbt = static_cast<float>(tMin + f * (tMax - tMin));

            const auto& c = clockHour <= sun.MaxTempHour ? kVapourShapeMorning : kVapourShapeEvening;
            const double g = c[0] + c[1] * f + c[2] * f * f + c[3] * f * f * f;
            const float ps = static_cast<float>(FPvsPa(hourDbt) / 1000.0);
            const double pv = LimitVapourPressure(pvMin + g * (pvMax - pvMin), ps);
            const double rhPercent = 100 * pv / ps;  // from the unrounded temperature

            table.DBT[m][h] = RoundHundredth(hourDbt);
            const float hourRh = static_cast<float>(rhPercent / 100);
            table.W[m][h] = RoundHundredth(psy.FTax1(table.DBT[m][h], hourRh));
        }
    }
    return table;
}

}  // namespace qav
