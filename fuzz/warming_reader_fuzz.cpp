// Feeds arbitrary bytes to the warming-file reader. Besides crashes, hangs and sanitizer reports
// it checks three promises: a success holds twelve changes within the largest allowed, a failure
// is worded in both languages, and writing what was read, as the window shows the numbers, and
// reading it again gives the same changes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/warming.h"
#include "data/read_failure.h"
#include "data/warming_reader.h"
#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const qav::WarmingResult r = qav::ReadWarming(std::string_view(reinterpret_cast<const char*>(data), size));
    if (r.failure) {
        if (qav::ReadFailureLine(*r.failure, qav::Language::English).empty() ||
            qav::ReadFailureLine(*r.failure, qav::Language::PortugueseBrazil).empty())
            __builtin_trap();
        return 0;
    }
    if (!qav::fuzz::WarmingWithinLimits(r.warming)) __builtin_trap();
    std::string text = "month,dbt_min,dbt_max,rh_avg\n";
    for (int m = 1; m <= qav::kMonths; ++m) {
        const qav::MonthlyChange& c = r.warming.Month[m];
        text += std::to_string(m) + "," + qav::WarmingNumberText(c.DBTmin) + "," + qav::WarmingNumberText(c.DBTmax) +
                "," + qav::WarmingNumberText(c.RHavg) + "\n";
    }
    const qav::WarmingResult again = qav::ReadWarming(text);
    if (again.failure || !(again.warming == r.warming)) __builtin_trap();
    return 0;
}
