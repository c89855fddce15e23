#include "app/cli_arguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/text_format.h"

namespace qav::cli {

void Fail(std::string message) { throw UsageError{std::move(message)}; }

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

double ParseNumber(const std::string& name, const std::string& text, double lo, double hi, std::string range)
{
    double v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = ParseDecimal(first, last, v);
    if (ec != std::errc{} || end != last || !std::isfinite(v))
        Fail(name + ": '" + text + "' is not a number");
    if (range.empty()) range = JsonNumber(static_cast<float>(lo)) + ".." + JsonNumber(static_cast<float>(hi));
    if (v < lo || v > hi) Fail(name + ": " + text + " is outside " + range);
    return v;
}

int ParseWhole(const std::string& name, const std::string& text, int lo, int hi, const std::string& why)
{
    int v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, v);
    if (text.empty() || end != last || (ec != std::errc{} && ec != std::errc::result_out_of_range))
        Fail(name + ": '" + text + "' is not a whole number");
    if (ec == std::errc::result_out_of_range || v < lo || v > hi)
        Fail(name + ": " + text + " is outside " + std::to_string(lo) + ".." + std::to_string(hi) + why);
    return v;
}

DataSetKind ParseDataSet(const std::string& name, const std::string& text)
{
    if (text == "brazil") return DataSetKind::Brazil;
    if (text == "south-america") return DataSetKind::SouthAmerica;
    if (text == "world") return DataSetKind::World;
    Fail(name + ": '" + text + "' is not brazil, south-america or world");
}

ScreenDescription ParseScreen(const std::string& text)
{
    ScreenDescription s;
    const size_t x = text.find('x');
    if (x == std::string::npos) Fail("--screen: '" + text + "' is not WIDTHxHEIGHT");
    // 200 pixels high is the least that leaves a chart; 16384 keeps every chart coordinate
    // within the 16-bit integers of the chart scale.
    s.WidthPx = ParseWhole("--screen", text.substr(0, x), 320, 16384);
    s.HeightPx = ParseWhole("--screen", text.substr(x + 1), 200, 16384);
    return s;
}

std::pair<int, int> ParseRange(const std::string& name, const std::string& text, int last, const char* what)
{
    const size_t dash = text.find('-', 1);
    if (dash == std::string::npos) Fail(name + ": '" + text + "' is not FIRST-LAST");
    const std::string bounds = std::string("1..") + std::to_string(last) + " (" + what + ")";
    const auto end = [&](const std::string& part) {
        int v = 0;
        const auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), v);
        if (ec != std::errc{} || ptr != part.data() + part.size() || v < 1 || v > last)
            Fail(name + ": '" + text + "' is not a range within " + bounds);
        return v;
    };
    return {end(text.substr(0, dash)), end(text.substr(dash + 1))};
}

}  // namespace qav::cli
