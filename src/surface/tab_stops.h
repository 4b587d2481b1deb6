// Where Tab and Shift+Tab move the keyboard focus within a window: one rule for every back end.
#pragma once

#include <vector>

namespace surface {

class Control;

// The stops of a window's tab order (its controls in TabIndex order): every shown control, and an
// option group once, at its selected button (its first one while none is selected).
std::vector<const Control*> TabStops(const std::vector<const Control*>& order);

// Where the focus lands when it enters a window: its first stop, or null when it has none.
const Control* FirstTabStop(const std::vector<const Control*>& order);

// Where Tab (Shift+Tab when backward) moves the focus from `from`: the next stop, or null past
// the last stop (before the first), where a window's own frame may take the focus before it goes
// round. From a control that is no stop (null, the frame, an unselected option), the first (last)
// stop; an option stands for the stop of its group.
const Control* NextTabStop(const std::vector<const Control*>& order, const Control* from, bool backward);

}  // namespace surface
