// Ticks a handler on the back end's one-shot clock, armed again after each tick, so ticks never queue up.
#include "surface/timer.h"

#include "surface/teacher.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace surface {
namespace {

std::set<Timer*>& allTimers()
{
    static std::set<Timer*> timers;
    return timers;
}

bool ticking = false;  // a tick handler of some timer is running

}  // namespace

Timer::Timer(int interval, bool enabled, std::function<void()> onTick)
    : interval_(interval), onTick_(std::move(onTick)), peer_(TheBackend().MakeTimer(*this))
{
    allTimers().insert(this);
    SetEnabled(enabled);
}

Timer::~Timer()
{
    allTimers().erase(this);
}

double Timer::msSinceLastTickStarted() const
{
    if (!lastTickStarted_)
        return 0;
    return std::chrono::duration<double, std::milli>(Clock::now() - *lastTickStarted_).count();
}

void Timer::Fire()
{
    lastTickStarted_ = Clock::now();
    Tick();
    if (enabled_)
        peer_->Arm(NextTickDelayMs(interval_, msSinceLastTickStarted()));
}

void Timer::Tick()
{
    if (!enabled_ || !onTick_ || ticking)
        return;
    ticking = true;
    struct Done {
        ~Done() { ticking = false; }
    } done;
    onTick_();
}

void Timer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled)
        peer_->Arm(NextTickDelayMs(interval_, msSinceLastTickStarted()));
    else
        peer_->Disarm();
    teacher::UpdateKeepAwake();
}

bool Timer::Ticking()
{
    return ticking;
}

void Timer::StopAll()
{
    for (Timer* timer : allTimers())
        timer->SetEnabled(false);
}

int Timer::NextTickDelayMs(int interval, double msSinceLastTickStarted)
{
    constexpr double kShortestPeriodMs = 1000.0 / 60;  // one frame of the usual display
    const double period = std::max(static_cast<double>(interval), kShortestPeriodMs);
    return static_cast<int>(std::ceil(std::max(0.0, period - msSinceLastTickStarted)));
}

}  // namespace surface
