#include "classify/raster_canvas.h"

#include <gtest/gtest.h>

#include <limits>

namespace qav {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(RasterCanvas, SizeAndOutside)
{
    const RasterCanvas c(8076, 6259, 15, 15);
    EXPECT_EQ(c.Columns(), 539);  // ceil(538.4)
    EXPECT_EQ(c.Rows(), 418);     // ceil(417.27)
    EXPECT_EQ(c.GetPixel(8075.9, 6258.9), kWhite);
    for (auto [x, y] :
         {std::pair{-0.01, 10.0}, {10.0, -0.01}, {539 * 15.0, 10.0}, {10.0, 418 * 15.0}, {kNaN, 10.0}, {10.0, 1e300}}) {
        SCOPED_TRACE(::testing::Message() << x << ", " << y);
        EXPECT_EQ(c.GetPixel(x, y), kNoColour);
    }
}

// Column = floor(x / 15), boxes and lines include both end points: the classification depends
// on exactly this, a point on each side of every edge.
TEST(RasterCanvas, EdgesFollowTheFloorMapping)
{
    RasterCanvas c(3000, 3000, 15, 15);
    c.DrawBox(150, 300, 299.9, 450, kRed, true);  // columns 10..19, rows 20..30
    struct Row {
        double x, y;
        Rgb colour;
    };
    for (const Row& r :
         {Row{149.99, 350, kWhite}, Row{150, 350, kRed}, Row{299.99, 350, kRed}, Row{300, 350, kWhite},
          Row{200, 299.99, kWhite}, Row{200, 300, kRed}, Row{200, 464.99, kRed}, Row{200, 465, kWhite}}) {
        SCOPED_TRACE(::testing::Message() << r.x << ", " << r.y);
        EXPECT_EQ(c.GetPixel(r.x, r.y), r.colour);
    }
    c.Clear();
    c.DrawLine(15, 15, 150, 60, kRed);  // pixels (1, 1) to (10, 4): one per column
    int painted = 0;
    for (int col = 0; col < c.Columns(); ++col)
        for (int row = 0; row < c.Rows(); ++row) painted += c.PixelAt(col, row) == kRed;
    EXPECT_EQ(painted, 10);
    EXPECT_EQ(c.PixelAt(1, 1), kRed);
    EXPECT_EQ(c.PixelAt(10, 4), kRed);
    c.LineTo(150, 300, kBlack);  // from the end of the last line, rows 4..20
    EXPECT_EQ(c.PixelAt(10, 20), kBlack);
    EXPECT_EQ(c.PixelAt(10, 21), kWhite);
}

// Far-off end points are clipped and undefined ones ignored, never walked pixel by pixel.
TEST(RasterCanvas, FarOffAndUndefinedPoints)
{
    RasterCanvas c(3000, 3000, 15, 15);
    c.DrawLine(-1e15, 1500, 1e15, 1500, kRed);
    EXPECT_EQ(c.PixelAt(0, 100), kRed);
    EXPECT_EQ(c.PixelAt(c.Columns() - 1, 100), kRed);
    c.DrawLine(kNaN, 0, 100, 100, kBlack);
    c.DrawBox(kNaN, 0, 100, 100, kBlack, true);
    c.SetPixel(std::numeric_limits<double>::infinity(), 0, kBlack);
    EXPECT_EQ(c.PixelAt(0, 0), kWhite);
    c.DrawBox(-1e300, -1e300, 1e300, 1e300, kBlack, true);
    EXPECT_EQ(c.PixelAt(c.Columns() - 1, c.Rows() - 1), kBlack);
}

}  // namespace
}  // namespace qav
