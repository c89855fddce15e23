#pragma once
// The hours that want sun or shade, and the shading devices of a vertical window that keep the
// sun out of the first while letting it in during the second.
#include <array>
#include <optional>
#include <span>

#include "core/sun_hour.h"

namespace qav {

/// Olgyay's shading line: the lower edge of the comfort zone of his bioclimatic chart, 70 F
/// (21.1 C), above which the sun is to be kept out (V. Olgyay, "Design with Climate", Princeton
/// University Press, 1963, ch. 3 and fig. 30); rounded to the 21 C it is usually quoted as.
inline constexpr float kShadingLineC = 21.0f;
inline constexpr float kShadeAboveLowC = 10.0f, kShadeAboveHighC = 35.0f;  // the range a user may choose

/// What a user chooses about sun and shade: the shading line, the façade whose mask the sun path
/// draws (-1: the side facing the equator) and the sun path's projection.
struct SunOptions {
    float ShadeAboveC = kShadingLineC;
    int FacadeDeg = -1;  // 0..359 clockwise from north
    bool Equidistant = false;
};

/// Overheated (wants shade): strategy F..J (6..10) or a dry bulb at or above `shadeAboveC`;
/// underheated (wants sun): strategy A..C (1..3); neutral otherwise; SunDown with the sun at or
/// below the horizon.
SunNeed SunNeedOf(double altitudeDeg, int strategy, float dbtC, float shadeAboveC);

/// Shadow angles of the sun on a vertical façade (the façade's outward normal at
/// `facadeAzimuthDeg`): HSA the azimuth less the façade's, in (-180, 180]; VSA the profile angle
/// atan(tan(altitude) / cos(HSA)).
struct ShadowAngles {
    double HsaDeg = 0;
    double VsaDeg = 0;
    bool OnFacade = false;  // cos(altitude) cos(HSA) > 0 with the sun up
};
ShadowAngles ShadowAnglesOf(double altitudeDeg, double azimuthDeg, double facadeAzimuthDeg);

/// A façade's devices: the largest whole-degree cut-off (0..90) of an overhang (shades when
/// VSA >= v) and of fins (shade when |HSA| >= f) that shades 90 % or more of the overheated
/// sun-hours on the façade, each with the percent (one decimal) of the underheated sun-hours on
/// the façade it leaves unshaded. Angles are empty without an overheated sun-hour, the kept
/// shares also without an underheated one.
struct FacadeShading {
    int AzimuthDeg = 0;
    int OverheatedHours = 0;   // sun up and on the façade
    int UnderheatedHours = 0;  // sun up and on the façade
    std::optional<int> OverhangVsa;
    std::optional<float> OverhangKeeps;
    std::optional<int> FinsHsa;
    std::optional<float> FinsKeeps;
    /// Depth of the overhang over a window of height 1 that cuts off at OverhangVsa (1 / tan v);
    /// empty without an angle or at 0 degrees (no depth is enough).
    std::optional<double> OverhangDepth() const;
};

FacadeShading ShadeFacade(int facadeAzimuthDeg, std::span<const SunHour> hours);

inline constexpr int kFacades = 8;
/// The façades N, NE, E, SE, S, SW, W, NW (azimuth 0, 45 ... 315) in that order.
std::array<FacadeShading, kFacades> ShadeFacades(std::span<const SunHour> hours);

}  // namespace qav
