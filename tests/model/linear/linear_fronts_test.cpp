// Linear wavefront points and drawings against worked values, integrated rays and the mends for long times.
#include "canvas/format.h"
#include "canvas/recording_canvas.h"
#include "model/linear/linear_fronts.h"
#include "model/linear/linear_rays.h"
#include "model/shared/module_values.h"
#include "model_support.h"
#include "ray_oracle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace sorvel_kampyles;
using support::Kind;
using support::Op;

double rad(double degrees)
{
    return degrees * PI_VALUE / 180;
}

struct Point {
    double x, y;
};

Point rayAt(double t, double k, double F)
{
    const double x = LinearRayX(t, 1000, k, rad(F));
    return {x, LinearRayY(x, 1000, k, rad(F)).value()};
}

TEST(LinearRays, WorkedPointsAtATenthOfASecond)
{
    const auto expect = [](Point p, double x, double y) {
        EXPECT_NEAR(p.x, x, 5e-5);
        EXPECT_NEAR(p.y, y, 5e-5);
    };
    expect(rayAt(0.1, -8, 30), 97.6692, 94.9494);
    expect(rayAt(0.1, -8, 90), 83.0046, -31.5375);
    expect(rayAt(0.1, -8, 150), 26.3494, -65.6615);
    expect(rayAt(0.1, -8, -30), -97.6692, 94.9494);
    expect(rayAt(0.1, 8, 30), 26.3494, 65.6615);
    expect(rayAt(0.1, 8, 150), 97.6692, -94.9494);
}

TEST(LinearRays, AgreeWithIntegratedRaysForwardAndBackwardInTime)
{
    for (const double k : {-8.0, 8.0})
        for (int F = -175; F <= 175; F += 10)
            for (const double t : {0.013, 0.05, 0.1, 0.2, 0.35, -0.05, -0.1}) {
                const Point p = rayAt(t, k, F);
                // Stay where the speed is well away from zero, where the integration is reliable.
                const oracle::RayPoint q = oracle::TravelRay(oracle::LinearMedium(1000, k), rad(F), t, 8000);
                if (1000 - k * q.y < 60)
                    continue;
                EXPECT_NEAR(p.x, q.x, 1e-4 * (1 + std::fabs(q.x))) << "k " << k << " F " << F << " t " << t;
                EXPECT_NEAR(p.y, q.y, 1e-4 * (1 + std::fabs(q.y))) << "k " << k << " F " << F << " t " << t;
            }
}

// F = 90 lies on the boundary of both branches: LinearRayX takes the upward one there and
// LinearRayY the downward one. Just past the boundary, the other branch gives the same point.
TEST(LinearRays, HorizontalRayTakesEitherBranchToTheSamePoint)
{
    for (const double k : {-8.0, 8.0})
        for (const double side : {1.0, -1.0}) {
            const double horizontal = side * PI_VALUE / 2;
            const double justDown = std::nextafter(horizontal, side * PI_VALUE);
            const double justUp = std::nextafter(horizontal, 0.0);
            const double x = LinearRayX(0.1, 1000, k, horizontal);
            EXPECT_NEAR(x, side * (1000 / k) * std::tanh(k * 0.1), 1e-9) << k << " " << side;
            EXPECT_NEAR(LinearRayX(0.1, 1000, k, justDown), x, 1e-9) << k << " " << side;
            const double y = LinearRayY(x, 1000, k, horizontal).value();
            EXPECT_NEAR(LinearRayY(x, 1000, k, justUp).value(), y, 1e-6) << k << " " << side;
        }
    EXPECT_FALSE(LinearRayY(10, 1000, -8, 0).has_value());
}

TEST(LinearRays, StayFiniteAndSettleOnTheZeroSpeedLineForLongTimes)
{
    for (const double k : {-8.0, 8.0})
        for (int F = -175; F <= 175; F += 5) {
            if (F == 0)
                continue;
            for (const double t : {10.0, 44.0, 45.0, 100.0, 1e4, 1e300}) {
                const Point p = rayAt(t, k, F);
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << F << " " << t;
                const bool towardLowerSpeed = (k < 0) == (std::fabs(F) > 90);
                if (towardLowerSpeed && t >= 10)
                    EXPECT_NEAR(p.y, 1000 / k, 1e-6) << F << " " << t;
            }
        }
}

std::vector<Op> fronts(double t1, double t2, double k, int r = 250, int g = 250, int b = 250)
{
    surface::RecordingCanvas canvas;
    DrawLinearFronts(canvas, t1, t2, 1000, k, r, g, b);
    EXPECT_EQ(canvas.DrawWidth(), 1);
    return canvas.ops();
}

TEST(LinearFronts, TwoPassesOfFourSweepsWithRedDotsAtSegmentStarts)
{
    const auto ops = fronts(0.1, 0.12, -8, 10, 20, 30);
    // Each pass: 72 segments, each followed by a 2-pixel red dot at its start point.
    ASSERT_EQ(ops.size(), 2u * 72 * 2);
    for (std::size_t i = 0; i < ops.size(); i += 2) {
        const Op& line = ops[i];
        const Op& dot = ops[i + 1];
        ASSERT_EQ(line.kind, Kind::Line);
        ASSERT_EQ(dot.kind, Kind::PSet);
        EXPECT_EQ(line.width, 5);
        EXPECT_EQ(dot.width, 2);
        EXPECT_EQ(dot.colour, (surface::Rgb{255, 0, 0}));
        EXPECT_EQ(dot.x1, line.x1);
        EXPECT_EQ(dot.y1, line.y1);
        EXPECT_EQ(line.colour, i < 144 ? (surface::Rgb{10, 20, 30}) : (surface::Rgb{5, 5, 5}));
    }
    // Sweeps 1 and 2 start at the top point, 3 and 4 at the bottom point.
    const double up = (1000 / -8.0) * (1 - std::exp(8 * 0.12));
    const double down = (1000 / -8.0) * (1 - std::exp(-8 * 0.12));
    for (const std::size_t sweep : {0u, 1u, 2u, 3u}) {
        const Op& first = ops[144 + sweep * 36];
        EXPECT_EQ(first.x1, 0);
        EXPECT_NEAR(first.y1, sweep < 2 ? up : down, 1e-4);
    }
    // The points of the second pass are the rays' points at its time.
    const Point p30 = rayAt(0.12, -8, 30);
    EXPECT_NEAR(ops[144 + 2 * 5].x2, p30.x, 1e-4);
    EXPECT_NEAR(ops[144 + 2 * 5].y2, p30.y, 1e-4);
}

// Each sweep is a polyline from the vertical ray through its 18 start angles: 5..90 and 175..90
// close the right half, −5..−90 and −175..−90 the left one. Every vertex, on either half, is
// where the integrated ray of its angle is at the front's time, and carries its red dot.
TEST(LinearFronts, EverySweepRunsThroughIntegratedRaysOnItsHalf)
{
    struct SweepAngles {
        int from, step;
        bool fromTop;
    };
    constexpr SweepAngles kSweeps[] = {{5, 5, true}, {-5, -5, true}, {175, -5, false}, {-175, 5, false}};
    for (const double k : {-8.0, 8.0})
        for (const double t : {0.03, 0.1}) {
            const oracle::Medium medium = oracle::LinearMedium(1000, k);
            support::MessageCapture capture;
            const auto ops = fronts(t, t, k);
            ASSERT_EQ(ops.size(), 2u * 72 * 2) << k << " " << t;
            ASSERT_TRUE(capture.messages.empty()) << capture.messages.front();
            for (std::size_t s = 0; s < 4; ++s) {
                const SweepAngles& sweep = kSweeps[s];
                const oracle::RayPoint start = oracle::TravelRay(medium, sweep.fromTop ? 0 : PI_VALUE, t);
                double fromX = start.x, fromY = start.y;
                for (int i = 0; i < 18; ++i) {
                    const int F = sweep.from + i * sweep.step;
                    const oracle::RayPoint p = oracle::TravelRay(medium, rad(F), t);
                    const Op& line = ops[144 + 2 * (18 * s + i)];
                    const Op& dot = ops[144 + 2 * (18 * s + i) + 1];
                    const auto where = [&] {
                        return "k " + std::to_string(k) + " t " + std::to_string(t) + " F " + std::to_string(F);
                    };
                    EXPECT_NEAR(line.x1, fromX, 1e-3) << where();
                    EXPECT_NEAR(line.y1, fromY, 1e-3) << where();
                    EXPECT_NEAR(line.x2, p.x, 1e-3) << where();
                    EXPECT_NEAR(line.y2, p.y, 1e-3) << where();
                    EXPECT_EQ(dot.kind, Kind::PSet) << where();
                    EXPECT_EQ(dot.colour, (surface::Rgb{255, 0, 0})) << where();
                    EXPECT_NEAR(dot.x1, fromX, 1e-3) << where();
                    EXPECT_NEAR(dot.y1, fromY, 1e-3) << where();
                    fromX = p.x;
                    fromY = p.y;
                }
            }
        }
}

TEST(LinearFronts, WorkedVerticalPoints)
{
    const auto ops = fronts(0.1, 0.1, -8);
    EXPECT_NEAR(ops[0].y1, 153.1926, 5e-4);
    EXPECT_NEAR(ops[2 * 36].y1, -68.8339, 5e-4);
    const auto flipped = fronts(0.1, 0.1, 8);
    EXPECT_NEAR(flipped[0].y1, 68.8339, 5e-4);
    EXPECT_NEAR(flipped[2 * 36].y1, -153.1926, 5e-4);
}

TEST(LinearFronts, TimeZeroCollapsesToTheSource)
{
    for (const Op& op : fronts(0, 0, -8)) {
        EXPECT_NEAR(op.x1, 0, 1e-9);
        EXPECT_NEAR(op.y1, 0, 1e-9);
        EXPECT_NEAR(op.x2, 0, 1e-9);
        EXPECT_NEAR(op.y2, 0, 1e-9);
    }
}

TEST(LinearFronts, ANegativeTimeDrawsTheFrontOfThePositiveTime)
{
    // Sweep 1 of −τ is sweep 4 of +τ, 2 is 3, and the other way round: the same segment set.
    const auto segments = [](double t) {
        std::vector<std::array<double, 4>> out;
        for (const Op& op : fronts(t, t, -8))
            if (op.kind == Kind::Line) {
                std::array<double, 4> s{op.x1, op.y1, op.x2, op.y2};
                if (std::tie(s[2], s[3]) < std::tie(s[0], s[1]))
                    s = {s[2], s[3], s[0], s[1]};
                out.push_back(s);
            }
        return out;
    };
    const auto positive = segments(0.16);
    const auto negative = segments(-0.16);
    ASSERT_EQ(positive.size(), negative.size());
    for (const auto& p : positive) {
        bool found = false;
        for (const auto& n : negative)
            found = found || (std::fabs(p[0] - n[0]) < 1e-3 && std::fabs(p[1] - n[1]) < 1e-3 &&
                              std::fabs(p[2] - n[2]) < 1e-3 && std::fabs(p[3] - n[3]) < 1e-3);
        EXPECT_TRUE(found) << p[0] << "," << p[1] << " - " << p[2] << "," << p[3];
    }
}

TEST(LinearFronts, LongTimesRaiseNoMessageAndHandOnlyFiniteCoordinates)
{
    support::MessageCapture capture;
    // Every hundredth of a second from 2.3 s to 100 s, and the times a running timer reaches later.
    for (const double k : {-8.0, 8.0}) {
        for (double t = 2.3; t <= 100; t += 0.01) {
            surface::RecordingCanvas canvas;
            DrawLinearFronts(canvas, t - 0.02, t, 1000, k, 250, 250, 250);
            ASSERT_TRUE(support::AllFinite(canvas.ops())) << t;
            for (const Op& op : canvas.ops())
                ASSERT_LE(std::fabs(op.y1), 1e4) << t;
        }
        for (const double t : {1e3, 1e5, 1e9}) {
            surface::RecordingCanvas canvas;
            DrawLinearFronts(canvas, t, t, 1000, k, 250, 250, 250);
            EXPECT_TRUE(support::AllFinite(canvas.ops()));
        }
    }
    EXPECT_TRUE(capture.messages.empty()) << capture.messages.front();
}

}  // namespace

namespace {

// A point that cannot be computed is skipped: silently in the first sweep, with its message in
// the others, which give its abscissa and, in sweeps 3 and 4, the height of the last point
// computed in the call, carried from the first pass into the second.
TEST(LinearFronts, InvalidPointsAreSkippedWithTheirMessages)
{
    LinearFront front;
    ComputeLinearFront(MakeLinearSweepAngles(1000, -8), 0.1, front);
    for (auto& sweep : front.sweeps)
        sweep[3].valid = false;
    for (auto& sweep : front.sweeps)
        sweep[3].Z = 1.23456;
    support::MessageCapture messages;
    surface::RecordingCanvas canvas;
    double lastHeight = 0;
    DrawLinearFront(canvas, front, surface::Rgb{250, 250, 250}, lastHeight);
    const std::string height = surface::Format(front.sweeps[2][2].T, "0.0000");
    const std::string heightInSweep4 = surface::Format(front.sweeps[3][2].T, "0.0000");
    EXPECT_EQ(messages.messages, (std::vector<std::string>{"X= 1.235", " F>90 X= 1.235 y = " + height,
                                                           " F<-90 X= 1.235 y = " + heightInSweep4}));
    // Three segments fewer in each of the four sweeps: the skipped point joins its neighbours.
    EXPECT_EQ(support::OfKind(canvas.ops(), Kind::Line).size(), 4u * 17);
    EXPECT_EQ(lastHeight, front.sweeps[3].back().T);

    // The second pass of a call starts from the height the first one left.
    messages.messages.clear();
    front.sweeps[2][0].valid = false;
    DrawLinearFront(canvas, front, surface::Rgb{5, 5, 5}, lastHeight);
    ASSERT_GE(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1], " F>90 X= " + surface::Format(front.sweeps[2][0].Z, "0.000") +
                                        " y = " + surface::Format(front.sweeps[1].back().T, "0.0000"));
}

}  // namespace
