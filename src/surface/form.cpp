// Loads forms on first reference and unloads them when their frame is closed.
#include "surface/form.h"

#include "surface/application.h"
#include "surface/timer.h"
#include "surface/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>

#include <functional>
#include <set>

namespace surface {
namespace {

std::set<Form*>& allForms()
{
    static std::set<Form*> forms;
    return forms;
}

// Tells its form when the user closes it by the frame.
class FormWindow : public QWidget {
public:
    explicit FormWindow(std::function<void()> onClose) : onClose_(std::move(onClose)) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        onClose_();
    }

private:
    std::function<void()> onClose_;
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
    auto* window = new FormWindow([this] { unload(); });
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

float Form::Left()
{
    window();
    return left_;
}

float Form::Top()
{
    window();
    return top_;
}

float Form::Width()
{
    window();
    return width_;
}

float Form::Height()
{
    window();
    return height_;
}

void Form::SetLeft(float twips)
{
    window();
    left_ = twips;
    place();
}

void Form::SetTop(float twips)
{
    window();
    top_ = twips;
    place();
}

void Form::SetWidth(float twips)
{
    window();
    width_ = twips;
    place();
}

void Form::SetHeight(float twips)
{
    window();
    height_ = twips;
    place();
}

void Form::place()
{
    // Width and Height are the outer size: the frame the window manager adds is taken off the client.
    const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
    window_->move(ToPixels(left_), ToPixels(top_));
    window_->resize(std::max(1, ToPixels(width_) - frame.width()), std::max(1, ToPixels(height_) - frame.height()));
}

void Form::Show()
{
    QWidget* w = window();
    w->show();
    place();  // the frame is known once the window is shown: keep the outer size as set
    // The offscreen platform of headless runs has no stacking to change, and says so on every raise.
    if (MayTakeFront() && QGuiApplication::platformName() != QStringLiteral("offscreen")) {
        w->raise();
        w->activateWindow();
    }
}

}  // namespace surface
