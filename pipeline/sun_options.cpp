#include "pipeline/sun_options.h"

#include <array>
#include <charconv>

#include "pipeline/option_error.h"
#include "pipeline/run_options.h"
#include "text/sun_texts.h"

namespace qav {

int ParseFacade(const std::string& text)
{
    static constexpr std::array<const char*, 8> kCompass = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    std::string upper = text;
    for (char& c : upper) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    for (std::size_t i = 0; i < kCompass.size(); ++i)
        if (upper == kCompass[i]) return static_cast<int>(45 * i);
    int degrees = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), degrees);
    if (ec != std::errc{} || end != text.data() + text.size() || degrees < 0 || degrees > 359) {
        OptionError e = Refusal(sun_text::kNotFacade, {"--facade", text});
        e.context = sun_text::kContext;
        throw e;
    }
    return degrees;
}

SunOptions ParseSunOptions(const std::optional<std::string>& shadeAbove, const std::optional<std::string>& facade,
                           const std::optional<std::string>& projection)
{
    SunOptions o;
    if (shadeAbove)
        o.ShadeAboveC =
            static_cast<float>(ParseNumber("--shade-above", *shadeAbove, kShadeAboveLowC, kShadeAboveHighC));
    if (facade) o.FacadeDeg = ParseFacade(*facade);
    if (projection && *projection != "stereographic" && *projection != "equidistant") {
        OptionError e = Refusal(sun_text::kNotProjection, {"--sun-projection", *projection});
        e.context = sun_text::kContext;
        throw e;
    }
    o.Equidistant = projection == "equidistant";
    return o;
}

}  // namespace qav
