// Makes the Windows peers, measures the primary monitor, decides who may take the front, and
// runs the message loop with the timers' pace.
#include "win32/win32_backend.h"

#include "surface/screen_scale.h"
#include "win32/accessibility.h"
#include "win32/dpi.h"
#include "win32/gdi_text_painter.h"
#include "win32/keyboard.h"
#include "win32/paced_timer.h"
#include "win32/win32_window.h"

#include "win32/windows_api.h"

#include <algorithm>
#include <cmath>

namespace win32 {
namespace {

Win32Backend* theBackend = nullptr;

}  // namespace

Win32Backend& TheWin32Backend()
{
    return *theBackend;
}

Win32Backend::Win32Backend() : text_(std::make_unique<GdiTextPainter>())
{
    theBackend = this;
}

Win32Backend::~Win32Backend()
{
    EndAccessibility();
    theBackend = nullptr;
}

std::unique_ptr<surface::WindowPeer> Win32Backend::MakeWindow(surface::Form& form)
{
    return std::make_unique<Win32Window>(form);
}

std::unique_ptr<surface::TimerPeer> Win32Backend::MakeTimer(surface::Timer& timer)
{
    return std::make_unique<PacedTimer>(timer);
}

surface::PixelSize Win32Backend::ScreenPixels() const
{
    return surface::ProgramScreen(PrimaryScreen(), ProgramScale());
}

surface::PixelSize Win32Backend::FrameSize() const
{
    const int dpi = PrimaryDpi();
    const SIZE frame = FrameExtent(Win32Window::kStyle, 0, dpi);
    const double ratio = DeviceRatio(dpi);
    return {static_cast<int>(std::lround(frame.cx / ratio)), static_cast<int>(std::lround(frame.cy / ratio))};
}

bool Win32Backend::MayTakeFront()
{
    // Until the program has once been the active application (just started) nothing else can have
    // been put in front by the user; after that, only while one of its windows is in front.
    const HWND front = GetForegroundWindow();
    if (!front)
        return true;
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    if (process == GetCurrentProcessId()) {
        wasActive_ = true;
        return true;
    }
    return !wasActive_;
}

void Win32Backend::Quit()
{
    quitting_ = true;
    PostQuitMessage(0);
}

surface::TextPainter* Win32Backend::Text()
{
    return text_.get();
}

void Win32Backend::Announce(const std::string& sentence)
{
    if (quitting_)
        return;
    const HWND front = GetForegroundWindow();
    if (Win32Window::Of(front))
        win32::Announce(front, sentence);
}

void Win32Backend::RemoveWindow(Win32Window* window)
{
    std::erase(windows_, window);
}

void Win32Backend::WindowClosed()
{
    const bool anyShown =
        std::any_of(windows_.begin(), windows_.end(), [](const Win32Window* w) { return IsWindowVisible(w->hwnd()); });
    if (!anyShown && !quitting_)
        Quit();
}

int Win32Backend::Run()
{
    for (;;) {
        const std::vector<PacedTimer*> armed = PacedTimer::Armed();
        std::vector<HANDLE> handles;
        for (const PacedTimer* timer : armed)
            handles.push_back(timer->handle());
        const DWORD count = static_cast<DWORD>(handles.size());
        // A due timer comes before the messages, and after its tick every message waiting is
        // handled: the pointer and the keyboard are never starved, and no tick queues behind another.
        const DWORD woken =
            MsgWaitForMultipleObjectsEx(count, handles.data(), INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken < WAIT_OBJECT_0 + count) {
            PacedTimer* timer = armed[woken - WAIT_OBJECT_0];
            if (PacedTimer::Exists(timer))
                timer->Due();
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return static_cast<int>(message.wParam);
            if (TakeKey(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace win32
