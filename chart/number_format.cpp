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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(decimals, 0, 9), value);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

}  // namespace qav
