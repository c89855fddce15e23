#include "pipeline/results_table.h"


#include "chart/strategy.h"

namespace qav {

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
