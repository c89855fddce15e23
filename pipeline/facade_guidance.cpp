#include "pipeline/facade_guidance.h"

#include <cmath>

#include "core/text_format.h"
#include "pipeline/sun_block.h"
#include "text/facade_texts.h"
#include "text/sun_texts.h"

namespace qav {

namespace {

// Below half of the winter sun kept, a fixed overhang costs more heating than it saves cooling
// at a site that wants that sun: movable shading is the better device.
constexpr float kKeepsLittle = 50;  // percent of the underheated sun-hours
constexpr double kPi = 3.14159265358979323846;

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
        const bool overhang = cutOff >= kShallowestOverhangDeg && depth;
        // Fins stand in when the sun comes in from the side: the same buildable limit, over the
        // window's width (depth 1 / tan β).
        const int fins = f.FinsHsa.value_or(0);
        const bool finsDo = !overhang && fins >= kShallowestOverhangDeg;
        GuidanceCheck c{"orientation",
                        overhang || finsDo,
                        static_cast<double>(finsDo ? fins : cutOff),
                        kShallowestOverhangDeg,
                        {},
                        kLetters[f.AzimuthDeg / 90]};
        const std::string deep = depth ? FormatFixed(*depth, 2, decimal) : std::string();
        const std::string finsAngle = std::to_string(fins);
        const std::string finsDeep = FormatFixed(1 / std::tan(fins * kPi / 180), 2, decimal);
        const auto movable = [&](float keeps) {
            if (keeps >= kKeepsLittle) return;
            c.Text += ' ';
            c.Text += ft::FacadeText(language, ft::kMovableKeepsMore);
        };
        if (f.UnderheatedHours == 0) {
            c.Text = overhang ? F(ft::kShadeAllOverhang, {name, hot, angle, deep})
                     : finsDo ? F(ft::kShadeAllFins, {name, hot, angle, finsAngle, finsDeep})
                              : F(ft::kShadeAllLow, {name, hot, angle});
        } else if (overhang) {
            const float keeps = f.OverhangKeeps.value_or(0);
            c.Text = F(ft::kOverhangKeeps, {name, angle, deep, hot, FormatFixed(keeps, 0, decimal)});
            movable(keeps);
        } else if (finsDo) {
            const float keeps = f.FinsKeeps.value_or(0);
            c.Text = F(ft::kFinsKeep, {name, finsAngle, finsDeep, hot, FormatFixed(keeps, 0, decimal), angle});
            movable(keeps);
        } else {
            c.Text = F(ft::kMixedLow, {name, hot, std::to_string(f.UnderheatedHours), angle});
        }
        checks.push_back(std::move(c));
    }
    return checks;
}

}  // namespace qav
