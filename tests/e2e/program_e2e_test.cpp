// The real program in Xvfb at two screen sizes: every control of every window clicked for real,
// screenshots checked against integrated rays, and END of each window ending the process.
#include "ray_oracle.h"
#include "x_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

// Names the screen size in the test's name.
void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << "x" << size.height();
}

namespace {

using e2e::XSession;

// A control's place in twips (15 to the pixel), as the layout of its window gives it.
struct Place {
    double left, top, width, height;
    QPoint at(double fx = 0.5, double fy = 0.5) const
    {
        return {static_cast<int>((left + fx * width) / 15), static_cast<int>((top + fy * height) / 15)};
    }
};

bool isRed(QRgb p)
{
    return qRed(p) == 255 && qGreen(p) == 0 && qBlue(p) == 0;
}
bool isFront(QRgb p)  // the near-black of the latest wavefronts
{
    return qRed(p) == 5 && qGreen(p) == 5 && qBlue(p) == 5;
}
bool isBlack(QRgb p)
{
    return qRed(p) < 8 && qGreen(p) < 8 && qBlue(p) < 8;
}
bool isPurple(QRgb p)  // the time marks
{
    return qRed(p) == 150 && qGreen(p) == 55 && qBlue(p) == 150;
}
bool isPureBlack(QRgb p)
{
    return (p & 0xffffff) == 0;
}

class Program : public ::testing::TestWithParam<QSize> {
protected:
    void SetUp() override
    {
        x_ = std::make_unique<XSession>(screen().width(), screen().height());
        x().StartProgram(SORVEL_BINARY);
        ASSERT_TRUE(x().WaitForWindow("INTRODUCTION", 20));
        e2e::Sleep(0.5);
    }

    QSize screen() const { return GetParam(); }
    XSession& x() { return *x_; }
    // H: the screen's height in twips, the side of each case window's square picture.
    double H() const { return screen().height() * 15.0; }
    // The picture is the square of the screen's height at the top left, y upward, ±100 units.
    QPoint pixel(double px, double py) const
    {
        const int side = screen().height();
        return {static_cast<int>(std::floor((px + 100) / 200 * side)), static_cast<int>(std::floor((100 - py) / 200 * side))};
    }
    QRect picture() const { return {0, 0, screen().height(), screen().height()}; }

    void click(QPoint p, double settle = 0.4)
    {
        x().Click(p.x(), p.y());
        e2e::Sleep(settle);
    }
    QImage shot() { return x().Screenshot(); }

    static bool anyNear(const QImage& image, QPoint at, int radius, const std::function<bool(QRgb)>& wanted)
    {
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx) {
                const QPoint p = at + QPoint(dx, dy);
                if (image.rect().contains(p) && wanted(image.pixel(p)))
                    return true;
            }
        return false;
    }
    static int count(const QImage& image, QRect area, const std::function<bool(QRgb)>& wanted)
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += wanted(image.pixel(x, y));
        return n;
    }
    // The introduction is in front where its bare grey background shows in the middle of the screen,
    // which a case window covers with its picture.
    bool introductionInFront(const QImage& image) const
    {
        const QRgb p = image.pixel(screen().height() * 3 / 4, screen().height() * 2 / 3);
        return qRed(p) == qGreen(p) && qRed(p) > 200 && qRed(p) < 250;
    }
    // Asserts the picture changes from one second to the next (true) or stays (false).
    void expectRunning(bool running)
    {
        const QImage first = shot().copy(picture());
        e2e::Sleep(1.0);
        const QImage second = shot().copy(picture());
        if (running)
            EXPECT_NE(first, second) << "the picture should move";
        else
            EXPECT_EQ(first, second) << "the picture should stand still";
    }

    // Red ray pixels where integrated rays of the linear medium cross these abscissae.
    void expectLinearRays(const QImage& image, double k, std::initializer_list<int> angles, std::initializer_list<double> xs)
    {
        const oracle::Medium medium = oracle::LinearMedium(1000, k);
        for (const int F : angles) {
            const auto path = oracle::RayPath(medium, F * M_PI / 180, 0.3, 30000);
            for (const double rayX : xs) {
                const double rayY = oracle::HeightAtAbscissa(path, rayX);
                if (std::isnan(rayY) || std::fabs(rayY) > 95)
                    continue;
                EXPECT_TRUE(anyNear(image, pixel(rayX, rayY), 2, isRed)) << "k " << k << " F " << F << " x " << rayX;
                EXPECT_TRUE(anyNear(image, pixel(-rayX, rayY), 2, isRed)) << "k " << k << " F " << F << " x " << -rayX;
            }
        }
    }

    // Black dots at quarter times along integrated rays of the square-root medium, red between them.
    void expectSquareRootField(const QImage& image, double A)
    {
        const oracle::Medium medium = oracle::SquareRootMedium(A, 40);
        for (const double degrees : {30.0, 45.0, 60.0, 120.0})
            for (const double t : {1.0, 1.5}) {
                const oracle::RayPoint p = oracle::TravelRay(medium, degrees * M_PI / 180, t, 20000);
                if (std::fabs(p.x) > 95 || std::fabs(p.y) > 95)
                    continue;
                EXPECT_TRUE(anyNear(image, pixel(p.x, p.y), 2, isBlack)) << "A " << A << " " << degrees << "° at " << t;
                EXPECT_TRUE(anyNear(image, pixel(-p.x, p.y), 2, isBlack)) << "A " << A << " " << degrees << "° mirrored";
                const oracle::RayPoint q = oracle::TravelRay(medium, degrees * M_PI / 180, t + 0.125, 20000);
                EXPECT_TRUE(anyNear(image, pixel(q.x, q.y), 1, isRed)) << "A " << A << " " << degrees << "° between dots";
            }
    }

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
};

TEST_P(Program, IntroductionAndTheory)
{
    const QImage intro = shot();
    ASSERT_EQ(intro.size(), screen());
    // The whole screen is the window: no bare (black) root window shows anywhere.
    for (const QPoint corner : {QPoint(1, 1), QPoint(screen().width() - 2, 1), QPoint(1, screen().height() - 2),
                                QPoint(screen().width() - 2, screen().height() - 2)})
        EXPECT_FALSE(isBlack(intro.pixel(corner)));
    // The formula images hold near-black glyphs at their design places; clicking them does nothing.
    const QRect linearImage(kLinearImage.at(0, 0), kLinearImage.at(1, 1));
    const QRect squareRootImage(kSquareRootImage.at(0, 0), kSquareRootImage.at(1, 1));
    EXPECT_GT(count(intro, linearImage, isBlack), 20);
    EXPECT_GT(count(intro, squareRootImage, isBlack), 20);
    click(kLinearImage.at());
    click(kSquareRootImage.at());
    const QImage clicked = shot();
    EXPECT_EQ(clicked.copy(linearImage), intro.copy(linearImage));
    EXPECT_EQ(clicked.copy(squareRootImage), intro.copy(squareRootImage));
    EXPECT_FALSE(x().WaitForWindow("THEORY", 0.2));

    click(kExplanations.at(), 0);
    ASSERT_TRUE(x().WaitForWindow("THEORY", 10));
    e2e::Sleep(0.5);
    const Place text{720, 840, 12135, 7935};
    const QRect textArea(text.at(0.01, 0.01), text.at(0.99, 0.99));
    const QImage theory = shot();
    EXPECT_GT(count(theory, textArea, isBlack), 500);
    EXPECT_EQ(count(intro, QRect(text.at(0.45, 0.35), text.at(0.95, 0.6)), isBlack), 0);  // bare there before
    const Place theoryImage{13080, 1920, 2175, 615};
    EXPECT_GT(count(theory, QRect(theoryImage.at(0, 0), theoryImage.at(0.5, 1)), isBlack), 10);

    // A student types into the text; "EXPLANATIONS" brings the fixed text back.
    click(text.at(0.5, 0.9));
    x().Type("zzzz zzzz");
    e2e::Sleep(0.4);
    EXPECT_GT(count(shot(), textArea, isBlack), count(theory, textArea, isBlack) + 20);
    x().Raise("INTRODUCTION");
    e2e::Sleep(0.4);
    click(kExplanations.at(), 0.6);
    const QImage restored = shot();
    // The same text as before; only the blinking cursor may differ.
    int differing = 0;
    for (int y = textArea.top(); y <= textArea.bottom(); ++y)
        for (int x = textArea.left(); x <= textArea.right(); ++x)
            differing += restored.pixel(x, y) != theory.pixel(x, y);
    EXPECT_LT(differing, 40);

    x().Raise("INTRODUCTION");
    e2e::Sleep(0.4);
    x().Click(kEnd.at().x(), kEnd.at().y());
    EXPECT_EQ(x().WaitForExit(10), 0);
}

TEST_P(Program, LinearCase)
{
    const double h = H();
    const Place increase{h, 0, 2055, 615}, decrease{h, 615, 1935, 615}, alternatively{h, 1230, 2535, 735};
    const Place bar{h, 1965, 375, 4695}, onlyFronts{h + 1230, 1965, 2175, 735};
    const Place back{h + 1230, 2700, 1452, 492}, end{h + 1230, 3192, 1452, 492}, time{h + 1230, 3684, 1452, 615};
    const Place stop{h + 1230, 4299, 1452, 615}, again{h + 1230, 4914, 1452, 492}, single{h + 1230, 5406, 1452, 492};
    const Place angle{h + 2682, 5406, 375, 2775}, label{h + 1230, 8181, 1335, 735};

    click(kLinearOption.at(0.1), 0);
    ASSERT_TRUE(x().WaitForWindow("SORVEL", 10));
    e2e::Sleep(1.0);
    QImage image = shot();
    // Far from the source, where the young wavefronts have not yet passed, the red fan of v = 1000 + 8y.
    expectLinearRays(image, -8, {30, 45, 60, 75}, {80, 95});
    // Wavefronts near the source, and the purple time mark of 0.16 s low on the axis.
    EXPECT_GT(count(image, QRect(pixel(-13, 13), pixel(13, -13)), isFront), 20);
    const double mark = (1000 / -8.0) * (1 - std::exp(-8 * 0.16));
    EXPECT_TRUE(anyNear(image, pixel(0, mark), 3, isPurple));
    expectRunning(true);

    click(stop.at());
    expectRunning(false);
    click(pixel(50, 50));  // the picture itself takes no clicks
    click(label.at());
    expectRunning(false);

    // "decrease upwards": the field for v = 1000 − 8y, with the timer still stopped.
    click(decrease.at(0.1), 0.7);
    image = shot();
    expectLinearRays(image, 8, {30, 45, 60, 75}, {80, 95});
    EXPECT_GT(count(image, QRect(pixel(-99, 0), pixel(-60, 0)), isPureBlack), 20);  // the horizontal axis
    // The marks of 0.16 s: the upward one now lies in the picture, the downward one below it.
    EXPECT_TRUE(anyNear(image, pixel(0, -mark), 3, isPurple));
    EXPECT_FALSE(anyNear(image, pixel(0, mark), 3, isPurple));

    // The time bar, one page down: the fronts of 0.021 and 0.001 s with the fan over them.
    click(bar.at(0.5, 0.9));
    const oracle::RayPoint front = oracle::TravelRay(oracle::LinearMedium(1000, 8), M_PI / 2, 0.021, 2000);
    EXPECT_TRUE(anyNear(shot(), pixel(front.x, front.y), 3, isFront));

    click(time.at());
    expectRunning(true);
    click(again.at(), 0.5);
    image = shot();
    EXPECT_EQ(count(image, QRect(pixel(-99, 0), pixel(-60, 0)), isPureBlack), 0);  // cleared: no axis any more
    expectRunning(true);

    // "SINGLE RAY" shows the start-angle bar; one page down is 5° above the horizontal.
    const QImage beforeSingle = shot();
    click(single.at());
    image = shot();
    const QRect angleBar(angle.at(0.1, 0.1), angle.at(0.9, 0.9));
    EXPECT_NE(image.copy(angleBar), beforeSingle.copy(angleBar));
    const QRect labelArea(label.at(0, 0), label.at(1, 1));
    EXPECT_GT(count(image, labelArea, isBlack), 10);
    click(angle.at(0.5, 0.9), 0.7);
    image = shot();
    const auto singlePath = oracle::RayPath(oracle::LinearMedium(1000, 8), 85 * M_PI / 180, 0.3, 30000);
    for (const double rayX : {50.0, 90.0}) {
        const double rayY = oracle::HeightAtAbscissa(singlePath, rayX);
        EXPECT_TRUE(anyNear(image, pixel(rayX, rayY), 2, isRed)) << rayX;
        EXPECT_TRUE(anyNear(image, pixel(-rayX, rayY), 2, isRed)) << -rayX;
    }
    EXPECT_GT(count(image, picture(), [](QRgb p) { return (p & 0xffffff) == 0x323232; }), 100);  // fronts of 0.26 to 0.5 s
    EXPECT_NE(image.copy(labelArea), beforeSingle.copy(labelArea));
    expectRunning(false);  // moving the angle stops the timer

    // The first check box clears the picture and returns to the introduction; START then draws
    // the fronts of 0 to 0.24 s over the rays.
    click(alternatively.at(0.05), 0.6);
    EXPECT_TRUE(introductionInFront(shot()));
    click(kStart.at(), 0.8);
    image = shot();
    EXPECT_FALSE(introductionInFront(image));
    for (const double degrees : {30.0, 120.0, 150.0}) {
        const oracle::RayPoint p = oracle::TravelRay(oracle::LinearMedium(1000, 8), degrees * M_PI / 180, 0.24, 4000);
        if (std::fabs(p.x) < 95 && std::fabs(p.y) < 95)
            EXPECT_TRUE(anyNear(image, pixel(p.x, p.y), 3, isFront)) << degrees;
    }
    EXPECT_GT(count(image, QRect(pixel(-99, 0), pixel(-60, 0)), isPureBlack), 20);

    // "SHOW ONLY WAVE FRONTS": the fronts alone, the axes gone.
    click(onlyFronts.at(0.05), 0.6);
    image = shot();
    EXPECT_LT(count(image, QRect(pixel(-99, 0), pixel(-60, 0)), isPureBlack), 5);
    EXPECT_GT(count(image, picture(), isFront), 1000);

    click(increase.at(0.1), 0.6);  // back to v = 1000 + 8y
    expectLinearRays(shot(), -8, {30, 45, 60, 75}, {80, 95});

    click(back.at(), 0.6);
    EXPECT_TRUE(introductionInFront(shot()));
    click(kStart.at(), 0.8);
    EXPECT_FALSE(introductionInFront(shot()));
    x().Click(end.at().x(), end.at().y());
    EXPECT_EQ(x().WaitForExit(10), 0);
}

TEST_P(Program, SquareRootCase)
{
    const double h = H();
    const auto row = [&](int i) { return Place{h, 2532 + i * h / 12, h / 4, h / 12}; };
    const Place back = row(0), end = row(1), fronts = row(2), on = row(3), off = row(4), restart = row(5), resume = row(6);
    const Place bar{h, 0, 252, 2532}, image1{h + 252, 0, 2055, 495}, aBar{h + 252, 495, 1935, 375};
    const Place aText{h + 252 + 1935, 495, 735, 615};

    click(kStart.at(), 0);  // "V AS SQUARE ROOT" is selected at start
    ASSERT_TRUE(x().WaitForWindow("CASE OF SQUARE ROOT", 10));
    e2e::Sleep(1.0);
    expectSquareRootField(shot(), 1000);
    expectRunning(true);

    click(off.at());
    expectRunning(false);
    click(on.at());  // neither option selected: the train goes on
    expectRunning(true);
    click(off.at());

    // One step right on the A bar: the field is cleared and drawn for A = 1020, and A shows it.
    const QRect aTextArea(aText.at(0, 0), aText.at(1, 1));
    const QImage beforeA = shot();
    click(aBar.at(0.97), 0.7);
    QImage image = shot();
    expectSquareRootField(image, 1020);
    EXPECT_NE(image.copy(aTextArea), beforeA.copy(aTextArea));
    click(image1.at());  // the formula and the text box take clicks without effect on the picture
    click(aText.at());
    expectRunning(false);

    // "WAVE FRONTS": 25 fronts; the one of T = 2 passes the 47° ray where no field ray runs.
    click(fronts.at(), 0.8);
    const oracle::RayPoint p = oracle::TravelRay(oracle::SquareRootMedium(1020, 40), 47 * M_PI / 180, 2.0, 20000);
    EXPECT_TRUE(anyNear(shot(), pixel(p.x, p.y), 3, isFront));

    // The time bar, one page down: its fronts and the field again.
    image = shot();
    click(bar.at(0.5, 0.85), 0.7);
    EXPECT_NE(shot().copy(picture()), image.copy(picture()));

    // "start timer" and "TIME ON": a cleared picture and a train from the start.
    click(restart.at(0.05), 0.2);
    click(on.at(), 0.3);
    EXPECT_FALSE(anyNear(shot(), pixel(p.x, p.y), 3, isFront));
    expectRunning(true);
    click(resume.at(0.05), 0.2);
    click(off.at());
    click(on.at());
    expectRunning(true);

    // Back to the introduction: while the timer runs, the next tick brings this window back.
    click(back.at(), 0.05);
    e2e::Sleep(0.8);
    EXPECT_FALSE(introductionInFront(shot()));
    click(off.at());
    click(back.at(), 1.0);
    EXPECT_TRUE(introductionInFront(shot()));
    click(kSquareRootOption.at(0.05), 0.8);
    EXPECT_FALSE(introductionInFront(shot()));
    x().Click(end.at().x(), end.at().y());
    EXPECT_EQ(x().WaitForExit(10), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, Program, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

}  // namespace
