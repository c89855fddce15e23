#pragma once
// qav-cli's command line: options of the form --name value (or --name=value), flags and
// positional words; the values' parsers are shared with the WebAssembly module. A bad argument
// throws OptionError (pipeline/option_error.h), which main turns into a one-line message and exit
// status 2.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pipeline/run_options.h"

namespace qav::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // an input, an output or the memory failed
constexpr int kExitUsage = 2;    // bad arguments

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

}  // namespace qav::cli
