#pragma once
// The values of an analysis run's options as qav-cli and the WebAssembly module both take them
// ("9-18", "12-2", "+2", "1280x720", "E", "pt_BR"): one parser each, one wording of each refusal.
// A refused value throws OptionError, whose message names the option; qav-cli prints it with
// exit status 2, the module returns it in its error object, in the request's language.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/compare_chart.h"
#include "text/language.h"
#include "classify/hour_filter.h"
#include "core/screen_layout.h"
#include "core/warming.h"
#include "data/builtin_sets.h"
#include "pipeline/analysis_run.h"
#include "pipeline/option_error.h"

namespace qav {

/// A number within lo..hi; `range` is how the message shows the bounds (by default lo..hi).
double ParseNumber(const std::string& name, const std::string& text, double lo, double hi, std::string range = {});

/// A whole number within lo..hi: counts and sizes take no fractions. A slot of a data set names
/// the set (`slotsOf`) in its refusal.
int ParseWhole(const std::string& name, const std::string& text, int lo, int hi, const std::string& slotsOf = {});

/// brazil, south-america or world.
DataSetKind ParseDataSet(const std::string& name, const std::string& text);

/// A --dataset value: "brazil", "all" (the three sets) or "world:7" (one slot), loaded.
std::vector<RunInput> DataSetInputs(const std::string& value);

/// WIDTHxHEIGHT within 320..16384 by 200..16384.
ScreenDescription ParseScreen(const std::string& text);

/// "A-B" with both ends in 1..last, or a refusal naming the option (`notInRange`, a wording of
/// option_text, says what the numbers count).
std::pair<int, int> ParseRange(const std::string& name, const std::string& text, int last, const char* notInRange);

/// --hour-range and --months (either may be absent) as the filter of the hours the shares count.
HourFilter ParseHourFilter(const std::optional<std::string>& hourRange, const std::optional<std::string>& months);

/// --warming: a uniform change of -30..30 degrees; "+2" as a warming file writes it.
Warming ParseWarmingChange(const std::string& text);

/// --hours: "both" (the default), "typical" or "recorded".
enum class HoursChoice { Both, Typical, Recorded };
HoursChoice ParseHours(const std::string& text);

/// --lang: "en" or "pt_BR".
Language ParseLanguage(const std::string& text);

/// A compare picture's order: a strategy letter A..J (by its share, largest first), "name" or
/// "list" (the order given), in either case; false for anything else.
bool ParseCompareSort(std::string_view text, CompareSort& sort);
/// The same, refusing anything else with --sort's message.
CompareSort ParseSort(const std::string& text);

}  // namespace qav
