#pragma once
// Every number the program writes or reads as text. Each output keeps the form it has always had,
// so files written by earlier versions and scripts reading ours see the same bytes:
//
//   FormatFixed          fixed decimals, ties away from zero, no "-0"   chart, legend, panel, pictures
//   FormatInt00          at least two digits                            chart axis labels
//   FormatShortest       shortest round trip, fixed or exponent,        JSON, messages
//                        whichever is shorter ("1e-05", "1e+05")
//   FormatShortestFixed  shortest round trip, never an exponent         Monthly Data files
//   FormatGeneral        shortest fixed between 1e-4 and 1e7,           results table, CSV, Copy
//                        FormatShortest outside
//
// The shortest forms give the same text as std::to_chars for a float; they are built on {fmt}
// and the parser on fast_float, because the C++ library of the WebAssembly build has neither
// floating-point to_chars nor from_chars.
#include <charconv>
#include <string>
#include <string_view>

namespace qav {

/// Pattern "00": at least two digits, a minus sign before negatives (5 -> "05", -6 -> "-06").
std::string FormatInt00(int value);

/// Patterns "0", "0.0", "0.000": fixed decimals, rounded half away from zero, with the given
/// decimal separator; a value that rounds to zero has no minus sign.
std::string FormatFixed(double value, int decimals, char decimalSeparator = '.');

/// The shortest text that reads back as the same float, in fixed or exponent notation, whichever
/// is shorter (fixed on a tie): 0.001, 1e-04, 0.00012, 1e+05, 123456792. "-0", "inf", "nan" as such.
std::string FormatShortest(float value);

/// The shortest text that reads back as the same float, never with an exponent; an integer beyond
/// the float's precision is written as its exact value (1e16f -> "10000000272564224").
std::string FormatShortestFixed(float value);

/// The table form: FormatShortestFixed for 1e-4 <= |value| < 1e7, FormatShortest outside; -0 is
/// "0"; '.' replaced by the given separator.
std::string FormatGeneral(float value, char decimalSeparator = '.');

/// A JSON number: FormatShortest, with -0 as 0 and "null" for infinities and NaN.
std::string JsonNumber(float value);

/// Reads a decimal number exactly as std::from_chars with chars_format::general does: an optional
/// '-', digits with an optional point and exponent, or "inf"/"infinity"/"nan" (any case); no
/// leading '+' or blank. A finite text beyond the type's range, or one that rounds to zero from
/// non-zero digits, gives std::errc::result_out_of_range and leaves value unchanged.
std::from_chars_result ParseDecimal(const char* first, const char* last, double& value);
std::from_chars_result ParseDecimal(const char* first, const char* last, float& value);

}  // namespace qav
