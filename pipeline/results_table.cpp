#include "pipeline/results_table.h"

#include <charconv>
#include <cmath>

#include "chart/strategy.h"

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

std::string ResultsTableText(const LocationRecord& l, const StrategyTally& tally, char sep, char field,
                             bool recordedHours, std::string_view caption)
{
    const std::string f(1, field), h = f + " ";
    std::string t;
    t += "QAV - Meridane\n\n";
    t += "Location" + h + "Country" + h + "Data Source" + h + "Latitude" + h + "Longitude" + h + "Elevation\n";
    t += l.LocationName + f + l.Country + f + l.DataSource + f + FormatGeneral(l.Latitude, sep) + f +
         FormatGeneral(l.Longitude, sep) + f + FormatGeneral(l.Elevation, sep) + "\n";
    t += "\nMonth" + h + "DBTmin" + h + "DBTmax" + h + "RHavg\n";
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = l.Month[m];
        t += std::to_string(m) + f + FormatGeneral(n.DBTmin, sep) + f + FormatGeneral(n.DBTmax, sep) + f +
             FormatGeneral(n.RHavg, sep) + "\n";
    }
    t += recordedHours ? "\nBioclimatic Strategies (recorded hours)\n" : "\nBioclimatic Strategies\n";
    for (int s = 1; s <= kStrategies; ++s) {
        if (tally.YearShare[s] == 0.0f) continue;
        t += std::to_string(s) + f + std::string(StrategyName[s]) + f + FormatGeneral(tally.YearShare[s], sep) + "\n";
    }
    if (!caption.empty()) {
        t += '\n';
        t += caption;
        t += '\n';
    }
    return t;
}

char TableFieldSeparator(char decimalSeparator) { return decimalSeparator == ',' ? ';' : ','; }

}  // namespace qav
