// The report's content as a WebAssembly module of its own, loaded by qav.mjs the first time a
// report is asked for: the report composer, its design advice and its texts in both languages
// are about a tenth of the analysis module, which a first visit waits for, and are used only when
// the user opens the report. The request goes through the same request layer as the analysis
// module's and qav-cli's, so a refusal or a file's failure reads the same here as there.
//
// The calls are those of the analysis module (module_calls.h), with "report" the only command.
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "pipeline/analysis_output.h"
#include "pipeline/analysis_request.h"
#include "pipeline/analysis_run.h"
#include "pipeline/report.h"
#include "pipeline/report_json.h"
#include "pipeline/rendering.h"
#include "pipeline/run_options.h"
#include "text/report_texts.h"
#include "web/module_calls.h"

namespace qav::web {
namespace {

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

class ReportSession final : public ModuleSession {
  protected:
    /// The PDF report's content for the request's first location, dated today (UTC), as JSON
    /// (ReportJson), for a page that lays it out to print.
    void Respond(const std::string& what, const std::vector<std::string>& entries, Language language,
                 ModuleReply& reply) override
    {
        if (what != "report") throw Refusal(option_text::kUnknownKey, {what});
        const std::vector<RequestOption> options = RequestFromKeys(entries, reply.withWarnings);
        // A report has no rows to format and no pictures to sort.
        for (const RequestOption& o : options)
            if (o.name == "--format" || o.name == "--sort") throw Refusal(option_text::kUnknownKey, {o.name.substr(2)});
        AnalysisRequest request = ParseAnalysisRequest(options);
        request.placeNames = request.language;  // a place is named in the report's language
        ModuleRun run;
        PrepareModuleRun(request, Stations(), MakeStartupState(request.screen), language, kMaxRequestLocations, run);
        reply.warnings = run.opened.warnings;
        RowAnalyser analyser(run.startup, run.view, request.filter, run.opened.warming, nullptr);
        const std::optional<ReportContent> report =
            ComposeReport(analyser.Analyse(run.plan.items.front()), request.language, TodayUtc());
        if (!report) throw InputFailure{std::string(ReportText(request.language, report_text::kNoLocation)), {}};
        reply.result = ReportJson(*report);
    }
};

}  // namespace

ModuleSession& TheModuleSession()
{
    static ReportSession session;
    return session;
}

}  // namespace qav::web
