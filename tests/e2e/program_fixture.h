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
#include <ostream>

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
bool isPurple(QRgb p);  // the time marks
bool isPureBlack(QRgb p);

class ProgramFixture : public ::testing::Test {
protected:
    // Starts an X server of the logical size times the scale, a window manager if asked, and the
    // program with QT_SCALE_FACTOR at that scale; returns once the introduction is up.
    void Start(QSize logical, double scale = 1, bool windowManager = false);

    QSize screen() const { return logical_; }
    double scale() const { return scale_; }
    XSession& x() { return *x_; }
    // H: the screen's height in twips, the side of each case window's square picture.
    double H() const { return screen().height() * 15.0; }
    // Where a picture point lands in a screenshot: the picture is the square of the screen's
    // height at the window's top left, y upward, ±100 units.
    QPoint pixel(double px, double py) const;
    QRect picture() const;

    // Clicks a point given in logical pixels of the window's client area.
    void click(QPoint p, double settle = 0.4);
    QImage shot() { return x().Screenshot(); }

    static bool anyNear(const QImage& image, QPoint at, int radius, const std::function<bool(QRgb)>& wanted);
    static int count(const QImage& image, QRect area, const std::function<bool(QRgb)>& wanted);
    // The introduction is in front where its bare grey background shows in the middle of the screen,
    // which a case window covers with its picture.
    bool introductionInFront(const QImage& image) const;
    // Asserts the picture changes from one second to the next (true) or stays (false).
    void expectRunning(bool running);
    // Red ray pixels where integrated rays of the linear medium cross these abscissae.
    void expectLinearRays(const QImage& image, double k, std::initializer_list<int> angles,
                          std::initializer_list<double> xs);
    // Black dots at quarter times along integrated rays of the square-root medium, red between them.
    void expectSquareRootField(const QImage& image, double A);

    // Controls of the introduction, with START where the start-up routine puts it.
    static constexpr Place kLinearOption{1560, 480, 2052, 372};
    static constexpr Place kSquareRootOption{1560, 960, 3012, 492};
    static constexpr Place kEnd{1560, 1560, 1332, 372};
    static constexpr Place kStart{1560, 1932, 1575, 735};
    static constexpr Place kExplanations{3600, 2640, 2175, 1095};
    static constexpr Place kSquareRootImage{3600, 1080, 2055, 495};
    static constexpr Place kLinearImage{3600, 480, 2175, 615};

private:
    std::unique_ptr<XSession> x_;
    QSize logical_;
    double scale_ = 1;
    QPoint client_;  // where the windows' client areas start, below the window manager's frame
};

}  // namespace e2e
