#include "pipeline/analysis_output.h"

#include <cmath>
#include <cstdio>

#include "classify/recorded_classification.h"
#include "pipeline/site_guidance.h"
#include "chart/strategy.h"
#include "data/station_catalogue.h"
#include "pipeline/comfort_output.h"
#include "pipeline/exports.h"
#include "pipeline/place_site.h"
#include "pipeline/sun_block.h"

namespace qav {

std::string JsonString(std::string_view s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

namespace {

template <typename Range, typename Format>
std::string JsonArray(const Range& values, int first, int last, Format format)
{
    std::string out = "[";
    for (int i = first; i <= last; ++i) {
        if (i > first) out += ",";
        out += format(values[i]);
    }
    return out + "]";
}

}  // namespace

namespace {

// The twelve monthly normals (or changes) as JSON objects.
template <typename Month>
std::string MonthlyJson(const Month& months)
{
    std::string j = "[";
    for (int m = 1; m <= kMonths; ++m) {
        if (m > 1) j += ",";
        j += "{\"month\":" + std::to_string(m) + ",\"dbt_min\":" + JsonNumber(months[m].DBTmin) +
             ",\"dbt_max\":" + JsonNumber(months[m].DBTmax) + ",\"rh_avg\":" + JsonNumber(months[m].RHavg) + "}";
    }
    return j + "]";
}

// Each hour once, by its own zone, beside the merged shares: "hour_shares" and "hour_totals".
std::string HourSharesJson(const StrategyTally& tally, const std::string& prefix)
{
    const HourCounts c = CountHours(tally);
    std::array<float, kStrategies + 1> own{};
    for (int s = 1; s <= kStrategies; ++s)
        own[static_cast<std::size_t>(s)] = c.Percent(c.Own[static_cast<std::size_t>(s)]);
    return ",\"" + prefix + "hour_shares\":" + JsonArray(own, 1, kStrategies, [](float v) { return JsonNumber(v); }) +
           ",\"" + prefix + "hour_totals\":{\"cold\":" + JsonNumber(c.Percent(c.Cold())) +
           ",\"comfortable\":" + JsonNumber(c.Percent(c.Own[5])) + ",\"hot\":" + JsonNumber(c.Percent(c.Hot())) +
           ",\"dry\":" + JsonNumber(c.Percent(c.Own[4])) + "}";
}

}  // namespace

std::string AnalysisJson(const AnalysisState& state, std::string_view input, bool withRecorded, bool withFilter)
{
    const LocationRecord& l = state.Current();
    const auto number = [](float v) { return JsonNumber(v); };
    const auto integer = [](auto v) { return std::to_string(v); };
    std::string j = "{";
    j += "\"slot\":" + std::to_string(state.CurrentLocation);
    j += ",\"input\":" + JsonString(input);
    j += ",\"name\":" + JsonString(l.LocationName);
    j += ",\"country\":" + JsonString(l.Country);
    j += ",\"source\":" + JsonString(l.DataSource);
    j += ",\"latitude\":" + JsonNumber(l.Latitude);
    j += ",\"longitude\":" + JsonNumber(l.Longitude);
    j += ",\"elevation\":" + JsonNumber(l.Elevation);
    j += ",\"pressure_elevation\":" + JsonNumber(state.Pressure.PressureElevation);
    j += ",\"pressure_kpa\":" + JsonNumber(state.Pressure.PressureKPa);
    j += ",\"monthly\":" + MonthlyJson(l.Month);
    j += ",\"hourly\":{\"dbt\":[";
    for (int m = 1; m <= kMonths; ++m) {
        if (m > 1) j += ",";
        j += JsonArray(state.Hours.DBT[m], 1, kHours, number);
    }
    j += "],\"w\":[";
    for (int m = 1; m <= kMonths; ++m) {
        if (m > 1) j += ",";
        j += JsonArray(state.Hours.W[m], 1, kHours, number);
    }
    j += "]}";
    j += ",\"shares\":" + JsonArray(state.Tally.YearShare, 1, kStrategies, number);
    j += ",\"top\":" + JsonArray(state.Tally.TopStrategy, 1, 3, integer);
    j += ",\"month_hours\":[";
    for (int s = 1; s <= kStrategies; ++s) {
        if (s > 1) j += ",";
        j += JsonArray(state.Tally.MonthHours[s], 1, kMonths, integer);
    }
    j += "]";
    j += HourSharesJson(state.Tally, "");
    if (const RecordedYear* recorded = state.CurrentRecorded(); recorded && withRecorded) {
        const StrategyTally& r = state.RecordedTally;
        j += ",\"recorded_shares\":" + JsonArray(r.YearShare, 1, kStrategies, number);
        j += ",\"recorded_top\":" + JsonArray(r.TopStrategy, 1, 3, integer);
        j += ",\"recorded_month_hours\":[";
        for (int s = 1; s <= kStrategies; ++s) {
            if (s > 1) j += ",";
            j += JsonArray(r.MonthHours[s], 1, kMonths, integer);
        }
        j += "],\"hours_used\":" + std::to_string(recorded->HoursUsed);
        j += ",\"hours_missing\":" + std::to_string(recorded->HoursMissing);
        j += ",\"disagreement\":" + JsonNumber(ShareDisagreement(state.Tally, r));
        j += HourSharesJson(r, "recorded_");
    }
    // The advice follows the hours the report follows: a weather file's recorded ones.
    const bool recordedBasis = state.CurrentRecorded() && withRecorded;
    j += ",\"guidance\":" +
         GuidanceJson(SiteGuidance(state, recordedBasis ? state.RecordedTally : state.Tally, Language::English));
    j += ",\"synthesis\":" +
         JsonString(BuildingInBrief(state, recordedBasis ? state.RecordedTally : state.Tally, Language::English));
    if (withFilter) {
        j += ",\"hour_range\":" + JsonString(HourRangeText(state.Filter));
        j += ",\"months\":" + JsonString(MonthRangeText(state.Filter));
    }
    if (const auto tag = ParseStationSourceField(l.DataSource)) {
        j += ",\"station\":" + std::to_string(tag->Wmo) + ",\"period\":" + JsonString(tag->Period);
        j += ",\"rh_source\":" + JsonString(tag->RhDerived ? "derived" : "reported");
    }
    if (state.Warmed) {
        const BaseAnalysis& b = state.Base;
        j += ",\"base_monthly\":" + MonthlyJson(b.Location.Month);
        j += ",\"base_shares\":" + JsonArray(b.Tally.YearShare, 1, kStrategies, number);
        j += ",\"base_top\":" + JsonArray(b.Tally.TopStrategy, 1, 3, integer);
        if (state.CurrentRecorded() && withRecorded)
            j += ",\"base_recorded_shares\":" + JsonArray(b.RecordedTally.YearShare, 1, kStrategies, number);
        j += ",\"warming\":" + MonthlyJson(state.WarmingAsked->Month);
    }
    j += PlaceJsonFields(l);
    j += SearchedSiteJsonFields(state);
    j += SunJsonKeys(state, withRecorded);
    j += ComfortJson(state, withRecorded);
    return j + "}";
}

std::string CsvHeader(bool withRecorded, bool withFilter, bool withStation, bool withWarming, bool withPlace)
{
    std::string h = "slot,name,country,source,latitude,longitude,elevation,pressure_elevation,pressure_kpa";
    for (int s = 1; s <= kStrategies; ++s) {
        h += ',';
        h += StrategyLetter(s);
    }
    if (withRecorded) {
        for (int s = 1; s <= kStrategies; ++s) {
            h += ",r";
            h += StrategyLetter(s);
        }
        h += ",hours_used,hours_missing,disagreement";
    }
    if (withFilter) h += ",hour_range,months";
    if (withStation) h += ",station,period,rh_source";
    if (withPlace) h += kPlaceCsvColumns;
    h += ",input";
    if (withWarming) {
        for (int m = 1; m <= kMonths; ++m) {
            const std::string month = std::to_string(m);
            h += ",warming_dbt_min_" + month + ",warming_dbt_max_" + month + ",warming_rh_avg_" + month;
        }
        for (int s = 1; s <= kStrategies; ++s) {
            h += ",base_";
            h += StrategyLetter(s);
        }
    }
    return h + "\n";
}

std::string AnalysisCsvRow(const AnalysisState& state, std::string_view input, bool withRecorded, bool withFilter,
                           bool withStation, bool withWarming, bool withPlace)
{
    const LocationRecord& l = state.Current();
    std::string r = std::to_string(state.CurrentLocation) + "," + CsvTextField(l.LocationName) + "," +
                    CsvTextField(l.Country) + "," + CsvTextField(l.DataSource) + "," + JsonNumber(l.Latitude) + "," +
                    JsonNumber(l.Longitude) + "," + JsonNumber(l.Elevation) + "," +
                    JsonNumber(state.Pressure.PressureElevation) + "," + JsonNumber(state.Pressure.PressureKPa);
    for (int s = 1; s <= kStrategies; ++s) {
        r += ',';
        r += JsonNumber(state.Tally.YearShare[s]);
    }
    if (withRecorded) {
        const RecordedYear* recorded = state.CurrentRecorded();
        for (int s = 1; s <= kStrategies; ++s) {
            r += ',';
            if (recorded) r += JsonNumber(state.RecordedTally.YearShare[s]);
        }
        if (recorded) {
            for (const std::string& v : {std::to_string(recorded->HoursUsed), std::to_string(recorded->HoursMissing),
                                         JsonNumber(ShareDisagreement(state.Tally, state.RecordedTally))}) {
                r += ',';
                r += v;
            }
        } else {
            r += ",,,";
        }
    }
    if (withFilter) {
        r += ',';
        r += HourRangeText(state.Filter);
        r += ',';
        r += MonthRangeText(state.Filter);
    }
    if (withStation) {
        if (const auto tag = ParseStationSourceField(l.DataSource))
            r += "," + std::to_string(tag->Wmo) + "," + tag->Period + "," + (tag->RhDerived ? "derived" : "reported");
        else
            r += ",,,";
    }
    if (withPlace) r += PlaceCsvFields(l);
    r += ',';
    r += CsvField(input);
    if (withWarming) {
        // Empty cells for a location analysed without the warming (none is, in one run).
        for (int m = 1; m <= kMonths; ++m) {
            for (float v : {state.WarmingAsked ? state.WarmingAsked->Month[m].DBTmin : 0.0f,
                            state.WarmingAsked ? state.WarmingAsked->Month[m].DBTmax : 0.0f,
                            state.WarmingAsked ? state.WarmingAsked->Month[m].RHavg : 0.0f}) {
                r += ',';
                if (state.Warmed) r += JsonNumber(v);
            }
        }
        for (int s = 1; s <= kStrategies; ++s) {
            r += ',';
            if (state.Warmed) r += JsonNumber(state.Base.Tally.YearShare[s]);
        }
    }
    return r + "\n";
}

}  // namespace qav
