// The timer: a tick never runs inside another tick, the tick period never below one frame.
#include "surface/timer.h"

#include <gtest/gtest.h>

namespace {

using surface::Timer;

TEST(Timer, ATickNeverInterruptsAnotherAndADisabledTimerIsSilent)
{
    int outer = 0, inner = 0;
    Timer second(nullptr, 1, true, [&] { ++inner; });
    // A modal message box during a tick runs the event loop, which may deliver another tick then.
    Timer first(nullptr, 1, true, [&] {
        ++outer;
        second.Tick();
        first.Tick();
    });
    first.Tick();
    EXPECT_EQ(outer, 1);
    EXPECT_EQ(inner, 0);
    second.Tick();  // once the first tick is over, the other timer ticks again
    EXPECT_EQ(inner, 1);
    second.SetEnabled(false);
    second.Tick();
    EXPECT_EQ(inner, 1);
    Timer::StopAll();
    EXPECT_FALSE(first.Enabled());
}

TEST(Timer, TicksComeAtMostOncePerFrame)
{
    EXPECT_GE(Timer::TickPeriodMs(1), 16);  // one frame of a 60 Hz screen at least
    EXPECT_EQ(Timer::TickPeriodMs(100), 100);
}

}  // namespace
