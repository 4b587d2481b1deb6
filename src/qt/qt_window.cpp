// Top-level windows: closing by the frame, the frame's size, raising and the controls' widgets.
#include "qt/qt_window.h"

#include "qt/accessible_roles.h"
#include "qt/picture_box.h"
#include "qt/qt_controls.h"
#include "qt/teacher_keys.h"
#include "surface/controls.h"
#include "surface/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QWindow>

#include <functional>

namespace qt {
namespace {

const char* const kControl = "sorvelControl";

// Tags the peer's widget with its control.
template <class Peer>
std::unique_ptr<Peer> tagged(std::unique_ptr<Peer> peer, const surface::Control& control)
{
    if (auto* qtPeer = dynamic_cast<QtControl*>(peer.get()))
        qtPeer->widget()->setProperty(kControl, QVariant::fromValue(const_cast<void*>(static_cast<const void*>(&control))));
    return peer;
}

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
    MarkAsProgramWindow(window);
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
    // Full screen, the window manager places the window over the whole screen, without a frame.
    if (fullScreen_)
        return;
    const QSize frame = widget_->frameGeometry().size() - widget_->geometry().size();
    widget_->move(outer_.left, outer_.top);
    widget_->resize(std::max(1, outer_.width - frame.width()), std::max(1, outer_.height - frame.height()));
}

void QtWindow::Show(bool toFront)
{
    if (fullScreen_)
        widget_->showFullScreen();
    else
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
    return tagged(qt::MakeButton(widget_, button), button);
}

std::unique_ptr<surface::TogglePeer> QtWindow::MakeOptionButton(surface::OptionButton& option)
{
    return tagged(qt::MakeOptionButton(widget_, option), option);
}

std::unique_ptr<surface::TogglePeer> QtWindow::MakeCheckBox(surface::CheckBox& box)
{
    return tagged(qt::MakeCheckBox(widget_, box), box);
}

std::unique_ptr<surface::ScrollBarPeer> QtWindow::MakeScrollBar(surface::ScrollBar& bar)
{
    return tagged(qt::MakeScrollBar(widget_, bar), bar);
}

std::unique_ptr<surface::CaptionPeer> QtWindow::MakeLabel(surface::Label& label)
{
    return qt::MakeLabel(widget_, label);
}

std::unique_ptr<surface::TextBoxPeer> QtWindow::MakeTextBox(surface::TextBox& box)
{
    return tagged(qt::MakeTextBox(widget_, box), box);
}

std::unique_ptr<surface::PicturePeer> QtWindow::MakePicture(surface::Picture& picture)
{
    return qt::MakePicture(widget_, picture);
}

void QtWindow::SetGroup(const std::string& name, const std::vector<surface::ControlPeer*>& members)
{
    qt::MakeGroup(widget_, name, members);
}

void QtWindow::SetFullScreen(bool on)
{
    fullScreen_ = on;
    if (on) {
        widget_->showFullScreen();
        return;
    }
    widget_->showNormal();
    place();
}

void QtWindow::MarkAsDialog()
{
    SetAccessibleRole(widget_, QAccessible::Dialog);
    // Framed as a dialog by the window manager, above the window it was opened over.
    widget_->setWindowFlag(Qt::Dialog);
}

const surface::Control* QtWindow::ControlOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant control = widget->property(kControl);
        if (control.isValid())
            return static_cast<const surface::Control*>(control.value<void*>());
        if (widget->isWindow())
            break;
    }
    return nullptr;
}

}  // namespace qt
