// A timer's clock on the desktop: a precise single-shot QTimer.
#pragma once

#include "surface/backend.h"

#include <QTimer>

namespace surface {
class Timer;
}

namespace qt {

class QtTimer : public surface::TimerPeer {
public:
    explicit QtTimer(surface::Timer& timer);
    void Arm(int delayMs) override;
    void Disarm() override;

private:
    QTimer clock_;
};

}  // namespace qt
