// The real program in Xvfb at two screen sizes: every control of every window clicked for real,
// screenshots checked against integrated rays, END of each window ending the process, and both
// cases driven by the keyboard alone. The same table drives the desktop and the Windows edition.
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
    const QRect linearImage = seen(kLinearImage);
    const QRect squareRootImage = seen(kSquareRootImage);
    // The formula images hold near-black glyphs at their design places.
    const QImage intro = shotWhen([&](const QImage& image) {
        return need(count(image, linearImage, isBlack) > 20, "the linear formula") +
               need(count(image, squareRootImage, isBlack) > 20, "the square-root formula");
    });
    ASSERT_EQ(intro.size(), screen() * scale());
    // The whole screen is the window: its client area shows to its corners, and the frame round
    // it (none on the bare desktop, one that Windows draws under Wine) is as wide left, right and
    // below, so the outer size is the screen's.
    const QRect client = x().ClientArea("INTRODUCTION");
    EXPECT_EQ(client.left(), intro.width() - 1 - client.right());
    EXPECT_EQ(client.left(), intro.height() - 1 - client.bottom());
    EXPECT_GE(client.top(), client.left());
    const QRect inside = client.adjusted(1, 1, -1, -1);
    for (const QPoint corner : {inside.topLeft(), inside.topRight(), inside.bottomLeft(), inside.bottomRight()})
        EXPECT_FALSE(isBlack(intro.pixel(corner)));
    // Clicking the formula images does nothing: once END shows the focus that the Tab pressed
    // after them gave it, they look as before and no window has opened.
    click(kLinearImage.at());
    click(kSquareRootImage.at());
    x().Keys("Tab");
    const QRect endButton = seen(kEnd);
    const QImage clicked = shotWhen(
        [&](const QImage& image) { return need(image.copy(endButton) != intro.copy(endButton), "the focus on END"); });
    EXPECT_EQ(clicked.copy(linearImage), intro.copy(linearImage));
    EXPECT_EQ(clicked.copy(squareRootImage), intro.copy(squareRootImage));
    EXPECT_FALSE(x().WindowShown("THEORY"));

    click(kExplanations.at());
    ASSERT_TRUE(x().WaitForWindow("THEORY"));
    const Place text{720, 840, 12135, 7935};
    const QRect textArea = seen(text, 0.01, 0.01, 0.99, 0.99);
    const Place theoryImage{13080, 1920, 2175, 615};
    const QImage theory = shotWhen([&](const QImage& image) {
        return need(count(image, textArea, isBlack) > 500, "the theory text") +
               need(count(image, seen(theoryImage, 0, 0, 0.5, 1), isBlack) > 10, "the formula beside the theory");
    });
    EXPECT_EQ(count(intro, seen(text, 0.45, 0.35, 0.95, 0.6), isBlack), 0);  // bare there before

    // A student types into the text; "EXPLANATIONS" brings the fixed text back.
    click(text.at(0.5, 0.9));
    x().Type("zzzz zzzz");
    const int theoryInk = count(theory, textArea, isBlack);
    shotWhen([&](const QImage& image) { return need(count(image, textArea, isBlack) > theoryInk + 20, "typed text"); });
    x().Raise("INTRODUCTION");
    shotWhen([&](const QImage& image) { return need(introductionInFront(image), "the introduction in front"); });
    click(kExplanations.at());
    // The same text as before; only the blinking cursor may differ.
    const auto differing = [&](const QImage& image) {
        int n = 0;
        for (int y = textArea.top(); y <= textArea.bottom(); ++y)
            for (int x = textArea.left(); x <= textArea.right(); ++x)
                n += image.pixel(x, y) != theory.pixel(x, y);
        return n;
    };
    shotWhen([&](const QImage& image) { return need(differing(image) < 40, "the theory text restored"); });

    x().Raise("INTRODUCTION");
    shotWhen([&](const QImage& image) { return need(introductionInFront(image), "the introduction in front"); });
    click(kEnd.at());
    EXPECT_EQ(x().WaitForExit(), 0);
}

TEST_P(Program, LinearCase)
{
    const double h = H();
    const Place increase{h, 0, 2055, 615}, decrease{h, 615, 1935, 615}, alternatively{h, 1230, 2535, 735};
    const Place bar{h, 1965, 375, 4695}, onlyFronts{h + 1230, 1965, 2175, 735};
    const Place back{h + 1230, 2700, 1452, 492}, end{h + 1230, 3192, 1452, 492}, time{h + 1230, 3684, 1452, 615};
    const Place stop{h + 1230, 4299, 1452, 615}, again{h + 1230, 4914, 1452, 492}, single{h + 1230, 5406, 1452, 492};
    const Place angle{h + 2682, 5406, 375, 2775}, label{h + 1230, 8181, 1335, 735};
    const QRect axisPart(pixel(-99, 0), pixel(-60, 0));
    const auto axisShown = [&](const QImage& image) { return count(image, axisPart, isPureBlack) > 20; };

    click(kLinearOption.at(0.1));
    ASSERT_TRUE(x().WaitForWindow("SORVEL"));
    // Far from the source, where the young wavefronts have not yet passed, the red fan of v = 1000 + 8y;
    // wavefronts near the source, and the purple time mark of 0.16 s low on the axis.
    const double mark = (1000 / -8.0) * (1 - std::exp(-8 * 0.16));
    shotWhen([&](const QImage& image) {
        return linearRayMisses(image, -8, {30, 45, 60, 75}, {80, 95}) +
               need(count(image, QRect(pixel(-13, 13), pixel(13, -13)), isFront) > 20, "fronts near the source") +
               need(anyNear(image, pixel(0, mark), 3, isPurple), "the time mark of 0.16 s");
    });
    expectRunning(LinearClock(-8));

    click(stop.at());
    expectComesToRest();
    const QImage stopped = shot();
    click(pixel(50, 50));  // the picture itself takes no clicks
    click(label.at());
    expectStaysStill(stopped);

    // "decrease upwards": the field for v = 1000 − 8y, with the timer still stopped. The marks of
    // 0.16 s: the upward one now lies in the picture, the downward one below it.
    click(decrease.at(0.1));
    shotWhen([&](const QImage& image) {
        return linearRayMisses(image, 8, {30, 45, 60, 75}, {80, 95}) + need(axisShown(image), "the horizontal axis") +
               need(anyNear(image, pixel(0, -mark), 3, isPurple), "the upward time mark of 0.16 s") +
               need(!anyNear(image, pixel(0, mark), 3, isPurple), "no downward time mark of 0.16 s");
    });

    // The time bar, one page down: the fronts of 0.021 and 0.001 s with the fan over them.
    click(bar.at(0.5, 0.9));
    shotWhen([&](const QImage& image) { return linearFrontMisses(image, 8, 0.021, false); });

    click(time.at());
    expectRunning(LinearClock(8));
    click(again.at());
    shotWhen([&](const QImage& image) { return need(!axisShown(image), "the picture cleared: no axis any more"); });
    expectRunning(LinearClock(8));

    // "SINGLE RAY" shows the start-angle bar; one page down is 5° above the horizontal.
    const QImage beforeSingle = shot();
    click(single.at());
    const QRect angleBar = seen(angle, 0.1, 0.1, 0.9, 0.9);
    const QRect labelArea = seen(label);
    const QImage withBar = shotWhen([&](const QImage& image) {
        return need(image.copy(angleBar) != beforeSingle.copy(angleBar), "the start-angle bar") +
               need(count(image, labelArea, isInk) > 10, "its label");
    });
    click(angle.at(0.5, 0.9));
    const auto singlePath = oracle::RayPath(oracle::LinearMedium(1000, 8), 85 * M_PI / 180, 0.3, 30000);
    shotWhen([&](const QImage& image) {
        Misses misses;
        for (const double rayX : {50.0, 90.0}) {
            const double rayY = oracle::HeightAtAbscissa(singlePath, rayX);
            misses = misses + need(anyNear(image, pixel(rayX, rayY), 2, isRed), "the single ray on the right") +
                     need(anyNear(image, pixel(-rayX, rayY), 2, isRed), "the single ray on the left");
        }
        return misses +
               need(count(image, picture(), [](QRgb p) { return (p & 0xffffff) == 0x323232; }) > 100,
                    "the fronts of 0.26 to 0.5 s") +
               need(image.copy(labelArea) != withBar.copy(labelArea), "the label giving the angle");
    });
    expectComesToRest();  // moving the angle stops the timer

    // The first check box clears the picture and returns to the introduction; START then draws
    // the fronts of 0 to 0.24 s over the rays.
    click(alternatively.at(0.05));
    shotWhen([&](const QImage& image) { return need(introductionInFront(image), "the introduction in front"); });
    click(kStart.at());
    shotWhen([&](const QImage& image) {
        return need(!introductionInFront(image), "the linear case in front") + need(axisShown(image), "the axes") +
               linearFrontMisses(image, 8, 0.24, true) + linearFrontMisses(image, 8, 0.12, true);
    });

    // "SHOW ONLY WAVE FRONTS": the fronts alone, the axes gone.
    click(onlyFronts.at(0.05));
    shotWhen([&](const QImage& image) {
        return need(count(image, axisPart, isPureBlack) < 5, "the axes gone") +
               need(count(image, picture(), isFront) > 1000, "the fronts") + linearFrontMisses(image, 8, 0.24, true);
    });

    click(increase.at(0.1));  // back to v = 1000 + 8y
    shotWhen([&](const QImage& image) { return linearRayMisses(image, -8, {30, 45, 60, 75}, {80, 95}); });

    click(back.at());
    shotWhen([&](const QImage& image) { return need(introductionInFront(image), "the introduction in front"); });
    click(kStart.at());
    shotWhen([&](const QImage& image) { return need(!introductionInFront(image), "the linear case in front"); });
    click(end.at());
    EXPECT_EQ(x().WaitForExit(), 0);
}

TEST_P(Program, SquareRootCase)
{
    const double h = H();
    const auto row = [&](int i) { return Place{h, 2532 + i * h / 12, h / 4, h / 12}; };
    const Place back = row(0), end = row(1), fronts = row(2), on = row(3), off = row(4), restart = row(5),
                resume = row(6);
    const Place bar{h, 0, 252, 2532}, image1{h + 252, 0, 2055, 495}, aBar{h + 252, 495, 1935, 375};
    const Place aText{h + 252 + 1935, 495, 735, 615};

    click(kStart.at());  // "V AS SQUARE ROOT" is selected at start
    ASSERT_TRUE(x().WaitForWindow("CASE OF SQUARE ROOT"));
    shotWhen([&](const QImage& image) { return squareRootFieldMisses(image, 1000); });
    expectRunning(SquareRootClock(1000));

    click(off.at());
    expectComesToRest();
    click(on.at());  // neither option selected: the train goes on
    expectRunning(SquareRootClock(1000));
    click(off.at());

    // One step right on the A bar: the field is cleared and drawn for A = 1020, and A shows it.
    const QRect aTextArea = seen(aText);
    const QImage beforeA = shot();
    click(aBar.at(0.97));
    const QImage redrawn = shotWhen([&](const QImage& image) {
        return squareRootFieldMisses(image, 1020) +
               need(image.copy(aTextArea) != beforeA.copy(aTextArea), "the new value of A");
    });
    // The formula and the text box take clicks without effect on the picture; the text box shows
    // its cursor once both clicks are through.
    click(image1.at());
    click(aText.at());
    shotWhen([&](const QImage& image) {
        return need(image.copy(aTextArea) != redrawn.copy(aTextArea), "the cursor in the text box");
    });
    expectStaysStill(redrawn);

    // "WAVE FRONTS": 25 fronts, among them those of T = 1 and 2, on both halves.
    click(fronts.at());
    const QImage frontsShown = shotWhen([&](const QImage& image) {
        return squareRootFrontMisses(image, 1020, 2) + squareRootFrontMisses(image, 1020, 1);
    });

    // The time bar, one page down: its fronts and the field again.
    click(bar.at(0.5, 0.85));
    shotWhen([&](const QImage& image) {
        return need(image.copy(picture()) != frontsShown.copy(picture()), "the time bar's picture");
    });

    // "start timer" and "TIME ON": a cleared picture and a train from the start. The front of
    // T = 2 passes the 47° ray where no field ray runs; the new train takes 100 ticks to get there.
    click(restart.at(0.05));
    click(on.at());
    const oracle::RayPoint p = oracle::TravelRay(oracle::SquareRootMedium(1020, 40), 47 * M_PI / 180, 2.0, 20000);
    shotWhen([&](const QImage& image) {
        return need(!anyNear(image, pixel(p.x, p.y), 3, isFront), "the fronts of before cleared");
    });
    expectRunning(SquareRootClock(1020));
    click(resume.at(0.05));
    click(off.at());
    click(on.at());
    expectRunning(SquareRootClock(1020));

    // Back to the introduction: while the timer runs, the next tick brings this window back, and
    // the train runs on in front.
    click(back.at());
    const Watched inFront = watchTicks(SquareRootClock(1020), kStillTicks);
    EXPECT_GE(inFront.ticks, kStillTicks) << "the square-root case should come back in front and run on";
    EXPECT_FALSE(introductionInFront(inFront.last));
    // With the timer off nothing brings it back.
    click(off.at());
    click(back.at());
    shotWhen([&](const QImage& image) { return need(introductionInFront(image), "the introduction in front"); });
    expectHoldsForStillTicks([&](const QImage& image) { return introductionInFront(image); },
                             "the introduction should stay in front");
    click(kSquareRootOption.at(0.05));
    shotWhen([&](const QImage& image) {
        return need(!introductionInFront(image), "the square-root case in front") + squareRootFieldMisses(image, 1020);
    });
    click(end.at());
    EXPECT_EQ(x().WaitForExit(), 0);
}

class KeyboardOnly : public ProgramFixture {
protected:
    void SetUp() override { Start({1024, 768}); }
};

// After the first window is up, nothing but key presses: each case opened, its timer stopped with
// Space, and every scroll bar reached with Tab and moved with the keys.
TEST_F(KeyboardOnly, BothCasesAndTheirScrollBarsWithTheKeysAlone)
{
    // The introduction opens with the focus on its selected option, "V AS SQUARE ROOT"; Tab leaves
    // the group for END and Shift+Tab comes back to the same option, and the up arrow selects
    // "V LINEAR WITH Y": the linear case opens.
    x().Keys("Tab shift+Tab Up");
    ASSERT_TRUE(x().WaitForWindow("SORVEL"));
    shotWhen([&](const QImage& image) { return linearRayMisses(image, -8, {30, 45, 60, 75}, {80, 95}); });
    // From the option group: nine Tabs to START AGAIN (a cleared picture), two back to STOP TIMER.
    x().Keys("Tab Tab Tab Tab Tab Tab Tab Tab Tab space");
    const QRect axisPart(pixel(-99, 0), pixel(-60, 0));
    shotWhen(
        [&](const QImage& image) { return need(count(image, axisPart, isPureBlack) == 0, "the picture cleared"); });
    expectRunning(LinearClock(-8));
    x().Keys("shift+Tab shift+Tab space");
    expectComesToRest();
    // Five back to the time bar; five pages down set 0.1 s: its fronts, and the fan over them.
    x().Keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Next Next Next Next Next");
    shotWhen([&](const QImage& image) {
        return linearFrontMisses(image, -8, 0.1, false) + linearRayMisses(image, -8, {30, 45, 60, 75}, {80, 95});
    });

    // Six Tabs to SINGLE RAY, Space shows the start-angle bar; two more reach it, and nine pages
    // down are 45° above the horizontal.
    x().Keys("Tab Tab Tab Tab Tab Tab space Tab Tab Next Next Next Next Next Next Next Next Next");
    const auto path = oracle::RayPath(oracle::LinearMedium(1000, -8), 45 * M_PI / 180, 0.3, 30000);
    shotWhen([&](const QImage& image) {
        Misses misses;
        for (const double rayX : {50.0, 90.0}) {
            const double rayY = oracle::HeightAtAbscissa(path, rayX);
            misses = misses + need(anyNear(image, pixel(rayX, rayY), 2, isRed), "the single ray on the right") +
                     need(anyNear(image, pixel(-rayX, rayY), 2, isRed), "the single ray on the left");
        }
        return misses;
    });
    expectComesToRest();

    // Six back to BACK TO INTRODUTION; in the introduction the focus is still on the linear
    // option, and the down arrow selects "V AS SQUARE ROOT", which opens that case.
    x().Keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space");
    shotWhen([&](const QImage& image) { return need(introductionInFront(image), "the introduction in front"); });
    x().Keys("Down");
    ASSERT_TRUE(x().WaitForWindow("CASE OF SQUARE ROOT"));
    shotWhen([&](const QImage& image) { return squareRootFieldMisses(image, 1000); });
    expectRunning(SquareRootClock(1000));
    // From the time bar, seven Tabs to TIME OFF; three back to the A bar: Home, then 35 steps right.
    x().Keys("Tab Tab Tab Tab Tab Tab Tab space");
    expectComesToRest();
    std::string right = "shift+Tab shift+Tab shift+Tab Home";
    for (int i = 0; i < 35; ++i)
        right += " Right";
    x().Keys(right);
    // Each step draws the field anew; the last one is the field that stays.
    expectComesToRest();
    expect(squareRootFieldMisses(shot(), 1200));
}

INSTANTIATE_TEST_SUITE_P(Screens, Program, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

}  // namespace
