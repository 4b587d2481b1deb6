// Loads forms on first reference and unloads them when their frame is closed.
#include "surface/form.h"

#include "surface/application.h"
#include "surface/timer.h"
#include "surface/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

#include <functional>
#include <set>

namespace surface {
namespace {

std::set<Form*>& allForms()
{
    static std::set<Form*> forms;
    return forms;
}

// Tells its form when the user closes it by the frame, and when the window manager's frame
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

Form::Form(std::string caption, float clientWidthTwips, float clientHeightTwips)
    : caption_(std::move(caption)), clientWidth_(clientWidthTwips), clientHeight_(clientHeightTwips)
{
    allForms().insert(this);
}

Form::~Form()
{
    allForms().erase(this);
    // Widgets cannot outlive the application object; DestroyAll has taken them by then.
    if (QCoreApplication::instance())
        delete window_.data();
}

void Form::DestroyAll()
{
    for (Form* form : allForms()) {
        if (!form->window_)
            continue;
        QWidget* window = form->window_;
        form->window_.clear();
        form->DestroyControls();
        delete window;
    }
}

QWidget* Form::window()
{
    if (window_)
        return window_;
    auto* window = new FormWindow([this] { unload(); }, [this] { place(); });
    window->setWindowTitle(QString::fromStdString(caption_));
    window_ = window;
    width_ = clientWidth_;
    height_ = clientHeight_;
    window->resize(ToPixels(width_), ToPixels(height_));
    CreateControls(window);
    Form_Load();
    return window_;
}

void Form::unload()
{
    QWidget* old = window_;
    if (!old)
        return;
    // The old window's timers stop now; the widgets go at the next turn of the event loop,
    // after the close event that is still on the stack has been handled.
    for (Timer* timer : old->findChildren<Timer*>())
        timer->SetEnabled(false);
    old->hide();
    window_.clear();
    DestroyControls();
    old->deleteLater();
}

void Form::CloseByFrame()
{
    if (window_)
        window_->close();
}

float Form::get(float Form::*field)
{
    window();
    return this->*field;
}

void Form::set(float Form::*field, float twips)
{
    window();
    this->*field = twips;
    place();
}

void Form::CoverScreen()
{
    SetTop(0);
    SetLeft(0);
    SetWidth(ScreenWidth());
    SetHeight(ScreenHeight());
}

void Form::place()
{
    // Width and Height are the outer size: the frame the window manager adds is taken off the
    // client. The frame is known only once the window manager has framed the window, and the
    // window calls this again then.
    if (!window_)
        return;
    const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
    window_->move(ToPixels(left_), ToPixels(top_));
    window_->resize(std::max(1, ToPixels(width_) - frame.width()), std::max(1, ToPixels(height_) - frame.height()));
}

void Form::Show()
{
    QWidget* w = window();
    w->show();
    place();
    // The offscreen platform of headless runs has no stacking to change, and says so on every raise.
    if (MayTakeFront() && QGuiApplication::platformName() != QStringLiteral("offscreen")) {
        w->raise();
        w->activateWindow();
    }
}

}  // namespace surface
