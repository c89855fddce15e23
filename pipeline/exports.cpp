#include "pipeline/exports.h"

#include <filesystem>

#include "text/month_names.h"
#include "core/text_format.h"
#include "classify/recorded_classification.h"
#include "chart/strategy.h"
#include "pipeline/rendering.h"
#include "pipeline/results_table.h"

namespace qav {
namespace {

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

// The text in double quotes, its quotes doubled (RFC 4180), after prefix.
std::string QuotedCsv(std::string_view text, std::string_view prefix)
{
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about "\"" + std::string.
    std::string out;
    out.reserve(text.size() + prefix.size() + 2);
    out += '"';
    out += prefix;
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string CsvField(std::string_view text)
{
    return text.find_first_of(",\"\n\r") == std::string_view::npos ? std::string(text) : QuotedCsv(text, "");
}

std::string CsvTextField(std::string_view text)
{
    const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    return formula ? QuotedCsv(text, "'") : CsvField(text);
}

std::string ResultsCsv(const AnalysisState& state, std::string_view basis)
{
    const LocationRecord& l = state.Current();
    const RecordedYear* recorded = state.CurrentRecorded();
    std::string csv = std::string(kSoftwareName) + " - Bioclimatic analysis\n";
    csv += "Hours shown," + HoursShownText(state) + "\n";
    if (!basis.empty()) csv += "Analysed at," + CsvField(basis) + "\n";
    csv += "\n";

    csv +=
        "Location,Country,Data Source,Latitude,Longitude,Elevation (m),Pressure elevation (m),"
        "Station pressure (kPa)\n";
    csv += CsvTextField(l.LocationName) + "," + CsvTextField(l.Country) + "," + CsvTextField(l.DataSource) + "," +
           Number(l.Latitude) + "," + Number(l.Longitude) + "," + Number(l.Elevation) + "," +
           Number(state.Pressure.PressureElevation) + "," + Number(state.Pressure.PressureKPa) + "\n\n";

    if (const std::string station = StationCaption(l); !station.empty()) csv += "Station," + CsvField(station) + "\n\n";
    if (!state.Filter.IsAll())
        csv += std::string("Hours analysed,") + CsvField(DescribeHourFilter(state.Filter)) + "\n\n";
    if (state.Warmed) csv += std::string("What if,") + CsvField(DescribeWarming(*state.WarmingAsked)) + "\n\n";

    csv += "Month,DBTmin (C),DBTmax (C),RHavg (%)\n";
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = l.Month[m];
        csv += std::to_string(m) + "," + Number(n.DBTmin) + "," + Number(n.DBTmax) + "," + Number(n.RHavg) + "\n";
    }

    const bool warmed = state.Warmed.has_value();
    csv += "\nStrategy,Letter,Name,Year share (%)";
    if (recorded) csv += ",Recorded year share (%)";
    if (warmed)
        csv += recorded ? ",Year share without warming (%),Recorded year share without warming (%)"
                        : ",Year share without warming (%)";
    csv += "\n";
    for (int s = 1; s <= kStrategies; ++s) {
        csv += std::to_string(s) + "," + StrategyLetter(s) + "," + CsvField(StrategyName[s]) + "," +
               Number(state.Tally.YearShare[s]);
        std::vector<float> more;
        if (recorded) more.push_back(state.RecordedTally.YearShare[s]);
        if (warmed) more.push_back(state.Base.Tally.YearShare[s]);
        if (warmed && recorded) more.push_back(state.Base.RecordedTally.YearShare[s]);
        for (float share : more) {
            csv += ',';
            csv += Number(share);
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
    // With a filter, a last column says whether the shares count the hour (1) or not (0).
    const bool filtered = !state.Filter.IsAll();
    const auto counted = [&](int month, int hour) {
        return filtered ? (state.Filter.Includes(month, hour) ? ",1" : ",0") : "";
    };
    std::string csv;
    if (const RecordedYear* recorded = state.ShowsRecordedHours() ? state.CurrentRecorded() : nullptr) {
        csv.reserve(recorded->Hours.size() * 40);
        csv += filtered ? "Month,Day,Hour,DBT (C),W (g/kg),RH (%),Strategy,Counted\n"
                        : "Month,Day,Hour,DBT (C),W (g/kg),RH (%),Strategy\n";
        for (size_t i = 0; i < recorded->Hours.size(); ++i) {
            const RecordedHour& h = recorded->Hours[i];
            const int s = i < state.RecordedStrategy.size() ? state.RecordedStrategy[i] : 0;
            csv += std::to_string(h.Month) + "," + std::to_string(h.Day) + "," + std::to_string(h.Hour) + "," +
                   Number(h.DBT) + "," + Number(h.W) + "," + RelativeHumidity(psy, h.DBT, h.W) + "," + LetterOf(s) +
                   counted(h.Month, h.Hour) + "\n";
        }
        return csv;
    }
    csv.reserve(kMonths * kHours * 40);
    csv += filtered ? "Month,Hour,DBT (C),W (g/kg),RH (%),Strategy,Counted\n"
                    : "Month,Hour,DBT (C),W (g/kg),RH (%),Strategy\n";
    for (int m = 1; m <= kMonths; ++m) {
        for (int h = 1; h <= kHours; ++h) {
            const float dbt = state.Hours.DBT[m][h], w = state.Hours.W[m][h];
            csv += std::to_string(m) + "," + std::to_string(h) + "," + Number(dbt) + "," + Number(w) + "," +
                   RelativeHumidity(psy, dbt, w) + "," + LetterOf(state.HourStrategy[m][h]) + counted(m, h) + "\n";
        }
    }
    return csv;
}

std::string HoursShownText(const AnalysisState& state)
{
    return state.ShowsRecordedHours() ? "recorded hours" : "typical days";
}

std::string PictureTitle(PictureKind kind, const AnalysisState& state)
{
    const LocationRecord& l = state.Current();
    const char* what = kind == PictureKind::Chart           ? "Bioclimatic chart"
                       : kind == PictureKind::AdaptiveGraph ? "Adaptive comfort graph"
                       : kind == PictureKind::WindRose      ? "Wind roses"
                                                            : "Monthly climate graph";
    return std::string(what) + " of " + l.LocationName + " (" + l.Country + ")";
}

std::vector<std::pair<std::string, std::string>> PictureProvenance(const AnalysisState& state)
{
    const LocationRecord& l = state.Current();
    const std::string& file = state.SourceFile[size_t(state.CurrentLocation)];
    std::vector<std::pair<std::string, std::string>> provenance{
        {"Software", std::string(kSoftwareName)},
        {"Location", l.LocationName + " (" + l.Country + ")"},
        {"Pressure", FormatFixed(state.Pressure.PressureKPa, 3) + " kPa"},
        {"Elevation",
         Number(l.Elevation) + " m (pressure taken at " + FormatFixed(state.Pressure.PressureElevation, 0) + " m)"},
        // The file's name only: a shared picture must not reveal the folders of the user's disk.
        {"Source", file.empty() ? l.DataSource
                                : l.DataSource + " (file " + std::filesystem::path(file).filename().string() + ")"},
        {"Hours", HoursShownText(state)},
    };
    if (const std::string station = StationCaption(l); !station.empty()) provenance.emplace_back("Station", station);
    if (!state.Filter.IsAll()) provenance.emplace_back("Hours analysed", DescribeHourFilter(state.Filter));
    if (state.Warmed) provenance.emplace_back("What if", DescribeWarming(*state.WarmingAsked));
    return provenance;
}

}  // namespace qav
