#pragma once
// The canvas people look at, painted with QPainter on any paint device: a QImage for the screen,
// the clipboard and PNG files, a QSvgGenerator for vector drawings. It maps canvas units to
// pixels as every canvas does, so an hour is drawn in the pixel where the zone map classifies it.
// Canvas units are twips: 1440 / PixelWidth pixels per inch.
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

#include <map>
#include <memory>
#include <string_view>

#include "chart/chart_canvas.h"
#include "chart/clogfont.h"

class QPaintDevice;

namespace qav {

/// Rotated fonts keyed by handle, for the CLogFont of a QPainterCanvas.
class QtFontFactory final : public FontFactory {
  public:
    explicit QtFontFactory(int logPixelsY = 96) : logPixelsY_(logPixelsY) {}

    FontHandle Create(const LogFontRecord& record) override;
    void Delete(FontHandle font) override;
    int LogPixelsY() const override { return logPixelsY_; }

    struct RotatedFont {
        QFont Font;
        double AngleDeg = 0;  // counter-clockwise
    };
    /// The font of a live handle, or nullptr.
    const RotatedFont* Find(FontHandle font) const;
    int Count() const { return static_cast<int>(fonts_.size()); }

  private:
    int logPixelsY_;
    FontHandle next_ = 1;
    std::map<FontHandle, RotatedFont> fonts_;
};

/// The shipped font (DejaVu Sans, from the program's resources) at a size in points, drawn as the
/// canvas draws it: for text laid out beside a picture, such as a report's.
QFont ShippedFont(double points, bool bold = false);

class QPainterCanvas : public ChartCanvas {
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
    void MoveTo(double x, double y) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void LineTo(double x, double y, Rgb colour) override;
    void DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override;
    void SetPixel(double x, double y, Rgb colour) override;
    Rgb GetPixel(double x, double y) const override;

    void PrintText(std::string_view utf8) override;
    double TextWidth(std::string_view utf8) const override;
    double TextHeight(std::string_view utf8) const override;

    void SetDrawWidth(int pixels) override;
    void SetDrawStyle(DrawStyle style) override { style_ = style; }
    void SetFontBold(bool bold) override;
    void SetFontSize(double points) override;
    double FontSize() const override { return font_.pointSizeF(); }
    void SetForeColour(Rgb colour) override { fore_ = colour; }
    void SetOpacity(double opacity) override;
    Rgb ForeColour() const override { return fore_; }
    Rgb BackColour() const override { return kWhite; }
    double CanvasWidth() const override { return width_; }
    double CanvasHeight() const override { return height_; }
    FontHandle SelectFont(FontHandle font) override;

    /// Joins lines that continue one another with the same pen into one path, painted when
    /// something else is drawn: a vector drawing then holds one path per polyline or curve
    /// instead of one element per segment. Off by default, since joined segments may differ
    /// from single ones by a pixel at their corners.
    void SetJoinLines(bool join);

    /// Ends the painting in progress, so the device holds everything drawn (a QSvgGenerator
    /// writes its document then). Drawing afterwards begins a new painting.
    void EndPainting() const;
    /// The canvas's own font as a description, for the rotated title's CLogFont.
    FontDescription Font() const;
    /// Makes the fonts that SelectFont accepts; it must outlive the CLogFont that uses it.
    qav::FontFactory& FontFactory() { return fonts_; }

  protected:
    /// For a canvas that owns its device: AttachDevice must follow before anything is drawn.
    QPainterCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight, double devicePixelRatio);
    void AttachDevice(QPaintDevice& device) { device_ = &device; }

    QSize DevicePixels() const { return {columns_, rows_}; }
    double DevicePixelRatio() const { return dpr_; }
    int PixelWidth() const { return pixelWidth_; }
    int PixelHeight() const { return pixelHeight_; }

  private:
    /// The painter, after painting the lines joined so far.
    QPainter& Painter();
    void PaintJoinedLines() const;
    void BeginPainting() const;
    // Centre of the device pixel of a point, in the painter's (logical pixel) coordinates.
    double PixelX(double x) const;
    double PixelY(double y) const;
    void PaintLine(double x1, double y1, double x2, double y2, Rgb colour);
    void PaintDot(double x, double y, Rgb colour);

    double width_, height_;
    int pixelWidth_, pixelHeight_;
    double dpr_;
    int columns_, rows_;  // device pixels
    QPaintDevice* device_ = nullptr;
    QtFontFactory fonts_;
    mutable std::unique_ptr<QPainter> painter_;
    bool joinLines_ = false;
    mutable QPainterPath joined_;  // lines not painted yet, all with joinedPen_
    mutable QPen joinedPen_;
    QFont font_;
    FontHandle selected_ = 0;
    double curX_ = 0, curY_ = 0;
    int drawWidth_ = 1;
    DrawStyle style_ = DrawStyle::Solid;
    Rgb fore_ = kBlack;
    double opacity_ = 1;
};

}  // namespace qav
