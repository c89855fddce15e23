#include "chart/qt/qimage_canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "chart/svg_canvas.h"
#include "classify/raster_canvas.h"

namespace qav {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);

// Bounding box, in pixels, of the pixels that are not white.
struct PixelBounds {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};
PixelBounds InkBounds(const QImage& image)
{
    PixelBounds b;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) continue;
            b.left = std::min(b.left, x), b.right = std::max(b.right, x);
            b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
            ++b.count;
        }
    return b;
}

// Boxes, sweep columns, rows and dots land on exactly the pixels of the zone map's canvas, so an
// hour is drawn where it is classified. Double density keeps the canvas units.
TEST(QImageCanvas, SamePixelsAsTheRasterCanvasAtAnyDensity)
{
    QImageCanvas q(3000, 2000, 15, 15), two(3000, 2000, 15, 15, 2);
    RasterCanvas r(3000, 2000, 15, 15);
    for (ChartCanvas* c : std::initializer_list<ChartCanvas*>{&q, &two, &r}) {
        c->DrawBox(150, 300, 299.9, 450, kRed, true);
        c->DrawBox(1000, 1000, 1300, 1200, kBlue, false);
        c->DrawLine(600, 1500, 600, 40, kBlue);
        c->DrawLine(2990, 700, 2000, 700, kRed);
        c->DrawLine(150, 150, 1500, 600, kRed);  // sloped, both end points included
        c->SetPixel(2500, 1900, kBlue);
        c->SetDrawWidth(2);
        c->SetPixel(2600, 1800, kRed);
        c->SetDrawWidth(1);
    }
    ASSERT_EQ(q.Image().size(), QSize(r.Columns(), r.Rows()));
    EXPECT_EQ(two.Image().size(), 2 * q.Image().size());
    EXPECT_EQ(two.Image().devicePixelRatio(), 2);
    int differing = 0;
    for (int y = 0; y < r.Rows(); ++y)
        for (int x = 0; x < r.Columns(); ++x)
            for (int d : {0, 14}) differing += q.GetPixel(x * 15 + d, y * 15 + d) != r.PixelAt(x, y);  // both edges
    EXPECT_EQ(differing, 0);
    // At double density the box's edges stay where they are in canvas units.
    for (auto [x, y] : {std::pair{149.0, 350.0}, {150.0, 350.0}, {299.0, 450.0}, {300.0, 470.0}})
        EXPECT_EQ(two.GetPixel(x, y), q.GetPixel(x, y)) << x << ", " << y;
    EXPECT_TRUE(q.GetPixel(-1, 0) == kNoColour && q.GetPixel(0, 2010) == kNoColour);  // 134 rows: 2000 / 15 = 133.3
    EXPECT_NEAR(two.TextWidth("Humidity Ratio"), q.TextWidth("Humidity Ratio"), 15);
    EXPECT_NEAR(two.TextHeight("888"), q.TextHeight("888"), 15);
}

// Dotted applies to width 1 only: the frame and the zone outlines stay solid.
TEST(QImageCanvas, DottedLinesOnlyAtWidthOne)
{
    QImageCanvas q(3000, 2000, 15, 15);
    q.SetDrawStyle(DrawStyle::Dotted);
    q.DrawLine(150, 1500, 1650, 1500, kBlue);
    q.SetDrawWidth(2);
    q.DrawLine(150, 1800, 1650, 1800, kBlue);
    int dotted = 0, solid = 0;
    for (int x = 10; x <= 110; ++x) {
        dotted += q.GetPixel(x * 15, 1500) == kBlue;
        solid += q.GetPixel(x * 15, 1800) == kBlue;
    }
    EXPECT_TRUE(dotted > 20 && dotted < 60) << dotted;
    EXPECT_EQ(solid, 101);
}

// 8 pt at 96 dpi is 10.7 pixels: a line of text is 11 to 16 pixels high, and its cell's top-left
// corner is at the current point. Turned 90 degrees counter-clockwise about that point, the text
// runs upwards from it and its cell lies to the right, one text height wide.
TEST(QImageCanvas, TextAndRotatedTitle)
{
    QImageCanvas q(3000, 3000, 15, 15);
    const double h = q.TextHeight("888");
    EXPECT_TRUE(h >= 11 * 15 && h <= 16 * 15) << h;
    q.MoveTo(600, 300);
    q.PrintText("HHH");
    PixelBounds b = InkBounds(q.Image());
    ASSERT_GT(b.count, 0);
    EXPECT_NEAR(b.left, 40, 2);
    EXPECT_TRUE(b.top >= 20 && b.bottom <= 20 + h / 15) << b.top << ", " << b.bottom;
    EXPECT_LE(b.right, 40 + q.TextWidth("HHH") / 15);

    q.Clear();
    const std::string_view title = "Humidity Ratio";
    q.MoveTo(1500, 2400);
    q.PrintRotatedText(title);
    b = InkBounds(q.Image());
    ASSERT_GT(b.count, 0);
    EXPECT_TRUE(b.left >= 100 && b.right <= 100 + h / 15) << b.left << ", " << b.right;
    EXPECT_TRUE(b.bottom <= 160 && b.top >= 160 - q.TextWidth(title) / 15 - 2) << b.top << ", " << b.bottom;
    EXPECT_GT(b.bottom - b.top, b.right - b.left);  // taller than wide
    // The current point stays: later text is level again, from the turned text's foot.
    q.PrintText("HHH");
    const PixelBounds level = InkBounds(q.Image());
    EXPECT_TRUE(level.left >= 99 && level.bottom > 165 && level.right >= 100 + q.TextWidth("HHH") / 15 - 4);
}

// The Qt canvas draws in the shipped font, loaded from the program's resources, and measures text
// as the Qt-free canvases do from the generated metrics: a picture is laid out alike in PNG and SVG.
// (Qt joins "fi" and "fl" into the font's ligatures, which the metrics do not know: such texts
// measure a fraction of a pixel narrower in Qt.)
TEST(QImageCanvas, MeasuresTextAsTheShippedFontsMetrics)
{
    QImageCanvas qt(8076, 6259, 15, 15);
    SvgCanvas svg(8076, 6259, 15, 15);
    EXPECT_EQ(QFontInfo(ShippedFont(8)).family(), QStringLiteral("DejaVu Sans"));
    for (double points : {7.0, 8.0, 10.0}) {
        for (bool bold : {false, true}) {
            SCOPED_TRACE(::testing::Message() << points << (bold ? " bold" : ""));
            qt.SetFontSize(points), svg.SetFontSize(points);
            qt.SetFontBold(bold), svg.SetFontBold(bold);
            EXPECT_DOUBLE_EQ(qt.TextHeight("W"), svg.TextHeight("W"));
            for (const char* text : {"Location: Brasília (Brazil)", "Thermal Inertia (Cooling)", "AVATAR Tó",
                                     "QAV - Bioclimatic Chart for pressure of 88.251 kPa (Elev: 1150 m)    "})
                EXPECT_DOUBLE_EQ(qt.TextWidth(text), svg.TextWidth(text)) << text;
        }
    }
}

}  // namespace
}  // namespace qav
