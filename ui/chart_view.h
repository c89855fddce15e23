#pragma once
// The bioclimatic chart as the window shows it, read by pointing: the hour under the mouse or
// stepped to with the arrow keys is ringed and reported; a strategy chosen in the legend (a
// click, or its letter key) lights the hours that count toward its share. Home and End go to the
// month's first and last hour, Ctrl+Home and Ctrl+End to the year's.
#include <functional>
#include <vector>

#include "pipeline/chart_readout.h"
#include "ui/canvas_view.h"

namespace qav {

class ChartView final : public CanvasView {
    Q_OBJECT
  public:
    /// The legend row's strategy at a canvas point, 0 for none.
    using LegendHit = std::function<int(double x, double y)>;

    explicit ChartView(QWidget* parent = nullptr);

    /// The hours drawn after an analysis, and the canvas units of one picture pixel. The hour
    /// chosen stays when the chart still has it (another view of the same hours keeps its index).
    void setHours(std::vector<PlottedHour> hours, int pixelWidth, int pixelHeight);
    const std::vector<PlottedHour>& hours() const { return hours_; }
    void setLegendHit(LegendHit hit) { legendHit_ = std::move(hit); }

    /// The hour reported (ringed), -1 for none.
    int currentHour() const { return current_; }
    void setCurrentHour(int index);
    /// Where an hour stands in the widget, logical pixels.
    QPointF widgetPointOf(const PlottedHour& hour) const;
    /// Frames the legend's row of this strategy (1..10; 0 none) on screen; pictures never show it.
    void setLitStrategy(int strategy);
    /// The lit row's frame in canvas units, empty when none is lit.
    const QRectF& litRow() const { return litRow_; }

  signals:
    /// The hour pointed at or stepped to; -1 when the pointer left every hour.
    void hourPointed(int index);
    /// A legend row clicked or a strategy's letter typed (1..10); 0 clears the choice (Escape).
    void strategyChosen(int strategy);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPointF canvasPointOf(QPointF widgetPoint) const;
    QRectF widgetRectOf(const QRectF& canvasRect) const;
    /// The hour of the current one's month (or of the whole year) at its start or end.
    int boundaryHour(bool wholeYear, bool last) const;

    std::vector<PlottedHour> hours_;
    int pixelWidth_ = 15, pixelHeight_ = 15;
    int current_ = -1;
    LegendHit legendHit_;
    QRectF litRow_;
};

}  // namespace qav
