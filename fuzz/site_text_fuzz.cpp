// Feeds arbitrary bytes to what reads a site typed by the user: the coordinates parser and the
// folding that place and station searches compare names by. Besides crashes and sanitizer
// reports it checks that valid coordinates lie in their ranges and read back the same when
// written plainly, that a refusal says why, and that folding is idempotent and sorts strictly.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text_fold.h"
#include "data/station_search.h"

namespace {

bool Within(double v, double lo, double hi) { return std::isfinite(v) && v >= lo && v <= hi; }

std::string Plain(double v)
{
    char buffer[400];  // the longest fixed form of a double within the ranges below is far shorter
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    if (ec != std::errc{}) __builtin_trap();
    return std::string(buffer, end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qav::CoordinatesParse p = qav::ParseCoordinates(text);
    if (p.kind == qav::CoordinatesParse::OutOfRange && (p.message.empty() || !p.wording)) __builtin_trap();
    if (p.kind == qav::CoordinatesParse::Valid) {
        const qav::SiteCoordinates& s = p.site;
        if (!Within(s.Latitude, -90, 90) || !Within(s.Longitude, -180, 180) ||
            (s.Elevation && !Within(*s.Elevation, -500, 9000)))
            __builtin_trap();
        std::string written = Plain(s.Latitude) + ", " + Plain(s.Longitude);
        if (s.Elevation) written += ", " + Plain(*s.Elevation);
        const qav::CoordinatesParse again = qav::ParseCoordinates(written);
        if (again.kind != qav::CoordinatesParse::Valid || again.site.Latitude != s.Latitude ||
            again.site.Longitude != s.Longitude || again.site.Elevation != s.Elevation)
            __builtin_trap();
    }
    for (const qav::UmlautFold umlauts : {qav::UmlautFold::Plain, qav::UmlautFold::WithE}) {
        const std::string folded = qav::FoldText(text, umlauts);
        if (qav::FoldText(folded, umlauts) != folded) __builtin_trap();
    }
    if (qav::FoldedLess(text, text)) __builtin_trap();
    return 0;
}
