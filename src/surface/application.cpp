// Ends the program and decides when showing a window may bring it to the front.
#include "surface/application.h"

#include "surface/timer.h"

#include <QApplication>
#include <QWidget>

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

bool MayTakeFront()
{
    // Until the program has once been the active application (just started, or on a bare X
    // server without a window manager) nothing else can have been put in front by the user.
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
