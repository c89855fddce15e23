#include "pipeline/results_table.h"

#include <charconv>
#include <cmath>

#include "classify/strategy.h"

namespace qav {

std::string FormatGeneral(float value, char decimalSeparator)
{
    if (value == 0) value = 0;  // -0 prints as 0
    char buffer[64];
    // Fixed notation keeps climate magnitudes free of exponents; the shortest form of a float
    // needs no more than its 9 significant digits, so 7-digit data print as written.
    auto [end, ec] = std::abs(value) < 1e7f && std::abs(value) >= 1e-4f
                         ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                         : std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc{}) return "0";
    std::string text(buffer, end);
    if (decimalSeparator != '.') {
        for (char& c : text)
            if (c == '.') c = decimalSeparator;
    }
    return text;
}

std::string ResultsTableText(const LocationRecord& l, const StrategyTally& tally, char sep, std::string_view caption)
{
    std::string t;
    t += "QAV - Meridane\n\n";
    t += "Location, Country, Data Source, Latitude, Longitude, Elevation\n";
    t += l.LocationName + "," + l.Country + "," + l.DataSource + "," + FormatGeneral(l.Latitude, sep) +
         "," + FormatGeneral(l.Longitude, sep) + "," + FormatGeneral(l.Elevation, sep) + "\n";
    t += "\nMonth, DBTmin, DBTmax, RHavg\n";
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = l.Month[m];
        t += std::to_string(m) + "," + FormatGeneral(n.DBTmin, sep) + "," +
             FormatGeneral(n.DBTmax, sep) + "," + FormatGeneral(n.RHavg, sep) + "\n";
    }
    t += "\nBioclimatic Strategies\n";
    for (int s = 1; s <= kStrategies; ++s) {
        if (tally.YearShare[s] == 0.0f) continue;
        t += std::to_string(s) + "," + std::string(StrategyName[s]) + "," +
             FormatGeneral(tally.YearShare[s], sep) + "\n";
    }
    if (!caption.empty()) {
        t += '\n';
        t += caption;
        t += '\n';
    }
    return t;
}

}  // namespace qav
