#include "ui/status_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>
#include <array>
#include <numeric>

#include "chart/strategy.h"
#include "ui/results_panel.h"
#include "ui/locale_format.h"
#include "ui/saved_files.h"
#include "ui/translation.h"

namespace qav {

StatusTexts StatusTextsOf(const AnalysisState& state, const QString& basis)
{
    StatusTexts t;
    const QString file = QString::fromStdString(state.SourceFile[size_t(state.CurrentLocation)]);
    if (!file.isEmpty()) {
        t.Source = QObject::tr("File: %1").arg(QFileInfo(file).fileName());
        t.SourceTip = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    } else {
        const DataSetFlags& k = state.DataSetKind;
        const QString set = k.ShowingBrazil         ? QObject::tr("Brazil")
                            : k.ShowingSouthAmerica ? QObject::tr("South America")
                            : k.ShowingWorld        ? QObject::tr("World")
                                                    : QObject::tr("Monthly Data file");
        t.Source = QObject::tr("Data set: %1").arg(set);
        t.SourceTip = QObject::tr("Built-in climatic data base");
    }
    const LocationRecord& l = state.Current();
    t.Location = QObject::tr("Location: %1 (%2)").arg(QString::fromStdString(l.LocationName), ShownCountry(l.Country));
    t.Hours = state.ShowsRecordedHours() ? QObject::tr("Recorded hours") : QObject::tr("Typical days");
    t.Basis = basis;
    return t;
}

QString ChartDescription(const AnalysisState& state, QChar decimalPoint)
{
    const LocationRecord& l = state.Current();
    const StrategyTally& tally = state.ShownTally();
    std::array<int, kStrategies> order;
    std::iota(order.begin(), order.end(), 1);
    // Largest first; equal shares in strategy order.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return tally.YearShare[a] > tally.YearShare[b]; });
    QStringList shares;
    for (int i = 0; i < 3; ++i) {
        const int s = order[size_t(i)];
        if (tally.YearShare[s] <= 0) break;
        shares << QStringLiteral("%1 %2 %").arg(StrategyDisplayName(s),
                                                FormatFixed(tally.YearShare[s], 1, decimalPoint));
    }
    QString text =
        QObject::tr("%1 (%2): %3")
            .arg(QString::fromStdString(l.LocationName), ShownCountry(l.Country), shares.join(QStringLiteral(", ")));
    if (state.ShowsRecordedHours()) text += QObject::tr(" (recorded hours)");
    return text;
}

namespace {

QString StrategyText(int s)
{
    if (s < 1 || s > kStrategies) return QObject::tr("no zone");
    return QStringLiteral("%1 %2").arg(QChar::fromLatin1(StrategyLetter(s)),
                                       QCoreApplication::translate("qav::Strategy", StrategyName[size_t(s)].data()));
}

}  // namespace

QString HourReadout(const PlottedHour& h, QChar decimalPoint)
{
    QString when = h.Day > 0 ? QObject::tr("%1 %2, %3 h").arg(MonthName(h.Month)).arg(h.Day).arg(h.Hour)
                             : QObject::tr("%1, %2 h (typical day)").arg(MonthName(h.Month)).arg(h.Hour);
    // The readout starts a line: its first word takes a capital (Portuguese months have none).
    if (!when.isEmpty()) when[0] = when[0].toUpper();
    QString text = QObject::tr("%1: DBT %2 °C, RH %3 %, W %4 g/kg, %5")
                       .arg(when, FormatFixed(h.DBT, 1, decimalPoint), FormatFixed(h.RH, 0, decimalPoint),
                            FormatFixed(h.W, 2, decimalPoint), StrategyText(h.Strategy));
    if (!h.Counted) text += QObject::tr(" (not counted)");
    return KeepUnitsTogether(text);
}

QString HighlightDescription(int strategy, int hourCount)
{
    return QObject::tr("Lit: %1, %2 of the hours shown; the others dimmed.").arg(StrategyText(strategy)).arg(hourCount);
}

QString LitStatusText(int strategy, int hourCount)
{
    return QObject::tr("Lit: %1, %2 hours; Escape shows all").arg(StrategyText(strategy)).arg(hourCount);
}

StatusLine::StatusLine(QStatusBar* bar) : QObject(bar)
{
    auto field = [bar](const char* name, const QString& accessibleName) {
        auto* label = new QLabel(bar);
        label->setObjectName(QString::fromLatin1(name));
        label->setAccessibleName(accessibleName);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        bar->addWidget(label);
        return label;
    };
    source_ = field("StatusSource", tr("Source"));
    location_ = field("StatusLocation", tr("Location analysed"));
    hours_ = field("StatusHours", tr("Hours shown"));
    basis_ = field("StatusBasis", tr("Analysis basis"));
    warning_ = field("StatusWarning", tr("Warning"));
    warning_->setStyleSheet(QStringLiteral("color: #a00000;"));
    warning_->hide();
    readout_ = field("StatusReadout", tr("Hour pointed at"));
    readout_->hide();
    saved_ = field("StatusSaved", tr("File saved"));
    saved_->hide();
    lit_ = field("StatusLit", tr("Strategy lit"));
    lit_->hide();
}

void StatusLine::setLit(const QString& text)
{
    lit_->setText(KeepUnitsTogether(text));
    lit_->setVisible(!text.isEmpty());
}

void StatusLine::showSaved(const QString& path)
{
    saved_->setText(KeepUnitsTogether(SavedFileText(path)));
    saved_->setToolTip(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    saved_->show();
}

void StatusLine::setReadout(const QString& text)
{
    // The hour takes the whole line while it is read: on a small screen it would be cut short.
    const bool reading = !text.isEmpty();
    for (QLabel* field : {source_, location_, hours_, basis_}) field->setVisible(!reading);
    warning_->setVisible(!reading && !warning_->text().isEmpty());
    readout_->setText(text);
    readout_->setVisible(reading);
}

void StatusLine::show(const StatusTexts& t)
{
    source_->setText(t.Source);
    source_->setToolTip(t.SourceTip);
    location_->setText(KeepUnitsTogether(t.Location));
    hours_->setText(t.Hours);
    basis_->setText(t.Basis);
    saved_->hide();  // it confirmed a file of the analysis before
}

void StatusLine::setWarning(const QString& text)
{
    // The short form: the notes under the chart give the whole text, and the tooltip here.
    const QFontMetrics metrics = warning_->fontMetrics();
    const QString whole = KeepUnitsTogether(text);
    warning_->setText(metrics.elidedText(whole, Qt::ElideRight, 40 * metrics.averageCharWidth()));
    warning_->setToolTip(whole);
    warning_->setVisible(!text.isEmpty() && readout_->isHidden());
}

}  // namespace qav
