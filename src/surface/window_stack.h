// The order of the shown windows, back to front, and which of them takes input: one rule for the
// back ends that stack their windows themselves (the page, the headless one).
#pragma once

#include <algorithm>
#include <vector>

namespace surface {

template <class Window>
class WindowStack {
public:
    // Shows a window: in front when toFront, else where it is, or behind the others when it was
    // not shown. Returns whether the order changed; a window shown again where it is (the
    // square-root window shows itself on every tick) changes nothing.
    bool Show(Window* window, bool toFront)
    {
        const auto at = std::find(order_.begin(), order_.end(), window);
        if (at != order_.end() && (!toFront || at == order_.end() - 1))
            return false;
        if (at != order_.end())
            order_.erase(at);
        order_.insert(toFront ? order_.end() : order_.begin(), window);
        return true;
    }
    // Returns whether it was shown.
    bool Hide(Window* window) { return std::erase(order_, window) > 0; }

    bool Shown(const Window* window) const { return std::find(order_.begin(), order_.end(), window) != order_.end(); }
    // The window in front, or null when none is shown.
    Window* Front() const { return order_.empty() ? nullptr : order_.back(); }
    // Only the window in front takes the keyboard, the pointer and a screen reader's attention,
    // as a window behind another does on a desktop.
    bool TakesInput(const Window* window) const { return window != nullptr && window == Front(); }
    // Back to front.
    const std::vector<Window*>& Order() const { return order_; }

private:
    std::vector<Window*> order_;
};

}  // namespace surface
