#include "data/station_catalogue.h"

#include <fast_float/fast_float.h>

#include <charconv>
#include <system_error>

#include "data/file_bytes.h"
#include "data/read_failure.h"

namespace qav {

namespace {

constexpr int kColumns = 8 + 3 * kMonths;
// A catalogue of 3,730 stations takes 0.8 MB; the limit leaves room to grow and stops a wrong file.
constexpr std::size_t kMaxCatalogueBytes = std::size_t{64} << 20;

// The fields of one CSV line; a quoted field may hold commas, and "" stands for one quote.
std::vector<std::string> SplitCsvLine(std::string_view line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string ColumnName(int column)
{
    constexpr const char* kFixed[] = {"wmo",       "name",        "country", "latitude",
                                      "longitude", "elevation_m", "source",  "rh_source"};
    if (column < 8) return kFixed[column];
    const int k = column - 8;
    return std::string(k < 12 ? "tmin_" : k < 24 ? "tmax_" : "rh_") + std::to_string(k % 12 + 1);
}

// The Monthly Data reader's ranges, so that every station reads back from such a file.
std::pair<double, double> ColumnRange(int column)
{
    switch (column) {
        case 3:
            return {-90, 90};
        case 4:
            return {-180, 180};
        case 5:
            return {-500, 9000};
        default:
            return column < 8 + 24 ? std::pair{-90.0, 55.0} : std::pair{0.0, 100.0};
    }
}

}  // namespace

const Station* StationCatalogue::Find(int wmo) const
{
    for (const Station& s : Stations)
        if (s.Wmo == wmo) return &s;
    return nullptr;
}

StationCatalogueResult ParseStationCatalogue(std::string_view csv)
{
    StationCatalogueResult result;
    if (csv.starts_with("\xEF\xBB\xBF")) csv.remove_prefix(3);
    int lineNumber = 0;
    const auto fail = [&](int column, const std::string& why) {
        result.failure =
            "line " + std::to_string(lineNumber) +
            (column >= 0 ? ", field " + std::to_string(column + 1) + " (" + ColumnName(column) + ")" : "") + ": " + why;
        result.catalogue.Stations.clear();
        return result;
    };
    while (!csv.empty()) {
        const std::size_t end = csv.find('\n');
        std::string_view line = csv.substr(0, end);
        csv.remove_prefix(end == std::string_view::npos ? csv.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (++lineNumber == 1 || line.empty()) continue;  // the header names the columns above
        const std::vector<std::string> f = SplitCsvLine(line);
        if (static_cast<int>(f.size()) != kColumns)
            return fail(-1, std::to_string(f.size()) + " fields instead of " + std::to_string(kColumns));
        Station s;
        const auto [wmoEnd, wmoError] = std::from_chars(f[0].data(), f[0].data() + f[0].size(), s.Wmo);
        if (wmoError != std::errc{} || wmoEnd != f[0].data() + f[0].size() || s.Wmo <= 0)
            return fail(0, "'" + f[0] + "' is not a station number");
        s.Name = f[1];
        s.Country = f[2];
        s.Source = f[6];
        // The source field names the service, and ParseStationSourceField reads only these two.
        if (s.Source != "WMO" && s.Source != "INMET") return fail(6, "'" + f[6] + "' is neither WMO nor INMET");
        if (f[7] != "reported" && f[7] != "derived") return fail(7, "'" + f[7] + "' is neither reported nor derived");
        s.RhDerived = f[7] == "derived";
        for (int column = 3; column < kColumns; ++column) {
            if (column == 6) column = 8;
            const std::string& text = f[column];
            float value = 0;
            const auto [ptr, ec] = fast_float::from_chars(text.data(), text.data() + text.size(), value);
            if (text.empty() || ec != std::errc{} || ptr != text.data() + text.size())
                return fail(column, "'" + text + "' is not a number");
            const auto [lo, hi] = ColumnRange(column);
            if (!(value >= lo && value <= hi))
                return fail(column, text + " is out of range (" + std::to_string(static_cast<int>(lo)) + " to " +
                                        std::to_string(static_cast<int>(hi)) + ")");
            value += 0.0f;  // "-0.0" is 0, as the Monthly Data reader reads it
            if (column == 3)
                s.Latitude = value;
            else if (column == 4)
                s.Longitude = value;
            else if (column == 5)
                s.Elevation = value;
            else {
                const int k = column - 8;
                MonthlyNormals& m = s.Month[k % 12 + 1];
                (k < 12 ? m.DBTmin : k < 24 ? m.DBTmax : m.RHavg) = value;
            }
        }
        result.catalogue.Stations.push_back(std::move(s));
    }
    if (result.catalogue.Stations.empty()) {
        result.failure = "the catalogue holds no station";
    }
    return result;
}

StationCatalogueResult ReadStationCatalogue(const std::filesystem::path& file)
{
    FileBytes bytes = ReadFileBytes(file, kMaxCatalogueBytes);
    StationCatalogueResult result;
    if (bytes.failure) {
        bytes.failure->File = file;
        result.failure = EnglishReadFailure(*bytes.failure);  // already names the file
        return result;
    }
    if (bytes.tooLarge)
        result.failure = "the file is too large for a station catalogue";
    else
        result = ParseStationCatalogue(bytes.bytes);
    if (result.failure) result.failure = file.string() + ": " + *result.failure;
    return result;
}

std::vector<std::filesystem::path> StationCatalogueCandidates(const std::filesystem::path& programDir)
{
    std::vector<std::filesystem::path> candidates;
    if (!programDir.empty()) candidates.push_back(programDir.parent_path() / "share" / "qav" / kStationCatalogueFile);
#ifdef QAV_STATION_CATALOGUE_SOURCE
    candidates.emplace_back(QAV_STATION_CATALOGUE_SOURCE);
#endif
    return candidates;
}

std::optional<std::filesystem::path> FindStationCatalogue(const std::filesystem::path& programDir)
{
    for (const std::filesystem::path& candidate : StationCatalogueCandidates(programDir)) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
    }
    return std::nullopt;
}

std::string StationSourceField(const Station& station)
{
    return station.Source + " " + std::to_string(station.Wmo) + " " + std::string(kStationPeriod) +
           (station.RhDerived ? " RH derived" : "");
}

std::optional<StationTag> ParseStationSourceField(std::string_view source)
{
    StationTag tag;
    if (source.starts_with("INMET "))
        tag.Agency = "INMET";
    else if (!source.starts_with("WMO "))
        return std::nullopt;
    source.remove_prefix(tag.Agency.size() + 1);
    const auto [ptr, ec] = std::from_chars(source.data(), source.data() + source.size(), tag.Wmo);
    if (ec != std::errc{} || tag.Wmo <= 0 || ptr == source.data() + source.size() || *ptr != ' ') return std::nullopt;
    source.remove_prefix(static_cast<std::size_t>(ptr - source.data()) + 1);
    // A period is two four-digit years joined by a hyphen.
    const auto isPeriod = [](std::string_view p) {
        if (p.size() != 9 || p[4] != '-') return false;
        for (std::size_t i = 0; i < 9; ++i)
            if (i != 4 && (p[i] < '0' || p[i] > '9')) return false;
        return true;
    };
    if (!isPeriod(source.substr(0, 9))) return std::nullopt;
    tag.Period = std::string(source.substr(0, 9));
    source.remove_prefix(9);
    if (source == " RH derived")
        tag.RhDerived = true;
    else if (!source.empty())
        return std::nullopt;
    return tag;
}

LocationRecord StationLocation(const Station& station)
{
    LocationRecord l;
    l.LocationName = station.Name;
    l.Country = station.Country;
    l.Latitude = station.Latitude;
    l.Longitude = station.Longitude;
    l.Elevation = station.Elevation;
    l.DataSource = StationSourceField(station);
    l.Month = station.Month;
    return l;
}

}  // namespace qav
