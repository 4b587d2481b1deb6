// Tab moves where surface::NextTabStop says; Windows' own dialog navigation, which follows the
// child windows' order, is not used.
#include "win32/keyboard.h"

#include "surface/form.h"
#include "surface/tab_stops.h"
#include "win32/native_control.h"
#include "win32/win32_window.h"

namespace win32 {
namespace {

bool tab(const MSG& message)
{
    Win32Window* window = Win32Window::Of(GetAncestor(message.hwnd, GA_ROOT));
    if (!window)
        return false;
    const NativeControl* focused = NativeControl::Of(GetFocus());
    const surface::Control* from = focused ? &focused->control() : nullptr;
    const bool backward = GetKeyState(VK_SHIFT) < 0;
    const std::vector<const surface::Control*>& order = window->form().TabOrder();
    const surface::Control* next = surface::NextTabStop(order, from, backward);
    // Past the last stop the focus goes round: a Windows frame takes no focus of its own.
    if (!next)
        next = surface::NextTabStop(order, nullptr, backward);
    if (next)
        next->TakeFocus();
    return true;
}

}  // namespace

bool TakeKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN)
        return false;
    if (message.wParam == VK_TAB)
        return tab(message);
    NativeControl* control = NativeControl::Of(message.hwnd);
    return control && control->Key(message.wParam);
}

}  // namespace win32
