#include "pipeline/place_request.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "pipeline/option_error.h"
#include "pipeline/place_site.h"
#include "pipeline/run_options.h"
#include "text/option_texts.h"
#include "text/place_request_texts.h"

namespace qav {

namespace {

// The members in the order the option's contents hold them, tab-separated; a text may hold no
// tab (nor any other control character), so the fields split back as they were given.
constexpr std::array<std::string_view, 7> kMembers = {"geonames_id", "name",     "name_pt",  "division",
                                                      "country",     "latitude", "longitude"};
constexpr std::array<bool, 7> kRequired = {true, true, false, false, true, true, true};
constexpr bool kNumber(std::size_t i) { return i == 0 || i >= 5; }

[[noreturn]] void RefusePlace(const char* wording, std::initializer_list<std::string_view> parts)
{
    OptionError e = Refusal(wording, parts);
    e.context = "qav::PlaceRequestText";
    throw e;
}

// The place from checked texts; `name(i)` names member i in refusals.
template <typename Name>
Place PlaceOf(const std::array<std::string, 7>& f, const Name& name)
{
    Place p;
    p.GeonamesId = ParseWhole(name(0), f[0], 1, 2147483647);
    p.Name = f[1];
    p.NamePt = f[2];
    p.Division = f[3];
    p.Country = f[4];
    p.Latitude = ParseNumber(name(5), f[5], -90, 90);
    p.Longitude = ParseNumber(name(6), f[6], -180, 180);
    return p;
}

}  // namespace

RequestOption PlaceRequestOption(const std::string& key, const PlaceMembers& members)
{
    const auto name = [&](std::size_t i) { return key + "." + std::string(kMembers[i]); };
    for (const auto& [member, value] : members)
        if (std::find(kMembers.begin(), kMembers.end(), member) == kMembers.end())
            throw Refusal(option_text::kUnknownKey, {key + "." + member});
    std::array<std::string, 7> fields;
    for (std::size_t i = 0; i < kMembers.size(); ++i) {
        const auto it = members.find(std::string(kMembers[i]));
        if (it == members.end()) {
            if (kRequired[i]) throw Refusal(option_text::kNeedsKey, {key, kMembers[i]});
            continue;
        }
        const PlaceMember& m = it->second;
        if (kNumber(i) ? m.kind != "number" && m.kind != "string" : m.kind != "string")
            throw Refusal(kNumber(i) ? option_text::kNotNumberOrText : option_text::kNotText,
                          {name(i), m.kind == "string" ? "\"" + m.value + "\"" : m.value});
        for (const char c : m.value)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                RefusePlace(place_request_text::kControlCharacter, {name(i), "\"" + m.value + "\""});
        fields[i] = m.value;
    }
    if (fields[1].empty()) throw Refusal(option_text::kNeedsKey, {key, "name"});
    const std::string& country = fields[4];
    if (country.size() != 2 || !(country[0] >= 'A' && country[0] <= 'Z') || !(country[1] >= 'A' && country[1] <= 'Z'))
        RefusePlace(place_request_text::kNotCountryCode, {name(4), country});
    PlaceOf(fields, name);  // refuses what the input could not be opened with
    std::string contents;
    for (std::size_t k = 0; k < fields.size(); ++k) (contents += k ? "\t" : "") += fields[k];
    return {"--place", fields[1], std::move(contents)};
}

RunInput PlaceRequestInput(const RequestOption& option, const StationSource& stations, Language messages,
                           Language names)
{
    std::array<std::string, 7> fields;
    std::size_t i = 0;
    for (const char c : option.contents.value_or("")) {
        if (c == '\t' && i + 1 < fields.size())
            ++i;
        else
            fields[i] += c;
    }
    const Place place = PlaceOf(fields, [](std::size_t k) { return "place." + std::string(kMembers[k]); });
    std::string failure;
    const StationCatalogue* catalogue = stations ? stations(failure) : LoadedCatalogue(nullptr, failure);
    if (!catalogue) throw InputFailure{failure, {}};
    const std::vector<NearStation> nearest = StationLocator(*catalogue).Nearest(place.Latitude, place.Longitude, 1);
    if (nearest.empty()) throw InputFailure{"the station catalogue holds no station", {}};
    if (nearest.front().TooFar()) throw InputFailure{NoClimateText(place, nearest.front(), messages), {}};
    RunInput in{{}, {}, "--place " + place.Name, 0, "place:" + std::to_string(place.GeonamesId)};
    in.table.LocationCount = 1;
    in.table.Slot[1] = PlaceLocation(place, nearest.front(), names);
    return in;
}

}  // namespace qav
