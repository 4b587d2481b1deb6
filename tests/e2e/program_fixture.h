// The real program in a private X server, as a fixture: starting it at a screen size and scale
// (with a window manager if asked), clicking, screenshots, and checks against integrated rays.
#pragma once

#include "ray_oracle.h"
#include "x_session.h"

#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Names rectangles readably in failure messages.
inline void PrintTo(const QRect& r, std::ostream* out)
{
    *out << r.width() << "x" << r.height() << "+" << r.x() << "+" << r.y();
}

namespace e2e {

// A control's place in twips (15 to the pixel), as the layout of its window gives it.
struct Place {
    double left, top, width, height;
    QPoint at(double fx = 0.5, double fy = 0.5) const
    {
        return {static_cast<int>((left + fx * width) / 15), static_cast<int>((top + fy * height) / 15)};
    }
};

bool isRed(QRgb p);
bool isFront(QRgb p);  // the near-black of the latest wavefronts
bool isBlack(QRgb p);
bool isInk(QRgb p);     // a smoothed glyph of the controls' small font: dark, seldom quite black
bool isPurple(QRgb p);  // the time marks
bool isPureBlack(QRgb p);

// What a screenshot lacks of what a step should show, one line each; empty when all is there.
using Misses = std::vector<std::string>;
Misses need(bool seen, const std::string& what);
Misses operator+(Misses a, const Misses& b);

// The animation time of a running train, read off its picture: where the top of a front stands
// on the vertical axis gives its age, and every front's age modulo the spacing of the fronts is
// the tick count modulo the ticks between two fronts.
struct TrainClock {
    double ticksBetweenFronts;
    std::function<double(double y)> ticksAtTop;  // the age, in ticks, of a front whose top is at height y
    // Tops are read between these heights: clear of the clutter round the source, and where one
    // tick moves a top by two pixels or more even on the smallest screen.
    double lowest, highest;
};
// v = 1000 − k·y; one tick is 1 ms of animation, a front leaves every 20 ms.
TrainClock LinearClock(double k);
// v = √(A + 40·y); one tick is 0.02 time units, a front leaves every 0.25.
TrainClock SquareRootClock(double A);

// The edition the tests drive, which the build names: the desktop program, or the Windows
// edition's sorvel.exe under Wine, in a prefix of the build's own.
struct Edition {
    std::string binary;
    std::string wine, winePrefix;
    bool windows() const { return !wine.empty(); }
};
const Edition& TestedEdition();

class ProgramFixture : public ::testing::Test {
protected:
    // Starts an X server of the logical size times the scale, a window manager if asked, and the
    // program with QT_SCALE_FACTOR at that scale; returns once the introduction is up.
    void Start(QSize logical, double scale = 1, bool windowManager = false);
    // The same with a link's words as the program's argument, its standard error kept; returns once
    // the link's window is up, framed by the window manager.
    void StartAt(QSize logical, const std::string& link, const std::string& window);
    // What the program wrote on its standard error so far (StartAt only).
    std::string errors() const;

    // The screen the program lays its windows out on, in its logical pixels, and device pixels to
    // each of them: the scale asked for times the program's own for the screen.
    QSize screen() const { return logical_; }
    double scale() const { return scale_; }
    XSession& x() { return *x_; }
    // H: the screen's height in twips, the side of each case window's square picture.
    double H() const { return screen().height() * 15.0; }
    // Where a picture point lands in a screenshot: the picture is the square of the screen's
    // height at the window's top left, y upward, ±100 units.
    QPoint pixel(double px, double py) const;
    QRect picture() const;

    // Clicks a point given in logical pixels of the window's client area; what it causes is for
    // the caller to wait for.
    void click(QPoint p);
    // Where a control shows on a screenshot: the part of its place between these fractions.
    QRect seen(const Place& place, double fx0 = 0, double fy0 = 0, double fx1 = 1, double fy1 = 1) const;
    QImage shot() { return x().Screenshot(); }
    // Screenshots until one lacks nothing of what `misses` looks for, and returns it; if none
    // does within the patience, each miss of the last one is a failure.
    QImage shotWhen(const std::function<Misses(const QImage&)>& misses);

    static bool anyNear(const QImage& image, QPoint at, int radius, const std::function<bool(QRgb)>& wanted);
    static int count(const QImage& image, QRect area, const std::function<bool(QRgb)>& wanted);
    // The introduction is in front where its bare grey background shows in the middle of the screen,
    // which a case window covers with its picture.
    bool introductionInFront(const QImage& image) const;

    // The tick count modulo the ticks between two fronts, if the picture shows a train whose
    // readable tops all agree on it.
    std::optional<double> ticksModulo(const QImage& image, const TrainClock& clock) const;
    struct Watched {
        double ticks = 0;    // ticks seen pass, never more than did
        double seconds = 0;  // wall time over which they passed, never less than it was
        QImage last;         // the last screenshot on which the train was read
    };
    // Follows the running train in screenshots until at least `ticks` ticks have passed or the
    // patience is up, handing every screenshot to `each`.
    Watched watchTicks(const TrainClock& clock, double ticks, const std::function<void(const QImage&)>& each = {});
    // The train runs: its clock advances. Keeps the ticks per second for the stand-still checks.
    void expectRunning(const TrainClock& clock);
    // After something that stops the timer: the picture comes to rest and then stays unchanged
    // for as long as kStillTicks ticks took when the train last ran.
    void expectComesToRest();
    // The picture stays as `still` shows it for as long as kStillTicks ticks took when the train last ran.
    void expectStaysStill(const QImage& still);
    // `holds` is true of every screenshot for as long as kStillTicks ticks took when the train last ran.
    void expectHoldsForStillTicks(const std::function<bool(const QImage&)>& holds, const std::string& what);

    // Red ray pixels where integrated rays of the linear medium cross these abscissae, on both halves.
    Misses linearRayMisses(const QImage& image, double k, std::initializer_list<int> angles,
                           std::initializer_list<double> xs) const;
    // The front of time t of the linear medium on both halves: near-black at the points of
    // integrated rays, with the red dot of each segment's start where `dots` is set.
    Misses linearFrontMisses(const QImage& image, double k, double t, bool dots) const;
    // Black dots at quarter times along integrated rays of the square-root medium, red between
    // them, on both halves.
    Misses squareRootFieldMisses(const QImage& image, double A) const;
    // The front of time T of the square-root medium on both halves, where no later drawing
    // covers it: near-black at the points of integrated rays, red dots on the right half of
    // its lower branch and nowhere else.
    Misses squareRootFrontMisses(const QImage& image, double A, double T) const;
    void expect(const Misses& misses) const;

    // Controls of the introduction, with START where the start-up routine puts it.
    static constexpr Place kLinearOption{1560, 480, 2052, 372};
    static constexpr Place kSquareRootOption{1560, 960, 3012, 492};
    static constexpr Place kEnd{1560, 1560, 1332, 372};
    static constexpr Place kStart{1560, 1932, 1575, 735};
    static constexpr Place kExplanations{3600, 2640, 2175, 1095};
    static constexpr Place kSquareRootImage{3600, 1080, 2055, 495};
    static constexpr Place kLinearImage{3600, 480, 2175, 615};

    // Ticks to watch for a rate, and ticks a still picture must outlast to count as still.
    static constexpr double kRateTicks = 15;
    static constexpr double kStillTicks = 30;

private:
    void startSession(QSize logical, double scale, bool windowManager);

    std::unique_ptr<XSession> x_;
    std::string errorFile_;
    QSize logical_;
    double scale_ = 1;
    QPoint client_;              // where the windows' client areas start, below the window manager's frame
    double ticksPerSecond_ = 0;  // as last measured on a running train, a lower bound
};

}  // namespace e2e
