#include "pipeline/results_table.h"

#include "text/picture_texts.h"
#include "chart/strategy.h"

namespace qav {
namespace {

// A text of the table as a spreadsheet reads it back: in double quotes, its quotes doubled, when
// it holds the field separator or a quote ("Lima, Peru" would otherwise shift the columns).
std::string TableText(std::string_view text, char field)
{
    if (text.find_first_of(std::string{field, '"'}) == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string ResultsTableText(const LocationRecord& l, const StrategyTally& tally, char sep, char field,
                             bool recordedHours, std::string_view caption, Language language,
                             std::string_view monthMark)
{
    const std::string f(1, field), h = f + " ";
    std::string t;
    t += "QAV - Meridane\n\n";
    t += FilledText(PictureText(language, picture_text::kTableLocationHeader), {h}) + "\n";
    t += TableText(l.LocationName, field) + f + TableText(l.Country, field) + f + TableText(l.DataSource, field) + f +
         FormatGeneral(l.Latitude, sep) + f + FormatGeneral(l.Longitude, sep) + f + FormatGeneral(l.Elevation, sep) +
         "\n";
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
        t += std::to_string(s) + f + TableText(StrategyNameIn(language, s), field) + f +
             FormatGeneral(tally.YearShare[s], sep) + "\n";
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
