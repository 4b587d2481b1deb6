// The stops of a tab order and the way round them, groups of option buttons as one stop each.
#include "surface/tab_stops.h"

#include "surface/controls.h"

#include <algorithm>

namespace surface {
namespace {

// The button by which Tab enters the group of this option.
const OptionButton* stopOfGroup(const OptionButton& option)
{
    const std::vector<OptionButton*>& group = option.group().members();
    const auto selected = std::find_if(group.begin(), group.end(), [](const OptionButton* o) { return o->Value(); });
    return selected != group.end() ? *selected : group.front();
}

// The stop a control stands for: itself, or its group's.
const Control* stopOf(const Control* control)
{
    if (const auto* option = dynamic_cast<const OptionButton*>(control))
        return stopOfGroup(*option);
    return control;
}

}  // namespace

std::vector<const Control*> TabStops(const std::vector<const Control*>& order)
{
    std::vector<const Control*> stops;
    for (const Control* control : order) {
        if (!control->Visible())
            continue;
        const Control* stop = stopOf(control);
        if (std::find(stops.begin(), stops.end(), stop) == stops.end())
            stops.push_back(stop);
    }
    return stops;
}

const Control* FirstTabStop(const std::vector<const Control*>& order)
{
    return NextTabStop(order, nullptr, false);
}

const Control* NextTabStop(const std::vector<const Control*>& order, const Control* from, bool backward)
{
    const std::vector<const Control*> stops = TabStops(order);
    if (stops.empty())
        return nullptr;
    const auto at = from ? std::find(stops.begin(), stops.end(), stopOf(from)) : stops.end();
    if (at == stops.end())
        return backward ? stops.back() : stops.front();
    if (backward)
        return at == stops.begin() ? nullptr : *(at - 1);
    return at + 1 == stops.end() ? nullptr : *(at + 1);
}

}  // namespace surface
