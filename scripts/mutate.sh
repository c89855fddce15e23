#!/usr/bin/env bash
# Mutation testing of the numbers: applies one single-line fault at a time to the analysis code,
# rebuilds the release build's non-Qt test programs, runs them and prints whether the fault was
# killed (a test failed) or survived. For a survivor it also rebuilds qav-cli and compares the
# analysis of all 90 built-in locations (hours, shares, month hours) and the zone maps of every
# pressure with those of the unchanged code, so a survivor that changes a result stands out.
#
#   scripts/mutate.sh            every fault
#   scripts/mutate.sh 3 17       only faults 3 and 17
#
# Each fault is restored right after its run, and on any exit (trap), from a copy taken before
# it was applied; the tree is left as it was found. CI does not run this (a few seconds a fault
# on two cores once the release build is made: each rebuild is incremental).
set -euo pipefail
cd "$(dirname "$0")/.."

# One fault a line: file | exact text of the line (unique in the file) | replacement | what.
# Fields are separated by " | "; the text may not contain that.
FAULTS=$(cat <<'EOF'
classify/classification.cpp |         const float fraction = total > 0 ? t.YearShare[s] / total : 0.0f; |         const double fraction = total > 0 ? static_cast<double>(t.YearShare[s]) / total : 0.0; | share: division in double
classify/classification.cpp |         t.YearShare[s] = std::nearbyint(tenths) / 10.0f; |         t.YearShare[s] = std::round(tenths) / 10.0f; | share: halves away from zero
classify/classification.cpp |     t.YearShare[9] += t.YearShare[8]; |     t.YearShare[9] += t.YearShare[8] - t.YearShare[7]; | merging: I without the G hours
classify/classification.cpp |     t.YearShare[2] += t.YearShare[3]; |     t.YearShare[3] += t.YearShare[2]; | merging: C gains B
classify/classification.cpp |     t.TopStrategy[2] = LargestShare(t, true, t.TopStrategy[1], 0); |     t.TopStrategy[2] = LargestShare(t, false, t.TopStrategy[1], 0); | top three: second ties to the lowest
classify/classification.cpp |     if (t.YearShare[t.TopStrategy[3]] == 0) t.TopStrategy[3] = 0; |     if (t.YearShare[t.TopStrategy[3]] < 0) t.TopStrategy[3] = 0; | top three: third kept at 0.0
classify/classification.cpp |             const float y = static_cast<float>(scale.YOf(hours.W[m][h]));\n            const int s = ClassifyHour(x, y, m, |             const float y = static_cast<float>(scale.YOf(hours.W[m][h]));\n            const int s = ClassifyHour(std::round(x), y, m, | plotting: x rounded to whole canvas units
classify/classification.cpp |     if (s == 0) s = previousStrategy; |     if (s == 0) return 0; | classification: white hours not carried
classify/classification.cpp |     if (x < scale.X0) { |     if (x <= scale.X0) { | classification: a point on X0 by position
classify/raster_canvas.cpp |     const double c = std::floor(x / pixelWidth_), r = std::floor(y / pixelHeight_);\n    if (!(c >= 0 |     const double c = std::floor(x / pixelWidth_ + 0.5), r = std::floor(y / pixelHeight_);\n    if (!(c >= 0 | pixel rule: hours read half a pixel off
classify/zone_map.cpp |     p.Sweep(X(7), X(11), comfortTop, constant(Y(7) + ph), ThermalComfort); |     (void)comfortTop; | zone map: no curved top of E
classify/zone_map.cpp |         p.Sweep(X(11), X(10) + 6 * pw, notAbove(Line(v[11], v[10]), Y(11)), constant(Y(11) - ph), NightVentilation); |         {} | zone map: no G band right of E
classify/zone_map.cpp |     p.Sweep(X(17) - 6 * pw, X(18), constant(Y(9)), notAbove(Line(v[17], v[18]), Y(17)), ThermalInertiaCooling); |     p.Sweep(X(17), X(18), constant(Y(9)), notAbove(Line(v[17], v[18]), Y(17)), ThermalInertiaCooling); | zone map: H starts six pixels late
classify/zone_map.cpp |     p.Sweep(s.XOf(ta), s.X1, base, sat(s.WMax), ArtificialCooling); |     p.Sweep(s.XOf(ta) + 3 * s.PixelWidth, s.X1, base, sat(s.WMax), ArtificialCooling); | zone map: J starts three pixels late
classify/zone_map.cpp |     p.Box(X(11) - 3 * pw, Y(11) - ph, X(14), Y(9), NightVentilation); |     p.Box(X(11), Y(11) - ph, X(14), Y(9), NightVentilation); | zone map: left edge of the G box
classify/zone_map.cpp |     p.Box(std::max(X(13), X(5)), Y(13), X(14), Y(11) - ph, Ventilation); |     p.Box(std::max(X(13), X(5)), Y(13), X(14) - pw, Y(11) - ph, Ventilation); | zone map: right edge of the F box
classify/zone_map.cpp |     p.Sweep(s.XOf(14), s.XOf(20), base, sat(20.5), ThermalInertiaHeating); |     p.Sweep(s.XOf(14), s.XOf(20), base, sat(s.WMax), ThermalInertiaHeating); | zone map: C capped at 28 g/kg
classify/zone_map.cpp |         if (y80 > Y(14)) map.DrawLine(x, p.Sat(x, 20.5), x, y80, Colour(Ventilation)); |         map.DrawLine(x, p.Sat(x, 20.5), x, y80, Colour(Ventilation)); | zone map: F band above 20.5 g/kg too
classify/zone_map.cpp |     p.Box(X(6), Y(6), X(19) - pw, Y(19), EvaporativeCooling); |     p.Box(X(6), Y(6), X(19) - pw, Y(19) + ph, EvaporativeCooling); | zone map: top edge of the I box
chart/chart_frame.cpp |     const float w7 = Capped(0.8 * psy.FTSat(18), kComfortCap); |     const float w7 = static_cast<float>(0.8 * psy.FTSat(18)); | vertices: V7 not capped at 17 g/kg
chart/chart_frame.cpp |     const float t14 = std::min(psy.FTVE(20.5f, psy.FVE(32, w15)), 32.0f); |     const float t14 = psy.FTVE(20.5f, psy.FVE(32, w15)); | vertices: T14 not capped at 32 C
chart/chart_frame.cpp |     if (w20 < kComfortCap) { |     if (w20 <= 0) { | vertices: V19 always on the right edge
core/hourly_synthesis.cpp |         pvMin = LimitVapourPressure(pvMin, static_cast<float>(FPvsPa(normals.DBTmin) / 1000.0)); |         pvMin = LimitVapourPressure(pvMin, static_cast<float>(FPvsPa(normals.DBTmax) / 1000.0)); | synthesis: morning limit at Tmax
core/hourly_synthesis.cpp |     if (pv <= 0) pv = 0.01; |     if (pv <= 0) pv = 0.001; | synthesis: floor of the vapour pressure
core/hourly_synthesis.cpp |     if (pv >= psKPa) pv = 0.99 * psKPa; |     if (pv >= psKPa) pv = psKPa; | synthesis: saturation not held at 99 %
core/psychrometrics.cpp |     const float denominator = static_cast<float>(p_.PressurePa - ps); |     const double denominator = p_.PressurePa - ps; | single precision: denominator of FTSat
core/psychrometrics.cpp |     if (singleC) c = static_cast<float>(c); |     (void)singleC; | single precision: c of the enhancement factor
core/hourly_synthesis.cpp |             const float hourRh = static_cast<float>(rhPercent / 100); |             const double hourRh = rhPercent / 100; | single precision: the hour's relative humidity
core/hourly_synthesis.cpp |             table.W[m][h] = RoundHundredth(psy.FTax1(table.DBT[m][h], hourRh)); |             table.W[m][h] = RoundHundredth(psy.FTax1(hourDbt, hourRh)); | synthesis: W from the unrounded temperature
core/hourly_synthesis.cpp |             const auto& c = clockHour <= sun.MaxTempHour ? kVapourShapeMorning : kVapourShapeEvening; |             const auto& c = clockHour <= sun.EveningHour ? kVapourShapeMorning : kVapourShapeEvening; | synthesis: vapour cubic switches at Ty
core/hourly_synthesis.cpp |     const double scaled = std::clamp(std::nearbyint(x * 100.0), double{INT16_MIN}, double{INT16_MAX}); |     const double scaled = std::clamp(std::round(x * 100.0), double{INT16_MIN}, double{INT16_MAX}); | rounding: hundredths away from zero
core/psychrometrics.cpp |     p.PressureKPa = static_cast<float>(101.325 * std::pow(1.0 - 2.25577e-5 * z, 5.2559)); |     p.PressureKPa = static_cast<float>(101.325 * std::pow(1.0 - 2.25577e-5 * elevationM, 5.2559)); | pressure: elevation not floored to 50 m
core/psychrometrics.cpp |     const float mu = static_cast<float>(rh * (1 - r) / (1 - rh * r)); |     const double mu = rh * (1 - r) / (1 - rh * r); | single precision: mu of FTax1
classify/recorded_classification.cpp |         if (s > 0 && filter.Includes(h.Month, h.Hour)) ++tally.MonthHours[s][h.Month]; |         if (s > 0 && filter.Includes(h.Month, h.Hour)) ++tally.MonthHours[s][1]; | recorded hours: all counted in January
pipeline/weather_location.cpp |     year->Hours = RecordedHoursAt(file, Psychrometrics(StationPressure(w.Location.Elevation))); |     year->Hours = RecordedHoursAt(file, Psychrometrics(StationPressure(0))); | recorded hours: W at sea-level pressure
data/recorded_hours.cpp |         if (h.Missing) continue; |         if (h.Missing && h.Month > 12) continue; | recorded hours: missing hours counted
core/solar_position.cpp |     const double meanUt = solarHours - longitudeDeg / 15.0; |     const double meanUt = solarHours + longitudeDeg / 15.0; | sun: typical hours with the longitude's sign turned
core/solar_position.cpp |     return SunAt(JulianDay(year, month, day, hour - 0.5 - timeZoneHours), latitudeDeg, longitudeDeg); |     return SunAt(JulianDay(year, month, day, hour - timeZoneHours), latitudeDeg, longitudeDeg); | sun: recorded hours at their end, not their middle
core/solar_position.cpp |     return {std::asin(std::sin(eps * kDeg) * std::sin(lambda * kDeg)) / kDeg, 4.0 * eot / kDeg}; |     return {std::asin(std::sin(eps * kDeg) * std::sin(lambda * kDeg)) / kDeg, eot / kDeg}; | sun: equation of time in degrees, not minutes
classify/sun_shading.cpp |     const std::size_t k = (9 * angles.size() + 9) / 10; |     const std::size_t k = (9 * angles.size() + 10) / 10; | shading: the 90 % rule one hour over
classify/sun_shading.cpp |     if (strategy >= 6 || dbtC >= shadeAboveC) return SunNeed::Overheated; |     if (strategy >= 6 || dbtC > shadeAboveC) return SunNeed::Overheated; | shading: the threshold itself not overheated
classify/sun_shading.cpp |     if (strategy >= 1 && strategy <= 3) return SunNeed::Underheated; |     if (strategy >= 1 && strategy <= 4) return SunNeed::Underheated; | shading: comfort hours want sun
classify/sun_shading.cpp |     f.OverhangKeeps = kept([&](const ShadowAngles& a) { return a.VsaDeg + kAngleSlack < *f.OverhangVsa; }); |     f.OverhangKeeps = kept([&](const ShadowAngles& a) { return a.VsaDeg < *f.OverhangVsa + 1; }); | shading: winter sun kept with a degree's slack
core/adaptive_comfort.cpp | constexpr ModelConstants kAshrae55{0.31, 17.8, 10, 10, 33.5, {3.5, 2.5, 0}, {3.5, 2.5, 0}}; | constexpr ModelConstants kAshrae55{0.31, 17.9, 10, 10, 33.5, {3.5, 2.5, 0}, {3.5, 2.5, 0}}; | adaptive: comfort temperature 0.1 K high
core/adaptive_comfort.cpp | constexpr ModelConstants kEn16798{0.33, 18.8, 10, 15, 30, {3, 4, 5}, {2, 3, 4}}; | constexpr ModelConstants kEn16798{0.33, 18.8, 10, 15, 30, {3, 4, 5}, {2, 4, 4}}; | adaptive: category II's upper limit as III's
core/adaptive_comfort.cpp |         if (t > month.Upper[i]) |         if (t >= month.Upper[i]) | adaptive: an hour on the upper limit counted above
core/adaptive_comfort.cpp |     month.InRange = meanOutdoor >= std::max(c.lowestUpper, c.lowestLower) && meanOutdoor <= c.highest; |     month.InRange = meanOutdoor >= std::max(c.lowestUpper, c.lowestLower) && meanOutdoor < c.highest; | adaptive: the range's top edge outside
core/wind_rose.cpp |     return static_cast<int>(std::floor((directionDeg + kSectorDeg / 2) / kSectorDeg)) % kWindSectors; |     return static_cast<int>(std::floor(directionDeg / kSectorDeg)) % kWindSectors; | wind: sectors starting at their direction, not centred on it
core/wind_rose.cpp | int WindClass(double speedMs) { return std::clamp(static_cast<int>(std::floor(speedMs / 2)), 0, kWindClasses - 1); } | int WindClass(double speedMs) { return std::clamp(static_cast<int>(std::round(speedMs / 2)), 0, kWindClasses - 1); } | wind: speed classes rounded
core/wind_rose.cpp |         rose.PrevailingShare = std::round(1000.0 * bestHours / rose.Counted()) / 10.0f; |         rose.PrevailingShare = std::round(1000.0 * bestHours / (rose.Counted() + rose.Missing)) / 10.0f; | wind: prevailing share over the missing hours too
core/wind_rose.cpp |             if (rose.SectorHours(k) > bestHours) { |             if (rose.SectorHours(k) >= bestHours) { | wind: a tie goes to the last sector
core/wind_rose.cpp |     if (h.WindSpeed < kCalmBelowMs) return kCalmCode; |     if (h.WindSpeed <= kCalmBelowMs) return kCalmCode; | wind: 0.5 m/s counted calm
core/wind_rose.cpp |         rose.PrevailingMedianMs = n % 2 ? speeds[n / 2] : (speeds[n / 2 - 1] + speeds[n / 2]) / 2; |         rose.PrevailingMedianMs = speeds[n / 2]; | wind: the median of an even count not averaged
pipeline/site_guidance.cpp | constexpr int kAfternoonHour = 15;  // the typical day's warmest hour | constexpr int kAfternoonHour = 14; | humidity: the wet bulb of 2 p.m.
pipeline/site_guidance.cpp |             if (wb > wetBulb) wetBulb = wb, wettest = m; |             wetBulb = wb, wettest = m; | humidity: the last month, not the wettest
pipeline/site_guidance.cpp |             if (Normals(m).DBTmin > Normals(warmest).DBTmin) warmest = m; |             if (Normals(m).DBTmax > Normals(warmest).DBTmax) warmest = m; | night cooling: the month of the hottest afternoons
pipeline/site_guidance.cpp |         if (range < kNightRangeK) { |         if (range < kNightRangeK - 1) { | night cooling: a range of 9 K enough
pipeline/site_guidance.cpp |         c.Value = std::round(sum / static_cast<double>(months.size()) * 10) / 10; |         c.Value = std::round(sum / kMonths * 10) / 10; | large range: averaged over the year
pipeline/site_guidance.cpp |         const std::vector<int> months = MonthsOf({1, 2, 3}); |         const std::vector<int> months = MonthsOf({2, 3}); | large range: the months of A left out
pipeline/site_guidance.cpp |         if (has(1) || has(3)) checks.push_back(LargeRange()); |         if (has(3)) checks.push_back(LargeRange()); | large range: checked for C only
pipeline/site_guidance.cpp |         if (counts_.Percent(counts_.Hot()) > kMostlyHot) checks.push_back(MostlyHot()); |         if (counts_.Percent(counts_.Hot() - counts_.Own[10]) > kMostlyHot) checks.push_back(MostlyHot()); | mostly hot: J's hours left out
pipeline/site_guidance.cpp |         const double latitude = std::fabs(state_.Current().Latitude); |         const double latitude = state_.Current().Latitude; | orientation: every southern site counted as low latitude
pipeline/site_guidance.cpp |             if (need > 0 && 10 * need >= all) months.push_back(m); |             if (need > 0 && 5 * need >= all) months.push_back(m); | synthesis: a season needs a fifth of the month
pipeline/site_guidance.cpp |         const bool breeze = counts_.Own[6] >= counts_.Own[7] + counts_.Own[8] + counts_.Own[9]; |         const bool breeze = counts_.Own[6] >= counts_.Own[7] + counts_.Own[8]; | synthesis: evaporation's hours left out of the contest
classify/classification.cpp | int HourCounts::Hot() const { return Own[6] + Own[7] + Own[8] + Own[9] + Own[10]; } | int HourCounts::Hot() const { return Own[6] + Own[7] + Own[8] + Own[9]; } | hour totals: J not counted hot
classify/classification.cpp |             return Own[9] + Own[8] + Own[7]; |             return Own[9] + Own[8]; | served hours: I without G
classify/classification.cpp |     return Counted > 0 ? static_cast<float>(std::nearbyint(1000.0 * hours / Counted) / 10.0) : 0.0f; |     return Counted > 0 ? static_cast<float>(std::floor(1000.0 * hours / Counted) / 10.0) : 0.0f; | hour percent: truncated
pipeline/report.cpp |         if (top || (counts.Served(s) > 0 && counts.Percent(counts.Served(s)) >= kGuidanceShare)) order.push_back(s); |         if (top || (counts.Served(s) > 0 && tally.YearShare[s] >= kGuidanceShare)) order.push_back(s); | advice chosen by the share, not the hours
pipeline/facade_guidance.cpp | constexpr float kKeepsLittle = 50;  // percent of the underheated sun-hours | constexpr float kKeepsLittle = 30; | facades: movable shading only below 30 % kept
pipeline/facade_guidance.cpp |         const std::string finsDeep = FormatFixed(1 / std::tan(fins * kPi / 180), 2, decimal); |         const std::string finsDeep = FormatFixed(std::tan(fins * kPi / 180), 2, decimal); | facades: fin depth not inverted
pipeline/facade_guidance.cpp |         const bool overhang = cutOff >= kShallowestOverhangDeg && depth; |         const bool overhang = cutOff > kShallowestOverhangDeg && depth; | facades: the shallowest overhang refused
core/warming.cpp |     return (static_cast<double>(Month[month].DBTmin) + Month[month].DBTmax) / 2; |     return Month[month].DBTmax; | warming: recorded hours moved by the maximum's change
core/warming.cpp |             h.RH = std::clamp(h.RH + warming.Month[h.Month].RHavg, 0.0f, 100.0f); |             h.RH = std::max(h.RH + warming.Month[h.Month].RHavg, 0.0f); | warming: recorded humidity above 100 %
core/warming.cpp |         if (w.DBTmin > w.DBTmax) { |         if (w.DBTmin >= w.DBTmax) { | warming: a day of constant temperature refused
data/epw_normals.cpp |         n.RHavg = RoundTenth(rhSum[m] / rhCount[m]); |         n.RHavg = RoundTenth(rhSum[m] / (24.0 * dayCount)); | weather-file normals: humidity over whole days
data/epw_normals.cpp |         if (h.Missing || h.Month < 1 || h.Month > kMonths || h.Day < 1 || h.Day > 31) continue; |         if (h.Month < 1 || h.Month > kMonths || h.Day < 1 || h.Day > 31) continue; | weather-file normals: missing hours counted
data/station_search.cpp |     const double sinLon = std::sin((lon2 - lon1) * kRad / 2); |     const double sinLon = std::sin((lon2 - lon1) * kRad); | distance: the longitude difference not halved
data/station_search.cpp |     const double h = sinLat * sinLat + std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * sinLon * sinLon; |     const double h = sinLat * sinLat + std::cos(lat1 * kRad) * sinLon * sinLon; | distance: one latitude's cosine left out
pipeline/searched_site.cpp |     bool far = km > kFarDistanceKm; |     bool far = km > 2 * kFarDistanceKm; | far station: warned only beyond 100 km
pipeline/searched_site.cpp |         const double rise = station.Elevation - *site->ElevationM;  // station minus site |         const double rise = *site->ElevationM - station.Elevation; | far station: higher and lower swapped
classify/hour_filter.cpp |     return first <= last ? value >= first && value <= last : value >= first || value <= last; |     return first <= last ? value >= first && value <= last : value > first || value <= last; | hours filter: a wrapped range without its first hour
classify/hour_filter.cpp |     return first <= last ? last - first + 1 : period - first + 1 + last; |     return first <= last ? last - first + 1 : period - first + last; | hours filter: a wrapped range counted one short
data/station_search.cpp |         if (t.signed_ || (k > 0 && t.value >= 60)) return std::nullopt; |         if (t.signed_ || (k > 0 && t.value > 60)) return std::nullopt; | coordinates: 60 minutes taken
data/station_search.cpp |         scale *= 60; |         scale *= 100; | coordinates: minutes read as hundredths
data/place_search.cpp |         return best.size() == count && std::abs(s->Latitude - latitude) * kKmPerDegree > best.back().DistanceKm; |         return best.size() == count && std::abs(s->Latitude - latitude) * 2 * kKmPerDegree > best.back().DistanceKm; | nearest stations: the walk stops too soon
data/place_search.cpp |     for (auto it = split; it != byLatitude_.begin() && !beyond(*(it - 1)); --it) consider(*(it - 1)); |     for (auto it = split; it != byLatitude_.begin() && !beyond(*(it - 1)) && false; --it) consider(*(it - 1)); | nearest stations: the southward walk left out
EOF
)

TEST_TARGETS=(core_tests chart_tests classify_tests pipeline_tests data_tests epw_tests)
TEST_PROGRAMS=(core/core_tests chart/chart_tests classify/classify_tests pipeline/pipeline_tests data/data_tests
               data/epw_tests)
BUILD=build/release
BACKUP=$(mktemp -d)
current=""

restore() {
  if [ -n "$current" ]; then
    cp "$BACKUP/original" "$current"  # a new time stamp, so the build takes it up again
    current=""
  fi
}
trap 'restore; rm -rf "$BACKUP"' EXIT
trap 'exit 130' INT TERM

# Replaces the one occurrence of the text (\n for a line break) in the file; fails when the
# text is not there exactly once.
apply_fault() {
  python3 - "$1" "$2" "$3" <<'PY'
import sys
path, old, new = sys.argv[1], sys.argv[2].replace("\\n", "\n"), sys.argv[3].replace("\\n", "\n")
text = open(path, encoding="utf-8").read()
if text.count(old) != 1:
    sys.exit(f"{path}: the text occurs {text.count(old)} times, not once: {old!r}")
open(path, "w", encoding="utf-8").write(text.replace(old, new))
PY
}

build_tests() { nice cmake --build --preset release --target "${TEST_TARGETS[@]}" >"$BACKUP/build.log" 2>&1; }
run_tests() {
  for p in "${TEST_PROGRAMS[@]}"; do
    "$BUILD/tests/$p" --gtest_brief=1 --gtest_fail_fast >/dev/null 2>&1 || return 1
  done
}
# A digest of the zone map at every pressure the program uses (-50 to 5000 m in 50 m steps).
zone_maps() {
  cat >"$BACKUP/zone_maps.cpp" <<'CPP'
#include <cstdint>
#include <cstdio>
#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
int main()
{
    using namespace qav;
    const ChartScale s = MakeChartScale(8076, 6259, 15, 15);
    for (int e = -50; e <= 5000; e += 50) {
        const Psychrometrics psy(StationPressure(static_cast<float>(e)));
        RasterCanvas map(8076, 6259, 15, 15);
        PaintZoneMap(map, s, ComputeZoneVertices(s, psy), psy);
        std::uint64_t h = 1469598103934665603ull;
        for (int c = 0; c < map.Columns(); ++c)
            for (int r = 0; r < map.Rows(); ++r) h = (h ^ static_cast<std::uint32_t>(map.PixelAt(c, r))) * 1099511628211ull;
        std::printf("%d %016llx\n", e, static_cast<unsigned long long>(h));
    }
}
CPP
  c++ -std=c++20 -O2 -I. "$BACKUP/zone_maps.cpp" "$BUILD/classify/libqav_classify.a" "$BUILD/chart/libqav_chart.a" \
    "$BUILD/core/libqav_core.a" "$BUILD/text/libqav_text.a" -o "$BACKUP/zone_maps" && "$BACKUP/zone_maps" >"$1"
}
builtin_results() {
  nice cmake --build --preset release --target qav-cli >"$BACKUP/build.log" 2>&1 &&
    "$BUILD/app/qav-cli" analyze --dataset all --all --format json >"$1"
}

cmake --preset release >/dev/null
echo "== unchanged code: building and running the tests"
build_tests || { echo "the unchanged code does not build:"; tail -20 "$BACKUP/build.log"; exit 1; }
run_tests || { echo "the unchanged code fails its own tests; fix that first"; exit 1; }
builtin_results "$BACKUP/reference.json" || { echo "qav-cli does not build"; exit 1; }
zone_maps "$BACKUP/reference.maps"

selected=" $* "
applied=0 killed=0 survivors=()
n=0
while IFS= read -r line; do
  [ -z "$line" ] && continue
  n=$((n + 1))
  [ "$#" -gt 0 ] && [[ "$selected" != *" $n "* ]] && continue
  file=${line%% | *}; rest=${line#* | }
  old=${rest%% | *}; rest=${rest#* | }
  new=${rest%% | *}; what=${rest#* | }
  cp "$file" "$BACKUP/original"
  current=$file
  if ! apply_fault "$file" "$old" "$new"; then
    restore
    echo "$n. NOT APPLIED  $what"
    exit 1
  fi
  applied=$((applied + 1))
  if ! build_tests; then
    verdict="killed (does not compile)"
    killed=$((killed + 1))
  elif ! run_tests; then
    verdict="killed"
    killed=$((killed + 1))
  elif builtin_results "$BACKUP/mutant.json" && cmp -s "$BACKUP/reference.json" "$BACKUP/mutant.json" &&
    zone_maps "$BACKUP/mutant.maps" && cmp -s "$BACKUP/reference.maps" "$BACKUP/mutant.maps"; then
    verdict="SURVIVED, no built-in result or zone map changes"
    survivors+=("$n")
  else
    verdict="SURVIVED, CHANGES BUILT-IN RESULTS OR ZONE MAPS"
    survivors+=("$n")
  fi
  restore
  printf '%2d. %-40s %s (%s)\n' "$n" "$verdict" "$what" "$file"
done <<<"$FAULTS"

echo "== rebuilding the unchanged code"
nice cmake --build --preset release --target "${TEST_TARGETS[@]}" qav-cli >"$BACKUP/build.log" 2>&1
echo "Killed $killed of $applied faults.${survivors:+ Survivors: ${survivors[*]}}"
