// The next tick is due one period after the last one was due, not after the frame that brought
// it, so a 144 Hz display ticks on the frames nearest to each sixtieth of a second.
#include "web/frame_pacer.h"

namespace web {

namespace {
// Frame times jitter by a fraction of a millisecond; a frame this early still counts as on time.
constexpr double kEarlyMs = 1;
}  // namespace

bool FramePacer::TickAt(double nowMs)
{
    if (next_.set && nowMs + kEarlyMs < next_.at)
        return false;
    // Behind by more than a period (a hidden tab, a long tick): start afresh from this frame.
    if (!next_.set || nowMs - next_.at > periodMs_)
        next_.at = nowMs;
    next_.at += periodMs_;
    next_.set = true;
    return true;
}

}  // namespace web
