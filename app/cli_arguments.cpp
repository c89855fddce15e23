#include "app/cli_arguments.h"

#include <algorithm>

namespace qav::cli {

void Fail(std::string message) { throw OptionError{std::move(message)}; }

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                     const std::vector<std::string>& flags, const std::vector<std::string>& repeatable)
{
    const auto among = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            positional_.push_back(a);
            continue;
        }
        std::string name = a, value;
        const bool hasInlineValue = a.find('=') != std::string::npos;
        if (hasInlineValue) {
            name = a.substr(0, a.find('='));
            value = a.substr(a.find('=') + 1);
        }
        if (among(valued, name)) {
            if (!hasInlineValue) {
                if (i + 1 >= args.size()) Fail(name + ": a value is missing");
                value = args[++i];
            }
            if (values_.count(name) && !among(repeatable, name)) Fail(name + ": given more than once");
            values_[name] = value;
            ordered_.emplace_back(name, value);
        } else if (among(flags, name)) {
            if (hasInlineValue) Fail(name + ": takes no value");
            values_[name] = "";
        } else {
            Fail(name + ": unknown option");
        }
    }
}

std::optional<std::string> Arguments::Value(const std::string& name) const
{
    auto it = values_.find(name);
    return it == values_.end() ? std::nullopt : std::optional(it->second);
}

}  // namespace qav::cli
