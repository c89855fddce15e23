// Feeds arbitrary requests to the parser of the options every front end shares: qav-cli's
// "--name value" pairs, or the module's key, kind and text triples that the page sends. A
// request is either parsed or refused with the program's own refusal (OptionError,
// InputFailure); any other exception, a crash or a sanitizer report is a fault. A parsed warming
// stays within the largest changes allowed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_checks.h"
#include "pipeline/analysis_request.h"
#include "pipeline/option_error.h"

namespace {

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const bool module = data[0] & 1;  // the first byte picks the front end
    const std::vector<std::string_view> lines =
        Lines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    try {
        std::vector<qav::RequestOption> options;
        if (module) {
            // "key<TAB>kind<TAB>text" a line, as the page flattens its JSON request
            std::vector<std::string> entries;
            for (std::string_view line : lines) {
                const std::size_t a = line.find('\t'), b = a == line.npos ? a : line.find('\t', a + 1);
                entries.emplace_back(line.substr(0, a));
                entries.emplace_back(a == line.npos ? std::string_view() : line.substr(a + 1, b - a - 1));
                entries.emplace_back(b == line.npos ? std::string_view() : line.substr(b + 1));
            }
            bool warnings = false;
            options = qav::RequestFromKeys(entries, warnings);
        } else {
            for (std::string_view line : lines) {  // "--name value", the value possibly empty
                const std::size_t space = line.find(' ');
                options.push_back({std::string(line.substr(0, space)),
                                   space == line.npos ? std::string() : std::string(line.substr(space + 1)),
                                   std::nullopt});
            }
        }
        const qav::AnalysisRequest r = qav::ParseAnalysisRequest(options);
        if (r.warmingChange && !qav::fuzz::WarmingWithinLimits(*r.warmingChange)) __builtin_trap();
        if (r.location < 0) __builtin_trap();
    } catch (const qav::OptionError& e) {
        if (e.message.empty()) __builtin_trap();
    } catch (const qav::InputFailure& e) {
        if (e.message.empty()) __builtin_trap();
    }
    return 0;
}
