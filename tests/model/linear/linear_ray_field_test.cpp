// The linear ray fan and time marks against worked values and against integrated rays.
#include "model/linear/linear_ray_field.h"
#include "model/shared/module_values.h"
#include "model_support.h"
#include "ray_oracle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace sorvel_kampyles;
using support::Kind;
using support::Op;

struct HalfRay {
    std::vector<Op> segments;
    const Op& last() const { return segments.back(); }
};

// Splits the fan into its 36 rays, each as (right half, left half); every half starts at the origin.
std::vector<std::pair<HalfRay, HalfRay>> raysOf(double k)
{
    surface::RecordingCanvas canvas;
    DrawLinearRays(canvas, 1000, k);
    std::vector<std::pair<HalfRay, HalfRay>> rays;
    const auto& ops = canvas.ops();
    for (std::size_t i = 0; i + 1 < ops.size(); i += 2) {
        if (ops[i].x1 == 0 && ops[i].y1 == 0 && ops[i].x2 == 0)
            rays.emplace_back();
        rays.back().first.segments.push_back(ops[i]);
        rays.back().second.segments.push_back(ops[i + 1]);
    }
    return rays;
}

// Index in the fan: F = 5..90 are rays 0..17, F = −5..−90 are rays 18..35.
std::size_t index(int F)
{
    return F > 0 ? static_cast<std::size_t>(F / 5 - 1) : static_cast<std::size_t>(18 + (-F) / 5 - 1);
}

double heightAt(const HalfRay& half, float x)
{
    for (const Op& op : half.segments)
        if (op.x2 == x)
            return op.y2;
    return std::nan("");
}

TEST(LinearRayField, FanHas36RaysOfRedThreePixelSegmentsFromTheOrigin)
{
    const auto rays = raysOf(-8);
    ASSERT_EQ(rays.size(), 36u);
    for (const auto& [right, left] : rays) {
        EXPECT_LE(right.segments.size(), 101u);
        EXPECT_EQ(right.segments.front().x1, 0);
        EXPECT_EQ(left.segments.front().x1, 0);
        for (std::size_t i = 0; i < right.segments.size(); ++i) {
            const Op& r = right.segments[i];
            const Op& l = left.segments[i];
            EXPECT_EQ(r.width, 3);
            EXPECT_EQ(r.colour, (surface::Rgb{255, 0, 0}));
            EXPECT_EQ(l.x2, -r.x2);
            EXPECT_EQ(l.y2, r.y2);
            if (i > 0)  // a polyline: each segment starts where the one before ended
                EXPECT_EQ(r.x1, right.segments[i - 1].x2);
        }
    }
}

TEST(LinearRayField, WorkedPointsForIncreaseUpwards)
{
    const auto rays = raysOf(-8);
    EXPECT_NEAR(heightAt(rays[index(45)].first, 50), 35.078, 5e-4);
    EXPECT_NEAR(rays[index(45)].first.last().x2, 100, 0);
    EXPECT_NEAR(rays[index(45)].first.last().y2, 50.000, 5e-4);
    EXPECT_NEAR(rays[index(45)].second.last().x2, -100, 0);
    EXPECT_NEAR(rays[index(90)].first.last().y2, -50.000, 5e-4);
    EXPECT_NEAR(rays[index(-90)].first.last().y2, -50.000, 5e-4);
    EXPECT_NEAR(rays[index(5)].first.last().y2, 414.79, 5e-3);
    EXPECT_NEAR(heightAt(rays[index(60)].first, 72), 19.337, 5e-4);
    EXPECT_NEAR(rays[index(60)].first.last().y2, 16.629, 5e-4);
    EXPECT_NEAR(rays[index(85)].first.last().y2, -36.613, 5e-4);
    EXPECT_NEAR(rays[index(50)].first.last().y2, 38.103, 5e-4);

    // Rays toward lower speed end where they turn vertical on the zero-speed line.
    const auto end = [&](int F) { return std::pair{rays[index(F)].first.last().x2, rays[index(F)].first.last().y2}; };
    EXPECT_EQ(end(-5).first, 5);
    EXPECT_NEAR(end(-5).second, -88.772, 5e-4);
    EXPECT_EQ(end(-10).first, 10);
    EXPECT_NEAR(end(-10).second, -88.301, 5e-4);
    EXPECT_EQ(end(-45).first, 51);
    EXPECT_NEAR(end(-45).second, -108.447, 5e-4);
}

TEST(LinearRayField, DecreaseUpwardsIsTheSamePictureUpsideDownWithAnglesExchanged)
{
    const auto up = raysOf(-8);
    const auto down = raysOf(8);
    EXPECT_EQ(down[index(5)].first.last().x2, 5);
    EXPECT_NEAR(down[index(5)].first.last().y2, 88.772, 5e-4);
    EXPECT_NEAR(down[index(-45)].first.last().y2, -50.000, 5e-4);
    for (int F = 5; F <= 90; F += 5) {
        const HalfRay& a = up[index(F)].first;
        const HalfRay& b = down[index(-F)].first;
        ASSERT_EQ(a.segments.size(), b.segments.size()) << F;
        for (std::size_t i = 0; i < a.segments.size(); ++i)
            EXPECT_NEAR(a.segments[i].y2, -b.segments[i].y2, 1e-3) << F;
    }
}

// Both halves of the fan: each ray on the right and its mirror image on the left, against the
// rays integrated toward +x and toward −x.
TEST(LinearRayField, RayPointsLieOnIntegratedRays)
{
    for (const double k : {-8.0, 8.0}) {
        const auto rays = raysOf(k);
        for (const int F : {5, 20, 45, 60, 85, 90, -10, -30, -60, -90}) {
            // The fan's F counts from the upward vertical for F > 0 and from the downward one for F < 0.
            const double theta = F > 0 ? F * M_PI / 180 : M_PI + F * M_PI / 180;
            for (const int side : {1, -1}) {
                const auto path = oracle::RayPath(oracle::LinearMedium(1000, k), side * theta, 0.4, 40000);
                const HalfRay& half = side > 0 ? rays[index(F)].first : rays[index(F)].second;
                ASSERT_GT(half.segments.size(), 5u) << "k " << k << " F " << F;
                for (std::size_t i = 5; i < half.segments.size(); i += 9) {
                    const Op& op = half.segments[i];
                    EXPECT_EQ(op.x2 > 0 ? 1 : -1, side) << "k " << k << " F " << F << " x " << op.x2;
                    const double expected = oracle::HeightAtAbscissa(path, op.x2);
                    if (std::isnan(expected) || std::fabs(op.y2) > 300)
                        continue;  // beyond where the integration went
                    EXPECT_NEAR(op.y2, expected, 2e-3) << "k " << k << " F " << F << " x " << op.x2;
                }
            }
        }
    }
}

TEST(LinearTimeMarks, TwentyPurpleMarksLabelledUpTo038)
{
    surface::RecordingCanvas canvas;
    DrawAxisTimeMarks(canvas, 1000, -8);
    EXPECT_EQ(canvas.DrawWidth(), 10);
    const auto dots = support::OfKind(canvas.ops(), Kind::PSet);
    const auto labels = support::OfKind(canvas.ops(), Kind::Print);
    ASSERT_EQ(dots.size(), 40u);
    ASSERT_EQ(labels.size(), 40u);
    EXPECT_EQ(labels.front().text, "0.00");
    EXPECT_EQ(labels[1].text, "0.00");
    EXPECT_EQ(labels[2].text, "0.02");
    EXPECT_EQ(labels.back().text, "0.38");
    for (const Op& dot : dots) {
        EXPECT_EQ(dot.colour, (surface::Rgb{150, 55, 150}));
        EXPECT_EQ(dot.width, 10);
        EXPECT_EQ(dot.x1, 0);
    }
    EXPECT_NEAR(dots[2].y1, 21.689, 5e-4);
    EXPECT_NEAR(dots[3].y1, -18.482, 5e-4);
    EXPECT_NEAR(dots[8].y1, 112.06, 5e-3);
    EXPECT_NEAR(dots[9].y1, -59.088, 5e-4);
    EXPECT_NEAR(dots[39].y1, -119.021, 5e-4);
    EXPECT_EQ(labels[3].y1, dots[3].y1);  // each label starts at its mark

    surface::RecordingCanvas flipped;
    DrawAxisTimeMarks(flipped, 1000, 8);
    const auto flippedDots = support::OfKind(flipped.ops(), Kind::PSet);
    EXPECT_NEAR(flippedDots[2].y1, 18.482, 5e-4);
    EXPECT_NEAR(flippedDots[3].y1, -21.689, 5e-4);
}

TEST(LinearSingleRay, AnglesOfTheStartAngleBar)
{
    const auto ends = [](double F, double k) {
        surface::RecordingCanvas canvas;
        DrawLinearSingleRay(canvas, F, 1000, k);
        return canvas.ops();
    };
    auto ops = ends(0, -8);
    ASSERT_EQ(ops.size(), 202u);  // 101 abscissae, both branches
    EXPECT_NEAR(ops[200].y2, -50, 5e-4);
    EXPECT_EQ(ops[200].x2, 100);
    EXPECT_EQ(ops[201].x2, -100);
    EXPECT_NEAR(ends(0, 8)[200].y2, 50, 5e-4);

    ops = ends(45, 8);
    ASSERT_EQ(ops.size(), 2u * 52);
    EXPECT_EQ(ops.back().x2, -51);
    EXPECT_NEAR(ops.back().y2, 108.4471, 5e-5);
    EXPECT_NEAR(ends(45, -8)[200].y2, 50, 5e-4);

    EXPECT_TRUE(ends(90, -8).empty());
    EXPECT_TRUE(ends(-90, 8).empty());
}

}  // namespace
