#include "data/place_search.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>
#include <unordered_map>

#include "core/text_fold.h"
#include "data/file_bytes.h"
#include "data/read_failure.h"
#include "data/station_search.h"
#include "text/country_names.h"

namespace qav {

namespace {

// The list takes 6.7 MB; the limit leaves room to grow and stops a wrong file early.
constexpr std::size_t kMaxPlaceListBytes = std::size_t{64} << 20;
constexpr int kFields = 8;

struct BrazilianState {
    std::string_view Uf, Name;
};
// IBGE's 27 federative units.
constexpr std::array<BrazilianState, 27> kStates{{
    {"AC", "Acre"},
    {"AL", "Alagoas"},
    {"AP", "Amapá"},
    {"AM", "Amazonas"},
    {"BA", "Bahia"},
    {"CE", "Ceará"},
    {"DF", "Distrito Federal"},
    {"ES", "Espírito Santo"},
    {"GO", "Goiás"},
    {"MA", "Maranhão"},
    {"MT", "Mato Grosso"},
    {"MS", "Mato Grosso do Sul"},
    {"MG", "Minas Gerais"},
    {"PA", "Pará"},
    {"PB", "Paraíba"},
    {"PR", "Paraná"},
    {"PE", "Pernambuco"},
    {"PI", "Piauí"},
    {"RJ", "Rio de Janeiro"},
    {"RN", "Rio Grande do Norte"},
    {"RS", "Rio Grande do Sul"},
    {"RO", "Rondônia"},
    {"RR", "Roraima"},
    {"SC", "Santa Catarina"},
    {"SP", "São Paulo"},
    {"SE", "Sergipe"},
    {"TO", "Tocantins"},
}};

// Names people give countries besides the table's two, folded.
constexpr std::pair<std::string_view, std::string_view> kCountryAliases[] = {
    {"usa", "US"},
    {"eua", "US"},
    {"united states of america", "US"},
    {"estados unidos da america", "US"},
    {"uk", "GB"},
    {"great britain", "GB"},
    {"gra bretanha", "GB"},
    {"england", "GB"},
    {"inglaterra", "GB"},
    {"holland", "NL"},
    {"holanda", "NL"},
    {"russian federation", "RU"},
    {"czech republic", "CZ"},
    {"republica tcheca", "CZ"},
    {"turkey", "TR"},
    {"ivory coast", "CI"},
    {"korea", "KR"},
    {"coreia", "KR"},
};

bool Digits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> Words(std::string_view folded)
{
    std::vector<std::string> words;
    while (!folded.empty()) {
        const std::size_t blank = folded.find(' ');
        words.emplace_back(folded.substr(0, blank));
        folded.remove_prefix(blank == std::string_view::npos ? folded.size() : blank + 1);
    }
    return words;
}

std::string Joined(const std::vector<std::string>& words, std::size_t begin, std::size_t end)
{
    std::string s;
    for (std::size_t i = begin; i < end; ++i) s += (i > begin ? " " : "") + words[i];
    return s;
}

}  // namespace

const std::string& Place::NameIn(Language language) const
{
    return language == Language::PortugueseBrazil && !NamePt.empty() ? NamePt : Name;
}

PlaceListResult ParsePlaceList(std::string_view tsv)
{
    PlaceListResult result;
    if (tsv.starts_with("\xEF\xBB\xBF")) tsv.remove_prefix(3);
    int lineNumber = 0;
    std::vector<Place>& places = result.list.Places;
    places.reserve(std::count(tsv.begin(), tsv.end(), '\n'));
    while (!tsv.empty()) {
        const std::size_t end = tsv.find('\n');
        std::string_view line = tsv.substr(0, end);
        tsv.remove_prefix(end == std::string_view::npos ? tsv.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (lineNumber == 1 || line.empty()) continue;  // the header
        std::array<std::string_view, kFields> f;
        int n = 0;
        for (; n < kFields && !line.empty(); ++n) {
            const std::size_t tab = line.find('\t');
            f[n] = line.substr(0, tab);
            line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
            if (tab == std::string_view::npos) {
                ++n;
                break;
            }
        }
        const auto fail = [&](std::string_view field, const std::string& why) {
            result.failure = "line " + std::to_string(lineNumber) + " (" + std::string(field) + "): " + why;
            places.clear();
        };
        if (n != kFields || !line.empty()) {
            fail("fields", "expected 8 tab-separated fields");
            return result;
        }
        Place p;
        const auto whole = [&](std::string_view s, auto& value) {
            const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
            return ec == std::errc{} && ptr == s.data() + s.size() && value >= 0;
        };
        const auto degrees = [&](std::string_view s, double& value, double limit) {
            const auto [ptr, ec] = fast_float::from_chars(s.data(), s.data() + s.size(), value);
            return ec == std::errc{} && ptr == s.data() + s.size() && std::abs(value) <= limit;
        };
        if (!whole(f[0], p.GeonamesId) || p.GeonamesId == 0) {
            fail("geonames_id", "'" + std::string(f[0]) + "' is not a positive whole number");
            return result;
        }
        if (f[1].empty()) {
            fail("name", "the name is empty");
            return result;
        }
        if (f[3].size() != 2) {
            fail("country", "'" + std::string(f[3]) + "' is not a two-letter code");
            return result;
        }
        if (!whole(f[5], p.Population)) {
            fail("population", "'" + std::string(f[5]) + "' is not a whole number of 0 or more");
            return result;
        }
        if (!degrees(f[6], p.Latitude, 90)) {
            fail("latitude", "'" + std::string(f[6]) + "' is not a latitude (-90 to 90)");
            return result;
        }
        if (!degrees(f[7], p.Longitude, 180)) {
            fail("longitude", "'" + std::string(f[7]) + "' is not a longitude (-180 to 180)");
            return result;
        }
        p.Name = f[1];
        p.NamePt = f[2];
        p.Country = f[3];
        p.Division = f[4];
        places.push_back(std::move(p));
    }
    if (places.empty()) result.failure = "the list holds no place";
    return result;
}

PlaceListResult ReadPlaceList(const std::filesystem::path& file)
{
    FileBytes bytes = ReadFileBytes(file, kMaxPlaceListBytes);
    PlaceListResult result;
    if (bytes.failure) {
        bytes.failure->File = file;
        result.failure = EnglishReadFailure(*bytes.failure);  // already names the file
        return result;
    }
    if (bytes.tooLarge)
        result.failure = "the file is too large for a place list";
    else
        result = ParsePlaceList(bytes.bytes);
    if (result.failure) result.failure = file.string() + ": " + *result.failure;
    return result;
}

std::vector<std::filesystem::path> PlaceListCandidates(const std::filesystem::path& programDir)
{
    std::vector<std::filesystem::path> candidates;
    if (!programDir.empty()) candidates.push_back(programDir.parent_path() / "share" / "qav" / kPlaceListFile);
#ifdef QAV_PLACE_LIST_SOURCE
    candidates.emplace_back(QAV_PLACE_LIST_SOURCE);
#endif
    return candidates;
}

std::optional<std::filesystem::path> FindPlaceList(const std::filesystem::path& programDir)
{
    for (const std::filesystem::path& candidate : PlaceListCandidates(programDir)) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
    }
    return std::nullopt;
}

std::string PlaceLabel(const Place& place, Language language)
{
    std::string label = place.NameIn(language) + " (";
    if (!place.Division.empty() && !Digits(place.Division)) label += place.Division + ", ";
    return label + std::string(CountryName(place.Country, language)) + ")";
}

StationLocator::StationLocator(const StationCatalogue& catalogue)
{
    for (const Station& s : catalogue.Stations) byLatitude_.push_back(&s);
    std::sort(byLatitude_.begin(), byLatitude_.end(),
              [](const Station* a, const Station* b) { return a->Latitude < b->Latitude; });
}

std::vector<NearStation> StationLocator::Nearest(double latitude, double longitude, std::size_t count) const
{
    std::vector<NearStation> best;
    if (count == 0) return best;
    const auto closer = [](const NearStation& a, const NearStation& b) {
        return a.DistanceKm != b.DistanceKm ? a.DistanceKm < b.DistanceKm : a.station->Wmo < b.station->Wmo;
    };
    const auto consider = [&](const Station* s) {
        NearStation m{s, GreatCircleKm(latitude, longitude, s->Latitude, s->Longitude)};
        if (best.size() == count && !closer(m, best.back())) return;
        best.insert(std::upper_bound(best.begin(), best.end(), m, closer), m);
        if (best.size() > count) best.pop_back();
    };
    // Walk outwards from the point's latitude in both directions. A station's difference of
    // latitude alone is a lower bound of its distance (along the meridian), so each direction
    // stops once that bound passes the farthest of the stations kept.
    constexpr double kKmPerDegree = kEarthRadiusKm * std::numbers::pi / 180;
    const auto beyond = [&](const Station* s) {
        return best.size() == count && std::abs(s->Latitude - latitude) * kKmPerDegree > best.back().DistanceKm;
    };
    const auto split = std::lower_bound(byLatitude_.begin(), byLatitude_.end(), latitude,
                                        [](const Station* s, double lat) { return s->Latitude < lat; });
    for (auto it = split; it != byLatitude_.end() && !beyond(*it); ++it) consider(*it);
    for (auto it = split; it != byLatitude_.begin() && !beyond(*(it - 1)); --it) consider(*(it - 1));
    return best;
}

// A narrowing of the search: the place lies in one of these countries, in one of these states of
// Brazil, or in a division of this lettered code in any country (a two-letter word can be all
// three: SC is Seychelles, Santa Catarina and South Carolina; AZ Azerbaijan and Arizona).
struct PlaceIndex::Filter {
    std::vector<std::string> countries;
    std::vector<std::string> states;
    std::string division;
    bool Admits(const Place& p) const
    {
        if (std::find(countries.begin(), countries.end(), p.Country) != countries.end()) return true;
        if (!division.empty() && p.Division == division) return true;
        return p.Country == "BR" && std::find(states.begin(), states.end(), p.Division) != states.end();
    }
};

namespace {

// What a folded text names as a country or a Brazilian state; false when it names neither.
bool FilterWords(std::string_view folded, std::vector<std::string>& countries, std::vector<std::string>& states)
{
    struct Name {
        std::string folded;
        std::string_view code;
        bool state;
    };
    // Folded once: the codes, the countries' names in both languages, the aliases and the states.
    static const std::vector<Name> names = [] {
        std::vector<Name> n;
        for (const CountryNames& c : Countries()) {
            n.push_back({FoldText(c.Code), c.Code, false});
            n.push_back({FoldText(c.English), c.Code, false});
            n.push_back({FoldText(c.Portuguese), c.Code, false});
        }
        for (const auto& [alias, code] : kCountryAliases) n.push_back({std::string(alias), code, false});
        for (const BrazilianState& s : kStates) {
            n.push_back({FoldText(s.Uf), s.Uf, true});
            n.push_back({FoldText(s.Name), s.Uf, true});
        }
        return n;
    }();
    countries.clear();
    states.clear();
    for (const Name& n : names) {
        if (n.folded != folded) continue;
        std::vector<std::string>& to = n.state ? states : countries;
        if (std::find(to.begin(), to.end(), n.code) == to.end()) to.emplace_back(n.code);
    }
    return !countries.empty() || !states.empty();
}

}  // namespace

std::vector<std::string> CountriesNamed(std::string_view text)
{
    std::vector<std::string> countries, states;
    FilterWords(FoldText(text), countries, states);
    return countries;
}

PlaceIndex::PlaceIndex(const PlaceList& list) : list_(&list)
{
    names_ = "\n";
    const auto add = [&](std::string folded, std::uint32_t place) {
        if (folded.empty()) return;
        // A name already added for this place (the exonym or the German form folding alike) is not repeated.
        for (std::size_t k = owner_.size(); k > 0 && owner_[k - 1] == place; --k)
            if (std::string_view(names_).substr(starts_[k - 1], folded.size() + 1) == folded + "\n") return;
        starts_.push_back(static_cast<std::uint32_t>(names_.size()));
        owner_.push_back(place);
        names_ += folded;
        names_ += '\n';
    };
    for (std::uint32_t i = 0; i < list.Places.size(); ++i) {
        const Place& p = list.Places[i];
        add(FoldText(p.Name), i);
        add(FoldText(p.Name, UmlautFold::WithE), i);
        add(FoldText(p.NamePt), i);
    }
    starts_.push_back(static_cast<std::uint32_t>(names_.size()));
    // Lettered division codes of two or three letters, which people write after a town: "Phoenix, AZ".
    for (const Place& p : list.Places)
        if (p.Division.size() >= 2 && p.Division.size() <= 3 &&
            std::all_of(p.Division.begin(), p.Division.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
            divisions_.push_back(p.Division);
    std::sort(divisions_.begin(), divisions_.end());
    divisions_.erase(std::unique(divisions_.begin(), divisions_.end()), divisions_.end());
}

bool PlaceIndex::FilterOf(std::string_view folded, Filter& filter) const
{
    FilterWords(folded, filter.countries, filter.states);
    filter.division.clear();
    if (folded.size() >= 2 && folded.size() <= 3) {
        std::string upper(folded);
        for (char& c : upper)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (std::binary_search(divisions_.begin(), divisions_.end(), upper)) filter.division = upper;
    }
    return !filter.countries.empty() || !filter.states.empty() || !filter.division.empty();
}

void PlaceIndex::Collect(const std::vector<std::string>& words, const std::vector<Filter>& filters, std::size_t limit,
                         Found& found) const
{
    if (words.empty()) return;
    const std::string phrase = Joined(words, 0, words.size());
    // The longest word is the rarest: look for it in the whole buffer, then check the others in
    // the names it was found in.
    const std::string& needle =
        *std::max_element(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
    const char* const begin = names_.data();
    const char* const end = begin + names_.size();
    // memmem (glibc's two-way search, vectorised for short needles) scans the 1.5 MB
    // of names in well under a millisecond. Elsewhere (the WebAssembly module) the needle's first
    // byte is looked for with memchr, a word at a time, and the rest compared where it is found:
    // several times faster there than std::search, which steps byte by byte.
    const auto next = [&](const char* from) {
#if defined(__GLIBC__)
        const void* hit = memmem(from, static_cast<std::size_t>(end - from), needle.data(), needle.size());
        return hit ? static_cast<const char*>(hit) : end;
#else
        if (needle.empty()) return from;
        for (const char* at = from; static_cast<std::size_t>(end - at) >= needle.size(); ++at) {
            at = static_cast<const char*>(std::memchr(at, needle[0], static_cast<std::size_t>(end - at)));
            if (!at || static_cast<std::size_t>(end - at) < needle.size()) return end;
            if (std::memcmp(at + 1, needle.data() + 1, needle.size() - 1) == 0) return at;
        }
        return end;
#endif
    };
    // Names are in the list's order, most populous first, and a place's names lie side by side:
    // each group fills in that order, and its best rank is known when the next place begins.
    // A name that is the query itself comes first whatever its population ("Guará" before the
    // larger Guaratinguetá); those few are found by their whole line before the scan.
    const std::string line = "\n" + phrase + "\n";
    for (std::size_t at = names_.find(line); at != std::string::npos; at = names_.find(line, at + 1)) {
        const std::uint32_t owner = owner_[static_cast<std::size_t>(
            std::upper_bound(starts_.begin(), starts_.end(), at + 1) - starts_.begin() - 1)];
        const Place& p = list_->Places[owner];
        if (std::all_of(filters.begin(), filters.end(), [&](const Filter& f) { return f.Admits(p); }) &&
            (found[0].empty() || found[0].back() != owner))
            found[0].push_back(owner);
    }
    std::uint32_t pending = UINT32_MAX;
    int pendingRank = 4;
    const auto flush = [&] {
        if (pendingRank < 4 && std::find(found[0].begin(), found[0].end(), pending) == found[0].end())
            found[pendingRank].push_back(pending);
        pendingRank = 4;
    };
    std::size_t entry = 0;
    for (const char* at = next(begin); at != end; at = next(at)) {
        const auto offset = static_cast<std::uint32_t>(at - begin);
        while (starts_[entry + 1] <= offset) ++entry;
        const std::uint32_t owner = owner_[entry];
        const std::string_view name(begin + starts_[entry], starts_[entry + 1] - 1 - starts_[entry]);
        at = begin + starts_[entry + 1];  // one look at each name
        if (owner != pending) {
            flush();
            // Nothing later can come before a full group of prefix matches.
            if (limit > 0 && found[0].size() + found[1].size() >= limit) return;
            pending = owner;
        }
        const Place& p = list_->Places[owner];
        if (!std::all_of(filters.begin(), filters.end(), [&](const Filter& f) { return f.Admits(p); })) continue;
        if (!std::all_of(words.begin(), words.end(),
                         [&](const std::string& w) { return name.find(w) != std::string_view::npos; }))
            continue;
        const int rank = name.starts_with(phrase) ? 1 : name.find(" " + phrase) != std::string_view::npos ? 2 : 3;
        pendingRank = std::min(pendingRank, rank);
    }
    flush();
}

std::vector<const Place*> PlaceIndex::Search(std::string_view query, std::size_t limit) const
{
    // Queries longer than any name cannot match; the cap keeps a pasted page from costing time.
    constexpr std::size_t kLongestQuery = 200;
    std::vector<const Place*> places;
    if (query.size() > 4 * kLongestQuery) query = query.substr(0, 4 * kLongestQuery);
    const std::string folded = FoldText(query);
    if (folded.empty() || folded.size() > kLongestQuery) return places;

    // Narrowings peeled from the end: after commas ("Campinas, SP, Brasil"), or else the last
    // one to four words ("Juiz de Fora Minas Gerais"), each at most once.
    std::vector<Filter> filters;
    std::vector<std::string> head;
    const std::size_t comma = query.find(',');
    if (comma != std::string_view::npos) {
        std::vector<std::string_view> parts;
        for (std::string_view rest = query;;) {
            const std::size_t c = rest.find(',');
            parts.push_back(rest.substr(0, c));
            if (c == std::string_view::npos) break;
            rest.remove_prefix(c + 1);
        }
        for (Filter f; parts.size() > 1 && filters.size() < 2 && FilterOf(FoldText(parts.back()), f);) {
            filters.push_back(f);
            parts.pop_back();
        }
        for (std::string_view part : parts)
            for (std::string& w : Words(FoldText(part))) head.push_back(std::move(w));
    } else {
        head = Words(folded);
        while (filters.size() < 2 && head.size() > 1) {
            bool peeled = false;
            for (std::size_t k = std::min<std::size_t>(4, head.size() - 1); k >= 1 && !peeled; --k) {
                if (Filter f; FilterOf(Joined(head, head.size() - k, head.size()), f)) {
                    filters.push_back(f);
                    head.resize(head.size() - k);
                    peeled = true;
                }
            }
            if (!peeled) break;
        }
    }
    // The narrowed matches, then every match of the whole text, unnarrowed, after them.
    Found narrowed, whole;
    if (!filters.empty()) Collect(head, filters, limit, narrowed);
    std::size_t count = 0;
    for (const auto& group : narrowed) count += group.size();
    if (limit == 0 || count < limit) Collect(Words(folded), {}, limit, whole);
    std::vector<bool> taken(filters.empty() ? 0 : list_->Places.size());
    for (const Found* f : {&narrowed, &whole}) {
        for (const std::vector<std::uint32_t>& group : *f) {
            for (std::uint32_t owner : group) {
                if (limit > 0 && places.size() == limit) return places;
                // A narrowed match is found again unnarrowed; the narrowed search has placed it.
                if (!taken.empty()) {
                    if (taken[owner]) continue;
                    taken[owner] = true;
                }
                places.push_back(&list_->Places[owner]);
            }
        }
    }
    return places;
}

std::size_t PlaceIndex::NamedAlike(const Place& place) const
{
    std::vector<std::uint32_t> owners;
    const std::string_view all(names_);
    for (const std::string& name : {FoldText(place.Name), FoldText(place.NamePt)}) {
        if (name.empty()) continue;
        const std::string whole = "\n" + name + "\n";
        for (std::size_t at = all.find(whole); at != std::string_view::npos; at = all.find(whole, at + 1)) {
            const auto entry = std::upper_bound(starts_.begin(), starts_.end(), at + 1) - starts_.begin() - 1;
            owners.push_back(owner_[static_cast<std::size_t>(entry)]);
        }
    }
    std::sort(owners.begin(), owners.end());
    return static_cast<std::size_t>(std::unique(owners.begin(), owners.end()) - owners.begin());
}

std::vector<const Place*> PlaceIndex::Near(double latitude, double longitude, std::size_t count) const
{
    std::vector<std::pair<double, const Place*>> all;
    all.reserve(list_->Places.size());
    for (const Place& p : list_->Places)
        all.emplace_back(GreatCircleKm(latitude, longitude, p.Latitude, p.Longitude), &p);
    const std::size_t n = std::min(count, all.size());
    // Ties by the list's order, most populous first.
    std::partial_sort(
        all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n), all.end(),
        [](const auto& a, const auto& b) { return a.first != b.first ? a.first < b.first : a.second < b.second; });
    std::vector<const Place*> places;
    for (std::size_t i = 0; i < n; ++i) places.push_back(all[i].second);
    return places;
}

const NearStation* PlaceMatch::Climate() const
{
    return !stations.empty() && !stations.front().TooFar() ? &stations.front() : nullptr;
}

std::vector<PlaceMatch> SearchPlaces(const PlaceIndex& index, const StationLocator& stations, std::string_view query,
                                     std::size_t limit)
{
    std::vector<PlaceMatch> matches;
    for (const Place* p : index.Search(query, limit))
        matches.push_back({p, stations.Nearest(p->Latitude, p->Longitude, kPlaceStations)});
    return matches;
}

}  // namespace qav
