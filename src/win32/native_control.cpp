// Child windows of the standard classes, subclassed so that the focus outline follows them.
#include "win32/native_control.h"

#include "win32/accessibility.h"
#include "win32/win32_window.h"

#include <cmath>

namespace win32 {

NativeControl::NativeControl(Win32Window& window, const surface::Control& control, const wchar_t* windowClass,
                             DWORD style, DWORD exStyle)
    : window_(window), control_(control)
{
    hwnd_ = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, window.hwnd(),
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeControl::subclassProc)));
    // Windows puts a new child behind its older siblings; as on the other desktops, the newer
    // stands in front where two overlap.
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(window.font()), FALSE);
    window.Adopt(*this);
}

NativeControl::~NativeControl()
{
    window_.Release(*this);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    DestroyWindow(hwnd_);
}

NativeControl* NativeControl::Of(HWND hwnd)
{
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&NativeControl::subclassProc))
        return nullptr;
    return reinterpret_cast<NativeControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK NativeControl::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<NativeControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const WNDPROC original = self->original_;
    switch (message) {
    case WM_SETFOCUS:
        self->window_.FocusMovedTo(self);
        break;
    case WM_KILLFOCUS:
        self->window_.FocusMovedTo(nullptr);
        break;
    case WM_LBUTTONDOWN:
        // A scroll bar takes the focus when clicked, as every control the user acts on does.
        if (GetFocus() != hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP))
            SetFocus(hwnd);
        break;
    default:
        break;
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

int NativeControl::device(double logical) const
{
    return static_cast<int>(std::lround(logical * window_.ratio()));
}

void NativeControl::place(const surface::PixelRect& rect)
{
    logical_ = rect;
    // Edges rounded rather than sizes, so that controls that meet in logical pixels meet on the screen.
    const int left = device(rect.left), top = device(rect.top);
    SetWindowPos(hwnd_, nullptr, left, top, device(rect.left + rect.width) - left, device(rect.top + rect.height) - top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    placed();
    window_.ControlMoved(*this);
}

void NativeControl::Rescale()
{
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(window_.font()), FALSE);
    place(logical_);
}

RECT NativeControl::OutlineArea() const
{
    RECT area;
    GetWindowRect(hwnd_, &area);
    MapWindowPoints(nullptr, window_.hwnd(), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void NativeControl::show(bool visible)
{
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    window_.ControlMoved(*this);
}

void NativeControl::name(const std::string& name)
{
    Annotate(hwnd_, Annotation::Name, name);
}

void NativeControl::describe(const std::string& description)
{
    Annotate(hwnd_, Annotation::Description, description);
}

void NativeControl::setValueText(const std::string& text)
{
    Annotate(hwnd_, Annotation::Value, text);
}

void NativeControl::focus()
{
    SetFocus(hwnd_);
}

}  // namespace win32
