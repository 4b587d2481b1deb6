// The raster canvas: user-scale mapping, aliased coverage, exact erasing and refusal of bad coordinates.
#include "canvas/raster_canvas.h"
#include "headless/block_text_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

using surface::DevicePoint;
using surface::PixelImage;
using surface::RasterCanvas;

int countNot(const PixelImage& image, std::uint32_t colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) != (colour & 0xffffff);
    return n;
}

RasterCanvas userCanvas(int size = 200)
{
    RasterCanvas canvas(size, size, 1.0);
    canvas.Scale(-100, 100, 100, -100);
    return canvas;
}

headless::BlockTextPainter blocks;

TEST(RasterCanvas, UserScaleMapsCornersAndCentreWithYUp)
{
    RasterCanvas canvas = userCanvas(201);
    EXPECT_EQ(canvas.ToDevice(-100, 100), (DevicePoint{0, 0}));
    EXPECT_EQ(canvas.ToDevice(100, -100), (DevicePoint{201, 201}));
    EXPECT_EQ(canvas.ToDevice(0, 0), (DevicePoint{100.5, 100.5}));
    EXPECT_LT(canvas.ToDevice(0, 50).y, canvas.ToDevice(0, -50).y);
    canvas.SetDrawWidth(1);
    canvas.PSet(0, 0, surface::Rgb{255, 0, 0});
    EXPECT_EQ(canvas.image().pixel(100, 100) & 0xffffff, 0xff0000u);
    EXPECT_EQ(countNot(canvas.image(), 0xffffff), 1);
}

TEST(RasterCanvas, DotsCoverDrawWidthPixelsAcross)
{
    for (const int width : {1, 2, 3, 5, 10}) {
        RasterCanvas canvas = userCanvas();
        canvas.SetDrawWidth(width);
        canvas.PSet(0, 0, surface::Rgb{0, 0, 0});
        const PixelImage& image = canvas.image();
        int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xffffff) == 0) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
        EXPECT_EQ(maxX - minX + 1, width) << width;
        EXPECT_EQ(maxY - minY + 1, width) << width;
    }
}

TEST(RasterCanvas, LinesAreAliasedAndAsWideAsDrawWidth)
{
    RasterCanvas canvas = userCanvas();
    canvas.SetDrawWidth(5);
    canvas.Line(-50, 0, 50, 0, surface::Rgb{10, 20, 30});
    const PixelImage& image = canvas.image();
    int column = 0;
    for (int y = 0; y < image.height(); ++y)
        column += (image.pixel(100, y) & 0xffffff) != 0xffffff;
    EXPECT_EQ(column, 5);
    // Only the two colours exist: no blending at the edges.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t p = image.pixel(x, y) & 0xffffff;
            ASSERT_TRUE(p == 0xffffff || p == 0x0a141e);
        }
    // Round ends: the cap reaches 2 pixels beyond the end point, no further.
    const int endColumn = static_cast<int>(canvas.ToDevice(50, 0).x);
    EXPECT_NE(image.pixel(endColumn + 2, 100) & 0xffffff, 0xffffffu);
    EXPECT_EQ(image.pixel(endColumn + 3, 100) & 0xffffff, 0xffffffu);
}

TEST(RasterCanvas, RedrawingInTheBackgroundColourLeavesNothingBehind)
{
    RasterCanvas canvas = userCanvas(357);
    const float segments[][4] = {{-93.3f, 12.7f, 41.07f, -88.9f},
                                 {0.1f, 0.1f, 0.3f, 99.7f},
                                 {-100, -100, 100, 100},
                                 {33.3f, 33.3f, 33.31f, 33.29f},
                                 {-5, 150, 7, -250}};
    for (const int width : {1, 2, 3, 5})
        for (const auto& s : segments) {
            canvas.SetDrawWidth(width);
            canvas.Line(s[0], s[1], s[2], s[3], surface::Rgb{5, 5, 5});
            canvas.PSet(s[0], s[1], surface::Rgb{5, 5, 5});
            canvas.Line(s[0], s[1], s[2], s[3], surface::Rgb{255, 255, 255});
            canvas.PSet(s[0], s[1], surface::Rgb{255, 255, 255});
            ASSERT_EQ(countNot(canvas.image(), 0xffffff), 0) << width;
        }
}

TEST(RasterCanvas, HugeAndNonFiniteCoordinatesNeitherCrashNorDrawGarbage)
{
    RasterCanvas canvas = userCanvas();
    canvas.SetTextPainter(&blocks);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    canvas.SetDrawWidth(3);
    canvas.Line(0, 0, inf, 0);
    canvas.Line(nan, 0, 1, 1);
    canvas.PSet(inf, inf);
    canvas.SetCurrentY(nan);
    canvas.Print("x");
    EXPECT_EQ(canvas.rejectedOperations(), 4);
    EXPECT_EQ(countNot(canvas.image(), 0xffffff), 0);

    // A segment to 1e30 is drawn along its true direction inside the picture.
    canvas.Line(0, 0, 0, 1e30f, surface::Rgb{0, 0, 0});
    const PixelImage& image = canvas.image();
    EXPECT_EQ(image.pixel(100, 0) & 0xffffff, 0u);
    EXPECT_EQ(image.pixel(100, 99) & 0xffffff, 0u);
    EXPECT_EQ(image.pixel(100, 110) & 0xffffff, 0xffffffu);
    EXPECT_EQ(image.pixel(110, 50) & 0xffffff, 0xffffffu);
    canvas.PSet(1e30f, -1e30f);
    canvas.SetCurrentX(1e30f);
    canvas.Print("far");
    EXPECT_EQ(countNot(canvas.image(), 0xffffff), 3 * 102);  // rows 0 to 100 and the round end below the centre
}

TEST(RasterCanvas, ClsClearsAndResetsTheTextPosition)
{
    RasterCanvas canvas = userCanvas();
    canvas.SetTextPainter(&blocks);
    canvas.SetCurrentX(50);
    canvas.SetCurrentY(50);
    canvas.Print("0.38");
    EXPECT_GT(countNot(canvas.image(), 0xffffff), 0);
    canvas.Cls();
    EXPECT_EQ(countNot(canvas.image(), 0xffffff), 0);
    canvas.Print("0.00");  // now at (0, 0): the centre of the picture
    const PixelImage& image = canvas.image();
    int left = 1000, top = 1000;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != 0xffffff) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    EXPECT_GE(left, 100);
    EXPECT_GE(top, 100);
    EXPECT_LT(left, 110);
}

TEST(RasterCanvas, HighDensityScreensGetDevicePixelsAndWiderPens)
{
    RasterCanvas canvas(100, 100, 2.0);
    canvas.Scale(-100, 100, 100, -100);
    EXPECT_EQ(canvas.image().width(), 200);
    EXPECT_EQ(canvas.image().height(), 200);
    canvas.SetDrawWidth(3);
    canvas.PSet(0, 0, surface::Rgb{0, 0, 0});
    EXPECT_EQ(countNot(canvas.image(), 0xffffff), 32);  // a 6-pixel round dot
}

// Device pixels that are not the background, as a set of points.
std::set<std::pair<int, int>> drawnPixels(const PixelImage& image)
{
    std::set<std::pair<int, int>> drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != 0xffffff)
                drawn.insert({x, y});
    return drawn;
}

TEST(RasterCanvas, GrowingAndShrinkingKeepTheDrawingAtItsDevicePixels)
{
    for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
        RasterCanvas canvas(100, 100, ratio);
        canvas.Scale(-100, 100, 100, -100);
        canvas.SetDrawWidth(3);
        canvas.Line(-90, 90, -20, 40, surface::Rgb{0, 0, 0});
        const auto before = drawnPixels(canvas.image());
        ASSERT_FALSE(before.empty());
        canvas.Resize(180, 130, ratio);
        EXPECT_EQ(drawnPixels(canvas.image()), before) << "grown at " << ratio;
        canvas.Resize(70, 60, ratio);
        EXPECT_EQ(drawnPixels(canvas.image()), before) << "shrunk at " << ratio;
        EXPECT_EQ(canvas.image().width(), static_cast<int>(std::lround(70 * ratio)));
        EXPECT_EQ(canvas.image().height(), static_cast<int>(std::lround(60 * ratio)));
    }
}

TEST(RasterCanvas, AnotherRatioCarriesTheDrawingOverAtTheSameLogicalPlace)
{
    RasterCanvas canvas(40, 40, 1.0);
    canvas.SetDrawWidth(4);
    canvas.PSet(10 * 15, 10 * 15, surface::Rgb{0, 0, 0});  // twips: a 4-pixel dot at the pixel corner (10, 10)
    const auto atOne = drawnPixels(canvas.image());
    ASSERT_EQ(atOne.size(), 12u);
    canvas.Resize(40, 40, 2.0);
    std::set<std::pair<int, int>> doubled;
    for (const auto& [x, y] : atOne)
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                doubled.insert({2 * x + dx, 2 * y + dy});
    EXPECT_EQ(drawnPixels(canvas.image()), doubled);
    // What is drawn afterwards is drawn at the new ratio: 8 device pixels across.
    canvas.PSet(30 * 15, 30 * 15, surface::Rgb{0, 0, 0});
    EXPECT_EQ(drawnPixels(canvas.image()).size(), doubled.size() + 52);
    canvas.Resize(40, 40, 1.0);
    const auto back = drawnPixels(canvas.image());
    EXPECT_TRUE(std::includes(back.begin(), back.end(), atOne.begin(), atOne.end()));
}

}  // namespace
