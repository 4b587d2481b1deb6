// Hands announcements to the back end and counts them, so that a running animation waits after each.
#include "surface/announcements.h"

#include "surface/backend.h"

#include <utility>

namespace surface {
namespace {
long long announced = 0;  // sentences said in this run
int actions = 0;          // user's actions running now, one inside another
std::string pending;      // the last sentence of the user's action that runs

void say(const std::string& sentence)
{
    ++announced;
    TheBackend().Announce(sentence);
}
}  // namespace

void Announce(const std::string& sentence)
{
    if (actions > 0)
        pending = sentence;
    else
        say(sentence);
}

UserAction::UserAction()
{
    ++actions;
}

UserAction::~UserAction()
{
    if (--actions > 0 || pending.empty())
        return;
    const std::string sentence = std::move(pending);
    pending.clear();
    say(sentence);
}

bool AnimationNarrator::TickDue()
{
    if (heard_ != announced) {
        heard_ = announced;
        ticks_ = 0;
    }
    if (++ticks_ < kTicks)
        return false;
    ticks_ = 0;
    return true;
}

}  // namespace surface
