// The real program in Xvfb at two screen sizes: every control of every window clicked for real,
// screenshots checked against integrated rays, and END of each window ending the process.
#include "program_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

// Names the screen size in the test's name.
void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << "x" << size.height();
}

namespace {

using namespace e2e;

class Program : public e2e::ProgramFixture, public ::testing::WithParamInterface<QSize> {
protected:
    void SetUp() override { Start(GetParam()); }
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
    EXPECT_GT(count(image, picture(), [](QRgb p) { return (p & 0xffffff) == 0x323232; }),
              100);  // fronts of 0.26 to 0.5 s
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
    const Place back = row(0), end = row(1), fronts = row(2), on = row(3), off = row(4), restart = row(5),
                resume = row(6);
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
