#pragma once
// The canvas people look at, painted with QPainter on any paint device: a QImage for the screen,
// the clipboard and PNG files, a QSvgGenerator for vector drawings. It maps canvas units to
// pixels as every canvas does, so an hour is drawn in the pixel where the zone map classifies it.
// Canvas units are twips: 1440 / PixelWidth pixels per inch.
#include <QFont>
#include <QPainter>
#include <QSize>

#include <memory>
#include <string_view>

#include "chart/pen_canvas.h"

class QPaintDevice;

namespace qav {

/// The shipped font (DejaVu Sans, from the program's resources) at a size in points, drawn as the
/// canvas draws it: for text laid out beside a picture, such as a report's.
QFont ShippedFont(double points, bool bold = false);

class QPainterCanvas : public PenCanvas {
  public:
    /// Paints on a device that the caller owns and keeps alive while the canvas paints. The
    /// device should be DeviceSize(...) pixels and have the resolution 1440 / pixelHeight dots
    /// per inch, so text has the size it has on the screen. Nothing can be read back: GetPixel
    /// gives kNoColour.
    QPainterCanvas(QPaintDevice& device, double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight,
                   double devicePixelRatio = 1);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    /// Device pixels of a canvas: ceil(canvas units / pixel) times the pixel ratio, each side
    /// limited to 16384. A ratio below 1 (down to 1/4) draws the picture smaller, for a window
    /// that shows it smaller than its canvas.
    static QSize DeviceSize(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight,
                            double devicePixelRatio = 1);

    /// Paints the background over the whole device; the current point becomes (0, 0).
    void Clear() override;
    using PenCanvas::DrawLine;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override;
    void SetPixel(double x, double y, Rgb colour) override;
    Rgb GetPixel(double x, double y) const override;

    void PrintText(std::string_view utf8) override;
    void PrintRotatedText(std::string_view utf8) override;
    double TextWidth(std::string_view utf8) const override;
    double TextHeight(std::string_view utf8) const override;

    void SetFontBold(bool bold) override;
    void SetFontSize(double points) override;
    void SetOpacity(double opacity) override;

    /// Ends the painting in progress, so the device holds everything drawn (a QSvgGenerator
    /// writes its document then). Drawing afterwards begins a new painting.
    void EndPainting() const;

  protected:
    /// For a canvas that owns its device: AttachDevice must follow before anything is drawn.
    QPainterCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight, double devicePixelRatio);
    void AttachDevice(QPaintDevice& device) { device_ = &device; }

    QSize DevicePixels() const { return {columns_, rows_}; }
    double DevicePixelRatio() const { return dpr_; }

  private:
    /// The painter, begun on the device at the first call after EndPainting.
    QPainter& Painter();
    // Centre of the device pixel of a point, in the painter's (logical pixel) coordinates.
    double PixelX(double x) const;
    double PixelY(double y) const;
    void PaintLine(double x1, double y1, double x2, double y2, Rgb colour);
    void PaintDot(double x, double y, Rgb colour);

    void PaintText(const QFont& font, std::string_view utf8, bool rotated);

    double dpr_;
    int columns_, rows_;  // device pixels
    QPaintDevice* device_ = nullptr;
    mutable std::unique_ptr<QPainter> painter_;
    QFont font_;  // the shipped font at the size and weight of the pen state
};

}  // namespace qav
