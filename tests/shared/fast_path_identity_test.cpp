// The shortcuts of the tick's drawing (culling, hoisting, two threads) leave every operation and
// every pixel as the straightforward drawing makes them, over seeded sequences of ticks.
#include "linear/linear_ray_field.h"
#include "linear/linear_train.h"
#include "shared/drawing_shortcuts.h"
#include "shared/module_values.h"
#include "square_root/square_root_ray_field.h"
#include "square_root/square_root_train.h"
#include "surface/raster_canvas.h"
#include "surface/recording_canvas.h"
#include "surface/tee_canvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

namespace {

using namespace sorvel_kampyles;

// One step of a train: the time it moves from and to, as a timer tick or a move of the time bar.
struct Step {
    double previous, now;
};

// Ticks of 1/unit each from a random count, with now and then a jump as the time bar makes.
std::vector<Step> steps(std::mt19937& random, double unit, int ticks, double maxTime)
{
    std::vector<Step> out;
    std::uniform_real_distribution<double> anyTime(0, maxTime);
    long count = static_cast<long>(anyTime(random) * unit);
    double now = count / unit;
    for (int i = 0; i < ticks; ++i) {
        const double previous = now;
        if (random() % 5 == 0)
            now = std::floor(anyTime(random) * 1000) / 1000;  // the bar counts thousandths
        else
            now = static_cast<double>(++count) / unit;
        out.push_back({previous, now});
    }
    return out;
}

struct Drawing {
    std::vector<surface::RecordingCanvas::Op> ops;
    QImage image;
};

Drawing draw(bool shortcuts, int pixels, qreal dpr, const std::function<void(surface::Canvas&)>& scene)
{
    Shortcuts().hoisting = shortcuts;
    Shortcuts().threads = shortcuts;
    surface::RasterCanvas raster(QSize(pixels, pixels), dpr);
    raster.SetCulling(shortcuts);
    raster.Scale(-100, 100, 100, -100);
    surface::RecordingCanvas recorder;
    surface::TeeCanvas both(raster, recorder);
    scene(both);
    Shortcuts() = {};
    return {recorder.ops(), raster.image()};
}

bool sameOps(const std::vector<surface::RecordingCanvas::Op>& a, const std::vector<surface::RecordingCanvas::Op>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto& x = a[i];
        const auto& y = b[i];
        // Bit for bit: the erase trick needs the very same floats.
        const float xs[] = {x.x1, x.y1, x.x2, x.y2};
        const float ys[] = {y.x1, y.y1, y.x2, y.y2};
        if (x.kind != y.kind || std::memcmp(xs, ys, sizeof xs) != 0 || x.colour != y.colour || x.width != y.width ||
            x.text != y.text)
            return false;
    }
    return true;
}

void expectSame(int pixels, qreal dpr, const std::function<void(surface::Canvas&)>& scene)
{
    const Drawing fast = draw(true, pixels, dpr, scene);
    const Drawing plain = draw(false, pixels, dpr, scene);
    ASSERT_GT(fast.ops.size(), 1000u);
    EXPECT_TRUE(sameOps(fast.ops, plain.ops));
    EXPECT_TRUE(fast.image == plain.image);
}

TEST(FastPath, LinearTrainsDrawTheSameOperationsAndPixels)
{
    for (const unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        const double k = random() % 2 ? -8 : 8;
        const auto sequence = steps(random, 1000, 30, 3.0);
        const int pixels = seed == 3 ? 150 : 300;
        expectSame(pixels, seed == 2 ? 2.0 : 1.0, [&](surface::Canvas& canvas) {
            PI_VALUE = ComputedPi();
            DrawAxisTimeMarks(canvas, 1000, k);
            DrawLinearRays(canvas, 1000, k);
            for (const Step& step : sequence)
                MoveLinearTrain(canvas, step.previous, step.now, 1000, k);
        });
    }
}

TEST(FastPath, SquareRootTrainsDrawTheSameOperationsAndPixels)
{
    for (const unsigned seed : {11u, 12u, 13u}) {
        std::mt19937 random(seed);
        const double A = 500 + 20 * static_cast<double>(random() % 226);  // the bar's values
        const auto sequence = steps(random, 50, 12, 12.0);
        expectSame(seed == 13 ? 150 : 300, seed == 12 ? 2.0 : 1.0, [&](surface::Canvas& canvas) {
            for (const Step& step : sequence) {
                MoveSquareRootTrain(canvas, step.previous, step.now, A, 40);
                DrawSquareRootRayField(canvas, A);
            }
        });
    }
}

}  // namespace
