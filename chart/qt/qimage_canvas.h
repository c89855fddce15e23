#pragma once
// The canvas of the window's pictures and the clipboard: a QPainterCanvas that owns a QImage,
// so the colour of every pixel can be read back.
#include <QImage>

#include "chart/qt/qpainter_canvas.h"

namespace qav {

class QImageCanvas final : public QPainterCanvas {
  public:
    /// devicePixelRatio > 1 gives that many times the pixels each way for a sharp picture on a
    /// dense screen; every coordinate stays in the same canvas units.
    QImageCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight, double devicePixelRatio = 1);
    ~QImageCanvas() override;

    /// Fills the image with the background colour; the current point becomes (0, 0).
    void Clear() override;
    Rgb GetPixel(double x, double y) const override;

    /// The picture drawn so far (ends the painting in progress; the next drawing resumes it).
    const QImage& Image() const;

  private:
    QImage image_;
};

}  // namespace qav
