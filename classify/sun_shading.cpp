#include "classify/sun_shading.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace qav {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// An angle that is a whole degree comes out of atan a hair below it (atan2(tan 15 deg, 1) is
// 14.999999999999998): compared with the cut-offs, angles get this margin.
constexpr double kAngleSlack = 1e-9;

// Percent to one decimal, as the yearly shares are shown.
float PercentOf(int part, int whole) { return static_cast<float>(std::round(1000.0 * part / whole) / 10.0); }

// The largest whole degree v with at least 90 % of `angles` at or above it: the floor of the
// k-th largest angle, k = ceil(0.9 n), counted in integers so that 9 of 10 is exactly enough.
int CutOff(std::vector<double>& angles)
{
    const std::size_t k = (9 * angles.size() + 9) / 10;
    std::nth_element(angles.begin(), angles.begin() + static_cast<std::ptrdiff_t>(k - 1), angles.end(),
                     std::greater<>());
    return std::clamp(static_cast<int>(std::floor(angles[k - 1] + kAngleSlack)), 0, 90);
}

}  // namespace

SunNeed SunNeedOf(double altitudeDeg, int strategy, float dbtC, float shadeAboveC)
{
    if (altitudeDeg <= 0) return SunNeed::SunDown;
    if (strategy >= 6 || dbtC >= shadeAboveC) return SunNeed::Overheated;
    if (strategy >= 1 && strategy <= 3) return SunNeed::Underheated;
    return SunNeed::Neutral;
}

ShadowAngles ShadowAnglesOf(double altitudeDeg, double azimuthDeg, double facadeAzimuthDeg)
{
    ShadowAngles a;
    a.HsaDeg = std::remainder(azimuthDeg - facadeAzimuthDeg, 360.0);
    if (a.HsaDeg <= -180.0) a.HsaDeg += 360.0;
    const double cosHsa = std::cos(a.HsaDeg * kDeg);
    // A grazing sun (HSA of 90 degrees, a sun overhead) is on no façade: cos(90 deg) is 6e-17 in
    // doubles, not 0, so the test needs a margin.
    a.OnFacade = altitudeDeg > 0 && std::cos(altitudeDeg * kDeg) * cosHsa > 1e-9;
    a.VsaDeg = std::atan2(std::tan(altitudeDeg * kDeg), cosHsa) / kDeg;
    return a;
}

std::optional<double> FacadeShading::OverhangDepth() const
{
    if (!OverhangVsa || *OverhangVsa == 0) return std::nullopt;
    return 1.0 / std::tan(*OverhangVsa * kDeg);
}

FacadeShading ShadeFacade(int facadeAzimuthDeg, std::span<const SunHour> hours)
{
    FacadeShading f;
    f.AzimuthDeg = facadeAzimuthDeg;
    std::vector<double> hotVsa, hotHsa;
    std::vector<ShadowAngles> cold;
    for (const SunHour& h : hours) {
        if (h.Need != SunNeed::Overheated && h.Need != SunNeed::Underheated) continue;
        const ShadowAngles a = ShadowAnglesOf(h.AltitudeDeg, h.AzimuthDeg, facadeAzimuthDeg);
        if (!a.OnFacade) continue;
        if (h.Need == SunNeed::Overheated) {
            hotVsa.push_back(a.VsaDeg);
            hotHsa.push_back(std::abs(a.HsaDeg));
        } else {
            cold.push_back(a);
        }
    }
    f.OverheatedHours = static_cast<int>(hotVsa.size());
    f.UnderheatedHours = static_cast<int>(cold.size());
    if (hotVsa.empty()) return f;
    f.OverhangVsa = CutOff(hotVsa);
    f.FinsHsa = CutOff(hotHsa);
    if (cold.empty()) return f;
    const auto kept = [&](auto unshaded) {
        return PercentOf(static_cast<int>(std::count_if(cold.begin(), cold.end(), unshaded)), f.UnderheatedHours);
    };
    f.OverhangKeeps = kept([&](const ShadowAngles& a) { return a.VsaDeg + kAngleSlack < *f.OverhangVsa; });
    f.FinsKeeps = kept([&](const ShadowAngles& a) { return std::abs(a.HsaDeg) + kAngleSlack < *f.FinsHsa; });
    return f;
}

std::array<FacadeShading, kFacades> ShadeFacades(std::span<const SunHour> hours)
{
    std::array<FacadeShading, kFacades> facades;
    for (int i = 0; i < kFacades; ++i) facades[static_cast<std::size_t>(i)] = ShadeFacade(45 * i, hours);
    return facades;
}

}  // namespace qav
