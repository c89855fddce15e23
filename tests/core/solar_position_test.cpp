#include "core/solar_position.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

// Meeus, "Astronomical Algorithms" (1998), example 25.a (1992 October 13.0, JDE 2448908.5: apparent
// declination -7 deg 47' 06" = -7.785) and example 28.b (equation of time +13 min 42.7 s). The
// 1992 difference between TD and UT (about a minute) moves neither by a hundredth.
TEST(SolarPosition, MatchesMeeusWorkedExamples)
{
    EXPECT_DOUBLE_EQ(JulianDay(1992, 10, 13, 0), 2448908.5);
    const SunPosition sun = SunAt(2448908.5, 0, 0);
    EXPECT_NEAR(sun.DeclinationDeg, -7.785, 0.01);
    EXPECT_NEAR(sun.EquationOfTimeMin, 13.712, 0.05);
}

// Noon altitude 90 - |latitude - declination| at the solstices: Brasilia (15.78 S) has the sun
// 50.8 deg high towards north on 21 June and 82.3 deg towards south on 21 December (declinations
// +23.44 and -23.44 of the almanac, rounded to 0.1 deg).
TEST(SolarPosition, NoonAltitudeAtTheSolsticesInBrasilia)
{
    const SunPosition june = SunAtSolarTime(2001, 6, 21, 12, -15.78, -47.93);
    EXPECT_NEAR(june.AltitudeDeg, 50.8, 0.05);
    EXPECT_NEAR(june.AzimuthDeg, 0.0, 0.01);
    const SunPosition december = SunAtSolarTime(2001, 12, 21, 12, -15.78, -47.93);
    EXPECT_NEAR(december.AltitudeDeg, 82.3, 0.1);
    EXPECT_NEAR(december.AzimuthDeg, 180.0, 0.01);
    EXPECT_NEAR(june.DeclinationDeg, 23.44, 0.01);
    EXPECT_NEAR(december.DeclinationDeg, -23.44, 0.01);
}

// The typical day's hours are solar hours of the 15th: hour 12 is solar noon, hour 24 the midnight
// ending the day (sun below the horizon, due north at 40 N): at noon the altitude is
// 90 - 40 + declination, at midnight declination - 50. The morning sun is in the east.
TEST(SolarPosition, TypicalHoursRunOnSolarTimeOfTheFifteenth)
{
    const SunPosition noon = TypicalHourSun(6, 12, 40.0, -105.0);
    EXPECT_NEAR(noon.HourAngleDeg, 0.0, 1e-9);
    EXPECT_NEAR(noon.DeclinationDeg, 23.334, 0.001);
    EXPECT_NEAR(noon.AltitudeDeg, 50.0 + noon.DeclinationDeg, 1e-6);
    const SunPosition midnight = TypicalHourSun(6, 24, 40.0, -105.0);
    EXPECT_NEAR(midnight.HourAngleDeg, 180.0, 1e-9);
    EXPECT_NEAR(midnight.AltitudeDeg, midnight.DeclinationDeg - 50.0, 1e-6);
    EXPECT_NEAR(midnight.DeclinationDeg, 23.352, 0.001);  // 12 h later: the next morning's UT
    EXPECT_NEAR(midnight.AzimuthDeg, 0.0, 0.01);
    const SunPosition morning = TypicalHourSun(3, 8, 40.0, -105.0);
    EXPECT_GT(morning.AzimuthDeg, 90.0);
    EXPECT_LT(morning.AzimuthDeg, 135.0);
}

// A recorded hour is taken at its middle in standard time: hour 14 on 3 November on the zone's own
// meridian is 13:30 mean time, 16.4 min behind the sun (equation of time, almanac), so the hour
// angle is 22.5 + 16.4 / 4 deg.
TEST(SolarPosition, RecordedHourIsItsMiddleInStandardTime)
{
    const SunPosition sun = RecordedHourSun(2001, 11, 3, 14, -3.0, -23.5, -45.0);
    EXPECT_NEAR(sun.EquationOfTimeMin, 16.4, 0.1);
    EXPECT_NEAR(sun.HourAngleDeg, 26.6, 0.05);
    // West of the meridian the same clock hour comes earlier in solar time.
    EXPECT_NEAR(RecordedHourSun(2001, 11, 3, 14, -3.0, -23.5, -48.0).HourAngleDeg, 23.6, 0.05);
}

TEST(SolarPosition, EquatorSideFacesNorthInTheSouth)
{
    EXPECT_EQ(EquatorSideAzimuth(-15.78), 0.0);
    EXPECT_EQ(EquatorSideAzimuth(41.98), 180.0);
}

}  // namespace
}  // namespace qav
