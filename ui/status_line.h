#pragma once
// The status bar: what is analysed and where it came from, always in view.
#include <QObject>
#include <QString>

#include "pipeline/analysis_state.h"

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

class StatusLine final : public QObject {
    Q_OBJECT
public:
    explicit StatusLine(QStatusBar* bar);

    void show(const StatusTexts& texts);
    /// A warning about the data shown (a location left out of a file), after the fields; an
    /// empty text removes it.
    void setWarning(const QString& text);

private:
    QLabel* source_;
    QLabel* location_;
    QLabel* hours_;
    QLabel* basis_;
    QLabel* warning_;
};

}  // namespace qav
