// A top-level window created on first reference with its design values; geometry in twips, outer size.
#pragma once

#include "surface/backend.h"
#include "surface/controls.h"
#include "surface/timer.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace surface {

class Control;

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates and loads the window (controls with design values, then Form_Load) if it is not.
    void Load();
    bool IsLoaded() const { return window_ != nullptr; }
    // Shown, and not closed since.
    bool Visible() const { return IsLoaded() && shown_; }
    const std::string& Caption() const { return caption_; }

    float Left() { return get(&Form::left_); }
    float Top() { return get(&Form::top_); }
    float Width() { return get(&Form::width_); }
    float Height() { return get(&Form::height_); }
    void SetLeft(float twips) { set(&Form::left_, twips); }
    void SetTop(float twips) { set(&Form::top_, twips); }
    void SetWidth(float twips) { set(&Form::width_, twips); }
    void SetHeight(float twips) { set(&Form::height_, twips); }

    // The room inside the window's frame, in twips: where its controls can be seen.
    float ClientWidth();
    float ClientHeight();

    // Puts the window at the screen's top left and makes it as large as the screen, frame included.
    void CoverScreen();

    // Shows the window modeless and brings it to the front, while the program is the active one.
    // A window that a user's action brings to the front takes the focus on its first tab stop,
    // as a newly opened desktop window does; one that a timer's tick brings back does not.
    void Show();
    // Brings the window a dialog of the program's was opened over back to the front as the dialog
    // closes. The user acted in this program, so it is the active one, whoever holds the keyboard
    // focus in the moment the window manager takes to hand it back.
    void ShowAfterDialog();
    // The program last brought this window to the front, and it is still shown.
    bool InFront() const;
    // Hides the window, as End does with every window.
    void Hide();
    // The window last brought to the front, while it is shown; else the window last shown, while
    // it is (the first window of a run may show while the window manager holds the focus); null
    // when none is.
    static Form* Front();

    // The window fills its screen without a frame, and its layout follows; or it is framed again.
    void SetFullScreen(bool on);
    bool FullScreen() const { return fullScreen_; }
    // The page left full screen by itself (its Escape): no window fills the screen any more.
    static void FullScreenEnded();

    // Its controls in TabIndex order, for the back ends that move the focus themselves (TabStops).
    const std::vector<const Control*>& TabOrder() const { return tabOrder_; }

    // Lays the loaded window out again for the screen as it is now, as opening it does, without
    // showing or drawing anything: what a back end asks for when the screen changes size.
    virtual void LayOut() { CoverScreen(); }

    // What the close button of the frame does: the window and its controls go; the form's own
    // variables stay, and the next reference creates the controls anew. The back end calls it
    // when the user closes the window.
    void FrameClosed();

    // Ends every form of the program: windows, controls and the forms' own variables. The next
    // reference to a window creates it afresh, as in a new run.
    static void DropAll();
    // Hides every loaded window, for End.
    static void HideAll();
    // The screen changed size (a resize, a zoom, a turned tablet, full screen): every shown window
    // is laid out again for it, and nothing a user set changes.
    static void ScreenChanged();

protected:
    Form(std::string caption, float clientWidthTwips, float clientHeightTwips);

    virtual void CreateControls(WindowPeer& window) = 0;
    // Tab and Shift+Tab visit these controls in this order (their TabIndex order).
    void SetTabOrder(WindowPeer& window, std::initializer_list<const Control*> controls);
    virtual void DestroyControls() = 0;
    virtual void Form_Load() {}
    // The window was closed by its frame, its controls gone.
    virtual void Closed() {}

    // Makes the single instance of a form the first time it is asked for, and lets DropAll end it.
    static void Register(std::function<void()> drop);

private:
    float get(float Form::*field);
    void set(float Form::*field, float twips);
    void place();

    std::string caption_;
    float clientWidth_;
    float clientHeight_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool shown_ = false;
    bool fullScreen_ = false;
    std::unique_ptr<WindowPeer> window_;
    std::vector<const Control*> tabOrder_;
    std::optional<PixelRect> placedAt_;  // what the window's peer was last told
};

// A form whose controls are kept in a struct of their own (ControlSet), made with the window and
// dropped when its frame closes it; Window is the form itself, which has one instance.
template <class Window, class ControlSet>
class FormOf : public Form {
public:
    static Window& instance()
    {
        std::unique_ptr<Window>& form = slot();
        if (!form) {
            form.reset(new Window);
            Register([] { slot().reset(); });
        }
        return *form;
    }

    // The controls, loading the window first if it is not loaded.
    ControlSet& controls()
    {
        Load();
        return *controls_;
    }

protected:
    using Form::Form;

    // Makes the controls on a new window with their design values, and connects their events: a
    // window's table of controls, one row a control, made with the calls below.
    virtual void MakeControls(WindowPeer& window, ControlSet& c) = 0;

    // What a control's event calls: one of the window's handlers, or none.
    using Handler = void (Window::*)();

    // A row of the table: the control with its design values, its event wired to its handler.
    std::unique_ptr<CommandButton> Button(WindowPeer& window, const std::string& caption, TwipsRect design,
                                          Handler click)
    {
        auto button = std::make_unique<CommandButton>(window, caption, design);
        button->OnClick = call(click);
        return button;
    }
    std::unique_ptr<OptionButton> Option(WindowPeer& window, OptionGroup& group, const std::string& caption,
                                         TwipsRect design, bool value, Handler click)
    {
        auto option = std::make_unique<OptionButton>(window, group, caption, design, value);
        option->OnClick = call(click);
        return option;
    }
    std::unique_ptr<CheckBox> Check(WindowPeer& window, const std::string& caption, TwipsRect design, Handler click)
    {
        auto box = std::make_unique<CheckBox>(window, caption, design);
        box->OnClick = call(click);
        return box;
    }
    std::unique_ptr<ScrollBar> Bar(WindowPeer& window, Orientation orientation, TwipsRect design, ScrollRange range,
                                   Handler change)
    {
        auto bar = std::make_unique<ScrollBar>(window, orientation, design, range);
        bar->OnChange = call(change);
        return bar;
    }
    std::unique_ptr<Timer> Clock(int interval, bool enabled, Handler tick)
    {
        return std::make_unique<Timer>(interval, enabled, call(tick));
    }

private:
    std::function<void()> call(Handler handler)
    {
        if (!handler)
            return {};
        return [this, handler] { (static_cast<Window*>(this)->*handler)(); };
    }
    static std::unique_ptr<Window>& slot()
    {
        static std::unique_ptr<Window> form;
        return form;
    }
    void CreateControls(WindowPeer& window) final
    {
        controls_ = std::make_unique<ControlSet>();
        MakeControls(window, *controls_);
    }
    void DestroyControls() final { controls_.reset(); }

    std::unique_ptr<ControlSet> controls_;
};

}  // namespace surface
