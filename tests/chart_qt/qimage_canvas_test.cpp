#include "chart/qt/qimage_canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "classify/classification.h"
#include "classify/raster_canvas.h"
#include "classify/zone_map.h"
#include "tests/chart/test_locations.h"

namespace qav {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);

// Columns and rows holding a colour, as a bounding box in pixels.
struct PixelBounds {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};
PixelBounds BoundsOf(const QImage& image, Rgb colourOrNot, bool matchNonWhite = false, int firstRow = 0)
{
    PixelBounds b;
    for (int y = firstRow; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const Rgb c = MakeRgb(qRed(p), qGreen(p), qBlue(p));
            if (matchNonWhite ? c == kWhite : c != colourOrNot) continue;
            b.left = std::min(b.left, x), b.right = std::max(b.right, x);
            b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
            ++b.count;
        }
    }
    return b;
}

// Boxes, sweep columns, rows and dots land on exactly the pixels of the zone map's canvas, so an
// hour is drawn where it is classified.
TEST(QImageCanvas, SamePixelsAsTheRasterCanvas)
{
    QImageCanvas q(3000, 2000, 15, 15);
    RasterCanvas r(3000, 2000, 15, 15);
    for (ChartCanvas* c : {static_cast<ChartCanvas*>(&q), static_cast<ChartCanvas*>(&r)}) {
        c->DrawBox(150, 300, 299.9, 450, kRed, true);
        c->DrawBox(1000, 1000, 1300, 1200, kBlue, false);
        c->DrawLine(600, 1500, 600, 40, kBlue);
        c->DrawLine(2990, 700, 2000, 700, kRed);
        c->SetPixel(2500, 1900, kBlue);
        c->SetDrawWidth(2);
        c->SetPixel(2600, 1800, kRed);
        c->SetDrawWidth(1);
    }
    const QImage& image = q.Image();
    ASSERT_EQ(image.width(), r.Columns());
    ASSERT_EQ(image.height(), r.Rows());
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) differing += q.GetPixel(x * 15 + 1, y * 15 + 1) != r.PixelAt(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(q.GetPixel(-1, 0), kNoColour);
    EXPECT_EQ(q.GetPixel(0, 2010), kNoColour);  // 134 rows: 2000 / 15 = 133.3
}

TEST(QImageCanvas, SlopedAndDottedLines)
{
    QImageCanvas q(3000, 2000, 15, 15);
    q.DrawLine(150, 150, 1500, 600, kRed);  // both end points included
    const PixelBounds b = BoundsOf(q.Image(), kRed);
    EXPECT_EQ(std::tuple(b.left, b.top, b.right, b.bottom), std::tuple(10, 10, 100, 40));
    q.SetDrawStyle(DrawStyle::Dotted);
    q.DrawLine(150, 1500, 1650, 1500, kBlue);
    q.SetDrawWidth(2);  // dotted applies to width 1 only
    q.DrawLine(150, 1800, 1650, 1800, kBlue);
    int dotted = 0, solid = 0;
    for (int x = 10; x <= 110; ++x) {
        dotted += q.GetPixel(x * 15, 1500) == kBlue;
        solid += q.GetPixel(x * 15, 1800) == kBlue;
    }
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, 60);
    EXPECT_EQ(solid, 101);
}

TEST(QImageCanvas, FontAndText)
{
    QImageCanvas q(3000, 2000, 15, 15);
    EXPECT_EQ(q.Font().SizePt, 8);
    EXPECT_FALSE(q.Font().FaceName.empty());
    // 8 pt at 96 dpi is 10.7 pixels: a line of text is 11 to 16 pixels high.
    const double h = q.TextHeight("888");
    EXPECT_GE(h, 11 * 15);
    EXPECT_LE(h, 16 * 15);
    // The cell's top-left corner is at the current point.
    q.MoveTo(600, 300);
    q.PrintText("HHH");
    const PixelBounds b = BoundsOf(q.Image(), kWhite, true);
    ASSERT_GT(b.count, 0);
    EXPECT_NEAR(b.left, 40, 2);
    EXPECT_GE(b.top, 20);
    EXPECT_LE(b.bottom, 20 + h / 15);
    EXPECT_LE(b.right, 40 + q.TextWidth("HHH") / 15);
}

// Turned 90 degrees counter-clockwise about the current point: the text runs upwards from it
// and its cell lies to the right, one text height wide.
TEST(QImageCanvas, RotatedTitle)
{
    QImageCanvas q(3000, 3000, 15, 15);
    CLogFont rotated(q.FontFactory());
    rotated.SetLogFont(q.Font());
    const std::string_view title = "Humidity Ratio";
    PrintRotatedTitle(q, &rotated, title, 1500, 2400);
    const PixelBounds b = BoundsOf(q.Image(), kWhite, true);
    ASSERT_GT(b.count, 0);
    const double widthPx = q.TextWidth(title) / 15, heightPx = q.TextHeight(title) / 15;
    EXPECT_GE(b.left, 100);
    EXPECT_LE(b.right, 100 + heightPx);
    EXPECT_LE(b.bottom, 160);
    EXPECT_GE(b.top, 160 - widthPx - 2);
    EXPECT_GT(b.bottom - b.top, b.right - b.left);  // taller than wide
    EXPECT_EQ(q.SelectFont(0), 0u);                 // the canvas's own font is back

    // The same rotation again builds no font.
    const FontHandle h = rotated.Handle();
    PrintRotatedTitle(q, &rotated, title, 1500, 2400);
    EXPECT_EQ(rotated.Handle(), h);
}

TEST(QImageCanvas, HighDensityKeepsTheCoordinates)
{
    QImageCanvas one(3000, 2000, 15, 15), two(3000, 2000, 15, 15, 2);
    for (QImageCanvas* c : {&one, &two}) c->DrawBox(150, 300, 299.9, 450, kRed, true);
    EXPECT_EQ(two.Image().width(), 2 * one.Image().width());
    EXPECT_EQ(two.Image().height(), 2 * one.Image().height());
    EXPECT_EQ(two.Image().devicePixelRatio(), 2);
    for (auto [x, y] : {std::pair{149.0, 350.0}, {150.0, 350.0}, {299.0, 450.0}, {300.0, 470.0}}) {
        SCOPED_TRACE(::testing::Message() << x << ", " << y);
        EXPECT_EQ(two.GetPixel(x, y), one.GetPixel(x, y));
    }
    EXPECT_NEAR(two.TextWidth("Humidity Ratio"), one.TextWidth("Humidity Ratio"), 15);
    EXPECT_NEAR(two.TextHeight("888"), one.TextHeight("888"), 15);
}

// The whole chart of Brasilia on the reference screen. Set QAV_CHART_PNG to a file name to keep
// the picture.
TEST(QImageCanvas, BrasiliaChart)
{
    const ChartScale s = MakeChartScale(8076, 6259, 15, 15);
    const LocationRecord brasilia = testing::Brasilia();
    const Psychrometrics psy(StationPressure(brasilia.Elevation));
    QImageCanvas chart(8076, 6259, 15, 15);
    RasterCanvas map(8076, 6259, 15, 15);
    {
        CLogFont rotated(chart.FontFactory());
        rotated.SetLogFont(chart.Font());
        DrawBioclimaticChart(chart, map, s, psy, &rotated);
        const StrategyTally tally = PlotAndClassify(&chart, map, s, SynthesizeHours(brasilia));
        DrawLegend(chart, s, tally, brasilia);
    }
    const QImage& image = chart.Image();
    if (const char* path = std::getenv("QAV_CHART_PNG")) image.save(QString::fromLocal8Bit(path), "PNG");
    EXPECT_GT(BoundsOf(image, MakeRgb(255, 255, 160)).count, 100);  // three highlighted rows
    for (int q = 1; q <= 4; ++q) EXPECT_GT(BoundsOf(image, MarkColour[q]).count, 50) << q;
    // The title, in its grey, centred on the canvas below the temperature labels, the four
    // blanks that end it included.
    const int titleRow = static_cast<int>((s.YBase + 90 + 1.3 * chart.TextHeight("888")) / 15);
    int darkest = 255;  // smoothed edges blend the grey towards white, never darker
    for (int y = titleRow; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qRed(image.pixel(x, y)));
    EXPECT_EQ(darkest, 76);
    const PixelBounds ink = BoundsOf(image, kWhite, true, titleRow);
    const double width = chart.TextWidth(ChartTitle(psy.Pressure()));
    EXPECT_NEAR(ink.left, (8076 - width) / 30, 2);
    EXPECT_NEAR(ink.right, (8076 + width) / 30 - chart.TextWidth("    ") / 15, 3);
}

}  // namespace
}  // namespace qav
