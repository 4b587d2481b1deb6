// The fixture that starts the real program in its own X server and checks what it shows.
#include "program_fixture.h"

#include "surface/screen_scale.h"

#include <chrono>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

std::string describe(const char* what, double a, double b, double c)
{
    std::ostringstream out;
    out << what << " " << a << " " << b << " " << c;
    return out.str();
}

}  // namespace

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
bool isInk(QRgb p)
{
    return qGray(p) < 110;
}
bool isPurple(QRgb p)
{
    return qRed(p) == 150 && qGreen(p) == 55 && qBlue(p) == 150;
}
bool isPureBlack(QRgb p)
{
    return (p & 0xffffff) == 0;
}

Misses need(bool seen, const std::string& what)
{
    return seen ? Misses{} : Misses{what};
}

Misses operator+(Misses a, const Misses& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TrainClock LinearClock(double k)
{
    constexpr double v0 = 1000, tick = 0.001;
    // The ray sent straight up: dy/dt = v0 − k·y, so y = (v0/k)(1 − e^(−k·t)).
    const auto ticksAtTop = [=](double y) { return -std::log(1 - k * y / v0) / k / tick; };
    // Where the speed falls upward (k > 0) the tops crowd together higher up.
    return {20, ticksAtTop, 10, k > 0 ? 45.0 : 95.0};
}

TrainClock SquareRootClock(double A)
{
    constexpr double beta = 40, tick = 0.02;
    // The ray sent straight up: dy/dT = √(A + β·y), so y = ((β·T/2 + √A)² − A)/β.
    const auto ticksAtTop = [=](double y) { return 2 / beta * (std::sqrt(A + beta * y) - std::sqrt(A)) / tick; };
    return {12.5, ticksAtTop, 10, 95};
}

const Edition& TestedEdition()
{
#ifdef SORVEL_WINE
    static const Edition edition{SORVEL_BINARY, SORVEL_WINE, SORVEL_WINE_PREFIX};
#else
    static const Edition edition{SORVEL_BINARY, {}, {}};
#endif
    return edition;
}

// The program grows its windows to fill a large screen by a scale of its own, on top of the
// one asked for, and lays them out on the screen that leaves.
void ProgramFixture::startSession(QSize logical, double scale, bool windowManager)
{
    const surface::PixelSize desktop{logical.width(), logical.height()};
    const double grown = surface::ProgramScale(desktop);
    const surface::PixelSize laidOut = surface::ProgramScreen(desktop, grown);
    logical_ = QSize(laidOut.width, laidOut.height);
    scale_ = scale * grown;
    x_ = std::make_unique<XSession>(static_cast<int>(std::lround(logical.width() * scale)),
                                    static_cast<int>(std::lround(logical.height() * scale)), windowManager);
    if (TestedEdition().windows())
        x().UseWine(TestedEdition().wine, TestedEdition().winePrefix);
}

void ProgramFixture::StartAt(QSize logical, const std::string& link, const std::string& window)
{
    startSession(logical, 1, true);
    errorFile_ = ::testing::TempDir() + "sorvel-e2e-stderr-" + std::to_string(::getpid()) + ".txt";
    x().StartProgram(TestedEdition().binary, 1, {link}, errorFile_);
    ASSERT_TRUE(x().WaitForWindow(window, 2 * kPatience))
        << (x().ProgramRunning() ? "the program runs but shows no " + window : "the program ended");
    ASSERT_TRUE(WaitUntil([&] { return x().ClientArea(window).top() > 0; })) << window << " should be framed";
    client_ = x().ClientArea(window).topLeft();
}

std::string ProgramFixture::errors() const
{
    std::ifstream in(errorFile_);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ProgramFixture::Start(QSize logical, double scale, bool windowManager)
{
    startSession(logical, scale, windowManager);
    const Edition& edition = TestedEdition();
    x().StartProgram(edition.binary, scale);
    ASSERT_TRUE(x().WaitForWindow("INTRODUCTION", 2 * kPatience))
        << (x().ProgramRunning() ? "the program runs but shows no introduction" : "the program ended");
    // Drawn, and framed: its client area moved down below the title bar. Under Wine the window's
    // X window is its client area, below the frame that Windows would draw round it.
    const bool framed = windowManager || edition.windows();
    ASSERT_TRUE(WaitUntil([&] {
        return introductionInFront(shot()) && (!framed || x().ClientArea("INTRODUCTION").top() > 0);
    })) << "the introduction should show";
    if (framed)
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

QRect ProgramFixture::seen(const Place& place, double fx0, double fy0, double fx1, double fy1) const
{
    const auto device = [&](QPoint p) {
        return client_ + QPoint(static_cast<int>(p.x() * scale()), static_cast<int>(p.y() * scale()));
    };
    return QRect(device(place.at(fx0, fy0)), device(place.at(fx1, fy1)));
}

void ProgramFixture::click(QPoint p)
{
    const QPoint at = client_ + QPoint(static_cast<int>(p.x() * scale()), static_cast<int>(p.y() * scale()));
    x().Click(at.x(), at.y());
}

QImage ProgramFixture::shotWhen(const std::function<Misses(const QImage&)>& misses)
{
    QImage image;
    Misses missing;
    if (!WaitUntil([&] {
            image = shot();
            missing = misses(image);
            return missing.empty();
        }))
        for (const std::string& what : missing)
            ADD_FAILURE() << "not seen within " << kPatience << " s: " << what;
    return image;
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
    const QPoint middle(static_cast<int>(screen().height() * 3 / 4 * scale()),
                        static_cast<int>(screen().height() * 2 / 3 * scale()));
    if (!image.rect().contains(middle))
        return false;
    const QRgb p = image.pixel(middle);
    return qRed(p) == qGreen(p) && qRed(p) > 200 && qRed(p) < 250;
}

std::optional<double> ProgramFixture::ticksModulo(const QImage& image, const TrainClock& clock) const
{
    const double side = screen().height() * scale();
    // Just right of the axis, clear of what is drawn on it: the field's dots and the trail of red
    // dots each front leaves behind at its top. The labels of the time marks there are black, and
    // drawn over by the fronts.
    const int column = pixel(0, 0).x() + static_cast<int>(std::lround(4 * scale()));
    const int first = pixel(0, clock.highest + 5).y(), last = pixel(0, clock.lowest - 5).y();
    if (!image.rect().contains(column, first) || !image.rect().contains(column, last))
        return std::nullopt;
    const auto inFront = [&](int row) { return isFront(image.pixel(column, row)); };
    // A front crosses the column as a band five pixels high; a ray or a dot drawn over it may
    // split the band by a pixel or three, which is far less than the gap between two fronts.
    const int gap = static_cast<int>(std::lround(3 * scale()));
    std::vector<double> tops;
    for (int row = first; row <= last; ++row) {
        if (!inFront(row))
            continue;
        int end = row;
        for (int next = row + 1; next <= last && next - end <= gap + 1; ++next)
            if (inFront(next))
                end = next;
        const int height = end - row + 1;
        const double y = 100 - ((row + end + 1) / 2.0 - client_.y()) * 200 / side;
        if (height >= 3 * scale() && height <= 8 * scale() && y >= clock.lowest && y <= clock.highest)
            tops.push_back(y);
        row = end;
    }
    if (tops.empty())
        return std::nullopt;
    const double period = clock.ticksBetweenFronts;
    const double reference = std::fmod(clock.ticksAtTop(tops.front()), period);
    double offsets = 0;
    for (const double y : tops) {
        const double offset = std::remainder(clock.ticksAtTop(y) - reference, period);
        if (std::fabs(offset) > 0.6)
            return std::nullopt;  // not all one train: a front left by the time bar, or a picture half drawn
        offsets += offset;
    }
    return std::fmod(reference + offsets / static_cast<double>(tops.size()) + period, period);
}

ProgramFixture::Watched ProgramFixture::watchTicks(const TrainClock& clock, double ticks,
                                                   const std::function<void(const QImage&)>& each)
{
    // Between two readings the clock may have gone round, which hides whole rounds of ticks:
    // the count can only fall short of what passed, and the seconds run from before the first
    // screenshot to after the last, so the rate they give is never more than the program's.
    Watched watched;
    std::optional<double> previous;
    std::optional<Clock::time_point> start;
    WaitUntil([&] {
        const Clock::time_point before = Clock::now();
        const QImage image = shot();
        const Clock::time_point after = Clock::now();
        if (each)
            each(image);
        const std::optional<double> now = ticksModulo(image, clock);
        if (!now) {
            previous.reset();
            return false;
        }
        if (!start)
            start = before;
        if (previous) {
            double step = *now - *previous;
            if (step < -0.5)
                step += clock.ticksBetweenFronts;
            watched.ticks += std::max(0.0, std::round(step));
        }
        previous = now;
        watched.seconds = secondsBetween(*start, after);
        watched.last = image;
        return watched.ticks >= ticks;
    });
    return watched;
}

void ProgramFixture::expectRunning(const TrainClock& clock)
{
    const Watched watched = watchTicks(clock, kRateTicks);
    EXPECT_GE(watched.ticks, kRateTicks) << "the train should run";
    if (watched.ticks > 0)
        ticksPerSecond_ = watched.ticks / watched.seconds;
}

void ProgramFixture::expectComesToRest()
{
    ASSERT_GT(ticksPerSecond_, 0) << "no train was seen running to time the stand-still by";
    const double span = kStillTicks / ticksPerSecond_;
    QImage resting;
    Clock::time_point since;
    const bool rested = WaitUntil(
        [&] {
            const Clock::time_point before = Clock::now();
            const QImage image = shot().copy(picture());
            const Clock::time_point after = Clock::now();
            if (resting.isNull() || image != resting) {
                resting = image;
                since = after;
                return false;
            }
            return secondsBetween(since, before) >= span;
        },
        kPatience + span);
    EXPECT_TRUE(rested) << "the picture should come to rest and stay for " << kStillTicks << " ticks (" << span
                        << " s)";
}

void ProgramFixture::expectStaysStill(const QImage& still)
{
    const QImage wanted = still.copy(picture());
    expectHoldsForStillTicks([&](const QImage& image) { return image.copy(picture()) == wanted; },
                             "the picture should stand still");
}

void ProgramFixture::expectHoldsForStillTicks(const std::function<bool(const QImage&)>& holds, const std::string& what)
{
    ASSERT_GT(ticksPerSecond_, 0) << "no train was seen running to time the stand-still by";
    const double span = kStillTicks / ticksPerSecond_;
    const Clock::time_point from = Clock::now();
    bool broken = false;
    WaitUntil(
        [&] {
            const Clock::time_point before = Clock::now();
            if (!holds(shot()))
                return broken = true;
            return secondsBetween(from, before) >= span;
        },
        kPatience + span);
    EXPECT_FALSE(broken) << what << " for " << kStillTicks << " ticks (" << span << " s)";
}

Misses ProgramFixture::linearRayMisses(const QImage& image, double k, std::initializer_list<int> angles,
                                       std::initializer_list<double> xs) const
{
    const int near = static_cast<int>(std::ceil(2 * scale()));
    const oracle::Medium medium = oracle::LinearMedium(1000, k);
    Misses misses;
    for (const int F : angles)
        for (const int side : {1, -1}) {
            const auto path = oracle::RayPath(medium, side * F * M_PI / 180, 0.3, 30000);
            for (const double rayX : xs) {
                const double rayY = oracle::HeightAtAbscissa(path, side * rayX);
                if (std::isnan(rayY) || std::fabs(rayY) > 95)
                    continue;
                misses = misses + need(anyNear(image, pixel(side * rayX, rayY), near, isRed),
                                       describe("red linear ray: k, F, x", k, side * F, side * rayX));
            }
        }
    return misses;
}

Misses ProgramFixture::linearFrontMisses(const QImage& image, double k, double t, bool dots) const
{
    const int near = static_cast<int>(std::ceil(2 * scale()));
    const oracle::Medium medium = oracle::LinearMedium(1000, k);
    Misses misses;
    // Points of all four sweeps: up and down on the right half, up and down on the left.
    for (const int F :
         {15, 30, 45, 60, 75, -15, -30, -45, -60, -75, 105, 120, 135, 150, 165, -105, -120, -135, -150, -165}) {
        const oracle::RayPoint p = oracle::TravelRay(medium, F * M_PI / 180, t, 4000);
        if (std::fabs(p.x) > 95 || std::fabs(p.y) > 95)
            continue;
        misses =
            misses + need(anyNear(image, pixel(p.x, p.y), near, isFront), describe("linear front: k, t, F", k, t, F));
        if (dots)
            misses = misses + need(anyNear(image, pixel(p.x, p.y), 1, isRed),
                                   describe("red dot on the linear front: k, t, F", k, t, F));
    }
    return misses;
}

Misses ProgramFixture::squareRootFieldMisses(const QImage& image, double A) const
{
    const int near = static_cast<int>(std::ceil(2 * scale()));
    const oracle::Medium medium = oracle::SquareRootMedium(A, 40);
    Misses misses;
    for (const double degrees : {30.0, 45.0, 60.0, 120.0})
        for (const int side : {1, -1})
            for (const double t : {1.0, 1.5}) {
                const double theta = side * degrees * M_PI / 180;
                const oracle::RayPoint p = oracle::TravelRay(medium, theta, t, 20000);
                if (std::fabs(p.x) > 95 || std::fabs(p.y) > 95)
                    continue;
                misses = misses + need(anyNear(image, pixel(p.x, p.y), near, isBlack),
                                       describe("dot of the square-root field: A, degrees, t", A, side * degrees, t));
                const oracle::RayPoint q = oracle::TravelRay(medium, theta, t + 0.125, 20000);
                misses = misses + need(anyNear(image, pixel(q.x, q.y), near / 2 + 1, isRed),
                                       describe("red between dots: A, degrees, t", A, side * degrees, t + 0.125));
            }
    return misses;
}

Misses ProgramFixture::squareRootFrontMisses(const QImage& image, double A, double T) const
{
    const int near = static_cast<int>(std::ceil(2 * scale()));
    constexpr double beta = 40;
    const oracle::Medium medium = oracle::SquareRootMedium(A, beta);
    Misses misses;
    // The upper branch through rays up to 90°, the lower one through rays past it.
    for (const int degrees : {20, 45, 70, 95, 105, 120, 150})
        for (const int side : {1, -1}) {
            const oracle::RayPoint p = oracle::TravelRay(medium, side * degrees * M_PI / 180, T, 20000);
            // Rays that have ended, or crowd along the zero-speed line, tell no point apart.
            if (!std::isfinite(p.y) || A + beta * p.y < 0.3 * A || std::fabs(p.x) > 95 || std::fabs(p.y) > 95)
                continue;
            misses = misses + need(anyNear(image, pixel(p.x, p.y), near, isFront),
                                   describe("square-root front: A, T, degrees", A, T, side * degrees));
            const bool dotted = degrees > 90 && side > 0;
            misses = misses + need(anyNear(image, pixel(p.x, p.y), 1, isRed) == dotted,
                                   describe(dotted ? "red dot on the square-root front: A, T, degrees"
                                                   : "no red dot on the square-root front: A, T, degrees",
                                            A, T, side * degrees));
        }
    return misses;
}

void ProgramFixture::expect(const Misses& misses) const
{
    for (const std::string& what : misses)
        ADD_FAILURE() << what;
}

}  // namespace e2e
