#pragma once
// The sun and shade's options as qav-cli and the WebAssembly module take them: --shade-above C
// and --facade N|NE|...|NW|DEGREES. A refused value throws OptionError.
#include <optional>
#include <string>

#include "classify/sun_shading.h"

namespace qav {

/// --shade-above (10..35 degrees C), --facade and --sun-projection (stereographic or equidistant),
/// any of them absent.
SunOptions ParseSunOptions(const std::optional<std::string>& shadeAbove, const std::optional<std::string>& facade,
                           const std::optional<std::string>& projection = std::nullopt);

/// "N" ... "NW" or a whole number of degrees 0..359 clockwise from north.
int ParseFacade(const std::string& text);

}  // namespace qav
