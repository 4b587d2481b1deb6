// The raster canvas: user-scale mapping, aliased coverage, exact erasing and refusal of bad coordinates.
#include "canvas/raster_canvas.h"
#include "canvas/recording_canvas.h"
#include "canvas/tee_canvas.h"
#include "headless/block_text_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
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

// A stroke covers exactly the pixels whose centre lies within half its width of the segment,
// judged in whole numbers (in half pixels every coordinate is one), for short strokes of every
// direction, which the canvas keeps by their shape, and long ones, wherever they lie.
TEST(RasterCanvas, StrokesCoverExactlyThePixelCentresWithinHalfTheirWidth)
{
    constexpr int kWidth = 40, kHeight = 30;
    std::vector<std::uint32_t> pixels(kWidth * kHeight);
    surface::StrokeShapes shapes;
    std::mt19937 random(31);
    for (int stroke = 0; stroke < 20000; ++stroke) {
        const int width = 1 + static_cast<int>(random() % 8);
        // Pen ends as SnapToPen puts them, in half pixels: odd for odd widths, even for even ones.
        const auto end = [&](int span) {
            const long long halves = static_cast<long long>(random() % (2 * span + 60)) - 30;
            return halves * 2 + (width % 2);
        };
        const long long x1 = end(kWidth), y1 = end(kHeight);
        const bool shortStroke = stroke % 3 != 0;
        const long long x2 = shortStroke ? x1 + 2 * (static_cast<long long>(random() % 53) - 26) : end(kWidth);
        const long long y2 = shortStroke ? y1 + 2 * (static_cast<long long>(random() % 53) - 26) : end(kHeight);
        std::fill(pixels.begin(), pixels.end(), 0u);
        surface::PixelBand band{pixels.data(), kWidth, kWidth, kHeight, nullptr, &shapes};
        surface::FillCapsule(band, x1 / 2.0, y1 / 2.0, x2 / 2.0, y2 / 2.0, width, 1u);
        const long long dx = x2 - x1, dy = y2 - y1, length = dx * dx + dy * dy, reach = 1LL * width * width;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const long long cx = 2 * x + 1 - x1, cy = 2 * y + 1 - y1;  // the centre from the first end
                const long long along = cx * dx + cy * dy;
                const long long across = cx * dy - cy * dx;
                const long long ex = cx - dx, ey = cy - dy;
                const bool within = along <= 0        ? cx * cx + cy * cy <= reach
                                    : along >= length ? ex * ex + ey * ey <= reach
                                                      : across * across <= reach * length;
                ASSERT_EQ(pixels[y * kWidth + x], within ? 1u : 0u)
                    << "width " << width << " from (" << x1 / 2.0 << ", " << y1 / 2.0 << ") to (" << x2 / 2.0
                    << ", " << y2 / 2.0 << ") at pixel (" << x << ", " << y << ")";
            }
    }
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

// A drawing in `colour` with dots of its own colours, ForeColor and the background among them,
// a refused operation and its own scale; it leaves DrawWidth at 2.
void someDrawing(surface::Canvas& canvas, double size, surface::Rgb colour)
{
    canvas.Scale(-100, 100, 100, -100);
    canvas.Line(-100, 0, 100, 0);
    for (int i = 0; i < 12; ++i) {
        canvas.SetDrawWidth(1 + i % 5);
        const float a = static_cast<float>(i * 0.7);
        canvas.Line(0, 0, static_cast<float>(size * std::cos(a)), static_cast<float>(size * std::sin(a)), colour);
        canvas.PSet(static_cast<float>(size * std::sin(a)), 10,
                    i % 2 ? surface::Rgb{255, 255, 255} : surface::Rgb{255, 0, 0});
    }
    canvas.Line(0, std::numeric_limits<float>::quiet_NaN(), 1, 1);
    canvas.SetDrawWidth(2);
}

// What a picture holds that is not background: the grey of faded fronts, black and red strokes.
void scribble(RasterCanvas& canvas, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> at(-110, 110);
    canvas.Scale(-100, 100, 100, -100);
    for (int i = 0; i < 40; ++i) {
        canvas.SetDrawWidth(1 + static_cast<int>(random() % 6));
        canvas.Line(at(random), at(random), at(random), at(random),
                    surface::Rgb{static_cast<int>(random() % 256), 250, 5});
    }
    canvas.SetDrawWidth(1);
}

constexpr surface::Rgb kBlack{5, 5, 5}, kGrey{250, 250, 250};

// Put on from its stamp, in the colour it was made in or in another, a drawing leaves the picture
// as drawing it does, over any picture, at any size and ratio, and the canvas with the scale, pen
// and refusals the drawing leaves; a change of the inputs or of the canvas makes it again.
TEST(RasterCanvas, AStampedDrawingGivesTheDrawnPixelsOverAnyPicture)
{
    surface::Stamp stamp;
    int makings = 0;
    unsigned seed = 1;
    for (const double ratio : {1.0, 1.5, 2.0})
        for (const int size : {150, 151})
            for (const double reach : {60.0, 60.0, 90.0}) {
                RasterCanvas stamped(size, size, ratio);
                scribble(stamped, ++seed);
                RasterCanvas drawn = stamped;
                const double inputs[] = {reach};
                // Made, put on recoloured, then put on as the pixels it covers.
                for (const surface::Rgb colour : {kBlack, kGrey, kBlack}) {
                    stamped.DrawStamped(stamp, inputs, colour, [&](surface::Canvas& canvas, surface::Rgb c) {
                        ++makings;
                        someDrawing(canvas, reach, c);
                    });
                    someDrawing(drawn, reach, colour);
                    ASSERT_TRUE(stamped.image() == drawn.image()) << size << " at " << ratio << ", " << reach;
                    EXPECT_EQ(stamped.DrawWidth(), 2);
                    EXPECT_EQ(stamped.rejectedOperations(), drawn.rejectedOperations());
                    EXPECT_EQ(stamped.ToDevice(100, -100), drawn.ToDevice(100, -100));
                    scribble(stamped, seed + 100);
                    scribble(drawn, seed + 100);
                }
            }
    // Made once for each size, ratio and input; the repeated input at the same picture reuses it.
    EXPECT_EQ(makings, 3 * 2 * 2);

    // The pen in force before the drawing counts: its first line takes it.
    RasterCanvas wide(150, 150, 1.0);
    RasterCanvas plain = wide;
    wide.SetDrawWidth(4);
    plain.SetDrawWidth(4);
    const double inputs[] = {90.0};
    wide.DrawStamped(stamp, inputs, kBlack,
                     [](surface::Canvas& canvas, surface::Rgb c) { someDrawing(canvas, 90, c); });
    someDrawing(plain, 90, kBlack);
    EXPECT_TRUE(wide.image() == plain.image());

    // A drawing that clears the picture is drawn every time.
    makings = 0;
    for (int i = 0; i < 2; ++i)
        wide.DrawStamped(stamp, inputs, kBlack, [&](surface::Canvas& canvas, surface::Rgb c) {
            ++makings;
            canvas.Cls();
            someDrawing(canvas, 90, c);
        });
    EXPECT_EQ(makings, 2);
}

// A canvas without pixels, and an observer beside the picture, take the drawing's operations.
TEST(RasterCanvas, AnObserverSeesTheStampedDrawingsOperations)
{
    surface::RecordingCanvas alone;
    surface::RecordingCanvas watched;
    RasterCanvas picture(150, 150, 1.0);
    surface::TeeCanvas tee(picture, watched);
    surface::Stamp stamp;
    const double inputs[] = {60.0};
    const auto drawing = [](surface::Canvas& canvas, surface::Rgb c) { someDrawing(canvas, 60, c); };
    tee.DrawStamped(stamp, inputs, kBlack, drawing);
    tee.DrawStamped(stamp, inputs, kGrey, drawing);
    someDrawing(alone, 60, kBlack);
    someDrawing(alone, 60, kGrey);
    ASSERT_EQ(watched.ops().size(), alone.ops().size());
    EXPECT_GT(alone.ops().size(), 20u);
    EXPECT_EQ(watched.ops().back().colour, alone.ops().back().colour);
    EXPECT_EQ(watched.ops()[alone.ops().size() / 2 + 3].colour, alone.ops()[alone.ops().size() / 2 + 3].colour);
}

// The changed area holds every pixel that changed since it was last taken, and no more than the
// strokes drawn: a stamp put where it shows already changes nothing.
TEST(RasterCanvas, TheChangedAreaHoldsEveryChangedPixel)
{
    RasterCanvas canvas(200, 200, 1.5);
    scribble(canvas, 7);
    canvas.TakeChangedArea();
    const auto changedOutside = [](const PixelImage& before, const PixelImage& after, const surface::PixelArea& area) {
        int n = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                n += before.pixel(x, y) != after.pixel(x, y) &&
                     (x < area.left || x >= area.right || y < area.top || y >= area.bottom);
        return n;
    };
    surface::Stamp stamp;
    const double inputs[] = {80.0};
    const auto drawing = [](surface::Canvas& c, surface::Rgb colour) { someDrawing(c, 80, colour); };
    for (unsigned seed = 8; seed < 20; ++seed) {
        const PixelImage before = canvas.image();
        scribble(canvas, seed);
        if (seed % 3 == 0)
            canvas.DrawStamped(stamp, inputs, seed % 2 ? kBlack : kGrey, drawing);
        const surface::PixelArea area = canvas.TakeChangedArea();
        ASSERT_EQ(changedOutside(before, canvas.image(), area), 0) << seed;
    }
    canvas.SetDrawWidth(3);
    canvas.PSet(0, 0, surface::Rgb{0, 0, 0});
    const surface::PixelArea dot = canvas.TakeChangedArea();
    EXPECT_LE(dot.right - dot.left, 7);
    EXPECT_LE(dot.bottom - dot.top, 7);
    EXPECT_TRUE(canvas.TakeChangedArea().empty());

    // Made again for the pen the drawing leaves, put on, then put on where it shows already.
    canvas.SetDrawWidth(2);
    for (int i = 0; i < 2; ++i) {
        canvas.DrawStamped(stamp, inputs, kGrey, drawing);
        EXPECT_FALSE(canvas.TakeChangedArea().empty());
    }
    canvas.DrawStamped(stamp, inputs, kGrey, drawing);
    EXPECT_TRUE(canvas.TakeChangedArea().empty());
    canvas.Cls();
    EXPECT_EQ(canvas.TakeChangedArea(), (surface::PixelArea{0, 0, 300, 300}));
}

// A back end is told once of changes, at the first after it took the area, a drawing recorded
// for a stamp and one put on from it among them.
TEST(RasterCanvas, TellsOfTheFirstChangeAfterTheAreaWasTaken)
{
    RasterCanvas canvas(100, 100, 1.0);
    int told = 0;
    canvas.SetChangedCallback([&] { ++told; });
    canvas.TakeChangedArea();
    scribble(canvas, 3);
    scribble(canvas, 4);
    EXPECT_EQ(told, 1);
    canvas.TakeChangedArea();
    canvas.Line(-500, -500, -400, -400);  // outside: nothing changes
    EXPECT_EQ(told, 1);
    canvas.PSet(0, 0);
    EXPECT_EQ(told, 2);

    surface::Stamp stamp;
    const double inputs[] = {60.0};
    const auto drawing = [](surface::Canvas& c, surface::Rgb colour) { someDrawing(c, 60, colour); };
    for (const surface::Rgb colour : {kBlack, kGrey}) {
        canvas.SetDrawWidth(1);  // the same settings both times: recorded, then put on
        canvas.TakeChangedArea();
        const int before = told;
        canvas.DrawStamped(stamp, inputs, colour, drawing);
        EXPECT_EQ(told, before + 1);
        EXPECT_FALSE(canvas.TakeChangedArea().empty());
    }
}

}  // namespace
