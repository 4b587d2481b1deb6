// What changes is said politely: once for a user's action, and now and then while an animation runs.
#pragma once

#include <string>

namespace surface {

// Says in one short sentence what a user's action changed, after whatever is being said. Within
// a user's action only its last sentence is said, once the action is done: an option button that
// also moves a bar is one action, and one sentence.
void Announce(const std::string& sentence);

// Marks a user's action (a click, a key, a move of a bar) for as long as its handlers run.
class UserAction {
public:
    UserAction();
    ~UserAction();
    UserAction(const UserAction&) = delete;
    UserAction& operator=(const UserAction&) = delete;
};

// Paces what a running animation says about its time: at most once in kTicks ticks of its timer.
// Ticks come at most sixty a second, so two such sentences are at least five seconds apart on
// any display, and fewer come on a slow machine; a sentence of the user's starts the wait anew,
// so the animation never talks over what an action has just said.
class AnimationNarrator {
public:
    static constexpr int kTicks = 300;  // five seconds of ticks at the most the timers give

    // Counts a tick of the running animation; true when this tick may speak.
    bool TickDue();
    // The animation stopped or started again: the wait starts anew.
    void Restart() { ticks_ = 0; }

private:
    int ticks_ = 0;
    long long heard_ = 0;  // the count of announcements when this narrator last looked
};

}  // namespace surface
