#include "core/wind_rose.h"

#include <algorithm>
#include <cmath>

#include "text/compass_names.h"

namespace qav {
namespace {

constexpr int kVentilation = 6;  // strategy F
constexpr double kSectorDeg = 360.0 / kWindSectors;

constexpr int kMissingCode = -2, kCalmCode = -1;

// An hour's wind as one number: missing, calm, or sector * kWindClasses + class.
int WindCode(const RecordedHour& h)
{
    if (std::isnan(h.WindDirection) || std::isnan(h.WindSpeed)) return kMissingCode;
    if (h.WindSpeed < kCalmBelowMs) return kCalmCode;
    return WindSector(h.WindDirection) * kWindClasses + WindClass(h.WindSpeed);
}

// Counts a rose's hours; the median of the prevailing sector comes from a second pass, once that
// sector is known, so that no speeds are kept for the others.
struct RoseBuilder {
    WindRose rose;
    std::vector<float> speeds;

    void Add(int code)
    {
        if (code == kMissingCode)
            ++rose.Missing;
        else if (code == kCalmCode)
            ++rose.Calm;
        else
            ++rose.Hours[code / kWindClasses][code % kWindClasses];
    }

    // Picks the prevailing sector and its share; true when there is one.
    bool Prevail()
    {
        int best = -1, bestHours = 0;
        for (int k = 0; k < kWindSectors; ++k) {
            if (rose.SectorHours(k) > bestHours) {
                best = k;
                bestHours = rose.SectorHours(k);
            }
        }
        if (best < 0) return false;
        rose.Prevailing = best;
        rose.PrevailingShare = std::round(1000.0 * bestHours / rose.Counted()) / 10.0f;
        speeds.reserve(static_cast<std::size_t>(bestHours));
        return true;
    }

    void AddSpeed(int code, float speed)
    {
        if (code >= 0 && code / kWindClasses == rose.Prevailing) speeds.push_back(speed);
    }

    WindRose Finish()
    {
        const std::size_t n = speeds.size();
        if (n == 0) return rose;
        std::sort(speeds.begin(), speeds.end());
        rose.PrevailingMedianMs = n % 2 ? speeds[n / 2] : (speeds[n / 2 - 1] + speeds[n / 2]) / 2;
        return rose;
    }
};

}  // namespace

std::string_view WindSectorName(int sector)
{
    // Stored data (the JSON's sectors) keeps the English names whatever the language.
    return CompassName(Language::English, sector);
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
    std::vector<int> codes(hours.size());
    const auto ventilated = [&](std::size_t i) { return i < strategies.size() && strategies[i] == kVentilation; };
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const int code = codes[i] = WindCode(hours[i]);
        all.Add(code);
        season[SeasonOf(hours[i].Month)].Add(code);
        if (ventilated(i)) ventilation.Add(code);
    }
    bool any = all.Prevail();
    any |= ventilation.Prevail();
    for (RoseBuilder& s : season) any |= s.Prevail();
    for (std::size_t i = 0; any && i < hours.size(); ++i) {
        all.AddSpeed(codes[i], hours[i].WindSpeed);
        season[SeasonOf(hours[i].Month)].AddSpeed(codes[i], hours[i].WindSpeed);
        if (ventilated(i)) ventilation.AddSpeed(codes[i], hours[i].WindSpeed);
    }
    WindRoses roses;
    roses.All = all.Finish();
    roses.Ventilation = ventilation.Finish();
    for (int s = 0; s < kSeasons; ++s) roses.Season[s] = season[s].Finish();
    return roses;
}

}  // namespace qav
