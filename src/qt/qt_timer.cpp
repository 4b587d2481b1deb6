// Fires the neutral timer from the event loop.
#include "qt/qt_timer.h"

#include "surface/timer.h"

namespace qt {

QtTimer::QtTimer(surface::Timer& timer)
{
    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setSingleShot(true);
    QObject::connect(&clock_, &QTimer::timeout, [&timer] { timer.Fire(); });
}

void QtTimer::Arm(int delayMs)
{
    clock_.start(delayMs);
}

void QtTimer::Disarm()
{
    clock_.stop();
}

}  // namespace qt
