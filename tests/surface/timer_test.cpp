// The timer: a tick never runs inside another tick; ticks start at most sixty times a second and never queue.
#include "surface/timer.h"

#include <gtest/gtest.h>

namespace {

using surface::Timer;

TEST(Timer, ATickNeverInterruptsAnotherAndADisabledTimerIsSilent)
{
    int outer = 0, inner = 0;
    Timer second(1, true, [&] { ++inner; });
    // A modal message box during a tick runs the event loop, which may deliver another tick then.
    Timer first(1, true, [&] {
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

TEST(Timer, TicksStartAtMostSixtyTimesASecondAndNeverQueue)
{
    struct Case {
        int interval;
        double sinceLastStart, delay;
    };
    for (const Case& c : {Case{1, 0, 17},      // 1/60 s from the start of the last tick, rounded up
                          Case{1, 5.5, 12},    // the tick itself took 5.5 ms
                          Case{1, 16.7, 0},    // a long tick: the next at once
                          Case{1, 250, 0},     // however long, one tick follows, not a backlog
                          Case{100, 30, 70}})  // a slower interval of the program's own is kept
        EXPECT_EQ(Timer::NextTickDelayMs(c.interval, c.sinceLastStart), c.delay)
            << c.interval << " ms after " << c.sinceLastStart;
}

}  // namespace
