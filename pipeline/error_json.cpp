#include "pipeline/error_json.h"

#include <new>

#include "pipeline/analysis_output.h"

namespace qav {

std::string ErrorJson(int status, const std::string& message, const FailureCode& code,
                      const std::optional<ReadFailure>& f)
{
    std::string j = "{\"error\":{\"status\":" + std::to_string(status) + ",\"message\":" + JsonString(message) +
                    ",\"code\":" + JsonString(code.code) + ",\"values\":[";
    for (std::size_t i = 0; i < code.values.size(); ++i) (j += i ? "," : "") += JsonString(code.values[i]);
    j += "]";
    if (f) {
        j += ",\"file\":" + JsonString(f->File.string()) + ",\"err_code\":" + std::to_string(f->Code) +
             ",\"line\":" + std::to_string(f->Line) + ",\"field\":" + std::to_string(f->Field) +
             ",\"field_name\":" + JsonString(f->FieldName) + ",\"text\":" + JsonString(f->Text) +
             ",\"kind\":" + JsonString(code.code);
    } else {
        j += status == 2 ? ",\"kind\":\"usage\"" : ",\"kind\":\"input\"";
    }
    return j + "}}";
}

std::string RefusalJson(const OptionError& error, Language language)
{
    return ErrorJson(2, OptionErrorText(error, language), CodeOf(error));
}

std::string CaughtFailureJson(Language language)
{
    try {
        throw;
    } catch (const OptionError& f) {
        return RefusalJson(f, language);
    } catch (const InputFailure& f) {
        if (f.read) {
            // What qav-cli puts before the file's line ("--warming-file: ") stays before it.
            const std::string line = EnglishReadFailure(*f.read);
            const std::string before =
                f.message.ends_with(line) ? f.message.substr(0, f.message.size() - line.size()) : "";
            return ErrorJson(1, before + ReadFailureLine(*f.read, language), CodeOf(*f.read), f.read);
        }
        return ErrorJson(1, f.message, {"input", {}});
    } catch (const std::bad_alloc&) {
        return ErrorJson(1, "out of memory", {"out_of_memory", {}});
    } catch (const std::exception& e) {
        return ErrorJson(1, e.what(), {"failure", {}});
    }
}

}  // namespace qav
