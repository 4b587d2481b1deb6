// The times a case window remembers between events: its timer's and its time bar's, each the latest and the one before.
#pragma once

namespace windows {

// Each handler fades the fronts of the previous time and draws those of the latest; the timer
// and the time bar keep separate memories, so neither erases what the other drew.
struct TimeMemories {
    double TIMER_NOW = 0;
    double TIMER_PREV = 0;
    double SCROLL_NOW = 0;
    double SCROLL_PREV = 0;
};

}  // namespace windows
