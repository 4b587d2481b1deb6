// Top-level windows: closing by the frame, the frame's size, raising and the controls' widgets.
#include "qt/qt_window.h"

#include "qt/accessible_roles.h"
#include "qt/picture_box.h"
#include "qt/qt_controls.h"
#include "surface/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QWindow>

#include <functional>

namespace qt {
namespace {

// Tells its window when the user closes it by the frame, and when the window manager's frame
// around it becomes known or changes, since the form's size includes that frame.
class FormWindow : public QWidget {
public:
    FormWindow(std::function<void()> onClose, std::function<void()> onFrameChange)
        : onClose_(std::move(onClose)), onFrameChange_(std::move(onFrameChange))
    {
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        onClose_();
    }

    bool event(QEvent* event) override
    {
        const bool handled = QWidget::event(event);
        const QEvent::Type type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) && windowHandle()) {
            const QMargins frame = windowHandle()->frameMargins();
            if (frame != frame_) {
                frame_ = frame;
                onFrameChange_();
            }
        }
        return handled;
    }

private:
    std::function<void()> onClose_;
    std::function<void()> onFrameChange_;
    QMargins frame_;
};

}  // namespace

QtWindow::QtWindow(surface::Form& form)
{
    auto* window = new FormWindow(
        [this, &form] {
            closing_ = true;
            form.FrameClosed();  // destroys this peer
        },
        [this] { place(); });
    window->setWindowTitle(QString::fromStdString(form.Caption()));
    SetAccessibleRole(window, QAccessible::Window);
    widget_ = window;
}

QtWindow::~QtWindow()
{
    if (!widget_)
        return;
    widget_->hide();
    // Inside the close event of its own frame the widget is still on the stack: it goes at the
    // next turn of the event loop.
    if (closing_)
        widget_->deleteLater();
    else
        delete widget_.data();
}

void QtWindow::SetOuterGeometry(const surface::PixelRect& rect)
{
    outer_ = rect;
    place();
}

void QtWindow::place()
{
    // Width and Height are the outer size: the frame the window manager adds is taken off the
    // client. The frame is known only once the window manager has framed the window, and the
    // window calls this again then.
    const QSize frame = widget_->frameGeometry().size() - widget_->geometry().size();
    widget_->move(outer_.left, outer_.top);
    widget_->resize(std::max(1, outer_.width - frame.width()), std::max(1, outer_.height - frame.height()));
}

void QtWindow::Show(bool toFront)
{
    widget_->show();
    place();
    // The offscreen platform of headless runs has no stacking to change, and says so on every raise.
    if (toFront && QGuiApplication::platformName() != QStringLiteral("offscreen")) {
        widget_->raise();
        widget_->activateWindow();
    }
}

void QtWindow::Hide()
{
    widget_->hide();
}

void QtWindow::SetTabOrder(const std::vector<surface::ControlPeer*>& order)
{
    QWidget* previous = nullptr;
    for (surface::ControlPeer* peer : order) {
        QWidget* widget = dynamic_cast<QtControl&>(*peer).widget();
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

std::unique_ptr<surface::CaptionPeer> QtWindow::MakeButton(surface::CommandButton& button)
{
    return qt::MakeButton(widget_, button);
}

std::unique_ptr<surface::TogglePeer> QtWindow::MakeOptionButton(surface::OptionButton& option)
{
    return qt::MakeOptionButton(widget_, option);
}

std::unique_ptr<surface::TogglePeer> QtWindow::MakeCheckBox(surface::CheckBox& box)
{
    return qt::MakeCheckBox(widget_, box);
}

std::unique_ptr<surface::ScrollBarPeer> QtWindow::MakeScrollBar(surface::ScrollBar& bar)
{
    return qt::MakeScrollBar(widget_, bar);
}

std::unique_ptr<surface::CaptionPeer> QtWindow::MakeLabel(surface::Label& label)
{
    return qt::MakeLabel(widget_, label);
}

std::unique_ptr<surface::TextBoxPeer> QtWindow::MakeTextBox(surface::TextBox& box)
{
    return qt::MakeTextBox(widget_, box);
}

std::unique_ptr<surface::PicturePeer> QtWindow::MakePicture(surface::Picture& picture)
{
    return qt::MakePicture(widget_, picture);
}

void QtWindow::SetGroup(const std::string& name, const std::vector<surface::ControlPeer*>& members)
{
    qt::MakeGroup(widget_, name, members);
}

}  // namespace qt
