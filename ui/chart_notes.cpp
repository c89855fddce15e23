#include "ui/chart_notes.h"

#include <QChar>

#include "ui/locale_format.h"

namespace qav {
namespace {

// A number and its unit never part at a line break; a negative number has a true minus sign.
QString WithUnit(int value, const char* unit)
{
    const QString number = value < 0 ? QChar(0x2212) + QString::number(-value) : QString::number(value);
    return KeepUnitsTogether(number + u' ' + QString::fromUtf8(unit));
}

}  // namespace

ChartNotes::ChartNotes(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("ChartNotes"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setAccessibleName(tr("Notes on the chart"));
    hide();
}

void ChartNotes::setNotes(const QStringList& notes)
{
    notes_ = notes;
    setText(KeepUnitsTogether(notes.join(u'\n')));
    setAccessibleDescription(text());
    setVisible(!notes.isEmpty());
}

QStringList ChartNotes::recordedHoursNotes(const AnalysisState& state)
{
    QStringList notes;
    const RecordedYear* year = state.ShowsRecordedHours() ? state.CurrentRecorded() : nullptr;
    if (!year) return notes;
    const ChartScale& s = state.Scale;
    int colder = 0, warmer = 0, wetter = 0;
    for (const RecordedHour& h : year->Hours) {
        colder += h.DBT < s.TMin;
        warmer += h.DBT > s.TMax;
        wetter += h.W > s.WMax;
    }
    const QString cold = WithUnit(s.TMin, "°C"), warm = WithUnit(s.TMax, "°C"), wet = WithUnit(s.WMax, "g/kg");
    if (colder == 1) notes << tr("1 recorded hour is colder than %1, the chart's edge").arg(cold);
    if (colder > 1) notes << tr("%1 recorded hours are colder than %2, the chart's edge").arg(colder).arg(cold);
    if (warmer == 1) notes << tr("1 recorded hour is warmer than %1, the chart's edge").arg(warm);
    if (warmer > 1) notes << tr("%1 recorded hours are warmer than %2, the chart's edge").arg(warmer).arg(warm);
    if (wetter == 1) notes << tr("1 recorded hour is more humid than %1, the chart's top").arg(wet);
    if (wetter > 1) notes << tr("%1 recorded hours are more humid than %2, the chart's top").arg(wetter).arg(wet);
    if (year->HoursMissing == 1) notes << tr("1 hour the file marks as missing is left out");
    if (year->HoursMissing > 1) notes << tr("%1 hours the file marks as missing are left out").arg(year->HoursMissing);
    return notes;
}

}  // namespace qav
