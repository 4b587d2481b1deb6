// Makes the Qt peers, measures the screen, and decides with the X server who holds the focus.
#include "qt/qt_backend.h"

#include "qt/accessible_roles.h"
#include "qt/announcer.h"
#include "qt/focus_outline.h"
#include "qt/picture_export.h"
#include "qt/screen_awake.h"
#include "qt/teacher_keys.h"
#include "qt/qt_text_painter.h"
#include "qt/qt_timer.h"
#include "qt/qt_window.h"
#include "surface/appearance.h"
#include "surface/screen_scale.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#ifdef SORVEL_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

#include <algorithm>
#include <optional>

namespace qt {

namespace {

// The one font of every window, Liberation Sans (the metrics of Arial), the face the page carries a
// subset of. In pixels, so that it fits whatever DPI the desktop claims.
QFont windowsFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(surface::kFontPixels);
    return font;
}

}  // namespace

QtBackend::QtBackend() : text_(std::make_unique<QtTextPainter>())
{
    QApplication::setFont(windowsFont());
    InstallFocusOutline();
    InstallAccessibleRoles();
    InstallTeacherKeys();
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, qGuiApp, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            wasActive_ = true;
    });
}

QtBackend::~QtBackend()
{
    QObject::disconnect(qGuiApp, &QGuiApplication::applicationStateChanged, qGuiApp, nullptr);
}

std::unique_ptr<surface::WindowPeer> QtBackend::MakeWindow(surface::Form& form)
{
    return std::make_unique<QtWindow>(form);
}

std::unique_ptr<surface::TimerPeer> QtBackend::MakeTimer(surface::Timer& timer)
{
    return std::make_unique<QtTimer>(timer);
}

surface::PixelSize QtBackend::ScreenPixels() const
{
    // The toolkit shows the program's scale already (ApplyProgramScale): its logical pixels are the program's.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    return surface::ProgramScreen({size.width(), size.height()}, 1);
}

surface::PixelSize QtBackend::FrameSize() const
{
    // The window manager frames every window alike; a window it has framed tells how much.
    surface::PixelSize frame;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        const QSize extra = window->frameGeometry().size() - window->geometry().size();
        frame.width = std::max(frame.width, extra.width());
        frame.height = std::max(frame.height, extra.height());
    }
    return frame;
}

void QtBackend::Quit()
{
    QCoreApplication::exit(0);
}

surface::TextPainter* QtBackend::Text()
{
    return text_.get();
}

void QtBackend::Announce(const std::string& sentence)
{
    AnnounceInFrontWindow(sentence);
}

void QtBackend::CopyPng(const std::string& /*fileName*/, const std::vector<std::uint8_t>& png)
{
    CopyPngToClipboard(png);
}

void QtBackend::SavePng(const std::string& fileName, const std::vector<std::uint8_t>& png)
{
    qt::SavePng(fileName, png);
}

// The desktop program takes the words as its argument: they are what a lesson's notes give.
void QtBackend::CopyLink(const std::string& words)
{
    CopyTextToClipboard(words);
}

void QtBackend::KeepAwake(bool awake)
{
    KeepScreenAwake(awake);
}

const surface::Control* QtBackend::FocusedControl() const
{
    return QtWindow::ControlOf(QApplication::focusWidget());
}

namespace {

enum class Holder { Nobody, Us, Another };

// Who holds the keyboard focus, asked of the X server itself: the toolkit learns that another
// program took the focus only some time later, during which a tick could take it back.
std::optional<Holder> xFocusHolder()
{
#ifdef SORVEL_HAVE_XCB
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
#else
    return std::nullopt;
#endif
}

}  // namespace

bool QtBackend::MayTakeFront()
{
    if (const std::optional<Holder> holder = xFocusHolder())
        return *holder != Holder::Another;
    // Elsewhere, ask the toolkit. Until the program has once been the active application (just
    // started, or without a window manager) nothing else can have been put in front by the user.
    const bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
    if (active)
        wasActive_ = true;
    return active || !wasActive_;
}

}  // namespace qt
