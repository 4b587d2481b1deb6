// The square-root ray field and wavefronts, checked on the recorded drawing operations.
#include "model/shared/module_values.h"
#include "model/square_root/square_root_fronts.h"
#include "model/square_root/square_root_ray_field.h"
#include "model/square_root/square_root_rays.h"
#include "model_support.h"
#include "ray_oracle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using namespace sorvel_kampyles;
using support::Kind;
using support::Op;

// One sample of a field ray: its dot and the segment to it from the dot before, on the right
// half, and their mirror images on the left.
struct FieldSample {
    Op dot, mirroredDot, segment, mirroredSegment;
};

// The samples of each ray of the field: a ray starts with a zero-length red segment at the origin.
std::vector<std::vector<FieldSample>> fieldRays(double A)
{
    surface::RecordingCanvas canvas;
    DrawSquareRootRayField(canvas, A);
    EXPECT_EQ(canvas.DrawWidth(), 1);
    const auto& ops = canvas.ops();
    EXPECT_EQ(ops[0].kind, Kind::Scale);
    EXPECT_EQ(ops[1].kind, Kind::Line);  // the two axes in the ForeColor
    EXPECT_FALSE(ops[1].colour.has_value());
    EXPECT_FALSE(ops[2].colour.has_value());
    std::vector<std::vector<FieldSample>> rays;
    for (std::size_t i = 3; i + 3 < ops.size(); i += 4) {
        // Each sample: dot, mirrored dot, segment, mirrored segment.
        for (const std::size_t dot : {i, i + 1}) {
            EXPECT_EQ(ops[dot].kind, Kind::PSet);
            EXPECT_EQ(ops[dot].width, 3);
            EXPECT_FALSE(ops[dot].colour.has_value());
        }
        for (const std::size_t segment : {i + 2, i + 3}) {
            EXPECT_EQ(ops[segment].kind, Kind::Line);
            EXPECT_EQ(ops[segment].width, 1);
            EXPECT_EQ(ops[segment].colour, (surface::Rgb{255, 0, 0}));
        }
        const bool first =
            ops[i + 2].x1 == 0 && ops[i + 2].y1 == 0 && std::fabs(ops[i].x1) < 1e-4f && std::fabs(ops[i].y1) < 1e-4f;
        if (first)
            rays.emplace_back();
        rays.back().push_back({ops[i], ops[i + 1], ops[i + 2], ops[i + 3]});
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
    EXPECT_GT(rays[18].back().dot.y1, -25);
    EXPECT_LT(rays[18].back().dot.y1, -24);
    EXPECT_LT(rays[18].back().dot.x1, PI_VALUE / 2 * 1000 / 40);
    for (const auto& ray : rays)
        for (const FieldSample& sample : ray)
            EXPECT_GE(sample.dot.x1, -1e-9);  // every ray bends to the right; the mirror adds the left
}

TEST(SquareRootRayField, DotsAreTheRayPointsAtQuarterTimes)
{
    const auto rays = fieldRays(1000);
    const double theta = 45 * PI_VALUE / 180;
    for (std::size_t i = 0; i < rays[9].size(); ++i) {
        const double t = 0.25 * static_cast<double>(i);
        const double y = SquareRootRayY(1000, 40, theta, t);
        EXPECT_FLOAT_EQ(rays[9][i].dot.y1, static_cast<float>(y));
        EXPECT_FLOAT_EQ(rays[9][i].dot.x1, static_cast<float>(SquareRootRayX(1000, 40, theta, y, t).value_or(0)));
    }
}

// Both halves of the field against rays integrated toward +x and toward −x: the dots at quarter
// times, and the red segments joining each dot to the one before on its own half.
TEST(SquareRootRayField, BothHalvesLieOnIntegratedRays)
{
    for (const double A : {500.0, 1000.0, 3000.0}) {
        const auto rays = fieldRays(A);
        ASSERT_EQ(rays.size(), 37u);
        const oracle::Medium medium = oracle::SquareRootMedium(A, 40);
        for (const int degrees : {0, 15, 45, 90, 135, 170, 180}) {
            const auto& ray = rays[static_cast<std::size_t>(degrees / 5)];
            for (const int side : {1, -1}) {
                double fromX = 0, fromY = 0;
                for (std::size_t i = 0; i < ray.size(); ++i) {
                    const double t = 0.25 * static_cast<double>(i);
                    const oracle::RayPoint p = oracle::TravelRay(medium, side * degrees * PI_VALUE / 180, t);
                    const Op& dot = side > 0 ? ray[i].dot : ray[i].mirroredDot;
                    const Op& segment = side > 0 ? ray[i].segment : ray[i].mirroredSegment;
                    // Close to the zero-speed line the integration is no longer to be trusted.
                    if (A + 40 * p.y > 0.1 * A) {
                        const double near = 1e-3 * (1 + std::fabs(p.x) + std::fabs(p.y));
                        EXPECT_NEAR(dot.x1, p.x, near) << A << " " << side * degrees << "° at " << t;
                        EXPECT_NEAR(dot.y1, p.y, near) << A << " " << side * degrees << "° at " << t;
                    }
                    EXPECT_FLOAT_EQ(segment.x1, static_cast<float>(fromX))
                        << A << " " << side * degrees << "° at " << t;
                    EXPECT_FLOAT_EQ(segment.y1, static_cast<float>(fromY))
                        << A << " " << side * degrees << "° at " << t;
                    EXPECT_EQ(segment.x2, dot.x1) << A << " " << side * degrees << "° at " << t;
                    EXPECT_EQ(segment.y2, dot.y1) << A << " " << side * degrees << "° at " << t;
                    fromX = dot.x1;
                    fromY = dot.y1;
                }
            }
        }
    }
}

TEST(SquareRootRayField, StraightDownRayComesBackUpForSmallA)
{
    const auto rays = fieldRays(500);
    const auto& down = rays[36];
    ASSERT_EQ(down.size(), 9u);
    double lowest = 0;
    for (const FieldSample& sample : down)
        lowest = std::min<double>(lowest, sample.dot.y1);
    EXPECT_NEAR(lowest, -12.5, 0.3);
    EXPECT_NEAR(down.back().dot.y1, -4.7, 0.05);
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

// Before any ray has ended, each branch is a polyline from a vertical ray through the rays of
// whole degrees, the right half through rays bent toward +x and its mirror image through rays
// bent toward −x; red dots mark the lower branch, at every start of a segment of its right half.
TEST(SquareRootFronts, BothHalvesOfBothBranchesFollowIntegratedRays)
{
    struct Case {
        double A, T;  // T before the first ray (179°) reaches the zero-speed line
    };
    for (const Case& c : {Case{1000, 0.5}, Case{1000, 1.5}, Case{500, 1.0}, Case{5000, 3.0}}) {
        const oracle::Medium medium = oracle::SquareRootMedium(c.A, 40);
        const auto ops = frontOps(c.T, c.T, c.A, 1, 2, 3);
        ASSERT_EQ(ops.size(), 2u * (180 + 89 * 3)) << c.A << " " << c.T;
        const auto rayPoint = [&](double degrees) {
            return oracle::TravelRay(medium, degrees * PI_VALUE / 180, c.T, 1000);
        };
        const auto expectAt = [&](const Op& op, bool start, oracle::RayPoint p, double degrees) {
            const double near = 1e-3 * (1 + std::fabs(p.x) + std::fabs(p.y));
            EXPECT_NEAR(start ? op.x1 : op.x2, p.x, near) << c.A << " " << c.T << " " << degrees << "°";
            EXPECT_NEAR(start ? op.y1 : op.y2, p.y, near) << c.A << " " << c.T << " " << degrees << "°";
        };
        // The upper branch from the ray sent straight up: right, then left, for 1° to 90°.
        oracle::RayPoint right = rayPoint(0), left = right;
        for (int degrees = 1; degrees <= 90; ++degrees) {
            const Op& r = ops[2 * (degrees - 1)];
            const Op& l = ops[2 * (degrees - 1) + 1];
            ASSERT_EQ(r.kind, Kind::Line);
            ASSERT_EQ(l.kind, Kind::Line);
            EXPECT_EQ(l.colour, (surface::Rgb{1, 2, 3}));
            EXPECT_EQ(l.width, 5);
            expectAt(r, true, right, degrees);
            expectAt(l, true, left, -degrees);
            right = rayPoint(degrees);
            left = rayPoint(-degrees);
            expectAt(r, false, right, degrees);
            expectAt(l, false, left, -degrees);
        }
        // The lower branch from the ray sent straight down, for 179° to 91°.
        right = left = rayPoint(180);
        for (int degrees = 179; degrees >= 91; --degrees) {
            const std::size_t at = 180 + 3 * static_cast<std::size_t>(179 - degrees);
            const Op& r = ops[at];
            const Op& l = ops[at + 1];
            const Op& dot = ops[at + 2];
            ASSERT_EQ(r.kind, Kind::Line);
            ASSERT_EQ(l.kind, Kind::Line);
            ASSERT_EQ(dot.kind, Kind::PSet);
            EXPECT_EQ(dot.colour, (surface::Rgb{255, 0, 0}));
            expectAt(r, true, right, degrees);
            expectAt(l, true, left, -degrees);
            expectAt(dot, true, right, degrees);
            right = rayPoint(degrees);
            left = rayPoint(-degrees);
            expectAt(r, false, right, degrees);
            expectAt(l, false, left, -degrees);
        }
    }
}

TEST(SquareRootFronts, LateFrontsLeaveOutEndedRaysAndClampTheBottom)
{
    const auto ops = frontOps(2, 2);
    const std::size_t lower = 180;  // all 90 upper rays are still on their way at T = 2
    ASSERT_GT(ops.size(), lower);
    EXPECT_NEAR(ops[lower].y1, -25, 1e-6);
    // 179° to 114° have ended: the first lower segment runs to the 113° ray.
    const double theta = 113 * PI_VALUE / 180;
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
