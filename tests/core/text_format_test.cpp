#include "core/text_format.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

namespace qav {
namespace {

// Exact binary ties round away from zero (as a reader rounds 52.5 and 41.25), and a value that
// rounds to zero loses its sign, in the chart, the panel and the files alike.
TEST(FormatFixed, TiesAwayFromZeroAndNoNegativeZero)
{
    using Row = std::tuple<double, int, const char*>;
    for (const auto& [value, decimals, text] :
         {Row{52.5, 0, "53"}, Row{41.25, 1, "41.3"}, Row{-2.5, 0, "-3"}, Row{0.125, 2, "0.13"},
          Row{88.25129, 3, "88.251"}, Row{9.96, 1, "10.0"}, Row{999.5, 0, "1000"}, Row{-0.04, 1, "0.0"},
          Row{-0.4, 0, "0"}, Row{-15.78, 1, "-15.8"}, Row{1150, 0, "1150"}, Row{-0.5, 2, "-0.50"}, Row{-0.0, 1, "0.0"},
          Row{346.5, 3, "346.500"}})
        EXPECT_EQ(FormatFixed(value, decimals), text) << value;
    EXPECT_EQ(FormatFixed(12.34, 1, ',') + FormatFixed(14.5, 1, ','), "12,314,5");
}

// The window sets the C library's locale from the user's; in Brazil printf writes a decimal
// comma, and the formatter must still find the digits (it threw at start-up under pt_BR).
TEST(FormatFixed, SameTextUnderADecimalCommaLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "pt_BR.UTF-8"), nullptr) << "scripts/install-deps.sh generates pt_BR.UTF-8";
    EXPECT_EQ(FormatFixed(88.25129, 3) + " " + FormatFixed(41.25, 1, ','), "88.251 41,3");
    std::setlocale(LC_NUMERIC, before.c_str());
}

// The texts std::to_chars wrote for these floats before the forms were rebuilt on {fmt}, which by
// itself writes 100000 for "1e+05", 0.0001 for "1e-04" and pads 1e16f with zeros; the rows mark
// where the general form turns to an exponent (the random floats below carry the other two).
TEST(ShortestForms, KeepTheTextsOfToChars)
{
    using Row = std::tuple<float, const char*, const char*, const char*>;
    for (const auto& [value, shortest, fixed, general] :
         {Row{0.0f, "0", "0", "0"}, Row{-0.0f, "-0", "-0", "0"}, Row{1e5f, "1e+05", "100000", "100000"},
          Row{-1e5f, "-1e+05", "-100000", "-100000"}, Row{1e6f, "1e+06", "1000000", "1000000"},
          Row{1.2e6f, "1200000", "1200000", "1200000"}, Row{9999999, "9999999", "9999999", "9999999"},
          Row{1e7f, "1e+07", "10000000", "1e+07"}, Row{1e16f, "1e+16", "10000000272564224", "1e+16"},
          Row{1e-4f, "1e-04", "0.0001", "0.0001"}, Row{-1e-4f, "-1e-04", "-0.0001", "-0.0001"},
          Row{9.9e-5f, "9.9e-05", "0.000099", "9.9e-05"},
          Row{1e-45f, "1e-45", "0.000000000000000000000000000000000000000000001", "1e-45"},
          Row{-std::numeric_limits<float>::infinity(), "-inf", "-inf", "-inf"}})
        EXPECT_EQ((std::tuple{FormatShortest(value), FormatShortestFixed(value), FormatGeneral(value)}),
                  (std::tuple{shortest, fixed, general}));
    EXPECT_EQ(FormatGeneral(-15.78f, ','), "-15,78");
    EXPECT_EQ(JsonNumber(-0.0f) + " " + JsonNumber(1e-5f) + " " + JsonNumber(std::numeric_limits<float>::infinity()) +
                  " " + JsonNumber(std::nanf("")),
              "0 1e-05 null null");
}

// The same texts as std::to_chars for any float (this build's library still has it to compare).
TEST(ShortestForms, MatchToCharsOverRandomFloats)
{
    std::mt19937 random(20240611);
    for (int i = 0; i < 200000; ++i) {
        const std::uint32_t bits = random();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        char buffer[64];
        const std::string shortest(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
        const std::string fixed(buffer,
                                std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr);
        ASSERT_EQ((std::pair{FormatShortest(value), FormatShortestFixed(value)}), (std::pair{shortest, fixed}));
    }
}

// What std::from_chars read, consumed and refused (the random texts below carry the rest);
// fast_float alone would give infinity or zero without an error where the text is out of range.
TEST(ParseDecimal, ReadsAndRefusesLikeFromChars)
{
    constexpr double kUnchanged = -7;
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr auto ok = std::errc{}, bad = std::errc::invalid_argument, range = std::errc::result_out_of_range;
    using Row = std::tuple<const char*, std::errc, std::ptrdiff_t, double>;
    for (const auto& [text, ec, used, parsed] :
         {Row{"-.5", ok, 3, -0.5}, Row{"1e", ok, 1, 1}, Row{"1,5", ok, 1, 1}, Row{"0x10", ok, 1, 0},
          Row{"-Infinity", ok, 9, -kInf}, Row{"", bad, 0, kUnchanged}, Row{"+1", bad, 0, kUnchanged},
          Row{"1e400", range, 5, kUnchanged}, Row{"1e-400", range, 6, kUnchanged}}) {
        double value = kUnchanged;
        const auto result = ParseDecimal(text, text + std::strlen(text), value);
        EXPECT_EQ((std::tuple{result.ec, result.ptr - text, value}), (std::tuple{ec, used, parsed})) << text;
    }
    double nan = 0;
    const std::string_view nanText = "NaN(1)";
    EXPECT_EQ(ParseDecimal(nanText.data(), nanText.data() + nanText.size(), nan).ptr, nanText.data() + nanText.size());
    EXPECT_TRUE(std::isnan(nan));
    using FloatRow = std::tuple<const char*, std::errc, float>;
    for (const auto& [text, ec, parsed] :
         {FloatRow{"3.5e38", range, -7}, FloatRow{"1e-46", range, -7}, FloatRow{"0.7e-45", range, -7},
          FloatRow{"1e-40", ok, 9.99994610e-41f}, FloatRow{"2e-45", ok, 1.40129846e-45f}}) {
        float value = -7;  // braces evaluate in order: the value is read after the parse
        EXPECT_EQ((std::pair{ParseDecimal(text, text + std::strlen(text), value).ec, value}), (std::pair{ec, parsed}))
            << text;
    }
}

// Any text over the characters a number may hold reads as std::from_chars reads it.
TEST(ParseDecimal, MatchesFromCharsOverRandomTexts)
{
    std::mt19937 random(7);
    constexpr std::string_view alphabet = "0123456789.-+eEinfaty 9";
    for (int i = 0; i < 100000; ++i) {
        std::string text(1 + random() % 12, ' ');
        for (char& c : text) c = alphabet[random() % alphabet.size()];
        if (i % 3 == 0) text = std::to_string(random()) + "e" + std::to_string(static_cast<int>(random() % 700) - 350);
        const char* end = text.data() + text.size();
        double expected = 1, got = 1;
        float expectedF = 1, gotF = 1;
        const auto e = std::from_chars(text.data(), end, expected);
        const auto g = ParseDecimal(text.data(), end, got);
        const auto eF = std::from_chars(text.data(), end, expectedF);
        const auto gF = ParseDecimal(text.data(), end, gotF);
        SCOPED_TRACE(text);
        ASSERT_EQ((std::tuple{g.ec, g.ptr - end, gF.ec, gF.ptr - end}),
                  (std::tuple{e.ec, e.ptr - end, eF.ec, eF.ptr - end}));
        ASSERT_TRUE((std::isnan(expected) || got == expected) && (std::isnan(expectedF) || gotF == expectedF))
            << got << " " << expected << " " << gotF << " " << expectedF;
    }
}

}  // namespace
}  // namespace qav
