#pragma once
// Moist-air functions at the station pressure of the selected location.
// Units: temperature degrees C, humidity ratio W in g of vapour per kg of dry air, vapour pressure
// in Pa or kPa as named, relative humidity as a fraction 0..1, specific volume m3/kg dry air.
// Values are stored in single precision and computed in double precision; the places where an
// intermediate is rounded to single are part of the results (the chart and the synthesised hours
// depend on them to the last digit).

namespace qav {

/// Elevation used for the pressure and the station pressure derived from it.
struct StationPressureValues {
    float PressureElevation = 0;  // m, floored to a multiple of 50, at most 5000
    float PressureKPa = 0;        // kPa
    float PressurePa = 0;         // Pa
};

/// z = floor(e / 50) * 50 capped at 5000 m; P = 101.325 (1 - 2.25577e-5 z)^5.2559 kPa
/// (standard atmosphere, ASHRAE Fundamentals ch. 1 eq. 3).
StationPressureValues StationPressure(float elevationM);

/// Saturation vapour pressure over ice (T < 273.15 K) or liquid water, Pa
/// (Hyland and Wexler 1983, as in ASHRAE Fundamentals ch. 1 eq. 5 and 6).
float FPvsPa(float t);

/// Dew point, degrees C, of a vapour pressure in kPa (ASHRAE Fundamentals 1993 ch. 6 eq. 39,
/// the form for 0..93 C, used for every temperature).
float FTorv(float pvKPa);

/// Dew point (the frost point below 0 C), degrees C, of a vapour pressure in Pa: the temperature at
/// which FPvsPa equals it, by bisection over -100..200 C, the range of the Hyland-Wexler fits. Exact
/// at saturation at every temperature, unlike FTorv; the chart and the analysis keep FTorv.
float DewPointC(float pvPa);

/// Arc cosine in radians with its argument clamped to [-1, 1]; writes the clamped value back.
double FArcCos(double& x);

/// The functions that depend on the station pressure.
class Psychrometrics {
  public:
    Psychrometrics() : Psychrometrics(StationPressure(0)) {}
    explicit Psychrometrics(const StationPressureValues& pressure) : p_(pressure) {}

    const StationPressureValues& Pressure() const { return p_; }

    /// Saturation humidity ratio, g/kg, with the enhancement factor of Hyland and Wexler.
    float FTSat(float t) const;
    /// Relative humidity (fraction) of humidity ratio W (g/kg) at temperature t.
    float FUR(float t, float w) const;
    /// Humidity ratio (g/kg) of relative humidity RH (fraction) at temperature t; inverse of FUR.
    float FTax1(float t, float rh) const;
    /// Humidity ratio (g/kg) of dry bulb t and wet bulb tStar (ASHRAE Fundamentals ch. 1 eq. 35).
    float FTax(float t, float tStar) const;
    /// Specific volume, m3 per kg dry air: (1 + 1.6078 W) 0.2871 (t + 273.15) / P (ideal gas).
    float FVE(float t, float w) const;
    /// Dry bulb (degrees C) at which humidity ratio W has specific volume v; inverse of FVE.
    float FTVE(float w, float v) const;
    /// Wet-bulb temperature, degrees C, by stepped search from the dew point.
    float FTBU(float t, float w) const;
    /// Dry bulb on the wet-bulb line tStar at humidity ratio W, stepped search from t0.
    float FTBS(float t0, float tStar, float w) const;
    /// Thermodynamic wet bulb, degrees C, of dry bulb t and humidity ratio W (g/kg) by bisection to
    /// 0.001 C: ASHRAE Fundamentals (2017) ch. 1 eq. 33 over water, eq. 35 over ice below 0 C.
    /// Valid wherever FTSat is (saturation pressure below the station pressure); the calculator's
    /// counterpart of FTBU, whose 0.03 g/kg tolerance only suits the chart's range.
    float WetBulbC(float t, float w) const;

  private:
    StationPressureValues p_;
};

}  // namespace qav
