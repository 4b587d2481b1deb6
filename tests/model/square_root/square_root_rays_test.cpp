// Square-root ray functions against worked values, the closed form in θ and integrated rays.
#include "model/shared/module_values.h"
#include "model/square_root/square_root_rays.h"
#include "ray_oracle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace sorvel_kampyles;

constexpr double kA = 1000;
constexpr double kBeta = 40;

double rad(double degrees)
{
    return degrees * PI_VALUE / 180;
}

struct Point {
    double x, y;
    bool hasX;
};

Point rayAt(double degrees, double t, double A = kA)
{
    const double y = SquareRootRayY(A, kBeta, rad(degrees), t);
    const auto x = SquareRootRayX(A, kBeta, rad(degrees), y, t);
    return {x.value_or(0), y, x.has_value()};
}

// The closed form in the turning angle θ(t) = θ0 + β·a·t/2.
Point closedForm(double degrees, double t, double A = kA)
{
    const double theta0 = rad(degrees);
    const double a = std::sin(theta0) / std::sqrt(A);
    const double theta = theta0 + kBeta * a * t / 2;
    const double y = std::pow(std::sin(theta), 2) / (kBeta * a * a) - A / kBeta;
    const double x = ((theta - std::sin(theta) * std::cos(theta)) - (theta0 - std::sin(theta0) * std::cos(theta0))) /
                     (kBeta * a * a);
    return {x, y, true};
}

TEST(SquareRootRays, WorkedValues)
{
    struct Row {
        double degrees, t, y, x;
        bool hasX;
    };
    // The row for 45° at 2.4 carries the values of 2.4 itself (y 20.9685, x 92.2789).
    const Row rows[] = {
        {45, 0.5, 10.8114, 13.6390, true}, {45, 1.5, 24.3465, 52.8621, true}, {45, 2.4, 20.9685, 92.2789, true},
        {45, 2.5, 19.6687, 96.3335, true}, {45, 3.5, 0.2774, 128.2608, true}, {45, 4.5, -19.3214, 141.4876, true},
        {45, 5.5, -24.4665, 0, false},     {90, 1.0, -8.7358, 27.7311, true}, {120, 1.0, -17.3531, 17.8387, true},
    };
    for (const Row& row : rows) {
        const Point p = rayAt(row.degrees, row.t);
        EXPECT_NEAR(p.y, row.y, 5e-5) << row.degrees << "° at " << row.t;
        EXPECT_EQ(p.hasX, row.hasX) << row.degrees << "° at " << row.t;
        if (row.hasX)
            EXPECT_NEAR(p.x, row.x, 5e-5) << row.degrees << "° at " << row.t;
    }
}

TEST(SquareRootRays, MatchTheClosedFormInsideEachRaysLife)
{
    for (const double A : {500.0, 1000.0, 5000.0})
        for (int degrees = 1; degrees < 180; degrees += 7) {
            const double end = SquareRootEndTime(A, kBeta, rad(degrees));
            for (double f = 0; f < 1; f += 0.0625) {
                const double t = f * end;
                const Point p = rayAt(degrees, t, A);
                const Point q = closedForm(degrees, t, A);
                ASSERT_TRUE(p.hasX);
                const double scale = 1 + std::fabs(q.x);
                EXPECT_NEAR(p.y, q.y, 1e-7 * (1 + std::fabs(q.y))) << A << " " << degrees << " " << t;
                EXPECT_NEAR(p.x, q.x, 1e-6 * scale) << A << " " << degrees << " " << t;
            }
            EXPECT_FALSE(rayAt(degrees, end * 1.2, A).hasX) << A << " " << degrees;
        }
}

TEST(SquareRootRays, AgreeWithIntegratedRaysInEveryTimeWindow)
{
    const oracle::Medium medium = oracle::SquareRootMedium(kA, kBeta);
    for (const double degrees : {15.0, 45.0, 70.0, 90.0, 110.0, 150.0}) {
        const double end = SquareRootEndTime(kA, kBeta, rad(degrees));
        // Rising, past the turning point, below y = 0, and close to the end.
        for (const double f : {0.1, 0.3, 0.45, 0.6, 0.8, 0.9}) {
            const double t = f * end;
            const Point p = rayAt(degrees, t);
            const oracle::RayPoint q = oracle::TravelRay(medium, rad(degrees), t, 20000);
            EXPECT_NEAR(p.x, q.x, 1e-4 * (1 + std::fabs(q.x))) << degrees << "° at " << t;
            EXPECT_NEAR(p.y, q.y, 1e-4 * (1 + std::fabs(q.y))) << degrees << "° at " << t;
        }
    }
}

TEST(SquareRootRays, ArcSinIncludingItsEnds)
{
    // The circle constant every angle is formed with is the one 4·atan(1) gives.
    EXPECT_EQ(PI_VALUE, 4 * std::atan(1.0));
    EXPECT_NEAR(ArcSin(0.5), PI_VALUE / 6, 1e-15);
    EXPECT_NEAR(ArcSin(-0.5), -PI_VALUE / 6, 1e-15);
    EXPECT_EQ(ArcSin(1), PI_VALUE / 2);
    EXPECT_EQ(ArcSin(-1), -PI_VALUE / 2);
    EXPECT_EQ(ArcSin(0), 0);
}

TEST(SquareRootRays, NegativeTimesStayFinite)
{
    for (int degrees = 1; degrees < 180; ++degrees)
        for (const double t : {-0.02, -0.25, -1.0, -6.0}) {
            const Point p = rayAt(degrees, t);
            EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << degrees << " " << t;
        }
}

}  // namespace
