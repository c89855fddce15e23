#pragma once
// Where the sun is: the NOAA solar-position equations (NOAA Global Monitoring Laboratory's solar
// calculator, after Meeus, "Astronomical Algorithms", 2nd ed., 1998, ch. 25 and 28), good to about
// 0.01 degree between 1800 and 2100. Angles in degrees; the altitude is that of the sun's centre
// without refraction, the azimuth clockwise from north, 0..360.
namespace qav {

struct SunPosition {
    double DeclinationDeg = 0;
    double EquationOfTimeMin = 0;  // apparent minus mean solar time, minutes
    double HourAngleDeg = 0;       // 0 at solar noon, negative in the morning
    double AltitudeDeg = 0;
    double AzimuthDeg = 0;
};

/// Julian day of a Gregorian date at `hoursUt` hours of Universal Time (may leave 0..24).
double JulianDay(int year, int month, int day, double hoursUt);

/// The sun at the Julian day (UT) seen from latitude (north positive) and longitude (east positive).
SunPosition SunAt(double julianDayUt, double latitudeDeg, double longitudeDeg);

/// The sun when the apparent solar time is `solarHours` (12 = solar noon, 24 = the midnight that
/// ends the day) on the date at the site.
SunPosition SunAtSolarTime(int year, int month, int day, double solarHours, double latitudeDeg, double longitudeDeg);

/// The typical day's hour h (1..24) of month m: apparent solar time h:00 on the 15th of the month
/// of 2001, as the hourly synthesis lays its days out on solar time.
SunPosition TypicalHourSun(int month, int hour, double latitudeDeg, double longitudeDeg);

/// A weather file's hour `hour` (1..24, ending at that time) of its date, taken at its middle
/// (hour 14 is 13:30) in the file's standard time, `timeZoneHours` east of UTC.
SunPosition RecordedHourSun(int year, int month, int day, int hour, double timeZoneHours, double latitudeDeg,
                            double longitudeDeg);

/// Azimuth of the façade that faces the equator: north (0) south of the equator, south (180)
/// on and north of it.
inline double EquatorSideAzimuth(double latitudeDeg) { return latitudeDeg < 0 ? 0.0 : 180.0; }

}  // namespace qav
