#pragma once
// A place handed over whole: the browser page's finder keeps the place list (1.2 MB) in its own
// worker and gives the analysis the place it chose as the request's `place` object, {geonames_id,
// name, name_pt, division, country, latitude, longitude}. The analysis finds the nearest station in
// its own catalogue and measures the distance itself, so the place is analysed as qav-cli's
// --place analyses it and cannot disagree with the stations the analysis holds.
#include <map>
#include <string>

#include "pipeline/analysis_request.h"

namespace qav {

/// The members of a `place` object by their name within it ("latitude"): the kind of each JSON
/// value ("string", "number"...) and its text, as RequestFromKeys receives them.
struct PlaceMember {
    std::string kind, value;
};
using PlaceMembers = std::map<std::string, PlaceMember>;

/// The option of a place handed over: "--place" with its name as the value and its fields, checked,
/// as the contents. `key` names the object in refusals ("place", "inputs.1.place"). An unknown
/// member, a value of the wrong kind, a missing one or one out of range throws OptionError.
RequestOption PlaceRequestOption(const std::string& key, const PlaceMembers& members);

/// The input of an option from PlaceRequestOption: the catalogue's nearest station, named for the
/// place in `names` (English for rows, which are the same in every language, as qav-cli's). No
/// station within 300 km throws InputFailure with qav-cli's sentence in `messages`; a catalogue
/// that cannot be read throws InputFailure.
RunInput PlaceRequestInput(const RequestOption& option, const StationSource& stations, Language messages,
                           Language names);

}  // namespace qav
