#include "pipeline/analysis_output.h"

#include <gtest/gtest.h>

#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

// The key and its array or object, as written.
std::string After(const std::string& json, const std::string& key)
{
    const std::size_t at = json.find("\"" + key + "\":");
    return at == std::string::npos ? std::string() : json.substr(at, json.find_first_of("]}", at) + 1 - at);
}

// Each hour once, by its own zone, as a percent of the hours counted. Brasília's 288 typical
// hours: B 9, C 112, E 147, F 20; the shares merge C into B (30.2 %) and divide by 288 + 112.
// Chicago's 8760 recorded hours: A 4143, B 913, C 1294, D 2, E 1617, F 540, G 172, H 4, I 15, J 60.
TEST(AnalysisJson, HourSharesCountEachHourOnce)
{
    PipelineSession session;
    std::string json = AnalysisJson(session.state, "brazil");
    EXPECT_EQ(After(json, "hour_shares"), "\"hour_shares\":[0,3.1,38.9,0,51,6.9,0,0,0,0]");
    EXPECT_EQ(After(json, "hour_totals"), "\"hour_totals\":{\"cold\":42,\"comfortable\":51,\"hot\":6.9,\"dry\":0}");
    EXPECT_EQ(After(json, "shares"), "\"shares\":[0,30.2,28,0,36.8,5,0,0,0,0]");  // unchanged

    session.ShowWeatherFile("chicago.epw");
    json = AnalysisJson(session.state, "chicago.epw");
    EXPECT_EQ(After(json, "recorded_hour_shares"), "\"recorded_hour_shares\":[47.3,10.4,14.8,0,18.5,6.2,2,0,0.2,0.7]");
    EXPECT_EQ(After(json, "recorded_hour_totals"),
              "\"recorded_hour_totals\":{\"cold\":72.5,\"comfortable\":18.5,\"hot\":9,\"dry\":0}");
    EXPECT_EQ(After(json, "hour_totals"), "\"hour_totals\":{\"cold\":77.8,\"comfortable\":18.8,\"hot\":3.5,\"dry\":0}");
    EXPECT_EQ(After(AnalysisJson(session.state, "chicago.epw", false), "recorded_hour_shares"), "");
}

}  // namespace
}  // namespace qav
