#include "pipeline/results_table.h"

#include "chart/picture_texts.h"
#include "chart/strategy.h"

namespace qav {

std::string ResultsTableText(const LocationRecord& l, const StrategyTally& tally, char sep, char field,
                             bool recordedHours, std::string_view caption, Language language,
                             std::string_view monthMark)
{
    const std::string f(1, field), h = f + " ";
    std::string t;
    t += "QAV - Meridane\n\n";
    t += FilledText(PictureText(language, picture_text::kTableLocationHeader), {h}) + "\n";
    t += l.LocationName + f + l.Country + f + l.DataSource + f + FormatGeneral(l.Latitude, sep) + f +
         FormatGeneral(l.Longitude, sep) + f + FormatGeneral(l.Elevation, sep) + "\n";
    t += '\n';
    t += FilledText(PictureText(language, picture_text::kTableMonthHeader), {h});
    t += '\n';
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = l.Month[m];
        t += std::to_string(m) + f + FormatGeneral(n.DBTmin, sep) + f + FormatGeneral(n.DBTmax, sep) + f +
             FormatGeneral(n.RHavg, sep);
        if (!monthMark.empty()) t += f + std::string(monthMark);
        t += '\n';
    }
    t += '\n';
    t += PictureText(language, recordedHours ? picture_text::kTableStrategiesRecorded : picture_text::kTableStrategies);
    t += '\n';
    for (int s = 1; s <= kStrategies; ++s) {
        if (tally.YearShare[s] == 0.0f) continue;
        t += std::to_string(s) + f + std::string(StrategyNameIn(language, s)) + f + FormatGeneral(tally.YearShare[s], sep) + "\n";
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
