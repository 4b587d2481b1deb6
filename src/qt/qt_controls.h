// The Qt peers of the controls: each shows what its control holds and forwards what the user does.
#pragma once

#include "surface/backend.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace qt {

// What every Qt peer has: its widget, which goes with the peer.
class QtControl {
public:
    virtual ~QtControl();
    QWidget* widget() const { return widget_; }

protected:
    explicit QtControl(QWidget* widget) : widget_(widget) {}
    void setGeometry(const surface::PixelRect& rect);
    void setVisible(bool visible);
    void setAccessibleName(const std::string& name);
    void setDescription(const std::string& description);
    void takeFocus();
    void setLabelledBy(surface::ControlPeer& label);

private:
    QPointer<QWidget> widget_;
};

std::unique_ptr<surface::CaptionPeer> MakeButton(QWidget* window, surface::CommandButton& button);
std::unique_ptr<surface::TogglePeer> MakeOptionButton(QWidget* window, surface::OptionButton& option);
std::unique_ptr<surface::TogglePeer> MakeCheckBox(QWidget* window, surface::CheckBox& box);
std::unique_ptr<surface::ScrollBarPeer> MakeScrollBar(QWidget* window, surface::ScrollBar& bar);
std::unique_ptr<surface::CaptionPeer> MakeLabel(QWidget* window, surface::Label& label);
std::unique_ptr<surface::TextBoxPeer> MakeTextBox(QWidget* window, surface::TextBox& box);

// Gathers option buttons into one named grouping, which keeps their places in the window.
void MakeGroup(QWidget* window, const std::string& name, const std::vector<surface::ControlPeer*>& members);

}  // namespace qt
