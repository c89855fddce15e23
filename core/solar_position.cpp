#include "core/solar_position.h"

#include <cmath>
#include <numbers>

namespace qav {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

double Wrap360(double a)
{
    a = std::fmod(a, 360.0);
    return a < 0 ? a + 360.0 : a;
}

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant, "chrono-compatible low-level
// date algorithms", days_from_civil).
long DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The sun's declination and the equation of time at Julian century t from J2000.0 (NOAA, from
// Meeus ch. 25 "low accuracy" and eq. 28.3).
struct SunOrbit {
    double declinationDeg, equationOfTimeMin;
};

SunOrbit OrbitAt(double t)
{
    const double l0 = Wrap360(280.46646 + t * (36000.76983 + t * 0.0003032));  // mean longitude
    const double m = 357.52911 + t * (35999.05029 - 0.0001537 * t);            // mean anomaly
    const double e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);       // orbit's eccentricity
    const double c = std::sin(m * kDeg) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                     std::sin(2 * m * kDeg) * (0.019993 - 0.000101 * t) + std::sin(3 * m * kDeg) * 0.000289;
    const double omega = 125.04 - 1934.136 * t;
    const double lambda = l0 + c - 0.00569 - 0.00478 * std::sin(omega * kDeg);  // apparent longitude
    const double eps0 = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double eps = eps0 + 0.00256 * std::cos(omega * kDeg);  // corrected obliquity
    const double tanHalf = std::tan(eps * kDeg / 2);
    const double y = tanHalf * tanHalf;
    const double eot = y * std::sin(2 * l0 * kDeg) - 2 * e * std::sin(m * kDeg) +
                       4 * e * y * std::sin(m * kDeg) * std::cos(2 * l0 * kDeg) -
                       0.5 * y * y * std::sin(4 * l0 * kDeg) - 1.25 * e * e * std::sin(2 * m * kDeg);
    return {std::asin(std::sin(eps * kDeg) * std::sin(lambda * kDeg)) / kDeg, 4.0 * eot / kDeg};
}

double CenturyOf(double julianDay) { return (julianDay - 2451545.0) / 36525.0; }

SunPosition SunAtHourAngle(const SunOrbit& orbit, double hourAngleDeg, double latitudeDeg)
{
    const double phi = latitudeDeg * kDeg, delta = orbit.declinationDeg * kDeg, h = hourAngleDeg * kDeg;
    // Rounding may take the sine a hair past 1 at the subsolar point.
    const double sinAlt = std::fmax(
        -1.0, std::fmin(1.0, std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(h)));
    // Azimuth from the south, westward positive (Meeus eq. 13.5), turned to clockwise from north.
    const double fromSouth =
        std::atan2(std::sin(h), std::cos(h) * std::sin(phi) - std::tan(delta) * std::cos(phi)) / kDeg;
    return {orbit.declinationDeg, orbit.equationOfTimeMin, hourAngleDeg, std::asin(sinAlt) / kDeg,
            Wrap360(fromSouth + 180.0)};
}

}  // namespace

double JulianDay(int year, int month, int day, double hoursUt)
{
    return 2440587.5 + static_cast<double>(DaysFromCivil(year, month, day)) + hoursUt / 24.0;
}

SunPosition SunAt(double julianDayUt, double latitudeDeg, double longitudeDeg)
{
    const SunOrbit orbit = OrbitAt(CenturyOf(julianDayUt));
    const double utMinutes = (julianDayUt + 0.5 - std::floor(julianDayUt + 0.5)) * 1440.0;
    // True solar time in minutes; the hour angle is 15 degrees per hour from solar noon.
    const double solarMinutes = std::fmod(utMinutes + orbit.equationOfTimeMin + 4.0 * longitudeDeg + 2880.0, 1440.0);
    return SunAtHourAngle(orbit, solarMinutes / 4.0 - 180.0, latitudeDeg);
}

SunPosition SunAtSolarTime(int year, int month, int day, double solarHours, double latitudeDeg, double longitudeDeg)
{
    // UT = solar time - longitude / 15 - equation of time. The equation of time changes by at most
    // half a minute a day, so one correction from the mean-time moment fixes it within a second.
    const double meanUt = solarHours - longitudeDeg / 15.0;
    const double eot = OrbitAt(CenturyOf(JulianDay(year, month, day, meanUt))).equationOfTimeMin;
    const double jd = JulianDay(year, month, day, meanUt - eot / 60.0);
    return SunAtHourAngle(OrbitAt(CenturyOf(jd)), 15.0 * (solarHours - 12.0), latitudeDeg);
}

SunPosition TypicalHourSun(int month, int hour, double latitudeDeg, double longitudeDeg)
{
    return SunAtSolarTime(2001, month, 15, hour, latitudeDeg, longitudeDeg);
}

SunPosition RecordedHourSun(int year, int month, int day, int hour, double timeZoneHours, double latitudeDeg,
                            double longitudeDeg)
{
    return SunAt(JulianDay(year, month, day, hour - 0.5 - timeZoneHours), latitudeDeg, longitudeDeg);
}

}  // namespace qav
