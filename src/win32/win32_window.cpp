// Top-level windows: their frame, raising, closing by the frame, following the focus and the DPI.
#include "win32/win32_window.h"

#include "surface/appearance.h"
#include "surface/form.h"
#include "win32/accessibility.h"
#include "win32/dpi.h"
#include "win32/native_control.h"
#include "win32/picture_window.h"
#include "win32/program_face.h"
#include "win32/utf16.h"
#include "win32/win32_backend.h"
#include "win32/win32_controls.h"

#include <algorithm>
#include <cmath>

namespace win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"SorvelWindow";

void registerClass(WNDPROC proc)
{
    static const bool registered = [proc] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

int screenPixels(double logical)
{
    return static_cast<int>(std::lround(logical * DeviceRatio(PrimaryDpi())));
}

}  // namespace

Win32Window::Win32Window(surface::Form& form) : form_(form)
{
    registerClass(&Win32Window::windowProc);
    hwnd_ = CreateWindowExW(0, kWindowClass, ToUtf16(form.Caption()).c_str(), kStyle | WS_CLIPCHILDREN, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
                            this);
    ratio_ = DeviceRatio(WindowDpi(hwnd_));
    TheWin32Backend().AddWindow(this);
}

Win32Window::~Win32Window()
{
    TheWin32Backend().RemoveWindow(this);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

Win32Window* Win32Window::Of(HWND hwnd)
{
    wchar_t name[32];
    if (!hwnd || !GetClassNameW(hwnd, name, 32) || lstrcmpW(name, kWindowClass) != 0)
        return nullptr;
    return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HFONT Win32Window::font() const
{
    return ProgramFont(static_cast<int>(std::lround(surface::kFontPixels * ratio_)));
}

void Win32Window::SetOuterGeometry(const surface::PixelRect& rect)
{
    // The windows are laid out on the primary monitor, whose DPI gives their places.
    const int left = screenPixels(rect.left), top = screenPixels(rect.top);
    SetWindowPos(hwnd_, nullptr, left, top, screenPixels(rect.left + rect.width) - left,
                 screenPixels(rect.top + rect.height) - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::Show(bool toFront)
{
    // The square-root window shows itself on every tick: a window shown and in front stays as it is.
    if (!IsWindowVisible(hwnd_))
        ShowWindow(hwnd_, toFront ? SW_SHOW : SW_SHOWNA);
    if (toFront && GetForegroundWindow() != hwnd_) {
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(hwnd_);
    }
}

void Win32Window::Hide()
{
    ShowWindow(hwnd_, SW_HIDE);
}

std::unique_ptr<surface::CaptionPeer> Win32Window::MakeButton(surface::CommandButton& button)
{
    return win32::MakeButton(*this, button);
}

std::unique_ptr<surface::TogglePeer> Win32Window::MakeOptionButton(surface::OptionButton& option)
{
    return win32::MakeOptionButton(*this, option);
}

std::unique_ptr<surface::TogglePeer> Win32Window::MakeCheckBox(surface::CheckBox& box)
{
    return win32::MakeCheckBox(*this, box);
}

std::unique_ptr<surface::ScrollBarPeer> Win32Window::MakeScrollBar(surface::ScrollBar& bar)
{
    return win32::MakeScrollBar(*this, bar);
}

std::unique_ptr<surface::CaptionPeer> Win32Window::MakeLabel(surface::Label& label)
{
    return win32::MakeLabel(*this, label);
}

std::unique_ptr<surface::TextBoxPeer> Win32Window::MakeTextBox(surface::TextBox& box)
{
    return win32::MakeTextBox(*this, box);
}

std::unique_ptr<surface::PicturePeer> Win32Window::MakePicture(surface::Picture& picture)
{
    return win32::MakePicture(*this, picture);
}

void Win32Window::SetGroup(const std::string& name, const std::vector<surface::ControlPeer*>& members)
{
    // Windows has no grouping object for loose option buttons: each says its group's name.
    for (surface::ControlPeer* member : members)
        if (auto* control = dynamic_cast<NativeControl*>(member))
            Annotate(control->hwnd(), Annotation::Group, name);
}

void Win32Window::Adopt(NativeControl& control)
{
    controls_.push_back(&control);
}

void Win32Window::Release(NativeControl& control)
{
    std::erase(controls_, &control);
    if (focused_ == &control)
        FocusMovedTo(nullptr);
    if (lastFocus_ == control.hwnd())
        lastFocus_ = nullptr;
}

void Win32Window::FocusMovedTo(NativeControl* control)
{
    focused_ = control;
    if (control)
        lastFocus_ = control->hwnd();
    if (!control) {
        ring_.Hide();
        return;
    }
    ControlMoved(*control);
}

void Win32Window::ControlMoved(NativeControl& control)
{
    if (&control != focused_)
        return;
    if (!IsWindowVisible(control.hwnd())) {
        ring_.Hide();
        return;
    }
    ring_.Surround(hwnd_, control.OutlineArea(),
                   std::max(1, static_cast<int>(std::lround(surface::kFocusOutlineWidth * ratio_))));
}

void Win32Window::closedByFrame()
{
    // The form destroys this peer: nothing of it is touched after.
    surface::Form& form = form_;
    form.FrameClosed();
    TheWin32Backend().WindowClosed();
}

void Win32Window::dpiChanged(int dpi, const RECT& suggested)
{
    ratio_ = DeviceRatio(dpi);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A copy: a picture carried over at the new ratio may not add or drop a control, but be safe.
    for (NativeControl* control : std::vector<NativeControl*>(controls_))
        control->Rescale();
}

LRESULT CALLBACK Win32Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT Win32Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (NativeControl* control = NativeControl::Of(reinterpret_cast<HWND>(lParam)))
            control->Command(HIWORD(wParam));
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (NativeControl* control = NativeControl::Of(reinterpret_cast<HWND>(lParam)))
            control->Scroll(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        closedByFrame();
        return 0;
    case WM_ACTIVATE:
        // Activated again, the window gives the focus back to the control that had it.
        if (LOWORD(wParam) != WA_INACTIVE && lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_ACTIVATEAPP:
        if (wParam)
            TheWin32Backend().BecameActive();
        break;
    case 0x02E0:  // WM_DPICHANGED
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace win32
