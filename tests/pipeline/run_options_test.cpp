// The option values qav-cli and the WebAssembly module share: what each accepts and how a
// refusal is worded.
#include <gtest/gtest.h>

#include "pipeline/run_options.h"

namespace qav {
namespace {

TEST(RunOptions, AcceptedValues)
{
    const HourFilter f = ParseHourFilter("22-5", "12-2");
    EXPECT_EQ((std::array{f.FirstHour, f.LastHour, f.FirstMonth, f.LastMonth}), (std::array{22, 5, 12, 2}));
    EXPECT_EQ(ParseWarmingChange("+2").Uniform(), 2.0f);
    EXPECT_FALSE(std::signbit(*ParseWarmingChange("-0").Uniform()));
    const ScreenDescription s = ParseScreen("1280x720");
    EXPECT_EQ((std::array{s.WidthPx, s.HeightPx}), (std::array{1280, 720}));
    EXPECT_EQ(ParseSort("e").Strategy, 5);
    EXPECT_EQ(ParseSort("NAME").Key, CompareSortKey::Name);
    EXPECT_EQ(ParseLanguage("pt_BR"), Language::PortugueseBrazil);
    EXPECT_EQ(DataSetInputs("world:7").front().onlySlot, 7);
    EXPECT_EQ(DataSetInputs("all").size(), 3u);
}

TEST(RunOptions, RefusalsNameTheOption)
{
    using Parse = void (*)();
    const std::pair<Parse, const char*> rows[] = {
        {[] { ParseHourFilter("0-5", std::nullopt); }, "--hour-range: '0-5' is not a range within 1..24 (clock hours)"},
        {[] { ParseHourFilter(std::nullopt, "3"); }, "--months: '3' is not FIRST-LAST"},
        {[] { ParseWarmingChange("++2"); }, "--warming: '++2' is not a number"},
        {[] { ParseWarmingChange("31"); }, "--warming: 31 is outside -30..30"},
        {[] { ParseScreen("100x720"); }, "--screen: 100 is outside 320..16384"},
        {[] { ParseSort("K"); }, "--sort: 'K' is not a strategy letter A..J, name or list"},
        {[] { ParseLanguage("pt"); }, "--lang: 'pt' is not en or pt_BR"},
        {[] { ParseHours("all"); }, "--hours: 'all' is not typical, recorded or both"},
        {[] { DataSetInputs("all:3"); }, "--dataset: 'all:3': a slot needs one data set"},
        {[] { DataSetInputs("brazil:28"); }, "--dataset: 28 is outside 1..27 (the slots of brazil)"},
        {[] { ParseWhole("--location", "2x", 1, 90); }, "--location: '2x' is not a whole number"},
    };
    for (const auto& [parse, message] : rows) {
        SCOPED_TRACE(message);
        try {
            parse();
            ADD_FAILURE() << "accepted";
        } catch (const OptionError& e) {
            EXPECT_EQ(e.message, message);
        }
    }
    // The browser page shows a refusal in Portuguese; qav-cli keeps the English above.
    const OptionError slot = Refusal(option_text::kSlotOutside, {"--dataset", "28", "1..27", "brazil"});
    EXPECT_EQ(OptionErrorText(slot, Language::PortugueseBrazil),
              "--dataset: 28 está fora de 1..27 (as posições de brazil)");
    const RefusedChange cold{7, RefusedChange::Normal::DBTmin, -85.5f, -5, -90.5f, kTemperatureRange};
    EXPECT_EQ(WarmingRefusalText(cold, Language::PortugueseBrazil),
              "julho DBTmin: -85,5 - 5 = -90,5 está fora de -90 a 55");
    RefusedChange crossed{7, RefusedChange::Normal::DBTmin, 20, 5.5f, 25.5f, kTemperatureRange};
    crossed.AboveMax = RefusedChange::Pair{22, -1, 21};
    EXPECT_EQ(WarmingRefusalText(crossed, Language::PortugueseBrazil),
              "julho DBTmin: 20 + 5,5 = 25,5 está acima de DBTmax 22 - 1 = 21");
}

}  // namespace
}  // namespace qav
