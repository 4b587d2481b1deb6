// A window's timer: Interval is the program's value; ticks come at most sixty times a second.
#pragma once

#include "surface/backend.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace surface {

class Timer {
public:
    Timer(int interval, bool enabled, std::function<void()> onTick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // What a tick of the clock does: runs the handler while enabled, unless a tick handler of any
    // timer is still running. A modal message box shown during a tick runs the event loop inside
    // it, and a tick must never interrupt a handler.
    void Tick();

    // The back end's clock came due: one tick, then the clock is armed for the next.
    void Fire();

    // Stops every timer of the program, for End.
    static void StopAll();
    // A tick handler of some timer is running: what happens now is no user's doing.
    static bool Ticking();

    // How long to wait before the next tick, given how long ago the last one started: the start
    // of one tick is at least the program's interval and at least 1/60 s after the start of the
    // one before, so the animation runs at the same pace on a 60 Hz projector and a 144 Hz
    // laptop. After a tick that took longer, the next one comes at once, and only one.
    static int NextTickDelayMs(int interval, double msSinceLastTickStarted);

private:
    using Clock = std::chrono::steady_clock;
    double msSinceLastTickStarted() const;

    int interval_;
    bool enabled_ = false;
    std::function<void()> onTick_;
    std::optional<Clock::time_point> lastTickStarted_;
    std::unique_ptr<TimerPeer> peer_;
};

}  // namespace surface
