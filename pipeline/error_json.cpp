#include "pipeline/error_json.h"

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

}  // namespace qav
