#include "core/wind_rose.h"

#include <algorithm>
#include <cmath>

namespace qav {
namespace {

constexpr int kVentilation = 6;  // strategy F
constexpr double kSectorDeg = 360.0 / kWindSectors;

struct RoseBuilder {
    WindRose rose;
    std::array<std::vector<float>, kWindSectors> speeds;  // for the prevailing sector's median

    void Add(const RecordedHour& h)
    {
        if (std::isnan(h.WindDirection) || std::isnan(h.WindSpeed)) {
            ++rose.Missing;
            return;
        }
        if (h.WindSpeed < kCalmBelowMs) {
            ++rose.Calm;
            return;
        }
        const int sector = WindSector(h.WindDirection);
        ++rose.Hours[sector][WindClass(h.WindSpeed)];
        speeds[sector].push_back(h.WindSpeed);
    }

    WindRose Finish()
    {
        int best = -1, bestHours = 0;
        for (int k = 0; k < kWindSectors; ++k) {
            if (rose.SectorHours(k) > bestHours) {
                best = k;
                bestHours = rose.SectorHours(k);
            }
        }
        if (best < 0) return rose;
        rose.Prevailing = best;
        rose.PrevailingShare = std::round(1000.0 * bestHours / rose.Counted()) / 10.0f;
        std::vector<float>& v = speeds[best];
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        rose.PrevailingMedianMs = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
        return rose;
    }
};

}  // namespace

std::string_view WindSectorName(int sector)
{
    static constexpr std::array<std::string_view, kWindSectors> kNames{
        "N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE", "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    return kNames[static_cast<std::size_t>(sector) % kWindSectors];
}

int WindSector(double directionDeg)
{
    return static_cast<int>(std::floor((directionDeg + kSectorDeg / 2) / kSectorDeg)) % kWindSectors;
}

int WindClass(double speedMs) { return std::clamp(static_cast<int>(std::floor(speedMs / 2)), 0, kWindClasses - 1); }

int SeasonOf(int month) { return month % 12 / 3; }

int WindRose::SectorHours(int sector) const
{
    int n = 0;
    for (const int c : Hours[sector]) n += c;
    return n;
}

int WindRose::Counted() const
{
    int n = Calm;
    for (int k = 0; k < kWindSectors; ++k) n += SectorHours(k);
    return n;
}

WindRoses WindRosesOf(const std::vector<RecordedHour>& hours, const std::vector<std::int8_t>& strategies)
{
    RoseBuilder all, ventilation;
    std::array<RoseBuilder, kSeasons> season;
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const RecordedHour& h = hours[i];
        all.Add(h);
        season[SeasonOf(h.Month)].Add(h);
        if (i < strategies.size() && strategies[i] == kVentilation) ventilation.Add(h);
    }
    WindRoses roses;
    roses.All = all.Finish();
    roses.Ventilation = ventilation.Finish();
    for (int s = 0; s < kSeasons; ++s) roses.Season[s] = season[s].Finish();
    return roses;
}

}  // namespace qav
