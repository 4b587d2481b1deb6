// A window's timer: Interval is the program's value; ticks come at most once per display frame.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace surface {

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* owner, int interval, bool enabled, std::function<void()> onTick);
    ~Timer() override;

    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // What a tick of the clock does: runs the handler while enabled, unless a tick handler of any
    // timer is still running. A modal message box shown during a tick runs the event loop inside
    // it, and a tick must never interrupt a handler.
    void Tick();

    // Stops every timer of the program, for End.
    static void StopAll();

    // The real time between ticks: the program's interval, but never shorter than one frame of
    // the primary screen, so the animation looks the same on fast and slow machines.
    static int TickPeriodMs(int interval);

private:
    int interval_;
    bool enabled_ = false;
    std::function<void()> onTick_;
    QTimer timer_;
};

}  // namespace surface
