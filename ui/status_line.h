#pragma once
// The status bar: what is analysed and where it came from, always in view.
#include <QObject>
#include <QString>

#include "pipeline/analysis_state.h"
#include "pipeline/chart_readout.h"

class QLabel;
class QStatusBar;

namespace qav {

/// The status bar's fields for a state. Source is the data set or the file's name (SourceTip
/// its full path); Location the location analysed; Hours the mode; Basis the screen the
/// analysis was laid out for, as the window names it.
struct StatusTexts {
    QString Source, SourceTip, Location, Hours, Basis;
};
StatusTexts StatusTextsOf(const AnalysisState& state, const QString& basis);

/// The chart's accessible description: the location and its three largest shares, e.g.
/// "Brasília (Brazil): Thermal Comfort 45.3 %, Ventilation 20.1 %, Solar Heating 12.0 %".
QString ChartDescription(const AnalysisState& state, QChar decimalPoint);

/// What the chart shows of one hour, for its tooltip and the status bar: "January, 14 h (typical
/// day): DBT 27.3 °C, RH 40 %, W 9.05 g/kg, E Thermal Comfort"; a recorded hour is dated
/// ("January 15, 14 h"), an hour the shares leave out says so.
QString HourReadout(const PlottedHour& hour, QChar decimalPoint);

/// The chart's accessible description while a strategy's hours are lit: "Lit: B Solar Heating,
/// 40 of the hours shown; the others dimmed."
QString HighlightDescription(int strategy, int hourCount);

/// The status bar's word on a lit strategy: "Lit: B Solar Heating, 121 hours; Escape shows all".
QString LitStatusText(int strategy, int hourCount);

class StatusLine final : public QObject {
    Q_OBJECT
  public:
    explicit StatusLine(QStatusBar* bar);

    void show(const StatusTexts& texts);
    /// A warning about the data shown (a location left out of a file), after the fields: cut to
    /// a short form, whole in its tooltip; an empty text removes it.
    void setWarning(const QString& text);
    /// The hour pointed at on the chart (HourReadout), in place of the other fields; an empty
    /// text brings them back.
    void setReadout(const QString& text);
    /// "Saved: Brasília - report.pdf (86 KB)", its folder as the tooltip, until the next analysis.
    void showSaved(const QString& path);
    /// LitStatusText while a strategy is lit; an empty text removes it.
    void setLit(const QString& text);

  private:
    QLabel* source_;
    QLabel* location_;
    QLabel* hours_;
    QLabel* basis_;
    QLabel* warning_;
    QLabel* readout_;
    QLabel* saved_;
    QLabel* lit_;
};

}  // namespace qav
