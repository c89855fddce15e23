#include "pipeline/exports.h"

#include "chart/number_format.h"
#include "classify/recorded_classification.h"
#include "classify/strategy.h"
#include "pipeline/results_table.h"

namespace qav {
namespace {

constexpr const char* kMonthAbbreviation[kMonths + 1] = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string Number(float value) { return FormatGeneral(value, '.'); }

void AppendMonthHours(std::string& csv, const char* title, const StrategyTally& tally)
{
    csv += title;
    csv += "\nStrategy,Letter";
    for (int m = 1; m <= kMonths; ++m) csv += std::string(",") + kMonthAbbreviation[m];
    csv += ",Year\n";
    for (int s = 1; s <= kStrategies; ++s) {
        int year = 0;
        csv += std::to_string(s) + "," + StrategyLetter(s);
        for (int m = 1; m <= kMonths; ++m) {
            csv += ',';
            csv += std::to_string(tally.MonthHours[s][m]);
            year += tally.MonthHours[s][m];
        }
        csv += ',';
        csv += std::to_string(year);
        csv += '\n';
    }
}

std::string LetterOf(int strategy) { return strategy > 0 ? std::string(1, StrategyLetter(strategy)) : std::string(); }

// Relative humidity in percent, to 0.01 like the hour's other values.
std::string RelativeHumidity(const Psychrometrics& psy, float dbt, float w)
{
    return Number(RoundHundredth(100.0 * psy.FUR(dbt, w)));
}

}  // namespace

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\n\r") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string ResultsCsv(const AnalysisState& state)
{
    const LocationRecord& l = state.Current();
    const RecordedYear* recorded = state.CurrentRecorded();
    std::string csv = std::string(kSoftwareName) + " - Bioclimatic analysis\n";
    csv += "Hours shown," + HoursShownText(state) + "\n\n";

    csv += "Location,Country,Data Source,Latitude,Longitude,Elevation (m),Pressure elevation (m),"
           "Station pressure (kPa)\n";
    csv += CsvField(l.LocationName) + "," + CsvField(l.Country) + "," + CsvField(l.DataSource) + "," +
           Number(l.Latitude) + "," + Number(l.Longitude) + "," + Number(l.Elevation) + "," +
           Number(state.Pressure.PressureElevation) + "," + Number(state.Pressure.PressureKPa) + "\n\n";

    csv += "Month,DBTmin (C),DBTmax (C),RHavg (%)\n";
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = l.Month[m];
        csv += std::to_string(m) + "," + Number(n.DBTmin) + "," + Number(n.DBTmax) + "," + Number(n.RHavg) + "\n";
    }

    csv += recorded ? "\nStrategy,Letter,Name,Year share (%),Recorded year share (%)\n"
                    : "\nStrategy,Letter,Name,Year share (%)\n";
    for (int s = 1; s <= kStrategies; ++s) {
        csv += std::to_string(s) + "," + StrategyLetter(s) + "," + CsvField(StrategyName[s]) + "," +
               Number(state.Tally.YearShare[s]);
        if (recorded) {
            csv += ',';
            csv += Number(state.RecordedTally.YearShare[s]);
        }
        csv += "\n";
    }

    csv += "\n";
    AppendMonthHours(csv, "Hours per month and strategy (typical days)", state.Tally);
    if (recorded) {
        csv += "\n";
        AppendMonthHours(csv, "Hours per month and strategy (recorded hours)", state.RecordedTally);
        csv += "\nHours used,Hours missing,Disagreement (%)\n" + std::to_string(recorded->HoursUsed) + "," +
               std::to_string(recorded->HoursMissing) + "," +
               Number(ShareDisagreement(state.Tally, state.RecordedTally)) + "\n";
    }
    return csv;
}

std::string HourlyCsv(const AnalysisState& state)
{
    const Psychrometrics psy(state.Pressure);
    std::string csv;
    if (const RecordedYear* recorded = state.ShowsRecordedHours() ? state.CurrentRecorded() : nullptr) {
        csv.reserve(recorded->Hours.size() * 40);
        csv += "Month,Day,Hour,DBT (C),W (g/kg),RH (%),Strategy\n";
        for (size_t i = 0; i < recorded->Hours.size(); ++i) {
            const RecordedHour& h = recorded->Hours[i];
            const int s = i < state.RecordedStrategy.size() ? state.RecordedStrategy[i] : 0;
            csv += std::to_string(h.Month) + "," + std::to_string(h.Day) + "," + std::to_string(h.Hour) + "," +
                   Number(h.DBT) + "," + Number(h.W) + "," + RelativeHumidity(psy, h.DBT, h.W) + "," + LetterOf(s) +
                   "\n";
        }
        return csv;
    }
    csv.reserve(kMonths * kHours * 40);
    csv += "Month,Hour,DBT (C),W (g/kg),RH (%),Strategy\n";
    for (int m = 1; m <= kMonths; ++m) {
        for (int h = 1; h <= kHours; ++h) {
            const float dbt = state.Hours.DBT[m][h], w = state.Hours.W[m][h];
            csv += std::to_string(m) + "," + std::to_string(h) + "," + Number(dbt) + "," + Number(w) + "," +
                   RelativeHumidity(psy, dbt, w) + "," + LetterOf(state.HourStrategy[m][h]) + "\n";
        }
    }
    return csv;
}

std::string HoursShownText(const AnalysisState& state)
{
    return state.ShowsRecordedHours() ? "recorded hours" : "typical days";
}

std::vector<std::pair<std::string, std::string>> PictureProvenance(const AnalysisState& state)
{
    const LocationRecord& l = state.Current();
    const std::string& file = state.SourceFile[size_t(state.CurrentLocation)];
    return {
        {"Software", std::string(kSoftwareName)},
        {"Location", l.LocationName + " (" + l.Country + ")"},
        {"Pressure", FormatFixed(state.Pressure.PressureKPa, 3) + " kPa"},
        {"Elevation", Number(l.Elevation) + " m (pressure taken at " +
                          FormatFixed(state.Pressure.PressureElevation, 0) + " m)"},
        {"Source", file.empty() ? l.DataSource : l.DataSource + " (file " + file + ")"},
        {"Hours", HoursShownText(state)},
    };
}

}  // namespace qav
