#include "pipeline/run_options.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "chart/strategy.h"
#include "core/text_format.h"
#include "pipeline/open_inputs.h"

namespace qav {
namespace {

namespace text = option_text;

[[noreturn]] void Refuse(const char* wording, std::initializer_list<std::string_view> parts)
{
    throw Refusal(wording, parts);
}

}  // namespace

double ParseNumber(const std::string& name, const std::string& text, double lo, double hi, std::string range)
{
    double v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = ParseDecimal(first, last, v);
    if (ec != std::errc{} || end != last || !std::isfinite(v)) Refuse(text::kNotANumber, {name, text});
    if (range.empty()) range = JsonNumber(static_cast<float>(lo)) + ".." + JsonNumber(static_cast<float>(hi));
    if (v < lo || v > hi) Refuse(text::kOutside, {name, text, range});
    return v;
}

int ParseWhole(const std::string& name, const std::string& text, int lo, int hi, const std::string& slotsOf)
{
    int v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, v);
    if (text.empty() || end != last || (ec != std::errc{} && ec != std::errc::result_out_of_range))
        Refuse(text::kNotWhole, {name, text});
    if (ec == std::errc::result_out_of_range || v < lo || v > hi) {
        const std::string range = std::to_string(lo) + ".." + std::to_string(hi);
        if (slotsOf.empty()) Refuse(text::kOutside, {name, text, range});
        Refuse(text::kSlotOutside, {name, text, range, slotsOf});
    }
    return v;
}

DataSetKind ParseDataSet(const std::string& name, const std::string& text)
{
    if (text == "brazil") return DataSetKind::Brazil;
    if (text == "south-america") return DataSetKind::SouthAmerica;
    if (text == "world") return DataSetKind::World;
    Refuse(text::kNotDataSet, {name, text});
}

std::vector<RunInput> DataSetInputs(const std::string& value)
{
    // "brazil:5": one slot of a set (set keys hold no colon).
    const std::string key = value.substr(0, value.find(':'));
    const std::vector<DataSetKind> kinds =
        key == "all" ? std::vector{DataSetKind::Brazil, DataSetKind::SouthAmerica, DataSetKind::World}
                     : std::vector{ParseDataSet("--dataset", key)};
    if (key == "all" && key != value) Refuse(text::kSlotOfAll, {"--dataset", value});
    std::vector<RunInput> inputs;
    for (DataSetKind kind : kinds) {
        RunInput in;
        in.table = OpenInputs({InputRequest::Kind::DataSet, kind, {}}).Table;
        in.key = DataSetKey(kind);
        in.label = "--dataset " + in.key;
        if (key != value)
            in.onlySlot = ParseWhole("--dataset", value.substr(key.size() + 1), 1, in.table.LocationCount, key);
        inputs.push_back(std::move(in));
    }
    return inputs;
}

ScreenDescription ParseScreen(const std::string& text)
{
    ScreenDescription s;
    const size_t x = text.find('x');
    if (x == std::string::npos) Refuse(text::kNotScreen, {"--screen", text});
    // 200 pixels high is the least that leaves a chart; 16384 keeps every chart coordinate
    // within the 16-bit integers of the chart scale.
    s.WidthPx = ParseWhole("--screen", text.substr(0, x), 320, 16384);
    s.HeightPx = ParseWhole("--screen", text.substr(x + 1), 200, 16384);
    return s;
}

std::pair<int, int> ParseRange(const std::string& name, const std::string& text, int last, const char* notInRange)
{
    const size_t dash = text.find('-', 1);
    if (dash == std::string::npos) Refuse(text::kNotFirstLast, {name, text});
    const auto end = [&](const std::string& part) {
        int v = 0;
        const auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), v);
        if (ec != std::errc{} || ptr != part.data() + part.size() || v < 1 || v > last)
            Refuse(notInRange, {name, text, std::to_string(last)});
        return v;
    };
    return {end(text.substr(0, dash)), end(text.substr(dash + 1))};
}

HourFilter ParseHourFilter(const std::optional<std::string>& hourRange, const std::optional<std::string>& months)
{
    const auto [firstHour, lastHour] =
        hourRange ? ParseRange("--hour-range", *hourRange, 24, text::kNotHourRange) : std::pair{1, 24};
    const auto [firstMonth, lastMonth] =
        months ? ParseRange("--months", *months, 12, text::kNotMonthRange) : std::pair{1, 12};
    HourFilter filter;
    MakeHourFilter(firstHour, lastHour, firstMonth, lastMonth, filter);
    return filter;
}

Warming ParseWarmingChange(const std::string& value)
{
    // "+2" as the warming file writes it; -0 is no change and is shown as 0.
    std::string text = value;
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') text.erase(0, 1);
    const double change = ParseNumber("--warming", text, -kMaxTemperatureChange, kMaxTemperatureChange) + 0.0;
    return UniformWarming(static_cast<float>(change));
}

HoursChoice ParseHours(const std::string& text)
{
    if (text == "both") return HoursChoice::Both;
    if (text == "typical") return HoursChoice::Typical;
    if (text == "recorded") return HoursChoice::Recorded;
    Refuse(text::kNotHours, {"--hours", text});
}

Language ParseLanguage(const std::string& text)
{
    if (const std::optional<Language> language = LanguageFromName(text)) return *language;
    Refuse(text::kNotLanguage, {"--lang", text});
}

bool ParseCompareSort(std::string_view text, CompareSort& sort)
{
    std::string lower(text);
    for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "name")
        sort = {CompareSortKey::Name, 0};
    else if (lower == "list")
        sort = {CompareSortKey::ListOrder, 0};
    else if (lower.size() == 1 && lower[0] >= 'a' && lower[0] < 'a' + kStrategies)
        sort = {CompareSortKey::Strategy, lower[0] - 'a' + 1};
    else
        return false;
    return true;
}

CompareSort ParseSort(const std::string& text)
{
    CompareSort sort;
    if (!ParseCompareSort(text, sort)) Refuse(text::kNotSort, {"--sort", text});
    return sort;
}

}  // namespace qav
