#pragma once
// The number patterns of the chart, the legend and the graph.
#include <string>

namespace qav {

/// Pattern "00": at least two digits, a minus sign before negatives (5 -> "05", -6 -> "-06").
std::string FormatInt00(int value);

/// Patterns "0", "0.0", "0.000": fixed decimals, rounded half away from zero, with the given
/// decimal separator; a value that rounds to zero has no minus sign. The one number formatter
/// of the chart, the legend, the results panel and the exported files.
std::string FormatFixed(double value, int decimals, char decimalSeparator = '.');

}  // namespace qav
