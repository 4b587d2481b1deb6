// A form's window on the desktop: a top-level QWidget whose outer size includes the window manager's frame.
#pragma once

#include "surface/backend.h"

#include <QPointer>
#include <QWidget>

namespace qt {

class QtWindow : public surface::WindowPeer {
public:
    explicit QtWindow(surface::Form& form);
    ~QtWindow() override;

    void SetOuterGeometry(const surface::PixelRect& rect) override;
    void Show(bool toFront) override;
    void Hide() override;
    void SetTabOrder(const std::vector<surface::ControlPeer*>& order) override;

    std::unique_ptr<surface::CaptionPeer> MakeButton(surface::CommandButton& button) override;
    std::unique_ptr<surface::TogglePeer> MakeOptionButton(surface::OptionButton& option) override;
    std::unique_ptr<surface::TogglePeer> MakeCheckBox(surface::CheckBox& box) override;
    std::unique_ptr<surface::ScrollBarPeer> MakeScrollBar(surface::ScrollBar& bar) override;
    std::unique_ptr<surface::CaptionPeer> MakeLabel(surface::Label& label) override;
    std::unique_ptr<surface::TextBoxPeer> MakeTextBox(surface::TextBox& box) override;
    std::unique_ptr<surface::PicturePeer> MakePicture(surface::Picture& picture) override;
    void SetGroup(const std::string& name, const std::vector<surface::ControlPeer*>& members) override;
    void SetFullScreen(bool on) override;
    void MarkAsDialog() override;

    QWidget* widget() const { return widget_; }
    // The control whose widget this is, or null: for the back end to say who holds the focus.
    static const surface::Control* ControlOf(const QWidget* widget);

private:
    void place();

    QPointer<QWidget> widget_;
    surface::PixelRect outer_;
    bool closing_ = false;
    bool fullScreen_ = false;
};

}  // namespace qt
