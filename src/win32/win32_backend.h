// The Windows back end of the surface: standard controls and GDI, waitable timers in the message loop.
#pragma once

#include "surface/backend.h"

#include <memory>
#include <vector>

namespace win32 {

class Win32Window;

class Win32Backend : public surface::Backend {
public:
    Win32Backend();
    ~Win32Backend() override;

    std::unique_ptr<surface::WindowPeer> MakeWindow(surface::Form& form) override;
    std::unique_ptr<surface::TimerPeer> MakeTimer(surface::Timer& timer) override;
    surface::PixelSize ScreenPixels() const override;
    surface::PixelSize FrameSize() const override;
    bool MayTakeFront() override;
    void Quit() override;
    surface::TextPainter* Text() override;
    void Announce(const std::string& sentence) override;

    // Runs the message loop until Quit; returns the program's exit code.
    int Run();

    void AddWindow(Win32Window* window) { windows_.push_back(window); }
    void RemoveWindow(Win32Window* window);
    // A window was closed by its frame: as on the other desktops, the program ends with its last window.
    void WindowClosed();
    // The program became the active application.
    void BecameActive() { wasActive_ = true; }

private:
    std::unique_ptr<surface::TextPainter> text_;
    std::vector<Win32Window*> windows_;
    bool wasActive_ = false;
    bool quitting_ = false;
};

Win32Backend& TheWin32Backend();

}  // namespace win32
