// The rules the surface keeps for every back end: one selected option a group, Click and Change
// exactly when the user or the program acts, and a window closed by its frame coming back fresh.
#include "surface/application.h"
#include "surface/controls.h"
#include "window_support.h"
#include "windows/introduction.h"
#include "windows/square_root_case.h"
#include "windows/startup.h"

#include <cmath>

namespace {

using shell::INTROD;
using square_root::SQUARE_RIZA;

TEST(Controls, AnOptionGroupKeepsOneSelectedAndClicksAsTheUserActs)
{
    shell::StartUp();
    SQUARE_RIZA& riza = SQUARE_RIZA::instance();
    auto& c = riza.controls();
    int clicks = 0;
    c.starttimer->OnClick = [&] { ++clicks; };
    EXPECT_FALSE(c.starttimer->Value());  // neither is selected at design
    EXPECT_FALSE(c.CONTINUETIME->Value());
    c.starttimer->UserClick();
    EXPECT_TRUE(c.starttimer->Value());
    c.CONTINUETIME->UserClick();
    EXPECT_FALSE(c.starttimer->Value());
    EXPECT_TRUE(c.CONTINUETIME->Value());
    c.starttimer->SetValue(true);  // the program selects: no Click
    EXPECT_FALSE(c.CONTINUETIME->Value());
    c.starttimer->UserClick();  // clicking the selected option clicks again
    EXPECT_EQ(clicks, 2);

    // Each window has a group of its own.
    INTROD::instance().controls().Option1->UserClick();
    EXPECT_TRUE(INTROD::instance().controls().Option1->Value());
    EXPECT_FALSE(INTROD::instance().controls().Option2->Value());
    EXPECT_TRUE(c.starttimer->Value());
}

TEST(Controls, ScrollBarsKeepTheirRangeAndChangeOnlyWhenTheValueDoes)
{
    sorvel_kampyles::ShowSquareRootCase();
    surface::ScrollBar& A = *SQUARE_RIZA::instance().controls().HScroll1;
    int changes = 0;
    A.OnChange = [&] { ++changes; };
    A.SetValue(1000);  // its value already
    EXPECT_EQ(changes, 0);
    A.UserMove(99999);
    EXPECT_EQ(A.Value(), 5000);
    A.SetValue(-3);
    EXPECT_EQ(A.Value(), 500);
    EXPECT_EQ(changes, 2);
}

// What a press along a bar does: on the thumb it holds it and the value follows the pointer; in
// the trough it pages once toward the press, for a tap of a finger as for a click.
TEST(Controls, APressOnTheThumbDragsAndAPressInTheTroughPagesOnce)
{
    sorvel_kampyles::ShowSquareRootCase();
    surface::ScrollBar& A = *SQUARE_RIZA::instance().controls().HScroll1;  // 500..5000, page 100, at 1000
    const surface::ThumbExtent at1000 = A.Thumb();
    ASSERT_GT(at1000.barLength, 100);
    EXPECT_EQ(at1000.length, surface::ScrollBar::kThumbLength);
    EXPECT_EQ(at1000.start, std::lround((at1000.barLength - at1000.length) * 500.0 / 4500));

    // Three quarters along the trough: one page up, not a jump to where the press was.
    EXPECT_FALSE(A.UserPress(at1000.barLength * 0.75, true));
    EXPECT_EQ(A.Value(), 1100);
    EXPECT_FALSE(A.UserPress(1, false));
    EXPECT_EQ(A.Value(), 1000);

    // Held at its middle, the thumb goes where the pointer goes (to the pixel it is drawn at), and
    // no further than the ends.
    const double middle = at1000.start + at1000.length / 2.0;
    const double travel = at1000.barLength - at1000.length;
    ASSERT_TRUE(A.UserPress(middle, false));
    A.UserDrag(middle + travel * 2000.0 / 4500);
    EXPECT_NEAR(A.Value(), 3000, 4500.0 / travel);
    EXPECT_NEAR(A.Thumb().start, at1000.start + travel * 2000.0 / 4500, 1);
    A.UserDrag(at1000.barLength * 2.0);
    EXPECT_EQ(A.Value(), 5000);
    EXPECT_EQ(A.Thumb().start + A.Thumb().length, A.Thumb().barLength);
    A.UserDrag(-50);
    EXPECT_EQ(A.Value(), 500);
    EXPECT_EQ(A.Thumb().start, 0);

    // Just beside the thumb a mouse pages, while a finger, given a larger target, holds the thumb.
    const double beside = A.Thumb().length + 3;
    EXPECT_TRUE(A.UserPress(beside, true));
    EXPECT_EQ(A.Value(), 500);
    EXPECT_FALSE(A.UserPress(beside, false));
    EXPECT_EQ(A.Value(), 600);
}

TEST(Controls, ClosingByTheFrameStopsTheWindowsTimerAndEndStopsEveryOne)
{
    sorvel_kampyles::ShowSquareRootCase();
    EXPECT_EQ(headless::Headless().ArmedTimers(), 1);
    SQUARE_RIZA::instance().FrameClosed();
    EXPECT_EQ(headless::Headless().ArmedTimers(), 0);
    headless::Headless().FireTimers();  // nothing is left to tick a closed window
    EXPECT_FALSE(SQUARE_RIZA::instance().IsLoaded());

    sorvel_kampyles::ShowSquareRootCase();
    shell::StartUp();
    EXPECT_FALSE(surface::EndRequested());
    INTROD::instance().Command1_Click();  // END
    EXPECT_TRUE(surface::EndRequested());
    EXPECT_TRUE(headless::Headless().QuitCalled());
    EXPECT_EQ(headless::Headless().ArmedTimers(), 0);
    EXPECT_EQ(headless::Headless().FrontCaption(), "");
}

}  // namespace
