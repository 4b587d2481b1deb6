// Drives a handler from a single-shot QTimer armed again after each tick, so ticks never queue up.
#include "surface/timer.h"

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

}  // namespace

Timer::Timer(QObject* owner, int interval, bool enabled, std::function<void()> onTick)
    : QObject(owner), interval_(interval), onTick_(std::move(onTick))
{
    allTimers().insert(this);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Timer::onTimeout);
    SetEnabled(enabled);
}

void Timer::onTimeout()
{
    lastTickStarted_.start();
    Tick();
    if (enabled_)
        timer_.start(NextTickDelayMs(interval_, static_cast<double>(lastTickStarted_.nsecsElapsed()) / 1e6));
}

void Timer::Tick()
{
    static bool ticking = false;
    if (!enabled_ || !onTick_ || ticking)
        return;
    ticking = true;
    struct Done {
        ~Done() { ticking = false; }
    } done;
    onTick_();
}

Timer::~Timer()
{
    allTimers().erase(this);
}

void Timer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled) {
        timer_.stop();
        return;
    }
    if (timer_.isActive())
        return;
    const double since = lastTickStarted_.isValid() ? static_cast<double>(lastTickStarted_.nsecsElapsed()) / 1e6 : 0;
    timer_.start(NextTickDelayMs(interval_, since));
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
