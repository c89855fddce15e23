#include "chart/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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

}  // namespace qav
