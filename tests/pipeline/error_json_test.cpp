#include "pipeline/error_json.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

TEST(ErrorJson, RefusalsAndFailuresAsTheModulesAnswerThem)
{
    EXPECT_EQ(
        RefusalJson(Refusal(option_text::kOutside, {"place.latitude", "91", "-90..90"}), Language::PortugueseBrazil),
        R"({"error":{"status":2,"message":"place.latitude: 91 está fora de -90..90","code":"outside",)"
        R"("values":["place.latitude","91","-90..90"],"kind":"usage"}})");
    EXPECT_EQ(ErrorJson(1, "the station catalogue was not loaded", {"input", {}}),
              R"({"error":{"status":1,"message":"the station catalogue was not loaded","code":"input","values":[],)"
              R"("kind":"input"}})");
    ReadFailure f;
    f.File = "QAV\"1.TXT";
    f.Code = 13;
    f.Line = 4;
    f.Field = 2;
    f.FieldName = "DBTmax";
    f.Text = "twelve";
    EXPECT_EQ(ErrorJson(1, "bad", {"not_a_number", {"4"}}, f),
              R"({"error":{"status":1,"message":"bad","code":"not_a_number","values":["4"],"file":"QAV\"1.TXT",)"
              R"("err_code":13,"line":4,"field":2,"field_name":"DBTmax","text":"twelve","kind":"not_a_number"}})");
}

}  // namespace
}  // namespace qav
