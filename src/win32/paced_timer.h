// A window's timer on Windows: a waitable timer the message loop waits on beside the messages.
// SetTimer alone ticks at the system's 64 Hz on many PCs and queues WM_TIMER behind a long
// tick; a waitable timer signals once, when it is due, to the millisecond.
#pragma once

#include "surface/backend.h"

#include "win32/windows_api.h"

#include <vector>

namespace surface {
class Timer;
}

namespace win32 {

class PacedTimer : public surface::TimerPeer {
public:
    explicit PacedTimer(surface::Timer& timer);
    ~PacedTimer() override;
    PacedTimer(const PacedTimer&) = delete;
    PacedTimer& operator=(const PacedTimer&) = delete;

    void Arm(int delayMs) override;
    void Disarm() override;

    // What the message loop waits on: the handles of the armed timers, and the timer of each.
    static std::vector<PacedTimer*> Armed();
    HANDLE handle() const { return handle_; }
    // Its handle was signalled: one tick, which arms it again while the timer stays enabled.
    void Due();
    // Whether this timer still exists, for a loop whose earlier tick may have closed its window.
    static bool Exists(const PacedTimer* timer);

private:
    surface::Timer& timer_;
    HANDLE handle_;
    bool armed_ = false;
};

}  // namespace win32
