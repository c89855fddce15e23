#pragma once
// The "Sun and shade" tab: the site's sun path with the chosen façade's shading mask, the
// calendar of the typical hours' strategies and the eight façades' shading table. The façade is
// chosen from a list or by clicking the sun path's rim; the shading line and the projection are
// remembered between runs. Both pictures are read by pointing and from the keyboard as the chart is.
#include <QWidget>
#include <vector>

#include "core/sun_hour.h"
#include "pipeline/analysis_state.h"

class QComboBox;
class QDoubleSpinBox;
class QTableWidget;

namespace qav {

class ChartView;

class SunShadeView final : public QWidget {
    Q_OBJECT
  public:
    /// Reads the remembered shading line and projection into state.Sun.
    explicit SunShadeView(AnalysisState& state, QWidget* parent = nullptr);

    /// Shows the state's last analysis: call after every run of the pipeline.
    void refresh();

    ChartView* sunPath() const { return sunPath_; }
    ChartView* calendar() const { return calendar_; }
    QTableWidget* table() const { return table_; }

    /// The façade (0, 45 ... 315) whose direction is nearest a canvas point of the sun path on or
    /// just outside its rim; -1 for a point elsewhere.
    static int FacadeAtRim(double x, double y, bool equidistant);

  signals:
    /// What the status bar reads while an hour is pointed at; empty when none is.
    void readout(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseFacade(int azimuthDeg);
    void showHour(ChartView* view, int index);
    void fillTable();
    void describe();

    AnalysisState& state_;
    QComboBox* facade_ = nullptr;
    QDoubleSpinBox* shadeAbove_ = nullptr;
    QComboBox* projection_ = nullptr;
    ChartView* sunPath_ = nullptr;
    ChartView* calendar_ = nullptr;
    QTableWidget* table_ = nullptr;
    /// The sun of each hour the views hold, index for index: the sun path's sun-up hours and
    /// the calendar's 288.
    std::vector<SunHour> pathSun_, calendarSun_;
};

}  // namespace qav
