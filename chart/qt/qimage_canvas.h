#pragma once
// The canvas people look at: the chart and the graph on a QImage, painted with QPainter. It
// maps canvas units to pixels as every canvas does, so an hour is drawn in the pixel where the
// zone map classifies it. Canvas units are twips: 1440 / PixelWidth pixels per inch.
#include <QFont>
#include <QImage>
#include <QPainter>

#include <map>
#include <memory>
#include <string_view>

#include "chart/chart_canvas.h"
#include "chart/clogfont.h"

namespace qav {

/// Rotated fonts keyed by handle, for the CLogFont of a QImageCanvas.
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

class QImageCanvas final : public ChartCanvas {
public:
    /// devicePixelRatio > 1 gives that many times the pixels each way for a sharp picture on a
    /// dense screen; every coordinate stays in the same canvas units.
    QImageCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight,
                 double devicePixelRatio = 1);
    ~QImageCanvas() override;
    QImageCanvas(const QImageCanvas&) = delete;
    QImageCanvas& operator=(const QImageCanvas&) = delete;

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
    Rgb ForeColour() const override { return fore_; }
    Rgb BackColour() const override { return kWhite; }
    double CanvasWidth() const override { return width_; }
    double CanvasHeight() const override { return height_; }
    FontHandle SelectFont(FontHandle font) override;

    /// The picture drawn so far (ends the painting in progress; the next drawing resumes it).
    const QImage& Image() const;
    /// The canvas's own font as a description, for the rotated title's CLogFont.
    FontDescription Font() const;
    /// Makes the fonts that SelectFont accepts; it must outlive the CLogFont that uses it.
    qav::FontFactory& FontFactory() { return fonts_; }

private:
    QPainter& Painter();
    // Centre of the device pixel of a point, in the painter's (logical pixel) coordinates.
    double PixelX(double x) const;
    double PixelY(double y) const;
    void PaintLine(double x1, double y1, double x2, double y2, Rgb colour);
    void PaintDot(double x, double y, Rgb colour);

    double width_, height_;
    int pixelWidth_, pixelHeight_;
    double dpr_;
    QtFontFactory fonts_;
    mutable QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    QFont font_;
    FontHandle selected_ = 0;
    double curX_ = 0, curY_ = 0;
    int drawWidth_ = 1;
    DrawStyle style_ = DrawStyle::Solid;
    Rgb fore_ = kBlack;
};

}  // namespace qav
