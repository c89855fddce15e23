#include "core/text_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// Header-only: the WebAssembly build has no compiled {fmt} to link. Only {fmt}'s Dragonbox is
// used here: its formatting functions would bring std::locale and every facet of the C++
// library into the WebAssembly module (80 KB of its 470).
#define FMT_HEADER_ONLY
#include <fast_float/fast_float.h>
#include <fmt/format.h>

namespace qav {

std::string FormatInt00(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, value < 0 ? "-%02ld" : "%02ld", std::labs(long{value}));
    return buffer;
}

std::string FormatFixed(double value, int decimals, char decimalSeparator)
{
    if (!std::isfinite(value)) return "0";
    decimals = std::clamp(decimals, 0, 9);
    // Whole numbers and halves, most of a picture's coordinates, have a short exact expansion:
    // written directly, without the 60-place expansion below (a chart's SVG writes thousands).
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && magnitude * 2 == std::floor(magnitude * 2) &&
        (decimals > 0 || magnitude == std::floor(magnitude))) {
        const auto whole = static_cast<long long>(magnitude);
        const bool half = magnitude != static_cast<double>(whole);
        std::string text = value < 0 && (whole != 0 || half) ? "-" : "";
        text += std::to_string(whole);
        if (decimals > 0) {
            text += decimalSeparator;
            text += half ? '5' : '0';
            text.append(static_cast<size_t>(decimals - 1), '0');
        }
        return text;
    }
    // The exact decimal expansion of |value| (60 places hold every digit that can decide the
    // rounding), rounded half away from zero by hand: printf would round an exact tie such as
    // 52.5 or 41.25 to even, where a reader expects 53 and 41.3.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.60f", std::fabs(value));
    // The C library writes the decimal point of LC_NUMERIC, which the window sets from the
    // user's locale (a comma in Brazil, possibly several bytes elsewhere): rebuild it as '.'.
    const std::string raw = buffer;
    const size_t integerEnd = raw.find_first_not_of("0123456789");
    const size_t fractionBegin = raw.find_first_of("0123456789", integerEnd);
    std::string digits = raw.substr(0, integerEnd) + '.' + raw.substr(fractionBegin);
    const size_t point = integerEnd;
    bool up = digits[point + 1 + decimals] >= '5';
    digits.resize(decimals > 0 ? point + 1 + decimals : point);
    for (size_t i = digits.size(); up && i-- > 0;) {
        if (digits[i] == '.') continue;
        if (digits[i] < '9') {
            ++digits[i];
            up = false;
        } else {
            digits[i] = '0';
        }
    }
    if (up) digits.insert(digits.begin(), '1');
    // A value that rounds to zero shows without a sign: "-0.0" would read as a real negative.
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    if (value < 0 && !zero) digits.insert(digits.begin(), '-');
    std::replace(digits.begin(), digits.end(), '.', decimalSeparator);
    return digits;
}

namespace {

// The shortest digits that read back as the value: d1.d2...dn x 10^exponent, no leading or
// trailing zero digit; no digits for zero. A float needs at most 9 digits.
struct ShortestDecimal {
    bool negative = false;
    char digits[10] = {};
    int count = 0;
    int exponent = 0;
};

// The shortest digits by {fmt}'s Dragonbox, the algorithm behind its "{}", taken directly: its
// text would have to be parsed back, which cost most of the time of writing a JSON row.
// value must be finite and not zero.
ShortestDecimal ShortestDigits(float value)
{
    auto dec = fmt::detail::dragonbox::to_decimal(std::fabs(value));
    while (dec.significand % 10 == 0) {
        dec.significand /= 10;
        ++dec.exponent;
    }
    ShortestDecimal d;
    d.negative = std::signbit(value);
    char reversed[10];
    for (auto s = dec.significand; s > 0; s /= 10) reversed[d.count++] = static_cast<char>('0' + s % 10);
    std::reverse_copy(reversed, reversed + d.count, d.digits);
    d.exponent = dec.exponent + d.count - 1;
    return d;
}

// The digits in fixed notation. An integer is written as its exact value, as std::to_chars does:
// beyond 2^24 a float's shortest digits padded with zeros would name a different number.
std::string FixedText(float value, const ShortestDecimal& d)
{
    const int n = d.count;
    if (d.exponent >= n - 1) {
        // An integer's exact digits; "%.0f" writes no decimal point, so the locale plays no part.
        char digits[48];
        std::snprintf(digits, sizeof digits, "%.0f", static_cast<double>(value));
        return digits;
    }
    // Below 1e-45 no float is left: 1 + 2 + 45 + 9 characters at most.
    char text[64];
    int length = 0;
    if (d.negative) text[length++] = '-';
    if (d.exponent >= 0) {
        for (int i = 0; i < n; ++i) {
            text[length++] = d.digits[i];
            if (i == d.exponent) text[length++] = '.';
        }
    } else {
        text[length++] = '0';
        text[length++] = '.';
        for (int i = 0; i < -d.exponent - 1; ++i) text[length++] = '0';
        for (int i = 0; i < n; ++i) text[length++] = d.digits[i];
    }
    return std::string(text, static_cast<size_t>(length));
}

// Zero, infinities and NaN as {fmt} and std::to_chars write them: "0", "-0", "inf", "-nan".
std::string SpecialText(float value)
{
    const std::string sign = std::signbit(value) ? "-" : "";
    return sign + (std::isnan(value) ? "nan" : std::isinf(value) ? "inf" : "0");
}

}  // namespace

std::string FormatShortest(float value)
{
    if (!std::isfinite(value) || value == 0) return SpecialText(value);
    const ShortestDecimal d = ShortestDigits(value);
    const int n = d.count;
    // std::to_chars without a format takes the shorter of the two notations, fixed on a tie.
    // A float's exponent never needs more than two digits (1e-45 .. 3.4e+38).
    const int exponentLength = n + (n > 1 ? 1 : 0) + 4;
    const int fixedLength = d.exponent >= n - 1 ? d.exponent + 1 : d.exponent >= 0 ? n + 1 : n + 1 - d.exponent;
    if (fixedLength <= exponentLength) return FixedText(value, d);
    char text[20];
    int length = 0;
    if (d.negative) text[length++] = '-';
    text[length++] = d.digits[0];
    if (n > 1) text[length++] = '.';
    for (int i = 1; i < n; ++i) text[length++] = d.digits[i];
    text[length++] = 'e';
    text[length++] = d.exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(d.exponent);
    text[length++] = static_cast<char>('0' + magnitude / 10);
    text[length++] = static_cast<char>('0' + magnitude % 10);
    return std::string(text, static_cast<size_t>(length));
}

std::string FormatShortestFixed(float value)
{
    if (!std::isfinite(value) || value == 0) return SpecialText(value);
    return FixedText(value, ShortestDigits(value));
}

std::string FormatGeneral(float value, char decimalSeparator)
{
    if (value == 0) value = 0;  // -0 prints as 0
    // Fixed notation keeps climate magnitudes free of exponents; the shortest form of a float
    // needs no more than its 9 significant digits, so 7-digit data print as written.
    std::string text =
        std::abs(value) < 1e7f && std::abs(value) >= 1e-4f ? FormatShortestFixed(value) : FormatShortest(value);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

std::string JsonNumber(float value)
{
    if (!std::isfinite(value)) return "null";
    if (value == 0) value = 0;  // -0 prints as 0
    return FormatShortest(value);
}

namespace {

template <typename T>
std::from_chars_result Parse(const char* first, const char* last, T& value)
{
    T parsed{};
    const auto result = fast_float::from_chars(first, last, parsed);
    if (result.ec != std::errc{}) return {result.ptr, result.ec};
    // fast_float rounds a finite text beyond the range to infinity or zero, where std::from_chars
    // reports it out of range; the readers tell the user "out of range" for it, not "not finite".
    const std::string_view text(first, static_cast<size_t>(result.ptr - first));
    const std::string_view mantissa = text.substr(0, text.find_first_of("eE"));
    const bool literal = mantissa.find_first_of("iInN") != std::string_view::npos;  // inf, nan
    const bool overflow = std::isinf(parsed) && !literal;
    const bool underflow = parsed == 0 && mantissa.find_first_of("123456789") != std::string_view::npos;
    if (overflow || underflow) return {result.ptr, std::errc::result_out_of_range};
    value = parsed;
    return {result.ptr, result.ec};
}

}  // namespace

std::from_chars_result ParseDecimal(const char* first, const char* last, double& value)
{
    return Parse(first, last, value);
}

std::from_chars_result ParseDecimal(const char* first, const char* last, float& value)
{
    return Parse(first, last, value);
}

}  // namespace qav
