#include "pipeline/comfort_output.h"

#include "chart/monthly_graph.h"
#include "chart/wind_rose_picture.h"
#include "core/text_format.h"
#include "pipeline/analysis_output.h"
#include "pipeline/rendering.h"
#include "text/comfort_texts.h"

namespace qav {
namespace {

constexpr const char* kCategories[kAdaptiveLevels] = {"i", "ii", "iii"};  // EN 16798-1's categories

std::string Number2(double v) { return JsonNumber(RoundHundredth(v)); }

std::string CountOrNull(bool inRange, int count) { return inRange ? std::to_string(count) : "null"; }

std::string AdaptiveMonthsJson(const AdaptiveYear& year)
{
    const bool en = year.Model == ComfortModel::En16798;
    std::string j = "[";
    for (int m = 1; m <= kMonths; ++m) {
        const AdaptiveMonth& a = year.Month[m];
        const bool in = a.InRange;
        if (m > 1) j += ",";
        j += "{\"month\":" + std::to_string(m);
        j += en ? ",\"t_rm\":" : ",\"t_pma\":";
        j += Number2(a.MeanOutdoor) + ",\"t_comf\":" + Number2(a.Comfort);
        if (en) {
            for (int i = 0; i < kAdaptiveLevels; ++i) {
                j += ",\"lower_" + std::string(kCategories[i]) + "\":" + Number2(a.Lower[i]);
                j += ",\"upper_" + std::string(kCategories[i]) + "\":" + Number2(a.Upper[i]);
            }
            j += ",\"in_range\":" + std::string(in ? "true" : "false");
            for (int i = 0; i < kAdaptiveLevels; ++i)
                j += ",\"hours_within_" + std::string(kCategories[i]) + "\":" + CountOrNull(in, a.Within[i]);
        } else {
            j += ",\"lower80\":" + Number2(a.Lower[0]) + ",\"upper80\":" + Number2(a.Upper[0]);
            j += ",\"lower90\":" + Number2(a.Lower[1]) + ",\"upper90\":" + Number2(a.Upper[1]);
            j += ",\"in_range\":" + std::string(in ? "true" : "false");
            j += ",\"hours_within80\":" + CountOrNull(in, a.Within[0]);
            j += ",\"hours_above80\":" + CountOrNull(in, a.Above[0]);
            j += ",\"hours_below80\":" + CountOrNull(in, a.Below[0]);
            j += ",\"hours_within90\":" + CountOrNull(in, a.Within[1]);
            j += ",\"hours_within80_fan\":";
            if (in) {
                j += "[" + std::to_string(a.WithinFan[0]) + "," + std::to_string(a.WithinFan[1]) + "," +
                     std::to_string(a.WithinFan[2]) + "]";
            } else {
                j += "null";
            }
        }
        j += "}";
    }
    return j + "]";
}

std::string AdaptiveJson(const AdaptiveYear& ashrae, const AdaptiveYear& en)
{
    return "{\"ashrae55\":" + AdaptiveMonthsJson(ashrae) + ",\"en16798\":" + AdaptiveMonthsJson(en) + "}";
}

std::string RoseJson(const WindRose& r)
{
    std::string j =
        "{\"calm\":" + std::to_string(r.Calm) + ",\"missing\":" + std::to_string(r.Missing) + ",\"hours\":[";
    for (int k = 0; k < kWindSectors; ++k) {
        j += k ? ",[" : "[";
        for (int c = 0; c < kWindClasses; ++c) {
            if (c) j += ',';
            j += std::to_string(r.Hours[k][c]);
        }
        j += "]";
    }
    j += "],\"prevailing\":";
    if (r.Prevailing) {
        j += JsonString(WindSectorName(*r.Prevailing)) + ",\"prevailing_share\":" + JsonNumber(r.PrevailingShare);
    } else {
        j += "null,\"prevailing_share\":null";
    }
    return j + "}";
}

}  // namespace

OptionError ComfortRefusal(const char* wording, std::initializer_list<std::string_view> parts)
{
    OptionError refusal = Refusal(wording, parts);
    refusal.context = comfort_text::kContext;
    return refusal;
}

ComfortModel ParseComfortOption(const std::string& text)
{
    ComfortModel model = ComfortModel::Givoni;
    if (ParseComfortModel(text, model)) return model;
    throw ComfortRefusal(comfort_text::kNotComfortModel, {"--comfort", text});
}

ComfortModel AdaptiveModelShown(const AnalysisState& state)
{
    return state.Comfort == ComfortModel::Givoni ? ComfortModel::Ashrae55 : state.Comfort;
}

AdaptiveYear ShownAdaptiveYear(const AnalysisState& state, ComfortModel model)
{
    if (state.ShowsRecordedHours()) return AdaptiveRecordedHours(model, state.CurrentRecorded()->Hours);
    return AdaptiveTypicalDays(model, state.Current(), state.Hours);
}

std::optional<WindRoses> RecordedWindRoses(const AnalysisState& state)
{
    const RecordedYear* recorded = state.CurrentRecorded();
    if (!recorded) return std::nullopt;
    return WindRosesOf(recorded->Hours, state.RecordedStrategy);
}

void RenderAdaptiveGraph(ChartCanvas& graph, const AnalysisState& state, ComfortModel model, Language language,
                         std::string_view title)
{
    const AdaptiveYear year = ShownAdaptiveYear(state, model == ComfortModel::Givoni ? ComfortModel::Ashrae55 : model);
    DrawMonthlyGraph(graph, state.Current(), state.Layout.PixelWidth, state.Layout.PixelHeight, language, title,
                     CountedMonthsOf(state.Filter), &year);
}

void RenderWindRoses(ChartCanvas& canvas, const AnalysisState& state, Language language, std::string_view title)
{
    const std::optional<WindRoses> roses = RecordedWindRoses(state);
    if (!roses) {
        canvas.Clear();
        return;
    }
    DrawWindRoses(canvas, roses->All, roses->Ventilation, state.Layout.PixelWidth, state.Layout.PixelHeight, language,
                  title);
}

std::string ComfortJson(const AnalysisState& state, bool withRecorded)
{
    std::string j =
        ",\"adaptive\":" + AdaptiveJson(AdaptiveTypicalDays(ComfortModel::Ashrae55, state.Current(), state.Hours),
                                        AdaptiveTypicalDays(ComfortModel::En16798, state.Current(), state.Hours));
    const RecordedYear* recorded = state.CurrentRecorded();
    if (!recorded || !withRecorded) return j;
    j += ",\"recorded_adaptive\":" + AdaptiveJson(AdaptiveRecordedHours(ComfortModel::Ashrae55, recorded->Hours),
                                                  AdaptiveRecordedHours(ComfortModel::En16798, recorded->Hours));
    const WindRoses roses = WindRosesOf(recorded->Hours, state.RecordedStrategy);
    j += ",\"wind\":{\"sectors\":[";
    for (int k = 0; k < kWindSectors; ++k) {
        if (k) j += ',';
        j += JsonString(WindSectorName(k));
    }
    j += "],\"all\":" + RoseJson(roses.All) + ",\"ventilation\":" + RoseJson(roses.Ventilation) + ",\"seasons\":[";
    for (int s = 0; s < kSeasons; ++s) {
        if (s) j += ',';
        j += RoseJson(roses.Season[s]);
    }
    return j + "]}";
}

}  // namespace qav
