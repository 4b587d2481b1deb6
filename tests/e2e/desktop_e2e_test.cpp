// The real program as a desktop citizen: used with the keyboard alone, drawn crisply at scale
// factors 2 and 1.5, and well behaved under a window manager (frame, focus, closing by the frame).
#include "program_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

using namespace e2e;

// Pixels of colours the pictures never draw: a picture scaled up by the toolkit would blend them.
int strayPixels(const QImage& image, QRect area)
{
    static const std::set<QRgb> palette{0xffffff, 0x000000, 0xff0000, 0xfafafa, 0x050505, 0x323232, 0x963796};
    int stray = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            stray += palette.count(image.pixel(x, y) & 0xffffff) == 0;
    return stray;
}

class KeyboardOnly : public ProgramFixture {
protected:
    void SetUp() override { Start({1024, 768}); }
};

// After the first window is up, nothing but key presses: each case opened, its timer stopped with
// Space, and every scroll bar reached with Tab and moved with the keys.
TEST_F(KeyboardOnly, BothCasesAndTheirScrollBarsWithTheKeysAlone)
{
    // The focus starts in the option group; Tab leaves it for END and Shift+Tab comes back to its
    // first option, "V LINEAR WITH Y", which Space selects: the linear case opens.
    x().Keys("Tab shift+Tab space");
    ASSERT_TRUE(x().WaitForWindow("SORVEL", 10));
    Sleep(1.0);
    // From the option group: nine Tabs to START AGAIN (a cleared picture), two back to STOP TIMER.
    x().Keys("Tab Tab Tab Tab Tab Tab Tab Tab Tab space shift+Tab shift+Tab space");
    Sleep(0.3);
    expectRunning(false);
    // Five back to the time bar; five pages down set 0.1 s: its fronts, and the fan over them.
    x().Keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Next Next Next Next Next");
    Sleep(0.5);
    QImage image = shot();
    const oracle::Medium increase = oracle::LinearMedium(1000, -8);
    for (const double degrees : {90.0, 120.0, 150.0}) {
        const oracle::RayPoint p = oracle::TravelRay(increase, degrees * M_PI / 180, 0.1, 4000);
        EXPECT_TRUE(anyNear(image, pixel(p.x, p.y), 3, isFront)) << degrees << "° at 0.1 s";
        EXPECT_TRUE(anyNear(image, pixel(-p.x, p.y), 3, isFront)) << -degrees << "° at 0.1 s";
    }
    expectLinearRays(image, -8, {30, 45, 60, 75}, {80, 95});

    // Six Tabs to SINGLE RAY, Space shows the start-angle bar; two more reach it, and nine pages
    // down are 45° above the horizontal.
    x().Keys("Tab Tab Tab Tab Tab Tab space Tab Tab Next Next Next Next Next Next Next Next Next");
    Sleep(0.6);
    image = shot();
    const auto path = oracle::RayPath(increase, 45 * M_PI / 180, 0.3, 30000);
    for (const double rayX : {50.0, 90.0}) {
        const double rayY = oracle::HeightAtAbscissa(path, rayX);
        EXPECT_TRUE(anyNear(image, pixel(rayX, rayY), 2, isRed)) << rayX;
        EXPECT_TRUE(anyNear(image, pixel(-rayX, rayY), 2, isRed)) << -rayX;
    }
    expectRunning(false);

    // Six back to BACK TO INTRODUTION; in the introduction the focus is still on the linear
    // option, and the down arrow selects "V AS SQUARE ROOT", which opens that case.
    x().Keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space");
    Sleep(0.6);
    EXPECT_TRUE(introductionInFront(shot()));
    x().Keys("Down");
    ASSERT_TRUE(x().WaitForWindow("CASE OF SQUARE ROOT", 10));
    Sleep(1.0);
    // From the time bar, seven Tabs to TIME OFF; three back to the A bar: Home, then 35 steps right.
    x().Keys("Tab Tab Tab Tab Tab Tab Tab space");
    Sleep(0.3);
    expectRunning(false);
    std::string right = "shift+Tab shift+Tab shift+Tab Home";
    for (int i = 0; i < 35; ++i)
        right += " Right";
    x().Keys(right);
    Sleep(1.0);
    expectSquareRootField(shot(), 1200);
}

class Scaled : public ProgramFixture, public ::testing::WithParamInterface<double> {
protected:
    void SetUp() override { Start({1024, 768}, GetParam()); }
};

// At a scale factor both fields lie where integrated rays put them, drawn in device pixels: no
// colour but those drawn, as a picture scaled up by the toolkit would blend them.
TEST_P(Scaled, BothFieldsAgreeWithIntegratedRaysAndStayCrisp)
{
    click(kLinearOption.at(0.1), 0);
    ASSERT_TRUE(x().WaitForWindow("SORVEL", 10));
    Sleep(1.0);
    QImage image = shot();
    expectLinearRays(image, -8, {30, 45, 60, 75}, {80, 95});
    EXPECT_EQ(strayPixels(image, picture()), 0);

    click(Place{H() + 1230, 2700, 1452, 492}.at(), 0.6);  // BACK TO INTRODUTION
    click(kSquareRootOption.at(0.05), 0);
    ASSERT_TRUE(x().WaitForWindow("CASE OF SQUARE ROOT", 10));
    Sleep(1.0);
    image = shot();
    expectSquareRootField(image, 1000);
    EXPECT_EQ(strayPixels(image, picture()), 0);
}

INSTANTIATE_TEST_SUITE_P(Factors, Scaled, ::testing::Values(2.0, 1.5),
                         [](const ::testing::TestParamInfo<double>& info) {
                             return info.param == 2.0 ? std::string("Two") : std::string("OneAndAHalf");
                         });

class UnderWindowManager : public ProgramFixture {
protected:
    void SetUp() override { Start({1280, 800}, 1, true); }

    void open(const Place& option, const std::string& title)
    {
        RunOn(x().display(), "wmctrl -a INTRODUCTION");
        Sleep(0.3);
        click(option.at(0.05), 0);
        ASSERT_TRUE(x().WaitForWindow(title, 10)) << title;
        Sleep(1.0);
    }
};

// The window's Width and Height are its outer size: once framed, each case window's frame is the screen.
TEST_F(UnderWindowManager, EachCaseWindowFramedIsTheSizeOfTheScreen)
{
    EXPECT_EQ(x().OuterFrame("INTRODUCTION"), QRect(0, 0, 1280, 800));
    open(kLinearOption, "SORVEL");
    EXPECT_EQ(x().OuterFrame("SORVEL"), QRect(0, 0, 1280, 800));
    open(kSquareRootOption, "CASE OF SQUARE ROOT");
    EXPECT_EQ(x().OuterFrame("CASE OF SQUARE ROOT"), QRect(0, 0, 1280, 800));
}

// While the square-root animation runs, another program the teacher switches to keeps the focus.
TEST_F(UnderWindowManager, AnotherProgramActivatedKeepsTheFocus)
{
    open(kSquareRootOption, "CASE OF SQUARE ROOT");
    EXPECT_EQ(x().ActiveWindow(), "CASE OF SQUARE ROOT");
    x().StartClient("xlogo");
    ASSERT_TRUE(x().WaitForWindow("xlogo", 10));
    // The window manager takes the request only once it manages the new window, which a loaded
    // machine can delay: ask until xlogo is active, then watch that it stays so.
    for (int tries = 0; tries < 25 && x().ActiveWindow() != "xlogo"; ++tries) {
        RunOn(x().display(), "wmctrl -a xlogo");
        Sleep(0.2);
    }
    ASSERT_EQ(x().ActiveWindow(), "xlogo");
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(x().ActiveWindow(), "xlogo") << "after " << 0.1 * i << " s";
        Sleep(0.1);
    }
}

// A case window closed by its frame opens again from the introduction, with its picture.
TEST_F(UnderWindowManager, CaseWindowsClosedByTheFrameOpenAgain)
{
    for (int round = 0; round < 2; ++round) {
        open(kLinearOption, "SORVEL");
        expectLinearRays(shot(), -8, {30, 45, 60, 75}, {80, 95});
        RunOn(x().display(), "wmctrl -c SORVEL");
        Sleep(0.6);
        EXPECT_FALSE(x().WaitForWindow("SORVEL", 0.1));

        open(kSquareRootOption, "CASE OF SQUARE ROOT");
        expectSquareRootField(shot(), 1000);
        RunOn(x().display(), "wmctrl -c 'CASE OF SQUARE ROOT'");
        Sleep(0.6);
        EXPECT_FALSE(x().WaitForWindow("CASE OF SQUARE ROOT", 0.1));
    }
    EXPECT_TRUE(x().ProgramRunning());
}

}  // namespace
