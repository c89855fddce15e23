#pragma once
// Shows a picture of the analysis (the chart or the monthly graph) as large as the widget allows,
// keeping its proportions. The picture is drawn again at the size shown, so lines and text stay
// sharp at any window size and pixel density; its numbers never change with that size.
#include <QImage>
#include <QWidget>
#include <functional>

namespace qav {

class CanvasView : public QWidget {
    Q_OBJECT
  public:
    /// Draws the picture at a pixel ratio (picture pixels per canvas pixel; 1 is the canvas's own
    /// size) and returns it.
    using Renderer = std::function<QImage(double pixelRatio)>;

    explicit CanvasView(QWidget* parent = nullptr);

    /// The picture as the canvas holds it, at its own size: what the copy commands copy. Its
    /// logical size sets the proportions and the natural size of the view.
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    /// Draws the picture at the size shown; without one the canvas's image is scaled.
    void setRenderer(Renderer renderer);

    /// The picture at the size it is shown, drawn when first needed after a change.
    const QImage& shownImage();
    /// Where the picture stands in the widget, centred, in logical pixels.
    QRectF pictureRect() const;
    /// Shown size / canvas size.
    double pictureScale() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QSizeF canvasSize() const;

    QImage image_;
    Renderer renderer_;
    QImage shown_;
    bool shownStale_ = true;
};

}  // namespace qav
