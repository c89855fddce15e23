#pragma once
// The design advice on the façades: which of the four cardinal façades need shading and whether
// a fixed overhang can do it, judged on the site's own façade table (the typical hours' sun and
// the shading line), so that the advice names the device and its size instead of a rule of thumb.
#include <vector>

#include "pipeline/site_guidance.h"

namespace qav {

/// The cut-off below which an overhang stops being a buildable device: under 27 degrees it must
/// reach out about twice the window's height (1 / tan 27° = 1.96). A working figure of this
/// program, not a cited one.
inline constexpr int kShallowestOverhangDeg = 27;

/// One check per cardinal façade that overheated sun-hours reach, N, E, S, W in that order:
/// `check` "orientation", `Facade` "N", "E", "S" or "W"; `Holds` when a fixed device will do: an
/// overhang whose cut-off (shading 90 % of those hours) reaches kShallowestOverhangDeg, or else
/// vertical fins whose cut-off does. `Value` is that device's cut-off (the overhang's when neither
/// will do) and `Limit` kShallowestOverhangDeg, in degrees. `Text` always says what the façade
/// needs, with its hours and the winter sun the device keeps.
std::vector<GuidanceCheck> FacadeChecks(const AnalysisState& state, Language language);

}  // namespace qav
