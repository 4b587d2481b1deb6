// Ends the program and decides when showing a window may bring it to the front.
#include "surface/application.h"

#include "surface/timer.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

namespace surface {
namespace {

bool endRequested = false;
bool wasActive = false;

}  // namespace

void End()
{
    endRequested = true;
    Timer::StopAll();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

bool EndRequested()
{
    return endRequested;
}

namespace {

enum class Holder { Nobody, Us, Another };

// Who holds the keyboard focus, asked of the X server itself: the toolkit learns that another
// program took the focus only some time later, during which a tick could take it back.
std::optional<Holder> xFocusHolder()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    if (!reply)
        return std::nullopt;
    const xcb_window_t focus = reply->focus;
    std::free(reply);
    if (focus == XCB_NONE || focus == XCB_INPUT_FOCUS_POINTER_ROOT)
        return Holder::Nobody;
    for (QWindow* window : QGuiApplication::allWindows())
        if (window->handle() && window->winId() == focus)
            return Holder::Us;
    return Holder::Another;
}

}  // namespace

bool MayTakeFront()
{
    if (const std::optional<Holder> holder = xFocusHolder())
        return *holder != Holder::Another;
    // Elsewhere, ask the toolkit. Until the program has once been the active application (just
    // started, or without a window manager) nothing else can have been put in front by the user.
    static bool everActive = [] {
        QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, qGuiApp, [](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive)
                wasActive = true;
        });
        return true;
    }();
    (void)everActive;
    if (QGuiApplication::applicationState() == Qt::ApplicationActive)
        wasActive = true;
    return QGuiApplication::applicationState() == Qt::ApplicationActive || !wasActive;
}

}  // namespace surface
