// The real program as a desktop citizen: drawn crisply at scale factors 2 and 1.5 (the Windows
// edition at 192 and 144 DPI), and well behaved under a window manager (frame, focus, closing by
// the frame).
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

class Scaled : public ProgramFixture, public ::testing::WithParamInterface<double> {
protected:
    void SetUp() override { Start({1024, 768}, GetParam()); }
};

// At a scale factor both fields lie where integrated rays put them, drawn in device pixels: no
// colour but those drawn, as a picture scaled up by the toolkit would blend them.
TEST_P(Scaled, BothFieldsAgreeWithIntegratedRaysAndStayCrisp)
{
    const auto crisp = [&](const QImage& image) {
        const int stray = strayPixels(image, picture());
        return need(stray == 0, std::to_string(stray) + " pixels of colours never drawn");
    };
    click(kLinearOption.at(0.1));
    ASSERT_TRUE(x().WaitForWindow("SORVEL"));
    shotWhen([&](const QImage& image) {
        return linearRayMisses(image, -8, {30, 45, 60, 75}, {80, 95}) + crisp(image);
    });

    click(Place{H() + 1230, 2700, 1452, 492}.at());  // BACK TO INTRODUTION
    shotWhen([&](const QImage& image) { return need(introductionInFront(image), "the introduction in front"); });
    click(kSquareRootOption.at(0.05));
    ASSERT_TRUE(x().WaitForWindow("CASE OF SQUARE ROOT"));
    shotWhen([&](const QImage& image) { return squareRootFieldMisses(image, 1000) + crisp(image); });
}

INSTANTIATE_TEST_SUITE_P(Factors, Scaled, ::testing::Values(2.0, 1.5),
                         [](const ::testing::TestParamInfo<double>& info) {
                             return info.param == 2.0 ? std::string("Two") : std::string("OneAndAHalf");
                         });

class UnderWindowManager : public ProgramFixture {
protected:
    void SetUp() override { Start({1280, 800}, 1, true); }

    // Brings the introduction to the front as a user would, then opens a case from it; returns
    // once the window manager has given the case window the focus.
    void open(const Place& option, const std::string& title)
    {
        RunOn(x().display(), "wmctrl -a INTRODUCTION");
        ASSERT_TRUE(WaitUntil([&] { return x().ActiveWindow() == "INTRODUCTION" && introductionInFront(shot()); }))
            << "the introduction should come to the front";
        click(option.at(0.05));
        ASSERT_TRUE(WaitUntil([&] { return x().ActiveWindow() == title; })) << title;
    }
};

// The window's Width and Height are its outer size: once framed, each case window's frame is the screen.
TEST_F(UnderWindowManager, EachCaseWindowFramedIsTheSizeOfTheScreen)
{
    const auto expectFramedAsTheScreen = [&](const std::string& title) {
        QRect frame;
        EXPECT_TRUE(WaitUntil([&] { return (frame = x().OuterFrame(title)) == QRect(0, 0, 1280, 800); }))
            << title << " is framed as " << ::testing::PrintToString(frame);
    };
    expectFramedAsTheScreen("INTRODUCTION");
    open(kLinearOption, "SORVEL");
    expectFramedAsTheScreen("SORVEL");
    open(kSquareRootOption, "CASE OF SQUARE ROOT");
    expectFramedAsTheScreen("CASE OF SQUARE ROOT");
}

// While the square-root animation runs, another program the teacher switches to keeps the focus.
TEST_F(UnderWindowManager, AnotherProgramActivatedKeepsTheFocus)
{
    open(kSquareRootOption, "CASE OF SQUARE ROOT");
    x().StartClient("xlogo -geometry 100x100+1100+600");
    ASSERT_TRUE(x().WaitForWindow("xlogo"));
    // The window manager takes the request only once it manages the new window, which a loaded
    // machine can delay: ask until xlogo is active, then watch that it stays so while the train
    // runs on, each of its ticks showing the case window again.
    ASSERT_TRUE(WaitUntil([&] {
        if (x().ActiveWindow() == "xlogo")
            return true;
        RunOn(x().display(), "wmctrl -a xlogo");
        return false;
    }));
    int lost = 0;
    const Watched watched =
        watchTicks(SquareRootClock(1000), kStillTicks, [&](const QImage&) { lost += x().ActiveWindow() != "xlogo"; });
    EXPECT_GE(watched.ticks, kStillTicks) << "the square-root train should run on";
    EXPECT_EQ(lost, 0) << "xlogo lost the focus";
}

// A case window closed by its frame opens again from the introduction, with its picture.
TEST_F(UnderWindowManager, CaseWindowsClosedByTheFrameOpenAgain)
{
    for (int round = 0; round < 2; ++round) {
        open(kLinearOption, "SORVEL");
        shotWhen([&](const QImage& image) { return linearRayMisses(image, -8, {30, 45, 60, 75}, {80, 95}); });
        RunOn(x().display(), "wmctrl -c SORVEL");
        EXPECT_TRUE(WaitUntil([&] { return !x().WindowShown("SORVEL"); })) << "SORVEL should close";

        open(kSquareRootOption, "CASE OF SQUARE ROOT");
        shotWhen([&](const QImage& image) { return squareRootFieldMisses(image, 1000); });
        RunOn(x().display(), "wmctrl -c 'CASE OF SQUARE ROOT'");
        EXPECT_TRUE(WaitUntil([&] { return !x().WindowShown("CASE OF SQUARE ROOT"); }))
            << "CASE OF SQUARE ROOT should close";
    }
    // The program lives on: its introduction still comes to the front when asked.
    RunOn(x().display(), "wmctrl -a INTRODUCTION");
    EXPECT_TRUE(WaitUntil([&] { return x().ActiveWindow() == "INTRODUCTION"; }));
    EXPECT_TRUE(x().ProgramRunning());
}

// The teacher's toolkit on the real desktop: the program opened at a link's moment says on standard
// error what it left out; F1 opens KEYS and Escape closes it, the focus back in the case window;
// F11 takes the frame away and gives the screen to the window, and F11 again frames it.
class TeacherOnTheDesktop : public ProgramFixture {
protected:
    void SetUp() override
    {
        StartAt({1280, 800}, "square-root&A=2000&T=4&stopped&zoom=2", "CASE OF SQUARE ROOT");
    }
};

TEST_F(TeacherOnTheDesktop, ALinkKeysAndFullScreen)
{
    shotWhen([&](const QImage& image) { return squareRootFieldMisses(image, 2000) + squareRootFrontMisses(image, 2000, 4); });
    EXPECT_NE(errors().find("Left out of the link: \"zoom=2\" (not a word of the square-root case)"), std::string::npos) << errors();
    ASSERT_TRUE(WaitUntil([&] { return x().ActiveWindow() == "CASE OF SQUARE ROOT"; }));

    x().Keys("F1");
    ASSERT_TRUE(WaitUntil([&] { return x().ActiveWindow() == "KEYS"; })) << "KEYS should open in front";
    x().Keys("Escape");
    EXPECT_TRUE(WaitUntil([&] { return !x().WindowShown("KEYS"); })) << "Escape should close KEYS";
    EXPECT_TRUE(WaitUntil([&] { return x().ActiveWindow() == "CASE OF SQUARE ROOT"; }));

    x().Keys("F11");
    EXPECT_TRUE(WaitUntil([&] { return x().ClientArea("CASE OF SQUARE ROOT") == QRect(0, 0, 1280, 800); }))
        << "full screen, the client area should be the screen, not " << x().ClientArea("CASE OF SQUARE ROOT").x() << ","
        << x().ClientArea("CASE OF SQUARE ROOT").y() << " " << x().ClientArea("CASE OF SQUARE ROOT").width() << " x "
        << x().ClientArea("CASE OF SQUARE ROOT").height() << " (active: " << x().ActiveWindow() << ")";
    x().Keys("F11");
    EXPECT_TRUE(WaitUntil([&] { return x().ClientArea("CASE OF SQUARE ROOT").top() > 0; })) << "framed again";
}

}  // namespace
