// The rules the surface keeps for every back end: one selected option a group, Click and Change
// exactly when the user or the program acts, and a window closed by its frame coming back fresh.
#include "surface/application.h"
#include "surface/controls.h"
#include "window_support.h"
#include "windows/introd.h"
#include "windows/square_riza.h"
#include "windows/startup.h"

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
