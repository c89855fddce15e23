#include "pipeline/facade_guidance.h"

#include "core/text_format.h"
#include "pipeline/sun_block.h"
#include "text/facade_texts.h"
#include "text/sun_texts.h"

namespace qav {

namespace {

// Below half of the winter sun kept, a fixed overhang costs more heating than it saves cooling
// at a site that wants that sun: movable shading is the better device.
constexpr float kKeepsLittle = 50;  // percent of the underheated sun-hours

}  // namespace

std::vector<GuidanceCheck> FacadeChecks(const AnalysisState& state, Language language)
{
    namespace ft = facade_text;
    const char decimal = DecimalSeparatorOf(language);
    const auto F = [&](const char* english, std::initializer_list<std::string_view> values) {
        return FilledText(ft::FacadeText(language, english), values);
    };
    static constexpr const char* kLetters[4] = {"N", "E", "S", "W"};
    std::vector<GuidanceCheck> checks;
    const SunBlock sun = ComputeSunBlock(state);
    for (const FacadeShading& f : sun.Facades) {
        if (f.AzimuthDeg % 90 != 0 || !f.OverhangVsa || f.OverheatedHours == 0) continue;
        const int index = f.AzimuthDeg / 45 % 8;
        const std::string name(Translated(language, sun_text::kContext, sun_text::kFacadeName[index], "facade"));
        const int cutOff = *f.OverhangVsa;
        const std::string angle = std::to_string(cutOff), hot = std::to_string(f.OverheatedHours);
        const auto depth = f.OverhangDepth();
        GuidanceCheck c{"orientation",
                        cutOff >= kShallowestOverhangDeg && depth,
                        static_cast<double>(cutOff),
                        kShallowestOverhangDeg,
                        {},
                        kLetters[f.AzimuthDeg / 90]};
        const std::string deep = depth ? FormatFixed(*depth, 2, decimal) : std::string();
        if (f.UnderheatedHours == 0)
            c.Text =
                c.Holds ? F(ft::kShadeAllOverhang, {name, hot, angle, deep}) : F(ft::kShadeAllLow, {name, hot, angle});
        else if (!c.Holds)
            c.Text = F(ft::kMixedLow, {name, hot, std::to_string(f.UnderheatedHours), angle});
        else {
            const float keeps = f.OverhangKeeps.value_or(0);
            c.Text = F(ft::kOverhangKeeps, {name, angle, deep, hot, FormatFixed(keeps, 0, decimal)});
            if (keeps < kKeepsLittle) c.Text += " " + std::string(ft::FacadeText(language, ft::kMovableKeepsMore));
        }
        checks.push_back(std::move(c));
    }
    return checks;
}

}  // namespace qav
