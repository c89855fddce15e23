#include "web/module_calls.h"

#include <emscripten/em_macros.h>

#include <cstdint>
#include <cstdlib>

#include "pipeline/analysis_output.h"
#include "pipeline/error_json.h"

namespace qav::web {

std::string ModuleSession::Call(const std::string& what, const std::vector<std::string>& entries)
{
    // No command: the wrapper could not hand the request over (its memory ran out).
    if (what.empty()) return ErrorJson(1, "out of memory", {"out_of_memory", {}});
    const Language language = RequestLanguage(entries);
    try {
        ModuleReply reply;
        Respond(what, entries, language, reply);
        if (!reply.withWarnings) return reply.result;
        return "{\"result\":" + (reply.json ? reply.result : JsonString(reply.result)) +
               ",\"warnings\":" + JsonList(reply.warnings) + "}";
    } catch (...) {
        return CaughtFailureJson(language);
    }
}

const StationCatalogue* ModuleSession::Catalogue(std::string& failure) const
{
    return LoadedCatalogue(catalogue_ ? &*catalogue_ : nullptr, failure);
}

std::string& ModuleAnswer()
{
    static std::string answer;
    return answer;
}

Language RequestLanguage(const std::vector<std::string>& entries)
{
    for (std::size_t i = 0; i + 2 < entries.size(); i += 3)
        if (entries[i] == "lang" && entries[i + 1] == "string")
            return LanguageFromName(entries[i + 2]).value_or(Language::English);
    return Language::English;
}

std::string JsonList(const std::vector<std::string>& texts)
{
    std::string out = "[";
    for (const std::string& t : texts) out += (out.size() > 1 ? "," : "") + JsonString(t);
    return out + "]";
}

namespace {

/// The texts of a request buffer; false when its lengths run past its end.
bool SplitTexts(const unsigned char* bytes, std::size_t size, std::vector<std::string>& texts)
{
    std::size_t at = 0;
    while (at < size) {
        if (size - at < 4) return false;
        const std::uint32_t length =
            bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
        at += 4;
        if (length > size - at) return false;
        texts.emplace_back(reinterpret_cast<const char*>(bytes + at), length);
        at += length;
    }
    return true;
}

}  // namespace
}  // namespace qav::web

extern "C" {

EMSCRIPTEN_KEEPALIVE void* qav_alloc(std::size_t size) { return std::malloc(size > 0 ? size : 1); }
EMSCRIPTEN_KEEPALIVE void qav_free(void* p) { std::free(p); }

/// Answers the request in `request` (see module_calls.h) and returns the answer's first byte; its
/// length is qav_answer_size(). A buffer that cannot be split, or memory that runs out while it
/// is, gives the error object for memory, as a request the wrapper could not hand over.
EMSCRIPTEN_KEEPALIVE const char* qav_call(const unsigned char* request, std::size_t size)
{
    using qav::web::ModuleAnswer;
    try {
        std::vector<std::string> texts;
        if (!qav::web::SplitTexts(request, size, texts) || texts.empty()) texts.assign(1, "");
        const std::string what = texts.front();
        texts.erase(texts.begin());
        ModuleAnswer() = qav::web::TheModuleSession().Call(what, texts);
    } catch (...) {
        ModuleAnswer() =
            R"({"error":{"status":1,"message":"out of memory","code":"out_of_memory","values":[],"kind":"input"}})";
    }
    return ModuleAnswer().c_str();
}

EMSCRIPTEN_KEEPALIVE std::size_t qav_answer_size() { return qav::web::ModuleAnswer().size(); }

EMSCRIPTEN_KEEPALIVE void qav_set_stations(const char* csv, std::size_t size)
{
    qav::web::TheModuleSession().SetStations(std::string(csv, size));
}

EMSCRIPTEN_KEEPALIVE int qav_has_stations() { return qav::web::TheModuleSession().HasStations() ? 1 : 0; }

}  // extern "C"
