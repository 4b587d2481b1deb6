// The fixture that starts the real program in its own X server and checks what it shows.
#include "program_fixture.h"

#include <cmath>
#include <sstream>

namespace e2e {

bool isRed(QRgb p)
{
    return qRed(p) == 255 && qGreen(p) == 0 && qBlue(p) == 0;
}
bool isFront(QRgb p)
{
    return qRed(p) == 5 && qGreen(p) == 5 && qBlue(p) == 5;
}
bool isBlack(QRgb p)
{
    return qRed(p) < 8 && qGreen(p) < 8 && qBlue(p) < 8;
}
bool isPurple(QRgb p)
{
    return qRed(p) == 150 && qGreen(p) == 55 && qBlue(p) == 150;
}
bool isPureBlack(QRgb p)
{
    return (p & 0xffffff) == 0;
}

void ProgramFixture::Start(QSize logical, double scale, bool windowManager)
{
    logical_ = logical;
    scale_ = scale;
    x_ = std::make_unique<XSession>(static_cast<int>(std::lround(logical.width() * scale)),
                                    static_cast<int>(std::lround(logical.height() * scale)), windowManager);
    x().StartProgram(SORVEL_BINARY, scale);
    ASSERT_TRUE(x().WaitForWindow("INTRODUCTION", 20));
    Sleep(0.5);
    if (windowManager)
        client_ = x().ClientArea("INTRODUCTION").topLeft();
}

QPoint ProgramFixture::pixel(double px, double py) const
{
    const double side = screen().height() * scale();
    return client_ + QPoint(static_cast<int>(std::floor((px + 100) / 200 * side)),
                            static_cast<int>(std::floor((100 - py) / 200 * side)));
}

QRect ProgramFixture::picture() const
{
    const int side = static_cast<int>(std::lround(screen().height() * scale()));
    return QRect(client_, QSize(side, side)).intersected(QRect(QPoint(0, 0), screen() * scale()));
}

void ProgramFixture::click(QPoint p, double settle)
{
    const QPoint at = client_ + QPoint(static_cast<int>(p.x() * scale()), static_cast<int>(p.y() * scale()));
    x().Click(at.x(), at.y());
    Sleep(settle);
}

bool ProgramFixture::anyNear(const QImage& image, QPoint at, int radius, const std::function<bool(QRgb)>& wanted)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && wanted(image.pixel(p)))
                return true;
        }
    return false;
}

int ProgramFixture::count(const QImage& image, QRect area, const std::function<bool(QRgb)>& wanted)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += wanted(image.pixel(x, y));
    return n;
}

bool ProgramFixture::introductionInFront(const QImage& image) const
{
    const QRgb p = image.pixel(screen().height() * 3 / 4, screen().height() * 2 / 3);
    return qRed(p) == qGreen(p) && qRed(p) > 200 && qRed(p) < 250;
}

void ProgramFixture::expectRunning(bool running)
{
    const QImage first = shot().copy(picture());
    Sleep(1.0);
    const QImage second = shot().copy(picture());
    if (running)
        EXPECT_NE(first, second) << "the picture should move";
    else
        EXPECT_EQ(first, second) << "the picture should stand still";
}

void ProgramFixture::expectLinearRays(const QImage& image, double k, std::initializer_list<int> angles,
                                      std::initializer_list<double> xs)
{
    const int near = static_cast<int>(std::ceil(2 * scale()));
    const oracle::Medium medium = oracle::LinearMedium(1000, k);
    for (const int F : angles) {
        const auto path = oracle::RayPath(medium, F * M_PI / 180, 0.3, 30000);
        for (const double rayX : xs) {
            const double rayY = oracle::HeightAtAbscissa(path, rayX);
            if (std::isnan(rayY) || std::fabs(rayY) > 95)
                continue;
            EXPECT_TRUE(anyNear(image, pixel(rayX, rayY), near, isRed)) << "k " << k << " F " << F << " x " << rayX;
            EXPECT_TRUE(anyNear(image, pixel(-rayX, rayY), near, isRed)) << "k " << k << " F " << F << " x " << -rayX;
        }
    }
}

void ProgramFixture::expectSquareRootField(const QImage& image, double A)
{
    const int near = static_cast<int>(std::ceil(2 * scale()));
    const oracle::Medium medium = oracle::SquareRootMedium(A, 40);
    for (const double degrees : {30.0, 45.0, 60.0, 120.0})
        for (const double t : {1.0, 1.5}) {
            const oracle::RayPoint p = oracle::TravelRay(medium, degrees * M_PI / 180, t, 20000);
            if (std::fabs(p.x) > 95 || std::fabs(p.y) > 95)
                continue;
            EXPECT_TRUE(anyNear(image, pixel(p.x, p.y), near, isBlack)) << "A " << A << " " << degrees << "° at " << t;
            EXPECT_TRUE(anyNear(image, pixel(-p.x, p.y), near, isBlack)) << "A " << A << " " << degrees << "° mirrored";
            const oracle::RayPoint q = oracle::TravelRay(medium, degrees * M_PI / 180, t + 0.125, 20000);
            EXPECT_TRUE(anyNear(image, pixel(q.x, q.y), near / 2 + 1, isRed))
                << "A " << A << " " << degrees << "° between dots";
        }
}

}  // namespace e2e
