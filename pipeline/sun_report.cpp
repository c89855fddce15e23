#include "pipeline/sun_report.h"

#include "core/text_format.h"
#include "pipeline/sun_block.h"
#include "text/sun_texts.h"

namespace qav {

namespace {

std::string FacadeName(int azimuthDeg, Language language)
{
    if (azimuthDeg % 45 != 0) return std::to_string(azimuthDeg) + "°";
    return std::string(Translated(language, sun_text::kContext, sun_text::kFacadeName[azimuthDeg / 45 % 8], "facade"));
}

std::string S(Language language, const char* english) { return std::string(sun_text::SunText(language, english)); }

}  // namespace

std::string FacadeSentence(const FacadeShading& f, Language language)
{
    const char decimal = DecimalSeparatorOf(language);
    const std::string name = FacadeName(f.AzimuthDeg, language);
    if (!f.OverhangVsa) return FilledText(S(language, sun_text::kFacadeNone), {name});
    const std::string hours = std::to_string(f.OverheatedHours);
    std::string s;
    if (const auto depth = f.OverhangDepth(); !depth)
        s = FilledText(S(language, sun_text::kFacadeLowSun), {name, hours});
    else if (f.OverhangKeeps)
        s = FilledText(S(language, sun_text::kFacadeOverhang),
                       {name, std::to_string(*f.OverhangVsa), hours, FormatFixed(*f.OverhangKeeps, 0, decimal),
                        FormatFixed(*depth, 2, decimal)});
    else
        s = FilledText(S(language, sun_text::kFacadeOverhangNoWinter),
                       {name, std::to_string(*f.OverhangVsa), hours, FormatFixed(*depth, 2, decimal)});
    s += ' ';
    if (*f.FinsHsa == 0)
        s += S(language, sun_text::kNoFins);
    else if (f.FinsKeeps)
        s += FilledText(S(language, sun_text::kFins),
                        {std::to_string(*f.FinsHsa), FormatFixed(*f.FinsKeeps, 0, decimal)});
    else
        s += FilledText(S(language, sun_text::kFinsNoWinter), {std::to_string(*f.FinsHsa)});
    return s;
}

std::vector<ReportBlock> SunReportSection(const AnalysisState& state, Language language)
{
    const char decimal = DecimalSeparatorOf(language);
    const SunBlock b = ComputeSunBlock(state);
    std::vector<ReportBlock> blocks;
    const auto add = [&](ReportBlockKind kind, std::string text, ReportTable table = {}) {
        blocks.push_back({kind, std::move(text), std::move(table), {}});
    };
    add(ReportBlockKind::Section, S(language, sun_text::kSection));
    add(ReportBlockKind::Text, FilledText(S(language, sun_text::kIntro), {FormatFixed(b.ShadeAboveC, 1, decimal)}));
    add(ReportBlockKind::SunPath,
        FilledText(S(language, sun_text::kSunPathCaption), {FacadeName(ChosenFacade(state), language)}));
    ReportTable table;
    for (const char* column : sun_text::kFacadeColumns)
        table.Columns.emplace_back(Translated(language, sun_text::kContext, column,
                                              column == sun_text::kFacadeColumns[7] ? "fins column" : "column"));
    const auto orDash = [&](const auto& v, int decimals) {
        return v ? FormatFixed(static_cast<double>(*v), decimals, decimal) : std::string("-");
    };
    for (const FacadeShading& f : b.Facades) {
        table.Rows.push_back({FacadeName(f.AzimuthDeg, language), std::to_string(f.OverheatedHours),
                              std::to_string(f.UnderheatedHours), orDash(f.OverhangVsa, 0), orDash(f.OverhangKeeps, 1),
                              orDash(f.OverhangDepth(), 2), orDash(f.FinsHsa, 0), orDash(f.FinsKeeps, 1)});
        table.Bold.push_back(f.AzimuthDeg == ChosenFacade(state));
    }
    add(ReportBlockKind::Table, {}, std::move(table));
    // The four cardinal façades (and the one drawn) in words; the table gives the diagonals, and
    // the report keeps its six pages.
    for (const FacadeShading& f : b.Facades)
        if (f.AzimuthDeg % 90 == 0 || f.AzimuthDeg == ChosenFacade(state))
            add(ReportBlockKind::Note, FacadeSentence(f, language));
    add(ReportBlockKind::Calendar, S(language, sun_text::kCalendarCaption));
    return blocks;
}

}  // namespace qav
