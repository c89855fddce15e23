#include "ui/analysis_text.h"

#include <QStringList>

#include "pipeline/option_error.h"
#include "ui/locale_format.h"
#include "ui/station_name.h"
#include "ui/translation.h"

namespace qav {
namespace {

// A warming's number as qav-cli prints it, with the window's decimal separator.
QString Number(float value)
{
    return QString::fromStdString(WarmingNumberText(value)).replace(u'.', LocaleDecimalPoint());
}

}  // namespace

QString AnalysisText::hourFilter(const HourFilter& f)
{
    if (f.IsAll()) return tr("all hours");
    const QString hours = f.HourCount() == 24 ? tr("all hours") : tr("hours %1-%2").arg(f.FirstHour).arg(f.LastHour);
    if (f.MonthCount() == 12) return hours;
    const QString months = f.FirstMonth == f.LastMonth
                               ? MonthName(f.FirstMonth)
                               : tr("%1-%2", "a range of months").arg(MonthName(f.FirstMonth), MonthName(f.LastMonth));
    return tr("%1, %2", "hours, months").arg(hours, months);
}

QString AnalysisText::warming(const Warming& w)
{
    if (const auto degrees = w.Uniform())
        // A caption that wraps must not part "+2" from its unit.
        return KeepUnitsTogether(tr("%1%2 °C").arg(*degrees >= 0 ? QStringLiteral("+") : QString(), Number(*degrees)));
    return tr("monthly changes");
}

QString AnalysisText::refusal(const RefusedChange& r)
{
    const auto signedChange = [](float change) {
        return change < 0 ? QStringLiteral("- ") + Number(-change) : QStringLiteral("+ ") + Number(change);
    };
    const QString change = signedChange(r.Change);
    if (const auto& max = r.AboveMax)
        return tr(kWarmingAboveMax)
            .arg(MonthName(r.Month), Number(r.Base), change, Number(r.Result), Number(max->Base),
                 signedChange(max->Change), Number(max->Result));
    return tr(kWarmingRefusal)
        .arg(MonthName(r.Month), QLatin1String(NormalName(r.Field)), Number(r.Base), change, Number(r.Result))
        .arg(r.Range.Low)
        .arg(r.Range.High);
}

QString AnalysisText::station(const StationTag& s) { return StationCaptionText(s); }

QString AnalysisText::caption(const AnalysisCaptionParts& parts)
{
    QStringList shown;
    if (parts.Station) shown << station(*parts.Station);
    if (parts.Counted) shown << tr("Counted: %1").arg(hourFilter(*parts.Counted));
    if (parts.WhatIf) shown << tr("What if: %1").arg(warming(*parts.WhatIf));
    return shown.join(QStringLiteral("; "));
}

}  // namespace qav
