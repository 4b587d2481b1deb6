// A top-level window created on first reference with its design values; geometry in twips, outer size.
#pragma once

#include <QPointer>
#include <QWidget>

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

    float Left();
    float Top();
    float Width();
    float Height();
    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);

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
    void place();
    void unload();

    std::string caption_;
    float clientWidth_;
    float clientHeight_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    QPointer<QWidget> window_;
};

}  // namespace surface
