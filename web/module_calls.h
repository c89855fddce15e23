#pragma once
// What the analysis and report modules share: the calls qav.mjs makes of them (qav_alloc,
// qav_free, qav_call, qav_answer_size, qav_set_stations, qav_has_stations, written once in
// module_calls.cpp) and the session each keeps behind them. Texts cross as UTF-8 bytes in the
// module's memory: a request is its command followed by its entries, each a 4-byte little-endian
// length and that many bytes (a text may hold any byte, NUL included). An answer stays valid
// until the next call.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/station_catalogue.h"
#include "pipeline/analysis_request.h"
#include "text/language.h"

namespace qav::web {

/// A request's answer is built whole in memory, which a 32-bit module cannot grow without end:
/// more locations than this are refused before any input is opened (a row of JSON is about 1.5 KB).
inline constexpr std::size_t kMaxRequestLocations = 5000;

/// What a command gives: its result (JSON, or a text the answer quotes) and, when the request
/// asked for them, the warnings its inputs raised.
struct ModuleReply {
    std::string result;
    bool json = true;
    bool withWarnings = false;
    std::vector<std::string> warnings;
};

/// A module's state behind its calls: the station catalogue once given, and its commands.
class ModuleSession {
  public:
    virtual ~ModuleSession() = default;
    virtual void SetStations(const std::string& csv) { catalogue_ = ParseStationCatalogue(csv); }
    bool HasStations() const { return catalogue_.has_value(); }

    /// Answers the command `what` for `entries` (the request's keys, each followed by the kind of
    /// its value and its text, as RequestFromKeys takes them): the result, or with warnings
    /// {"result", "warnings"}, or an error object worded in the request's language; never throws.
    std::string Call(const std::string& what, const std::vector<std::string>& entries);

  protected:
    /// Fills `reply` for the command, or throws the refusal or failure that Call words.
    virtual void Respond(const std::string& what, const std::vector<std::string>& entries, Language language,
                         ModuleReply& reply) = 0;
    const StationCatalogue* Catalogue(std::string& failure) const;
    StationSource Stations() const
    {
        return [this](std::string& failure) { return Catalogue(failure); };
    }

    std::optional<StationCatalogueResult> catalogue_;
};

/// The module's one session: each module defines it.
ModuleSession& TheModuleSession();
/// The last call's answer, kept for qav.mjs to read until the next call.
std::string& ModuleAnswer();

/// The language the request names, read before anything else so that every refusal is worded in
/// it; English when it names none or an unknown one (the request then fails on the name itself).
Language RequestLanguage(const std::vector<std::string>& entries);
/// The texts as a JSON list of strings.
std::string JsonList(const std::vector<std::string>& texts);

}  // namespace qav::web
