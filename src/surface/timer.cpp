// Drives a handler from a QTimer; a long tick delays the next one instead of queuing several.
#include "surface/timer.h"

#include <QGuiApplication>
#include <QScreen>

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
    timer_.setInterval(TickPeriodMs(interval));
    connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
    SetEnabled(enabled);
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
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

void Timer::StopAll()
{
    for (Timer* timer : allTimers())
        timer->SetEnabled(false);
}

int Timer::TickPeriodMs(int interval)
{
    double refresh = 60;  // a usual display when the screen does not say
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->refreshRate() > 1)
        refresh = screen->refreshRate();
    const int frame = static_cast<int>(std::ceil(1000.0 / refresh));
    return std::max(interval, frame);
}

}  // namespace surface
