// The real program in Xvfb at 1024 × 768: real clicks, screenshots, ray pixels where the rays run.
#include "ray_oracle.h"
#include "x_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using e2e::XSession;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// Centre of a control, from its geometry in twips (15 to the pixel).
QPoint centre(double left, double top, double width, double height)
{
    return {static_cast<int>((left + width / 2) / 15), static_cast<int>((top + height / 2) / 15)};
}

// Where a picture point lands: the picture is the square of the screen's height at the top left.
QPoint picturePixel(double x, double y)
{
    return {static_cast<int>(std::floor((x + 100) / 200 * kHeight)), static_cast<int>(std::floor((100 - y) / 200 * kHeight))};
}

bool anyNear(const QImage& image, QPoint at, int radius, const std::function<bool(QRgb)>& wanted)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && wanted(image.pixel(p)))
                return true;
        }
    return false;
}

bool isRed(QRgb p)
{
    return qRed(p) == 255 && qGreen(p) == 0 && qBlue(p) == 0;
}

bool isBlack(QRgb p)
{
    return qRed(p) < 8 && qGreen(p) < 8 && qBlue(p) < 8;
}

int count(const QImage& image, QRect area, const std::function<bool(QRgb)>& wanted)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += wanted(image.pixel(x, y));
    return n;
}

class Program : public ::testing::Test {
protected:
    void SetUp() override
    {
        x.StartProgram(SORVEL_BINARY);
        ASSERT_TRUE(x.WaitForWindow("INTRODUCTION", 20));
        e2e::Sleep(0.5);
    }
    XSession x{kWidth, kHeight};
};

TEST_F(Program, IntroductionCoversTheScreenAndExplanationsOpensTheTheory)
{
    const QImage intro = x.Screenshot();
    ASSERT_EQ(intro.size(), QSize(kWidth, kHeight));
    // The whole screen is the window's background: no bare (black) root window shows anywhere.
    for (const QPoint corner : {QPoint(1, 1), QPoint(kWidth - 2, 1), QPoint(1, kHeight - 2), QPoint(kWidth - 2, kHeight - 2)})
        EXPECT_FALSE(isBlack(intro.pixel(corner)));
    // The formula images hold near-black glyphs at their design places.
    EXPECT_GT(count(intro, QRect(241, 33, 120, 20), isBlack), 20);

    x.Click(centre(3600, 2640, 2175, 1095).x(), centre(3600, 2640, 2175, 1095).y());
    ASSERT_TRUE(x.WaitForWindow("THEORY", 10));
    e2e::Sleep(0.5);
    const QImage theory = x.Screenshot();
    // The text box (from 48, 56) now holds the text, where the introduction had bare background.
    EXPECT_GT(count(theory, QRect(60, 60, 700, 200), isBlack), 500);
    EXPECT_EQ(count(intro, QRect(400, 300, 360, 200), isBlack), 0);
}

TEST_F(Program, EndEndsTheProgramWithExitCodeZero)
{
    const QPoint end = centre(1560, 1560, 1332, 372);
    x.Click(end.x(), end.y());
    EXPECT_EQ(x.WaitForExit(10), 0);
}

TEST_F(Program, LinearCaseDrawsItsRaysAndAnimatesUntilStopped)
{
    const QPoint option = centre(1560, 480, 2052, 372);
    x.Click(option.x(), option.y());
    ASSERT_TRUE(x.WaitForWindow("SORVEL", 10));
    e2e::Sleep(1.0);
    const QImage shot = x.Screenshot();

    // Red ray pixels where integrated rays of v = 1000 + 8y cross these abscissae (far from the
    // source, where the young wavefronts have not yet passed).
    const oracle::Medium medium = oracle::LinearMedium(1000, -8);
    for (const int F : {30, 45, 60, 75}) {
        const auto path = oracle::RayPath(medium, F * M_PI / 180, 0.3, 30000);
        for (const double rayX : {80.0, 95.0}) {
            const double rayY = oracle::HeightAtAbscissa(path, rayX);
            if (std::isnan(rayY) || std::fabs(rayY) > 95)
                continue;
            EXPECT_TRUE(anyNear(shot, picturePixel(rayX, rayY), 2, isRed)) << "F " << F << " x " << rayX;
            EXPECT_TRUE(anyNear(shot, picturePixel(-rayX, rayY), 2, isRed)) << "mirror F " << F << " x " << rayX;
        }
    }
    // Wavefronts in near-black around the source, and the purple mark of 0.16 s low on the axis
    // (the fronts have not come so far yet).
    EXPECT_GT(count(shot, QRect(330, 330, 100, 100), [](QRgb p) { return qRed(p) == 5 && qGreen(p) == 5; }), 20);
    const double mark = (1000 / -8.0) * (1 - std::exp(-8 * 0.16));
    EXPECT_TRUE(anyNear(shot, picturePixel(0, mark), 3, [](QRgb p) { return qRed(p) == 150 && qGreen(p) == 55; }));

    // Running: the picture changes from one second to the next; after STOP TIMER it stays.
    const QRect picture(0, 0, kHeight, kHeight - 40);
    e2e::Sleep(1.0);
    EXPECT_NE(x.Screenshot().copy(picture), shot.copy(picture));
    const double H = kHeight * 15.0;
    const QPoint stop = centre(H + 1230, 4299, 1452, 615);
    x.Click(stop.x(), stop.y());
    e2e::Sleep(0.5);
    const QImage stopped = x.Screenshot();
    e2e::Sleep(1.0);
    EXPECT_EQ(x.Screenshot().copy(picture), stopped.copy(picture));

    const QPoint end = centre(H + 1230, 3192, 1452, 492);
    x.Click(end.x(), end.y());
    EXPECT_EQ(x.WaitForExit(10), 0);
}

TEST_F(Program, SquareRootCaseDrawsItsDottedRayField)
{
    const QPoint start = centre(1560, 1932, 1575, 735);  // "V AS SQUARE ROOT" is selected at start
    x.Click(start.x(), start.y());
    ASSERT_TRUE(x.WaitForWindow("CASE OF SQUARE ROOT", 10));
    e2e::Sleep(1.0);
    const QImage shot = x.Screenshot();

    // Black dots at quarter times along integrated rays of v = √(1000 + 40y), red segments between.
    const oracle::Medium medium = oracle::SquareRootMedium(1000, 40);
    for (const double degrees : {30.0, 45.0, 60.0, 120.0}) {
        for (const double t : {1.0, 1.5}) {
            const oracle::RayPoint p = oracle::TravelRay(medium, degrees * M_PI / 180, t, 20000);
            if (std::fabs(p.x) > 95 || std::fabs(p.y) > 95)
                continue;
            EXPECT_TRUE(anyNear(shot, picturePixel(p.x, p.y), 2, isBlack)) << degrees << "° at " << t;
            EXPECT_TRUE(anyNear(shot, picturePixel(-p.x, p.y), 2, isBlack)) << degrees << "° mirrored at " << t;
            const oracle::RayPoint q = oracle::TravelRay(medium, degrees * M_PI / 180, t + 0.125, 20000);
            EXPECT_TRUE(anyNear(shot, picturePixel(q.x, q.y), 1, isRed)) << degrees << "° between dots at " << t;
        }
    }

    const double H = kHeight * 15.0;
    const QRect picture(0, 0, kHeight, kHeight - 40);
    const QPoint off = centre(H, 2532 + 4 * H / 12, H / 4, H / 12);
    x.Click(off.x(), off.y());
    e2e::Sleep(0.5);
    const QImage stopped = x.Screenshot();
    e2e::Sleep(1.0);
    EXPECT_EQ(x.Screenshot().copy(picture), stopped.copy(picture));

    const QPoint end = centre(H, 2532 + H / 12, H / 4, H / 12);
    x.Click(end.x(), end.y());
    EXPECT_EQ(x.WaitForExit(10), 0);
}

}  // namespace
