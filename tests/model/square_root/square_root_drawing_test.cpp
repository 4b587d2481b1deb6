// The square-root ray field and wavefronts, checked on the recorded drawing operations.
#include "model/shared/module_values.h"
#include "model/square_root/square_root_fronts.h"
#include "model/square_root/square_root_ray_field.h"
#include "model/square_root/square_root_rays.h"
#include "model_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using namespace sorvel_kampyles;
using support::Kind;
using support::Op;

// The dots of each ray of the field: a ray starts with a zero-length red segment at the origin.
std::vector<std::vector<Op>> fieldRays(double A)
{
    surface::RecordingCanvas canvas;
    DrawSquareRootRayField(canvas, A);
    EXPECT_EQ(canvas.DrawWidth(), 1);
    const auto& ops = canvas.ops();
    EXPECT_EQ(ops[0].kind, Kind::Scale);
    EXPECT_EQ(ops[1].kind, Kind::Line);  // the two axes in the ForeColor
    EXPECT_FALSE(ops[1].colour.has_value());
    EXPECT_FALSE(ops[2].colour.has_value());
    std::vector<std::vector<Op>> rays;
    for (std::size_t i = 3; i + 3 < ops.size(); i += 4) {
        // Each sample: dot, mirrored dot, segment, mirrored segment.
        EXPECT_EQ(ops[i].kind, Kind::PSet);
        EXPECT_EQ(ops[i].width, 3);
        EXPECT_FALSE(ops[i].colour.has_value());
        EXPECT_EQ(ops[i + 1].x1, -ops[i].x1);
        EXPECT_EQ(ops[i + 2].kind, Kind::Line);
        EXPECT_EQ(ops[i + 2].width, 1);
        EXPECT_EQ(ops[i + 2].colour, (surface::Rgb{255, 0, 0}));
        const bool first =
            ops[i + 2].x1 == 0 && ops[i + 2].y1 == 0 && std::fabs(ops[i].x1) < 1e-4f && std::fabs(ops[i].y1) < 1e-4f;
        if (first)
            rays.emplace_back();
        rays.back().push_back(ops[i]);
    }
    return rays;
}

TEST(SquareRootRayField, ThirtySevenRaysWithTheirSampleCounts)
{
    const auto rays = fieldRays(1000);
    ASSERT_EQ(rays.size(), 37u);
    EXPECT_EQ(rays[0].size(), 9u);    // straight up, followed for two time units
    EXPECT_EQ(rays[36].size(), 9u);   // straight down
    EXPECT_EQ(rays[1].size(), 81u);   // 5°: ends after about 55 units
    EXPECT_EQ(rays[2].size(), 81u);   // 10°: about 27
    EXPECT_EQ(rays[18].size(), 10u);  // 90°: ends at 2.48
    // The horizontal ray ends vertically on the zero-speed line at x = (π/2)·A/β.
    EXPECT_GT(rays[18].back().y1, -25);
    EXPECT_LT(rays[18].back().y1, -24);
    EXPECT_LT(rays[18].back().x1, ComputedPi() / 2 * 1000 / 40);
    for (const auto& ray : rays)
        for (const Op& dot : ray)
            EXPECT_GE(dot.x1, -1e-9);  // every ray bends to the right; the mirror adds the left
}

TEST(SquareRootRayField, DotsAreTheRayPointsAtQuarterTimes)
{
    const auto rays = fieldRays(1000);
    const double theta = 45 * ComputedPi() / 180;
    for (std::size_t i = 0; i < rays[9].size(); ++i) {
        const double t = 0.25 * static_cast<double>(i);
        const double y = SquareRootRayY(1000, 40, theta, t);
        EXPECT_FLOAT_EQ(rays[9][i].y1, static_cast<float>(y));
        EXPECT_FLOAT_EQ(rays[9][i].x1, static_cast<float>(SquareRootRayX(1000, 40, theta, y, t).value_or(0)));
    }
}

TEST(SquareRootRayField, StraightDownRayComesBackUpForSmallA)
{
    const auto rays = fieldRays(500);
    const auto& down = rays[36];
    ASSERT_EQ(down.size(), 9u);
    double lowest = 0;
    for (const Op& dot : down)
        lowest = std::min<double>(lowest, dot.y1);
    EXPECT_NEAR(lowest, -12.5, 0.3);
    EXPECT_NEAR(down.back().y1, -4.7, 0.05);
}

std::vector<Op> frontOps(double t1, double t2, double A = 1000, int r = 250, int g = 250, int b = 250)
{
    surface::RecordingCanvas canvas;
    DrawSquareRootFronts(canvas, t1, t2, A, 40, r, g, b);
    EXPECT_EQ(canvas.DrawWidth(), 1);
    return canvas.ops();
}

TEST(SquareRootFronts, TimeZeroCollapsesToTheOrigin)
{
    for (const Op& op : frontOps(0, 0)) {
        EXPECT_NEAR(op.x1, 0, 1e-5);
        EXPECT_NEAR(op.y1, 0, 1e-5);
        EXPECT_NEAR(op.x2, 0, 1e-5);
        EXPECT_NEAR(op.y2, 0, 1e-5);
    }
}

TEST(SquareRootFronts, TopAndBottomPointsAndRedDotsOnTheLowerRightHalf)
{
    const auto ops = frontOps(1, 1, 1000, 0, 0, 0);
    // Per pass: upper branch 2·90 lines, lower branch 89·(2 lines + 1 dot).
    ASSERT_EQ(ops.size(), 2u * (180 + 89 * 3));
    EXPECT_NEAR(ops[0].y1, 41.6, 0.05);
    EXPECT_EQ(ops[0].x1, 0);
    EXPECT_EQ(ops[0].width, 5);
    EXPECT_EQ(ops[0].colour, (surface::Rgb{0, 0, 0}));
    const Op& lowerStart = ops[180];
    EXPECT_NEAR(lowerStart.y1, -21.6, 0.05);
    for (std::size_t i = 180; i < 447; i += 3) {
        const Op& dot = ops[i + 2];
        EXPECT_EQ(dot.kind, Kind::PSet);
        EXPECT_EQ(dot.colour, (surface::Rgb{255, 0, 0}));
        EXPECT_EQ(dot.width, 2);
        EXPECT_EQ(dot.x1, ops[i].x1);  // the previous point of the right half
        EXPECT_GE(dot.x1, 0);
    }
    EXPECT_EQ(ops[447].colour, (surface::Rgb{5, 5, 5}));
}

TEST(SquareRootFronts, LateFrontsLeaveOutEndedRaysAndClampTheBottom)
{
    const auto ops = frontOps(2, 2);
    const std::size_t lower = 180;  // all 90 upper rays are still on their way at T = 2
    ASSERT_GT(ops.size(), lower);
    EXPECT_NEAR(ops[lower].y1, -25, 1e-6);
    // 179° to 114° have ended: the first lower segment runs to the 113° ray.
    const double theta = 113 * ComputedPi() / 180;
    const double y = SquareRootRayY(1000, 40, theta, 2);
    EXPECT_FLOAT_EQ(ops[lower].y2, static_cast<float>(y));
    EXPECT_FLOAT_EQ(ops[lower].x2, static_cast<float>(SquareRootRayX(1000, 40, theta, y, 2).value()));
    EXPECT_EQ(ops.size(), 2u * (180 + (113 - 91 + 1) * 3));
}

TEST(SquareRootFronts, NegativeTimeFlipsTheEndPoints)
{
    const auto ops = frontOps(-0.25, -0.25);
    EXPECT_NEAR(ops[0].y1, -7.3, 0.05);
    EXPECT_NEAR(ops[180].y1, 8.5, 0.05);
    EXPECT_TRUE(support::AllFinite(ops));
}

TEST(SquareRootFronts, LongTimesStayFiniteAndInRange)
{
    for (const double T : {10.0, 30.0, 100.0, 400.0, 1e6}) {
        const auto ops = frontOps(T - 0.02, T);
        EXPECT_TRUE(support::AllFinite(ops)) << T;
        for (const Op& op : ops)
            EXPECT_LE(std::fabs(op.y1), 1e4) << T;
    }
}

}  // namespace
