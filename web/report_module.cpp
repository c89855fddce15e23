// The report's content as a WebAssembly module of its own, loaded by qav.mjs the first time a
// report is asked for: the report composer, its design advice and its texts in both languages
// are about a tenth of the analysis module, which a first visit waits for, and are used only when
// the user opens the report. The request goes through the same request layer as the analysis
// module's and qav-cli's, so a refusal or a file's failure reads the same here as there.
//
// The calls are those of the analysis module (qav_alloc, qav_free, qav_call, qav_answer_size,
// qav_set_stations, qav_has_stations), with "report" the only command.
#include <emscripten/em_macros.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "data/station_catalogue.h"
#include "pipeline/analysis_output.h"
#include "pipeline/analysis_request.h"
#include "pipeline/analysis_run.h"
#include "pipeline/error_json.h"
#include "pipeline/report.h"
#include "pipeline/report_json.h"
#include "pipeline/rendering.h"
#include "pipeline/run_options.h"
#include "text/report_texts.h"

namespace qav::web {
namespace {

// As in the analysis module: a request's answer is built whole in memory.
constexpr std::size_t kMaxRequestLocations = 5000;

std::string JsonList(const std::vector<std::string>& texts)
{
    std::string out = "[";
    for (const std::string& t : texts) out += (out.size() > 1 ? "," : "") + JsonString(t);
    return out + "]";
}

/// Today's date in UTC, "2026-12-07", from the clock's seconds (the civil-from-days algorithm of
/// H. Hinnant, "chrono-compatible low-level date algorithms"): the C library's calendar functions
/// would bring the time-zone glue into the module's JavaScript (10 KB) for this one date.
std::string TodayUtc()
{
    const long long days = static_cast<long long>(std::time(nullptr)) / 86400 + 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yoe + era * 400 + (month <= 2);
    char text[16];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld", year, month, day);
    return text;
}

/// The language the request names, so that every refusal is worded in it (English by default).
Language RequestLanguage(const std::vector<std::string>& entries)
{
    for (std::size_t i = 0; i + 2 < entries.size(); i += 3)
        if (entries[i] == "lang" && entries[i + 1] == "string")
            return LanguageFromName(entries[i + 2]).value_or(Language::English);
    return Language::English;
}

class ReportSession {
  public:
    void SetStations(const std::string& csv) { catalogue_ = ParseStationCatalogue(csv); }
    bool HasStations() const { return catalogue_.has_value(); }

    std::string Call(const std::string& what, const std::vector<std::string>& entries)
    {
        if (what.empty()) return ErrorJson(1, "out of memory", {"out_of_memory", {}});
        const Language language = RequestLanguage(entries);
        try {
            if (what != "report") throw Refusal(option_text::kUnknownKey, {what});
            bool withWarnings = false;
            std::vector<std::string> warnings;
            const std::string result = Report(entries, language, warnings, withWarnings);
            if (!withWarnings) return result;
            return "{\"result\":" + result + ",\"warnings\":" + JsonList(warnings) + "}";
        } catch (...) {
            return CaughtFailureJson(language);
        }
    }

  private:
    /// The PDF report's content for the request's first location, dated today (UTC), as JSON
    /// (ReportJson), for a page that lays it out to print.
    std::string Report(const std::vector<std::string>& entries, Language language, std::vector<std::string>& warnings,
                       bool& withWarnings)
    {
        const std::vector<RequestOption> options = RequestFromKeys(entries, withWarnings);
        // A report has no rows to format and no pictures to sort.
        for (const RequestOption& o : options)
            if (o.name == "--format" || o.name == "--sort") throw Refusal(option_text::kUnknownKey, {o.name.substr(2)});
        AnalysisRequest request = ParseAnalysisRequest(options);
        request.placeNames = request.language;  // a place is named in the report's language
        const std::size_t most = MostLocations(request);
        if (most > kMaxRequestLocations)
            throw Refusal(option_text::kTooManyLocations, {std::to_string(most), std::to_string(kMaxRequestLocations)});
        RequestInputs opened;
        const StationSource source = [this](std::string& failure) {
            return LoadedCatalogue(catalogue_ ? &*catalogue_ : nullptr, failure);
        };
        OpenRequestInputs(request, source, opened);
        warnings = opened.warnings;
        AnalysisState startup = MakeStartupState(request.screen);
        startup.Sun = request.sun;
        startup.Comfort = request.comfort;
        const RequestPlan plan = PlanRequest(request, opened, startup, language, kMaxRequestLocations);
        const HoursView view = request.hours == HoursChoice::Recorded ? HoursView::Recorded : HoursView::Typical;
        RowAnalyser analyser(startup, view, request.filter, opened.warming, nullptr);
        const std::optional<ReportContent> report =
            ComposeReport(analyser.Analyse(plan.items.front()), request.language, TodayUtc());
        if (!report) throw InputFailure{std::string(ReportText(request.language, report_text::kNoLocation)), {}};
        return ReportJson(*report);
    }

    std::optional<StationCatalogueResult> catalogue_;
};

}  // namespace
}  // namespace qav::web

// Texts cross as UTF-8 bytes in the module's memory, as in the analysis module: a request is its
// command followed by its entries, each a 4-byte little-endian length and that many bytes.
namespace {

qav::web::ReportSession& TheSession()
{
    static qav::web::ReportSession session;
    return session;
}

std::string& Answer()
{
    static std::string answer;
    return answer;
}

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

extern "C" {

EMSCRIPTEN_KEEPALIVE void* qav_alloc(std::size_t size) { return std::malloc(size > 0 ? size : 1); }
EMSCRIPTEN_KEEPALIVE void qav_free(void* p) { std::free(p); }

EMSCRIPTEN_KEEPALIVE const char* qav_call(const unsigned char* request, std::size_t size)
{
    try {
        std::vector<std::string> texts;
        if (!SplitTexts(request, size, texts) || texts.empty()) texts.assign(1, "");
        const std::string what = texts.front();
        texts.erase(texts.begin());
        Answer() = TheSession().Call(what, texts);
    } catch (...) {
        Answer() =
            R"({"error":{"status":1,"message":"out of memory","code":"out_of_memory","values":[],"kind":"input"}})";
    }
    return Answer().c_str();
}

EMSCRIPTEN_KEEPALIVE std::size_t qav_answer_size() { return Answer().size(); }

EMSCRIPTEN_KEEPALIVE void qav_set_stations(const char* csv, std::size_t size)
{
    TheSession().SetStations(std::string(csv, size));
}

EMSCRIPTEN_KEEPALIVE int qav_has_stations() { return TheSession().HasStations() ? 1 : 0; }

}  // extern "C"
