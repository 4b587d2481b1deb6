// What every peer of a standard control has: its child window, which goes with the peer, its
// place in the program's logical pixels (shown in device pixels of its window's monitor), the
// messages its window hands on, and what a screen reader is told of it.
#pragma once

#include "surface/backend.h"

#include "win32/windows_api.h"

#include <string>

namespace surface {
class Control;
}

namespace win32 {

class Win32Window;

class NativeControl {
public:
    NativeControl(Win32Window& window, const surface::Control& control, const wchar_t* windowClass, DWORD style,
                  DWORD exStyle = 0);
    virtual ~NativeControl();
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    // The peer of one of the program's controls, or null for any other window.
    static NativeControl* Of(HWND hwnd);

    HWND hwnd() const { return hwnd_; }
    const surface::Control& control() const { return control_; }
    Win32Window& window() const { return window_; }

    // A notification from the control (WM_COMMAND), a scroll request (WM_HSCROLL, WM_VSCROLL).
    virtual void Command(WORD /*notification*/) {}
    virtual void Scroll(WORD /*request*/) {}
    // A key pressed while the control has the focus, before it sees it; true where it was taken.
    virtual bool Key(WPARAM /*key*/) { return false; }
    // Its window moved to a monitor of another DPI: placed and lettered again.
    virtual void Rescale();
    // What the focus outline goes round, in the window's client pixels: the whole control.
    virtual RECT OutlineArea() const;

protected:
    void place(const surface::PixelRect& rect);
    void show(bool visible);
    void name(const std::string& name);
    void describe(const std::string& description);
    void focus();
    // Device pixels of a length in the program's logical pixels, on this window's monitor.
    int device(double logical) const;
    // Called once the control stands at its new place.
    virtual void placed() {}
    // What a screen reader says of its value, for a control that has one.
    void setValueText(const std::string& text);

private:
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    Win32Window& window_;
    const surface::Control& control_;
    HWND hwnd_;
    WNDPROC original_;
    surface::PixelRect logical_;
};

// The surface's side of a peer: geometry, visibility, names and focus, all the same for every kind.
template <class Peer>
class Native : public Peer, public NativeControl {
public:
    using NativeControl::NativeControl;
    void SetGeometry(const surface::PixelRect& rect) override { place(rect); }
    void SetVisible(bool visible) override { show(visible); }
    void SetAccessibleName(const std::string& text) override { name(text); }
    void SetDescription(const std::string& text) override { describe(text); }
    void TakeFocus() override { focus(); }
    // A standard control is named by its own caption, and the others by the name the surface gives
    // them, which already says what the label says.
    void SetLabelledBy(surface::ControlPeer&) override {}
};

}  // namespace win32
