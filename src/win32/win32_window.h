// A form's window on Windows: a top-level window with its caption and frame, whose outer size is
// what the form lays out, and the parent of its controls' child windows.
#pragma once

#include "surface/backend.h"
#include "win32/focus_ring.h"

#include "win32/windows_api.h"

#include <vector>

namespace surface {
class Form;
}

namespace win32 {

class NativeControl;

class Win32Window : public surface::WindowPeer {
public:
    explicit Win32Window(surface::Form& form);
    ~Win32Window() override;

    // The style every window has: a caption, a close button, a frame that can be pulled.
    static constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

    void SetOuterGeometry(const surface::PixelRect& rect) override;
    void Show(bool toFront) override;
    void Hide() override;
    // Tab follows the form's own order (surface::NextTabStop), which the message loop asks for.
    void SetTabOrder(const std::vector<surface::ControlPeer*>&) override {}

    std::unique_ptr<surface::CaptionPeer> MakeButton(surface::CommandButton& button) override;
    std::unique_ptr<surface::TogglePeer> MakeOptionButton(surface::OptionButton& option) override;
    std::unique_ptr<surface::TogglePeer> MakeCheckBox(surface::CheckBox& box) override;
    std::unique_ptr<surface::ScrollBarPeer> MakeScrollBar(surface::ScrollBar& bar) override;
    std::unique_ptr<surface::CaptionPeer> MakeLabel(surface::Label& label) override;
    std::unique_ptr<surface::TextBoxPeer> MakeTextBox(surface::TextBox& box) override;
    std::unique_ptr<surface::PicturePeer> MakePicture(surface::Picture& picture) override;
    void SetGroup(const std::string& name, const std::vector<surface::ControlPeer*>& members) override;

    // The window of a top-level HWND of this program, or null.
    static Win32Window* Of(HWND hwnd);

    HWND hwnd() const { return hwnd_; }
    surface::Form& form() const { return form_; }
    // Device pixels to the program's logical pixel on the monitor the window is on now.
    double ratio() const { return ratio_; }
    // The program's face at its size for this window's monitor.
    HFONT font() const;

    // Its controls' peers announce themselves, so that a change of DPI reaches every one.
    void Adopt(NativeControl& control);
    void Release(NativeControl& control);
    // The keyboard focus is now on this control (null: on none of them); the outline follows.
    void FocusMovedTo(NativeControl* control);
    // A control moved, or was shown or hidden: the outline round it follows.
    void ControlMoved(NativeControl& control);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void closedByFrame();
    void dpiChanged(int dpi, const RECT& suggested);

    surface::Form& form_;
    HWND hwnd_ = nullptr;
    double ratio_ = 1;
    std::vector<NativeControl*> controls_;
    FocusRing ring_;
    NativeControl* focused_ = nullptr;
    HWND lastFocus_ = nullptr;  // where the focus returns when the window is activated again
};

}  // namespace win32
