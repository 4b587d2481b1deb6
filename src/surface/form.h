// A top-level window created on first reference with its design values; geometry in twips, outer size.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

namespace surface {

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The window, created and loaded (controls with design values, then Form_Load) if it is not.
    QWidget* window();
    bool IsLoaded() const { return !window_.isNull(); }

    float Left() { return get(&Form::left_); }
    float Top() { return get(&Form::top_); }
    float Width() { return get(&Form::width_); }
    float Height() { return get(&Form::height_); }
    void SetLeft(float twips) { set(&Form::left_, twips); }
    void SetTop(float twips) { set(&Form::top_, twips); }
    void SetWidth(float twips) { set(&Form::width_, twips); }
    void SetHeight(float twips) { set(&Form::height_, twips); }

    // Puts the window at the screen's top left and makes it as large as the screen, frame included.
    void CoverScreen();

    // Shows the window modeless and brings it to the front, while the program is the active one.
    void Show();

    // Deletes the windows of every form, while the application object still exists.
    static void DestroyAll();

    // What the close button of the frame does: the window and its controls go; the form's own
    // variables stay, and the next reference creates the controls anew.
    void CloseByFrame();

protected:
    Form(std::string caption, float clientWidthTwips, float clientHeightTwips);

    virtual void CreateControls(QWidget* window) = 0;
    virtual void DestroyControls() = 0;
    virtual void Form_Load() {}

private:
    // Reads or writes a field of the outer geometry, loading the window first.
    float get(float Form::*field);
    void set(float Form::*field, float twips);
    void place();
    void unload();

    std::string caption_;
    float clientWidth_;
    float clientHeight_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    QPointer<QWidget> window_;
};

// A form whose controls are kept in a struct of their own (ControlSet), made with the window and
// dropped when its frame closes it; Window is the form itself, which has one instance.
template <class Window, class ControlSet>
class FormOf : public Form {
public:
    static Window& instance()
    {
        static Window form;
        return form;
    }

    // The controls, loading the window first if it is not loaded.
    ControlSet& controls()
    {
        window();
        return *controls_;
    }

protected:
    using Form::Form;

    // Makes the controls on a new window with their design values, and connects their events.
    virtual void MakeControls(QWidget* window, ControlSet& c) = 0;

private:
    void CreateControls(QWidget* window) final
    {
        controls_ = std::make_unique<ControlSet>();
        MakeControls(window, *controls_);
    }
    void DestroyControls() final { controls_.reset(); }

    std::unique_ptr<ControlSet> controls_;
};

}  // namespace surface
