// Ticks on display frames: at most one tick a frame, sixty a second on average whatever the
// display's refresh rate, and after a long pause or a long tick one tick, not a backlog.
#pragma once

namespace web {

class FramePacer {
public:
    explicit FramePacer(double periodMs) : periodMs_(periodMs) {}

    // Whether the frame that starts at nowMs (the display's clock) brings a tick.
    bool TickAt(double nowMs);
    // The next frame ticks at once, as a timer just enabled does.
    void Restart() { next_.reset(); }

private:
    struct Next {
        double at = 0;
        bool set = false;
        void reset() { set = false; }
    };
    double periodMs_;
    Next next_;
};

}  // namespace web
