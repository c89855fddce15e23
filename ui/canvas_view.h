#pragma once
// Shows a canvas's image at its logical size. The image carries the screen's device pixel ratio,
// so on a high-density screen every physical pixel is drawn and the picture stays sharp.
#include <QImage>
#include <QWidget>

namespace qav {

class CanvasView final : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    /// The picture to show; the widget takes the image's logical size (pixels / pixel ratio).
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace qav
