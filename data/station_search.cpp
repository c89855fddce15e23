#include "data/station_search.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "core/text_fold.h"
#include "text/language.h"

namespace qav {

double GreatCircleKm(double lat1, double lon1, double lat2, double lon2)
{
    constexpr double kRad = std::numbers::pi / 180;
    const double sinLat = std::sin((lat2 - lat1) * kRad / 2);
    const double sinLon = std::sin((lon2 - lon1) * kRad / 2);
    const double h = sinLat * sinLat + std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * sinLon * sinLon;
    // Rounding can take h a hair above 1 for antipodes: asin needs at most 1.
    return 2 * kEarthRadiusKm * std::asin(std::sqrt(std::min(h, 1.0)));
}

bool StationMatch::Far() const
{
    return (DistanceKm && *DistanceKm > kFarDistanceKm) ||
           (ElevationDifferenceM && std::abs(*ElevationDifferenceM) > kFarElevationM);
}

namespace {

struct Token {
    enum Kind { Number, Hemisphere, Metres } kind = Number;
    double value = 0;
    bool signed_ = false;  // a sign was written
    std::string text;      // as typed, for messages
    char letter = 0;       // N, S, E or W
};

// Splits coordinates into numbers, hemisphere letters and a metre sign. With decimalComma a comma
// between two digits is a decimal separator; otherwise every comma separates. Fails (none) on
// anything that has no place in coordinates.
std::optional<std::vector<Token>> Tokenize(std::string_view s, bool decimalComma)
{
    std::vector<Token> tokens;
    const auto digit = [&](std::size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        // Degree, minute and second signs and their look-alikes separate like blanks:
        // ° º (U+00B0, U+00BA), ′ ″ (U+2032, U+2033), ’ ” (U+2019, U+201D).
        static constexpr std::string_view kMarks[] = {"\xC2\xB0",     "\xC2\xBA",     "\xE2\x80\xB2", "\xE2\x80\xB3",
                                                      "\xE2\x80\x99", "\xE2\x80\x9D", "\xC2\xA0"};
        bool mark = false;
        for (std::string_view m : kMarks) {
            if (s.substr(i).starts_with(m)) {
                i += m.size();
                mark = true;
                break;
            }
        }
        if (mark) continue;
        if (c == ' ' || c == '\t' || c == ';' || c == '\'' || c == '"' || c == ',') {
            ++i;
            continue;
        }
        const bool minusSign = s.substr(i).starts_with("\xE2\x88\x92");  // U+2212
        if (digit(i) || c == '+' || c == '-' || c == '.' || minusSign) {
            Token t;
            std::string number;
            if (c == '+' || c == '-' || minusSign) {
                t.signed_ = true;
                if (c != '+') number += '-';
                i += minusSign ? 3 : 1;
            }
            const std::size_t start = i;
            while (digit(i)) number += s[i++];
            if (i < s.size() && (s[i] == '.' || (decimalComma && s[i] == ',' && digit(i + 1) && i > start))) {
                number += '.';
                ++i;
                while (digit(i)) number += s[i++];
            }
            if (digit(i) || (i < s.size() && s[i] == '.')) return std::nullopt;  // "1.2.3"
            if (number.empty() || number == "-" || number == "." || number == "-.") return std::nullopt;
            const auto [ptr, ec] = fast_float::from_chars(number.data(), number.data() + number.size(), t.value);
            if (ec != std::errc{} || ptr != number.data() + number.size()) return std::nullopt;
            t.text = number;
            tokens.push_back(t);
            continue;
        }
        const char upper = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        if (upper == 'N' || upper == 'S' || upper == 'E' || upper == 'W' || upper == 'O' || upper == 'L') {
            // O (oeste) is west and L (leste) east, as Brazilians write them.
            Token t;
            t.kind = Token::Hemisphere;
            t.letter = upper == 'O' ? 'W' : upper == 'L' ? 'E' : upper;
            tokens.push_back(t);
            ++i;
            continue;
        }
        if (upper == 'M') {
            Token t;
            t.kind = Token::Metres;
            tokens.push_back(t);
            ++i;
            continue;
        }
        return std::nullopt;
    }
    return tokens;
}

void RefuseCoordinate(CoordinatesParse& result, const char* wording, const std::string& value)
{
    result.kind = CoordinatesParse::OutOfRange;
    result.wording = wording;
    result.value = value;
    result.message = FilledText(wording, {value});
}

// Degrees, minutes and seconds of one hemisphere: 1 to 3 unsigned numbers, minutes and seconds below 60.
std::optional<double> Sexagesimal(const std::vector<Token>& numbers)
{
    if (numbers.empty() || numbers.size() > 3) return std::nullopt;
    double degrees = 0, scale = 1;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        const Token& t = numbers[k];
        if (t.signed_ || (k > 0 && t.value >= 60)) return std::nullopt;
        degrees += t.value / scale;
        scale *= 60;
    }
    return degrees;
}

CoordinatesParse FromTokens(const std::vector<Token>& tokens)
{
    CoordinatesParse result;
    std::vector<Token> numbers;      // numbers since the last hemisphere letter
    std::vector<double> angles;      // latitude, longitude
    std::vector<std::string> texts;  // as typed, for messages
    std::vector<char> hemispheres;
    std::optional<Token> elevation;
    bool metres = false;
    for (const Token& t : tokens) {
        if (metres) return result;  // nothing may follow the metre sign
        if (t.kind == Token::Number) {
            numbers.push_back(t);
        } else if (t.kind == Token::Hemisphere) {
            const std::optional<double> angle = Sexagesimal(numbers);
            if (!angle || angles.size() >= 2) return result;
            std::string text;
            for (const Token& n : numbers) text += (text.empty() ? "" : " ") + n.text;
            angles.push_back(t.letter == 'S' || t.letter == 'W' ? -*angle : *angle);
            texts.push_back(text + " " + t.letter);
            hemispheres.push_back(t.letter);
            numbers.clear();
        } else {
            if (numbers.empty()) return result;
            metres = true;
        }
    }
    if (metres && numbers.size() != (hemispheres.empty() ? 3u : 1u)) return result;  // "m" follows the elevation only
    if (hemispheres.empty()) {
        if (numbers.size() < 2 || numbers.size() > 3) return result;
        for (int k = 0; k < 2; ++k) {
            angles.push_back(numbers[k].value);
            texts.push_back(numbers[k].text);
        }
        if (numbers.size() == 3) elevation = numbers[2];
    } else {
        if (hemispheres.size() != 2 || numbers.size() > 1) return result;
        // The latitude's hemisphere first, then the longitude's.
        if ((hemispheres[0] != 'N' && hemispheres[0] != 'S') || (hemispheres[1] != 'E' && hemispheres[1] != 'W'))
            return result;
        if (numbers.size() == 1) elevation = numbers[0];
    }
    result.site.Latitude = angles[0];
    result.site.Longitude = angles[1];
    if (elevation) result.site.Elevation = elevation->value;
    if (std::abs(angles[0]) > 90) {
        RefuseCoordinate(result, kLatitudeOutOfRange, texts[0]);
    } else if (std::abs(angles[1]) > 180) {
        RefuseCoordinate(result, kLongitudeOutOfRange, texts[1]);
    } else if (elevation && (elevation->value < -500 || elevation->value > 9000)) {
        RefuseCoordinate(result, kElevationOutOfRange, elevation->text);
    } else {
        result.kind = CoordinatesParse::Valid;
    }
    return result;
}

// Every word of the query is part of the name.
bool HoldsWords(std::string_view name, const std::vector<std::string_view>& words)
{
    return std::all_of(words.begin(), words.end(),
                       [&](std::string_view w) { return name.find(w) != std::string_view::npos; });
}

std::vector<std::string_view> Words(std::string_view folded)
{
    std::vector<std::string_view> words;
    while (!folded.empty()) {
        const std::size_t blank = folded.find(' ');
        words.push_back(folded.substr(0, blank));
        folded.remove_prefix(blank == std::string_view::npos ? folded.size() : blank + 1);
    }
    return words;
}

// 0: the name begins with the query; 1: a word of the name does; 2: the query is inside a word.
int Rank(std::string_view name, std::string_view query)
{
    if (name.starts_with(query)) return 0;
    for (std::size_t at = name.find(query); at != std::string_view::npos; at = name.find(query, at + 1))
        if (name[at - 1] == ' ') return 1;
    return 2;
}

}  // namespace

CoordinatesParse ParseCoordinates(std::string_view text)
{
    // Without a decimal point, a comma between digits is a decimal comma, unless reading it so
    // leaves no coordinates ("23,46" is then two whole degrees).
    // Both readings refused: the one with separating commas wins, so that "10,10 100000" blames
    // its elevation (latitude 10, longitude 10, 100000 m) rather than a longitude of 100000. A
    // valid reading with separating commas does not: "10; -180,5" is a longitude of -180.5.
    std::optional<CoordinatesParse> decimalCommas;
    if (text.find('.') == std::string_view::npos) {
        if (const auto tokens = Tokenize(text, true)) {
            CoordinatesParse parse = FromTokens(*tokens);
            if (parse.kind == CoordinatesParse::Valid) return parse;
            if (parse.kind == CoordinatesParse::OutOfRange) decimalCommas = std::move(parse);
        }
    }
    const auto tokens = Tokenize(text, false);
    CoordinatesParse parse = tokens ? FromTokens(*tokens) : CoordinatesParse{};
    if (decimalCommas && parse.kind != CoordinatesParse::OutOfRange) return std::move(*decimalCommas);
    return parse;
}

StationIndex::StationIndex(const StationCatalogue& catalogue) : catalogue_(&catalogue)
{
    plain_.reserve(catalogue.Stations.size());
    withE_.reserve(catalogue.Stations.size());
    for (const Station& s : catalogue.Stations) {
        plain_.push_back(FoldText(s.Name));
        withE_.push_back(FoldText(s.Name, UmlautFold::WithE));
    }
}

std::vector<StationMatch> StationIndex::ByName(std::string_view query, std::size_t limit) const
{
    const std::string q = FoldText(query), qe = FoldText(query, UmlautFold::WithE);
    std::vector<StationMatch> matches;
    if (q.empty()) return matches;
    const std::vector<std::string_view> words = Words(q), wordsE = Words(qe);
    struct Ranked {
        int rank;
        std::size_t index;
    };
    std::vector<Ranked> found;
    // A station number typed in full comes first.
    int wmo = 0;
    const auto [end, ec] = std::from_chars(q.data(), q.data() + q.size(), wmo);
    if (ec != std::errc{} || end != q.data() + q.size()) wmo = 0;
    for (std::size_t i = 0; i < plain_.size(); ++i) {
        if (wmo > 0 && catalogue_->Stations[i].Wmo == wmo) {
            found.push_back({-1, i});
            continue;
        }
        const std::string_view n = plain_[i], ne = withE_[i];
        if (HoldsWords(n, words) || HoldsWords(ne, words) || HoldsWords(n, wordsE) || HoldsWords(ne, wordsE))
            found.push_back({std::min({Rank(n, q), Rank(ne, q), Rank(n, qe), Rank(ne, qe)}), i});
    }
    const auto& stations = catalogue_->Stations;
    std::sort(found.begin(), found.end(), [&](const Ranked& a, const Ranked& b) {
        if (a.rank != b.rank) return a.rank < b.rank;
        if (plain_[a.index] != plain_[b.index]) return plain_[a.index] < plain_[b.index];
        return stations[a.index].Wmo < stations[b.index].Wmo;
    });
    if (limit > 0 && found.size() > limit) found.resize(limit);
    for (const Ranked& r : found) matches.push_back({&stations[r.index], std::nullopt, std::nullopt});
    return matches;
}

std::vector<StationMatch> StationIndex::Near(const SiteCoordinates& site, std::size_t limit) const
{
    std::vector<StationMatch> matches;
    matches.reserve(catalogue_->Stations.size());
    for (const Station& s : catalogue_->Stations) {
        StationMatch m{&s, GreatCircleKm(site.Latitude, site.Longitude, s.Latitude, s.Longitude), std::nullopt};
        if (site.Elevation) m.ElevationDifferenceM = s.Elevation - *site.Elevation;
        matches.push_back(m);
    }
    const auto nearer = [](const StationMatch& a, const StationMatch& b) {
        return *a.DistanceKm != *b.DistanceKm ? *a.DistanceKm < *b.DistanceKm : a.station->Wmo < b.station->Wmo;
    };
    const std::size_t n = limit == 0 ? matches.size() : std::min(limit, matches.size());
    std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(n), matches.end(), nearer);
    matches.resize(n);
    return matches;
}

StationSearch SearchStations(const StationIndex& index, std::string_view text, std::size_t limit)
{
    StationSearch search;
    search.coordinates = ParseCoordinates(text);
    switch (search.coordinates.kind) {
        case CoordinatesParse::Valid:
            search.matches = index.Near(search.coordinates.site, limit);
            break;
        case CoordinatesParse::NotCoordinates:
            search.matches = index.ByName(text, limit);
            break;
        case CoordinatesParse::OutOfRange:
            break;
    }
    return search;
}

}  // namespace qav
