#include "chart/qt/qpainter_canvas.h"

#include "chart/qt/upper_vector_state.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <mutex>

#include "chart/canvas_geometry.h"
#include "chart/text_metrics.h"

namespace qav {
namespace {

// Qt's raster engine leaves the upper AVX state dirty after painting; the chart computes
// between its drawing calls, so each call cleans up after itself (see upper_vector_state.h).
struct PaintingScope {
    PaintingScope() = default;
    PaintingScope(const PaintingScope&) = delete;
    PaintingScope& operator=(const PaintingScope&) = delete;
    ~PaintingScope() { ClearUpperVectorState(); }
};

}  // namespace
namespace {

constexpr double kMaxPixels = 16384;  // per side, in device pixels
constexpr double kDefaultFontPt = 8;  // the size of a classic dialog font
// Pixel ratios a canvas accepts: a quarter of the canvas's pixels up to eight times them.
constexpr double kMinRatio = 0.25, kMaxRatio = 8;

double ValidRatio(double ratio) { return std::isfinite(ratio) ? std::clamp(ratio, kMinRatio, kMaxRatio) : 1.0; }

QColor ToQColor(Rgb c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QString ToQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

// The shipped font, read from the program's resources once per process: pictures never depend on
// the fonts or the font configuration of the machine.
void LoadShippedFonts()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char* file : {":/qav/fonts/DejaVuSans.ttf", ":/qav/fonts/DejaVuSans-Bold.ttf"}) {
            QFile font(QString::fromLatin1(file));
            if (font.open(QIODevice::ReadOnly)) QFontDatabase::addApplicationFontFromData(font.readAll());
        }
    });
}

// Drawn as it is measured without Qt (chart/text_metrics.h): hinted vertically only, so the
// advances stay the font's own, and without kerning. Set here, not left to the font configuration.
void UseShippedFont(QFont& font)
{
    font.setFamily(QString::fromUtf8(ShippedFontFamily().data(), static_cast<qsizetype>(ShippedFontFamily().size())));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setKerning(false);
}

QFont DefaultFont()
{
    LoadShippedFonts();
    QFont font;
    UseShippedFont(font);
    font.setPointSizeF(kDefaultFontPt);
    return font;
}

}  // namespace

QFont ShippedFont(double points, bool bold)
{
    QFont font = DefaultFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPainterCanvas::QPainterCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight,
                               double devicePixelRatio)
    : PenCanvas(canvasWidth, canvasHeight, pixelWidth, pixelHeight),
      dpr_(ValidRatio(devicePixelRatio)),
      font_(ShippedFont(points_, bold_))
{
    const QSize pixels = DeviceSize(width_, height_, pixelWidth_, pixelHeight_, dpr_);
    columns_ = pixels.width();
    rows_ = pixels.height();
}

QPainterCanvas::QPainterCanvas(QPaintDevice& device, double canvasWidth, double canvasHeight, int pixelWidth,
                               int pixelHeight, double devicePixelRatio)
    : QPainterCanvas(canvasWidth, canvasHeight, pixelWidth, pixelHeight, devicePixelRatio)
{
    AttachDevice(device);
}

QPainterCanvas::~QPainterCanvas() = default;

QSize QPainterCanvas::DeviceSize(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight,
                                 double devicePixelRatio)
{
    const auto side = [&](double units, int pixel) {
        if (!(std::isfinite(units) && units > 0)) return 0;
        const double ratio = ValidRatio(devicePixelRatio);
        return static_cast<int>(std::min(std::ceil(std::ceil(units / std::max(1, pixel)) * ratio), kMaxPixels));
    };
    return {side(canvasWidth, pixelWidth), side(canvasHeight, pixelHeight)};
}

QPainter& QPainterCanvas::Painter()
{
    if (painter_) return *painter_;
    painter_ = std::make_unique<QPainter>(device_);
    // QPainter scales by a device's pixel ratio only from 1 up; a smaller picture is scaled here.
    if (dpr_ < 1) painter_->scale(dpr_, dpr_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setOpacity(opacity_);
    return *painter_;
}

void QPainterCanvas::EndPainting() const { painter_.reset(); }

double QPainterCanvas::PixelX(double x) const { return (std::floor(x * dpr_ / pixelWidth_) + 0.5) / dpr_; }
double QPainterCanvas::PixelY(double y) const { return (std::floor(y * dpr_ / pixelHeight_) + 0.5) / dpr_; }

void QPainterCanvas::Clear()
{
    const PaintingScope scope;
    Painter().fillRect(QRectF(0, 0, columns_ / dpr_, rows_ / dpr_), Qt::white);
    curX_ = curY_ = 0;
}

void QPainterCanvas::DrawLine(double x1, double y1, double x2, double y2, Rgb colour)
{
    PaintLine(x1, y1, x2, y2, colour);
    curX_ = x2;
    curY_ = y2;
}

void QPainterCanvas::PaintLine(double x1, double y1, double x2, double y2, Rgb colour)
{
    const PaintingScope scope;
    if (!Finite(x1, y1) || !Finite(x2, y2)) return;
    double px1 = PixelX(x1), py1 = PixelY(y1), px2 = PixelX(x2), py2 = PixelY(y2);
    const double margin = drawWidth_ + 2.0;
    const double right = columns_ / dpr_ + margin, bottom = rows_ / dpr_ + margin;
    const auto outside = [&](double x, double y) { return x < -margin || y < -margin || x > right || y > bottom; };
    if (outside(px1, py1) || outside(px2, py2)) {
        if (!ClipSegment(px1, py1, px2, py2, -margin, -margin, right, bottom)) return;
    }
    QPen pen(ToQColor(colour), drawWidth_);
    if (style_ == DrawStyle::Dotted && drawWidth_ == 1) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({1, 2});  // one-pixel dots, two-pixel gaps
    } else if (drawWidth_ == 1) {
        pen.setCapStyle(Qt::SquareCap);  // covers both end points
    } else {
        // Round ends join the short steps of a polyline without square corners sticking out.
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    QPainter& p = Painter();
    p.setPen(pen);
    p.drawLine(QPointF(px1, py1), QPointF(px2, py2));
}

void QPainterCanvas::PaintDot(double x, double y, Rgb colour)
{
    const PaintingScope scope;
    if (!Finite(x, y)) return;
    const double left = std::floor(x * dpr_ / pixelWidth_) / dpr_, top = std::floor(y * dpr_ / pixelHeight_) / dpr_;
    if (left < -drawWidth_ || top < -drawWidth_ || left > columns_ / dpr_ || top > rows_ / dpr_) return;
    const int first = -(drawWidth_ - 1) / 2;  // the same square as the raster canvas
    // At least one device pixel, so a picture drawn smaller than its canvas keeps its dots.
    const double side = std::max<double>(drawWidth_, 1 / dpr_);
    Painter().fillRect(QRectF(left + first, top + first, side, side), ToQColor(colour));
}

void QPainterCanvas::DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled)
{
    const PaintingScope scope;
    curX_ = x2;
    curY_ = y2;
    if (!Finite(x1, y1) || !Finite(x2, y2)) return;
    if (!filled) {
        PaintLine(x1, y1, x2, y1, colour);
        PaintLine(x2, y1, x2, y2, colour);
        PaintLine(x2, y2, x1, y2, colour);
        PaintLine(x1, y2, x1, y1, colour);
        return;
    }
    const double limitX = columns_ + 1.0, limitY = rows_ + 1.0;
    const double c1 = std::clamp(std::floor(std::min(x1, x2) * dpr_ / pixelWidth_), -1.0, limitX);
    const double c2 = std::clamp(std::floor(std::max(x1, x2) * dpr_ / pixelWidth_), -1.0, limitX);
    const double r1 = std::clamp(std::floor(std::min(y1, y2) * dpr_ / pixelHeight_), -1.0, limitY);
    const double r2 = std::clamp(std::floor(std::max(y1, y2) * dpr_ / pixelHeight_), -1.0, limitY);
    Painter().fillRect(QRectF(c1 / dpr_, r1 / dpr_, (c2 - c1 + 1) / dpr_, (r2 - r1 + 1) / dpr_), ToQColor(colour));
}

void QPainterCanvas::SetPixel(double x, double y, Rgb colour)
{
    PaintDot(x, y, colour);
    curX_ = x;
    curY_ = y;
}

Rgb QPainterCanvas::GetPixel(double, double) const { return kNoColour; }

void QPainterCanvas::PrintText(std::string_view utf8) { PaintText(font_, utf8, false); }

void QPainterCanvas::PrintRotatedText(std::string_view utf8)
{
    QFont turned = font_;
    turned.setPointSizeF(RotatedFontPoints());
    PaintText(turned, utf8, true);
}

void QPainterCanvas::PaintText(const QFont& font, std::string_view utf8, bool rotated)
{
    const PaintingScope scope;
    if (!Finite(curX_, curY_)) return;
    const QString text = ToQString(utf8);
    QPainter& p = Painter();
    p.setFont(font);
    p.setPen(ToQColor(fore_));
    const QFontMetricsF metrics(font, device_);
    const double left = std::floor(curX_ * dpr_ / pixelWidth_) / dpr_;
    const double top = std::floor(curY_ * dpr_ / pixelHeight_) / dpr_;
    if (rotated) {
        // Turned about the current point: the cell's top-left corner stays there, the text runs
        // upwards and its cell extends to the right by one text height.
        p.save();
        p.translate(left, top);
        p.rotate(-90);
        p.drawText(QPointF(0, metrics.ascent()), text);
        p.restore();
        return;
    }
    p.drawText(QPointF(left, top + metrics.ascent()), text);
    curX_ += metrics.horizontalAdvance(text) * pixelWidth_;
}

double QPainterCanvas::TextWidth(std::string_view utf8) const
{
    return QFontMetricsF(font_, device_).horizontalAdvance(ToQString(utf8)) * pixelWidth_;
}

double QPainterCanvas::TextHeight(std::string_view) const
{
    return QFontMetricsF(font_, device_).height() * pixelHeight_;
}

void QPainterCanvas::SetOpacity(double opacity)
{
    PenCanvas::SetOpacity(opacity);
    if (painter_) painter_->setOpacity(opacity_);
}

void QPainterCanvas::SetFontBold(bool bold)
{
    PenCanvas::SetFontBold(bold);
    font_.setBold(bold_);
}

void QPainterCanvas::SetFontSize(double points)
{
    PenCanvas::SetFontSize(points);
    font_.setPointSizeF(points_);
}

}  // namespace qav
