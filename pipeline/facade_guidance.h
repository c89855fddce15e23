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
/// `check` "orientation", `Facade` "N", "E", "S" or "W", `Value` the overhang's cut-off that
/// shades 90 % of those hours and `Limit` kShallowestOverhangDeg (degrees); `Holds` when the
/// cut-off reaches the limit, so that a fixed overhang will do. `Text` always says what the façade
/// needs, with its hours and the winter sun an overhang keeps.
std::vector<GuidanceCheck> FacadeChecks(const AnalysisState& state, Language language);

}  // namespace qav
