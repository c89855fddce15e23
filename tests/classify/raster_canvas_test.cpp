#include "classify/raster_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qav {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);

TEST(RasterCanvas, SizeAndPixelMapping)
{
    const RasterCanvas c(8076, 6259, 15, 15);
    EXPECT_EQ(c.Columns(), 539);  // ceil(538.4)
    EXPECT_EQ(c.Rows(), 418);     // ceil(417.27)
    EXPECT_EQ(c.GetPixel(0, 0), kWhite);
    EXPECT_EQ(c.GetPixel(8075.9, 6258.9), kWhite);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [x, y] : {std::pair{-0.01, 10.0}, {10.0, -0.01}, {539 * 15.0, 10.0}, {10.0, 418 * 15.0}, {nan, 10.0},
                        {10.0, 1e300}}) {
        SCOPED_TRACE(::testing::Message() << x << ", " << y);
        EXPECT_EQ(c.GetPixel(x, y), kNoColour);
    }
}

// Pixel column = floor(x / 15); a box includes the pixels of both its corners. The classification
// depends on exactly this, a point on each side of every edge.
TEST(RasterCanvas, BoxEdgesFollowTheFloorMapping)
{
    RasterCanvas c(3000, 3000, 15, 15);
    c.DrawBox(150, 300, 299.9, 450, kRed, true);  // columns 10..19, rows 20..30
    struct Row { double x, y; Rgb colour; };
    for (const Row& r : {Row{149.99, 350, kWhite}, Row{150, 350, kRed}, Row{299.99, 350, kRed}, Row{300, 350, kWhite},
                         Row{200, 299.99, kWhite}, Row{200, 300, kRed}, Row{200, 464.99, kRed}, Row{200, 465, kWhite}}) {
        SCOPED_TRACE(::testing::Message() << r.x << ", " << r.y);
        EXPECT_EQ(c.GetPixel(r.x, r.y), r.colour);
    }
}

TEST(RasterCanvas, LinesIncludeBothEndPoints)
{
    RasterCanvas c(3000, 3000, 15, 15);
    c.DrawLine(15, 15, 15 * 10, 15 * 4, kRed);  // (1,1) to (10,4)
    EXPECT_EQ(c.PixelAt(1, 1), kRed);
    EXPECT_EQ(c.PixelAt(10, 4), kRed);
    EXPECT_EQ(c.PixelAt(11, 4), kWhite);
    int painted = 0;
    for (int col = 0; col < c.Columns(); ++col)
        for (int row = 0; row < c.Rows(); ++row) painted += c.PixelAt(col, row) == kRed;
    EXPECT_EQ(painted, 10);  // one pixel per column of the shallow line

    c.DrawLine(45, 600, 45, 300, kRed);  // a sweep column, drawn upwards
    for (int row = 20; row <= 40; ++row) EXPECT_EQ(c.PixelAt(3, row), kRed) << row;
    EXPECT_EQ(c.PixelAt(3, 19), kWhite);
    EXPECT_EQ(c.PixelAt(3, 41), kWhite);
}

TEST(RasterCanvas, CurrentPointWidthAndStyle)
{
    RasterCanvas c(3000, 3000, 15, 15);
    c.SetPixel(150, 150, kRed);
    c.LineTo(150, 300, kBlack);  // from the dot
    EXPECT_EQ(c.PixelAt(10, 10), kBlack);
    EXPECT_EQ(c.PixelAt(10, 20), kBlack);
    c.Clear();
    EXPECT_EQ(c.PixelAt(10, 10), kWhite);
    c.LineTo(30, 0, kRed);  // Clear moved the current point to (0, 0)
    EXPECT_EQ(c.PixelAt(0, 0), kRed);

    c.SetDrawWidth(2);
    c.SetPixel(300, 300, kRed);
    EXPECT_EQ(c.PixelAt(20, 20), kRed);
    EXPECT_EQ(c.PixelAt(21, 21), kRed);
    EXPECT_EQ(c.PixelAt(19, 19), kWhite);

    c.SetDrawWidth(1);
    c.SetDrawStyle(DrawStyle::Dotted);
    c.DrawLine(0, 1500, 15 * 9, 1500, kRed);
    int dots = 0;
    for (int col = 0; col <= 9; ++col) dots += c.PixelAt(col, 100) == kRed;
    EXPECT_EQ(dots, 5);
}

// Far-off or undefined end points are clipped or ignored, never walked pixel by pixel.
TEST(RasterCanvas, FarOffAndUndefinedPoints)
{
    RasterCanvas c(3000, 3000, 15, 15);
    c.DrawLine(-1e15, 1500, 1e15, 1500, kRed);
    EXPECT_EQ(c.PixelAt(0, 100), kRed);
    EXPECT_EQ(c.PixelAt(c.Columns() - 1, 100), kRed);
    c.DrawLine(1500, -1e300, 1500, 1e300, kRed);
    EXPECT_EQ(c.PixelAt(100, 0), kRed);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    c.DrawLine(nan, 0, 100, 100, kBlack);
    c.DrawBox(nan, 0, 100, 100, kBlack, true);
    c.SetPixel(std::numeric_limits<double>::infinity(), 0, kBlack);
    EXPECT_EQ(c.PixelAt(0, 0), kWhite);
    c.DrawBox(-1e300, -1e300, 1e300, 1e300, kBlack, true);
    EXPECT_EQ(c.PixelAt(0, 0), kBlack);
    EXPECT_EQ(c.PixelAt(c.Columns() - 1, c.Rows() - 1), kBlack);
}

}  // namespace
}  // namespace qav
