#include "ui/analysis_options_dialogs.h"

#include <QComboBox>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/strategy.h"
#include "core/text_format.h"
#include "ui/analysis_text.h"
#include "ui/translation.h"
#include "ui/read_failure_text.h"
#include "ui/screen_fit.h"

namespace qav {
namespace {

QString FromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QStringList MonthNames()
{
    QStringList names;
    for (int m = 1; m <= kMonths; ++m) names << MonthName(m);
    return names;
}

QString Number(double value, int decimals = 1) { return QLocale().toString(value, 'f', decimals); }

// The most a change may be typed as, in degrees C; warming() refuses what lies beyond the
// accepted range.
constexpr double kTypingLimit = 999.9;

// The headers of the comparison, also shown while it is empty.
QStringList ComparisonHeaders()
{
    return {WhatIfDialog::tr("Strategy"), WhatIfDialog::tr("Now"), WhatIfDialog::tr("Warmer"),
            WhatIfDialog::tr("Difference")};
}

}  // namespace

HoursAnalysedDialog::HoursAnalysedDialog(const HourFilter& current, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HoursAnalysedDialog"));
    setWindowTitle(tr("Hours analysed"));
    const auto hour = [this](const QString& name) {
        auto* box = new QSpinBox;
        box->setRange(1, 24);
        box->setAccessibleName(name);
        connect(box, &QSpinBox::valueChanged, this, &HoursAnalysedDialog::updateSummary);
        return box;
    };
    const auto month = [this](const QString& name) {
        auto* box = new QComboBox;
        box->addItems(MonthNames());
        box->setAccessibleName(name);
        connect(box, &QComboBox::currentIndexChanged, this, &HoursAnalysedDialog::updateSummary);
        return box;
    };
    firstHour_ = hour(tr("First clock hour"));
    lastHour_ = hour(tr("Last clock hour"));
    firstMonth_ = month(tr("First month"));
    lastMonth_ = month(tr("Last month"));
    firstHour_->setObjectName(QStringLiteral("FirstHour"));
    lastHour_->setObjectName(QStringLiteral("LastHour"));
    firstMonth_->setObjectName(QStringLiteral("FirstMonth"));
    lastMonth_->setObjectName(QStringLiteral("LastMonth"));

    auto* form = new QFormLayout;
    form->addRow(tr("&From clock hour:"), firstHour_);
    form->addRow(tr("&To clock hour:"), lastHour_);
    form->addRow(tr("From &month:"), firstMonth_);
    form->addRow(tr("T&o month:"), lastMonth_);
    auto* note =
        new QLabel(tr("Hours are numbered 1 to 24 as in the hourly table: hour 9 is the hour ending at "
                      "9:00, hour 24 the one ending at midnight. A range may wrap: 22 to 5 is the night, "
                      "December to February the southern summer. The chart still draws every hour and "
                      "greys out those left out; the shares, the legend, the month table and every "
                      "export count only the selected hours."));
    note->setWordWrap(true);
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("HoursSummary"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* all = buttons->addButton(tr("&All hours"), QDialogButtonBox::ResetRole);
    connect(all, &QPushButton::clicked, this, [this] { setFilter({}); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    setFilter(current);
    FitToScreen(this, sizeHint());
    firstHour_->setFocus();
}

void HoursAnalysedDialog::setFilter(const HourFilter& f)
{
    firstHour_->setValue(f.FirstHour);
    lastHour_->setValue(f.LastHour);
    firstMonth_->setCurrentIndex(f.FirstMonth - 1);
    lastMonth_->setCurrentIndex(f.LastMonth - 1);
    updateSummary();
}

HourFilter HoursAnalysedDialog::filter() const
{
    HourFilter f;
    MakeHourFilter(firstHour_->value(), lastHour_->value(), firstMonth_->currentIndex() + 1,
                   lastMonth_->currentIndex() + 1, f);
    return f;
}

void HoursAnalysedDialog::updateSummary()
{
    const HourFilter f = filter();
    summary_->setText(tr("Counted: %1 (%2 hours a day, %3 months)")
                          .arg(AnalysisText::hourFilter(f))
                          .arg(f.HourCount())
                          .arg(f.MonthCount()));
}

WhatIfDialog::WhatIfDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WhatIfDialog"));
    setWindowTitle(tr("What if it were warmer"));

    auto* intro = new QLabel(
        tr("Adds a warming to the location's monthly normals and analyses them beside the unchanged ones. "
           "Relative humidity is kept unless you change it, so the humidity ratio rises with temperature, as "
           "climate projections broadly show. Recorded hours of a weather file are shifted by their month's "
           "mean change of temperature, keeping their relative humidity.\n"
           "This is a sensitivity test, not a projection: take the values from published regional "
           "projections, such as the monthly changes of the IPCC WGI Interactive Atlas "
           "(interactive-atlas.ipcc.ch)."));
    intro->setWordWrap(true);

    uniformChoice_ = new QRadioButton(tr("&Same warming every month:"));
    monthly_ = new QRadioButton(tr("&Monthly changes:"));
    uniformChoice_->setChecked(true);
    uniform_ = new QDoubleSpinBox;
    uniform_->setObjectName(QStringLiteral("WarmingDegrees"));
    // Wider than the accepted range: a spin box refuses each keystroke that leaves its range,
    // so "35" typed against a limit of 30 would become a silent 3. Apply refuses it instead.
    uniform_->setRange(-kTypingLimit, kTypingLimit);
    uniform_->setDecimals(1);
    uniform_->setSingleStep(0.5);
    uniform_->setValue(2);
    uniform_->setSuffix(QStringLiteral(" °C"));
    uniform_->setAccessibleName(tr("Warming of every month's minimum and maximum temperature, degrees C"));

    changes_ = new QTableWidget(12, 3);
    changes_->setObjectName(QStringLiteral("WarmingTable"));
    changes_->setAccessibleName(tr("Monthly changes of DBTmin and DBTmax in degrees C and of RHavg in points"));
    changes_->setHorizontalHeaderLabels({tr("DBTmin (°C)"), tr("DBTmax (°C)"), tr("RHavg (points)")});
    changes_->setVerticalHeaderLabels(MonthNames());
    for (int m = 0; m < 12; ++m)
        for (int c = 0; c < 3; ++c) changes_->setItem(m, c, new QTableWidgetItem(Number(0)));
    changes_->setEnabled(false);
    connect(monthly_, &QRadioButton::toggled, this, [this](bool on) {
        changes_->setEnabled(on);
        uniform_->setEnabled(!on);
    });
    auto* range = new QLabel(tr("Accepted: %1 to %2 °C for DBTmin and DBTmax, %3 to %4 points for RHavg; "
                                "a value outside is refused, not cut to the limit.")
                                 .arg(Number(-kMaxTemperatureChange, 0), Number(kMaxTemperatureChange, 0),
                                      Number(-kMaxHumidityChange, 0), Number(kMaxHumidityChange, 0)));
    range->setObjectName(QStringLiteral("WarmingRange"));
    range->setWordWrap(true);
    auto* load = new QPushButton(tr("&Load CSV…"));
    load->setAutoDefault(false);  // Enter applies the warming typed, it does not open a file dialog
    load->setToolTip(tr("A CSV file with the header month,dbt_min,dbt_max,rh_avg and twelve rows"));
    connect(load, &QPushButton::clicked, this, &WhatIfDialog::loadFile);

    comparison_ = new QTableWidget;
    comparison_->setObjectName(QStringLiteral("WhatIfComparison"));
    comparison_->setAccessibleName(tr("Shares without and with the warming and their difference"));
    comparison_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Row numbers say nothing here and took the room of the Difference column at 800 x 600.
    comparison_->verticalHeader()->hide();
    comparison_->setTextElideMode(Qt::ElideRight);
    status_ = new QLabel;
    status_->setWordWrap(true);
    compared_ = new QLabel;
    compared_->setObjectName(QStringLiteral("WhatIfCompared"));
    compared_->setWordWrap(true);

    auto* choice = new QHBoxLayout;
    choice->addWidget(uniformChoice_);
    choice->addWidget(uniform_);
    choice->addStretch(1);
    auto* monthlyRow = new QHBoxLayout;
    monthlyRow->addWidget(monthly_);
    monthlyRow->addStretch(1);
    monthlyRow->addWidget(load);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* apply = buttons->addButton(tr("&Apply"), QDialogButtonBox::ApplyRole);
    QPushButton* remove = buttons->addButton(tr("&Remove warming"), QDialogButtonBox::ResetRole);
    apply->setObjectName(QStringLiteral("WhatIfApply"));
    for (QAbstractButton* b : buttons->buttons())
        if (auto* p = qobject_cast<QPushButton*>(b)) p->setAutoDefault(false);
    apply->setDefault(true);
    remove->setObjectName(QStringLiteral("WhatIfRemove"));
    connect(apply, &QPushButton::clicked, this, &WhatIfDialog::applyRequested);
    connect(remove, &QPushButton::clicked, this, &WhatIfDialog::removeRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* inputs = new QVBoxLayout;
    inputs->addLayout(choice);
    inputs->addWidget(range);
    inputs->addLayout(monthlyRow);
    inputs->addWidget(changes_);
    auto* results = new QVBoxLayout;
    results->addWidget(compared_);
    results->addWidget(comparison_, 1);
    results->addWidget(status_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(inputs, 2);
    columns->addLayout(results, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    clearComparison(tr("No warming is analysed."));
    FitToScreen(this, QSize(900, 520));
    uniform_->setFocus();
}

void WhatIfDialog::setWarming(const std::optional<Warming>& warming)
{
    if (!warming) return;
    if (const auto degrees = warming->Uniform()) {
        uniformChoice_->setChecked(true);
        uniform_->setValue(*degrees);
        return;
    }
    monthly_->setChecked(true);
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyChange& c = warming->Month[m];
        const float values[3] = {c.DBTmin, c.DBTmax, c.RHavg};
        for (int col = 0; col < 3; ++col) changes_->item(m - 1, col)->setText(Number(values[col], 2));
    }
}

std::optional<Warming> WhatIfDialog::warming(QString& failure) const
{
    if (!monthly_->isChecked()) {
        const double v = uniform_->value();
        if (v >= -kMaxTemperatureChange && v <= kMaxTemperatureChange) return UniformWarming(static_cast<float>(v));
        failure = tr("'%1' is not a warming between %2 and %3 °C.")
                      .arg(uniform_->cleanText(), Number(-kMaxTemperatureChange, 0), Number(kMaxTemperatureChange, 0));
        return std::nullopt;
    }
    Warming w;
    const QString names[3] = {tr("DBTmin"), tr("DBTmax"), tr("RHavg")};
    for (int m = 1; m <= kMonths; ++m) {
        float* targets[3] = {&w.Month[m].DBTmin, &w.Month[m].DBTmax, &w.Month[m].RHavg};
        for (int col = 0; col < 3; ++col) {
            const QString text = changes_->item(m - 1, col)->text().trimmed();
            bool ok = false;
            double v = QLocale().toDouble(text, &ok);
            if (!ok) v = text.toDouble(&ok);  // a point is accepted in every locale
            const double limit = col == 2 ? kMaxHumidityChange : kMaxTemperatureChange;
            if (!ok || v < -limit || v > limit) {
                failure = tr("%1, %2: '%3' is not a change between %4 and %5.")
                              .arg(MonthNames()[m - 1], names[col], text)
                              .arg(-limit)
                              .arg(limit);
                return std::nullopt;
            }
            *targets[col] = static_cast<float>(v);
        }
    }
    return w;
}

void WhatIfDialog::loadFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Load monthly changes"), QString(),
                                                      tr("CSV table (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    const WarmingResult r = ReadWarmingFile(path.toStdU16String());
    if (r.failure) {
        QMessageBox::warning(this, windowTitle(), ReadFailureText::text(*r.failure));
        return;
    }
    monthly_->setChecked(true);
    setWarming(r.warming);
    monthly_->setChecked(true);
}

void WhatIfDialog::setComparisonColumns(const QStringList& headers)
{
    comparison_->setColumnCount(int(headers.size()));
    comparison_->setHorizontalHeaderLabels(headers);
    // The figures keep their width; the strategy's name takes what is left, cut with an ellipsis
    // on a small screen (its tooltip and spoken text say it whole).
    QHeaderView* header = comparison_->horizontalHeader();
    for (int c = 1; c < comparison_->columnCount(); ++c) header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
}

void WhatIfDialog::clearComparison(const QString& status)
{
    comparison_->clear();
    comparison_->setRowCount(0);
    const QStringList headers = ComparisonHeaders();
    setComparisonColumns(headers);
    compared_->clear();
    status_->setText(status);
}

void WhatIfDialog::showComparison(const AnalysisState& state)
{
    if (state.WarmingRefusal) {
        clearComparison(tr("Not analysed: %1").arg(AnalysisText::refusal(*state.WarmingRefusal)));
        return;
    }
    if (!state.Warmed) {
        clearComparison(tr("No warming is analysed."));
        return;
    }
    comparison_->clear();
    // The hours the chart shows: a weather file's recorded hours in their view (the figures of
    // qav-cli's base_recorded_shares and recorded shares), else the typical days.
    const bool recorded = state.ShowsRecordedHours();
    QString compared = recorded
                           ? tr("Compared: the %1 recorded hours of %2.")
                                 .arg(state.CurrentRecorded()->HoursUsed)
                                 .arg(QFileInfo(FromUtf8(state.SourceFile[size_t(state.CurrentLocation)])).fileName())
                           : tr("Compared: the typical days of the monthly normals.");
    if (!state.Filter.IsAll()) compared += u' ' + tr("Counted: %1.").arg(AnalysisText::hourFilter(state.Filter));
    compared_->setText(compared);
    const QStringList headers = ComparisonHeaders();
    setComparisonColumns(headers);
    comparison_->setRowCount(kStrategies);
    const auto put = [this](int row, int column, const QString& text, const QString& spoken) {
        auto* item = new QTableWidgetItem(text);
        item->setData(Qt::AccessibleTextRole, spoken);
        if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        comparison_->setItem(row, column, item);
    };
    for (int s = 1; s <= kStrategies; ++s) {
        const QString name = QStringLiteral("%1 %2").arg(QChar(StrategyLetter(s))).arg(StrategyDisplayName(s));
        put(s - 1, 0, name, name);
        comparison_->item(s - 1, 0)->setToolTip(name);
        const auto triple = [&](int column, float before, float after, const QString& what) {
            const double difference = std::nearbyint(10.0 * (after - before)) / 10;
            put(s - 1, column, Number(before), tr("%1, %2 now: %3 %").arg(name, what, Number(before)));
            put(s - 1, column + 1, Number(after), tr("%1, %2 warmer: %3 %").arg(name, what, Number(after)));
            const QString signedText = (difference > 0 ? QStringLiteral("+") : QString()) + Number(difference);
            put(s - 1, column + 2, signedText, tr("%1, %2 difference: %3 points").arg(name, what, signedText));
        };
        if (recorded)
            triple(1, state.Base.RecordedTally.YearShare[s], state.RecordedTally.YearShare[s], tr("recorded hours"));
        else
            triple(1, state.Base.Tally.YearShare[s], state.Tally.YearShare[s], tr("typical days"));
    }
    status_->setText(tr("%1: %2. The chart shows the changed hours.")
                         .arg(FromUtf8(state.Current().LocationName), AnalysisText::warming(*state.WarmingAsked)));
}

}  // namespace qav
