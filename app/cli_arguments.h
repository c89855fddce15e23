#pragma once
// qav-cli's command line: options of the form --name value (or --name=value), flags and
// positional words, and the parsers of the values that several commands share. A bad argument
// throws UsageError, which main turns into a one-line message and exit status 2.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/screen_layout.h"
#include "data/builtin_sets.h"

namespace qav::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // an input, an output or the memory failed
constexpr int kExitUsage = 2;    // bad arguments

/// A bad command line: the message names the argument; exit status 2.
struct UsageError {
    std::string message;
};

/// A failure to read an input file or to prepare an output: the message, exit status 1.
struct InputError {
    std::string message;
};

[[noreturn]] void Fail(std::string message);

/// Arguments of the form --name value, --flag and positional words.
class Arguments {
public:
    Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valued,
              const std::vector<std::string>& flags, const std::vector<std::string>& repeatable = {});
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const;
    const std::vector<std::string>& Positional() const { return positional_; }
    /// The valued options in the order given, repeated ones included.
    const std::vector<std::pair<std::string, std::string>>& Ordered() const { return ordered_; }

private:
    std::vector<std::pair<std::string, std::string>> ordered_;
    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
};

/// A number within lo..hi; `range` is how the message shows the bounds (by default lo..hi).
double ParseNumber(const std::string& name, const std::string& text, double lo, double hi, std::string range = {});

/// A whole number within lo..hi: counts and sizes take no fractions.
int ParseWhole(const std::string& name, const std::string& text, int lo, int hi, const std::string& why = {});

/// brazil, south-america or world.
DataSetKind ParseDataSet(const std::string& name, const std::string& text);

/// WIDTHxHEIGHT within 320..16384 by 200..16384.
ScreenDescription ParseScreen(const std::string& text);

/// "A-B" with both ends in 1..last, or a usage error naming the option.
std::pair<int, int> ParseRange(const std::string& name, const std::string& text, int last, const char* what);

}  // namespace qav::cli
