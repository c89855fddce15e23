#include "pipeline/sun_block.h"

#include <cmath>

#include "chart/strategy.h"
#include "core/solar_position.h"
#include "core/text_format.h"

namespace qav {

namespace {

constexpr std::array<int, kMonths + 1> kDaysBefore{0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

char LetterOf(int strategy) { return strategy >= 1 && strategy <= kStrategies ? StrategyLetter(strategy) : '-'; }

// Degrees to two decimals; 360.00 after rounding is 0 and -0 is 0.
std::string Degrees(double v, bool azimuth)
{
    double r = std::round(v * 100.0) / 100.0 + 0.0;
    if (azimuth && r >= 360.0) r = 0.0;
    return JsonNumber(static_cast<float>(r));
}

template <typename T>
std::string OrNull(const std::optional<T>& v)
{
    return v ? JsonNumber(static_cast<float>(*v)) : "null";
}

}  // namespace

SunBlock ComputeSunBlock(const AnalysisState& state)
{
    SunBlock b;
    b.ShadeAboveC = state.Sun.ShadeAboveC;
    const LocationRecord& l = state.Current();
    std::vector<SunHour> hours;
    hours.reserve(kMonths * kHours);
    for (int m = 1; m <= kMonths; ++m) {
        for (int h = 1; h <= kHours; ++h) {
            const SunPosition p = TypicalHourSun(m, h, l.Latitude, l.Longitude);
            SunHour& s = b.Typical[m][h];
            s = {p.AltitudeDeg, p.AzimuthDeg,
                 SunNeedOf(p.AltitudeDeg, state.HourStrategy[m][h], state.Hours.DBT[m][h], b.ShadeAboveC)};
            hours.push_back(s);
        }
    }
    b.Facades = ShadeFacades(hours);
    return b;
}

std::vector<SunHour> RecordedSunHours(const AnalysisState& state)
{
    std::vector<SunHour> out;
    const RecordedYear* recorded = state.CurrentRecorded();
    if (!recorded) return out;
    const LocationRecord& l = state.Current();
    const double zone = std::isnan(recorded->TimeZoneHours) ? std::round(l.Longitude / 15.0) : recorded->TimeZoneHours;
    out.reserve(recorded->Hours.size());
    for (std::size_t i = 0; i < recorded->Hours.size(); ++i) {
        const RecordedHour& h = recorded->Hours[i];
        const SunPosition p =
            RecordedHourSun(h.Year > 0 ? h.Year : 2001, h.Month, h.Day, h.Hour, zone, l.Latitude, l.Longitude);
        const int strategy = i < state.RecordedStrategy.size() ? state.RecordedStrategy[i] : 0;
        out.push_back({p.AltitudeDeg, p.AzimuthDeg, SunNeedOf(p.AltitudeDeg, strategy, h.DBT, state.Sun.ShadeAboveC)});
    }
    return out;
}

int ChosenFacade(const AnalysisState& state)
{
    return state.Sun.FacadeDeg >= 0 ? state.Sun.FacadeDeg
                                    : static_cast<int>(EquatorSideAzimuth(state.Current().Latitude));
}

std::array<std::string, kMonths + 1> HourLetters(const AnalysisState& state)
{
    std::array<std::string, kMonths + 1> letters;
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h) letters[m] += LetterOf(state.HourStrategy[m][h]);
    return letters;
}

std::string RecordedHourLetters(const AnalysisState& state)
{
    std::string letters(365 * kHours, '-');
    const RecordedYear* recorded = state.CurrentRecorded();
    if (!recorded) return letters;
    for (std::size_t i = 0; i < recorded->Hours.size() && i < state.RecordedStrategy.size(); ++i) {
        const RecordedHour& h = recorded->Hours[i];
        // The reader drops 29 February, so each hour has its place in a 365-day year.
        const int at = (kDaysBefore[h.Month] + h.Day - 1) * kHours + h.Hour - 1;
        if (at >= 0 && at < static_cast<int>(letters.size())) letters[at] = LetterOf(state.RecordedStrategy[i]);
    }
    return letters;
}

std::string SunJsonKeys(const AnalysisState& state, bool withRecorded)
{
    std::string j = ",\"hour_letters\":[";
    const auto letters = HourLetters(state);
    for (int m = 1; m <= kMonths; ++m) {
        if (m > 1) j += ',';
        j += '"';
        j += letters[m];
        j += '"';
    }
    j += "]";
    if (withRecorded && state.CurrentRecorded())
        j += ",\"recorded_hour_letters\":\"" + RecordedHourLetters(state) + "\"";
    const SunBlock b = ComputeSunBlock(state);
    j += ",\"sun\":{\"shade_above\":" + JsonNumber(b.ShadeAboveC);
    for (const bool altitude : {true, false}) {
        j += altitude ? ",\"altitude\":[" : "],\"azimuth\":[";
        for (int m = 1; m <= kMonths; ++m) {
            j += m > 1 ? ",[" : "[";
            for (int h = 1; h <= kHours; ++h) {
                const SunHour& s = b.Typical[m][h];
                if (h > 1) j += ',';
                j += Degrees(altitude ? s.AltitudeDeg : s.AzimuthDeg, !altitude);
            }
            j += "]";
        }
    }
    j += "],\"facades\":[";
    for (std::size_t i = 0; i < b.Facades.size(); ++i) {
        const FacadeShading& f = b.Facades[i];
        const std::optional<double> depth = f.OverhangDepth();
        if (i > 0) j += ',';
        j += "{\"azimuth\":" + std::to_string(f.AzimuthDeg) +
             ",\"overheated_hours\":" + std::to_string(f.OverheatedHours) +
             ",\"underheated_hours\":" + std::to_string(f.UnderheatedHours) +
             ",\"overhang_vsa\":" + OrNull(f.OverhangVsa) + ",\"overhang_keeps\":" + OrNull(f.OverhangKeeps) +
             ",\"fins_hsa\":" + OrNull(f.FinsHsa) + ",\"fins_keeps\":" + OrNull(f.FinsKeeps) +
             ",\"overhang_depth\":" + (depth ? Degrees(*depth, false) : "null") + "}";
    }
    return j + "]}";
}

}  // namespace qav
