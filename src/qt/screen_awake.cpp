// org.freedesktop.ScreenSaver's Inhibit and UnInhibit, asked without waiting: a session whose
// service is slow or missing never stalls a tick.
#include "qt/screen_awake.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QString>

#include <optional>

namespace qt {
namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");
constexpr int kUnInhibitWaitMs = 500;

struct Inhibition {
    bool wanted = false;
    bool asking = false;            // an Inhibit is on its way
    std::optional<uint> cookie;     // what the service gave for the one in force
};
Inhibition inhibition;

void unInhibit()
{
    if (!inhibition.cookie)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("UnInhibit"));
    call << *inhibition.cookie;
    inhibition.cookie.reset();
    // Waited for, briefly: at END the program leaves right after, and a service that gave a
    // cookie answers at once.
    QDBusConnection::sessionBus().call(call, QDBus::Block, kUnInhibitWaitMs);
}

void inhibit()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || inhibition.asking || inhibition.cookie)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Inhibit"));
    call << QStringLiteral("sorvel") << QStringLiteral("An animation of wavefronts is running");
    inhibition.asking = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        inhibition.asking = false;
        const QDBusPendingReply<uint> reply = *done;
        if (reply.isError())
            return;  // no screensaver service: the screen behaves as before
        inhibition.cookie = reply.value();
        // Let go meanwhile: the answer came too late to be wanted.
        if (!inhibition.wanted)
            unInhibit();
    });
}

}  // namespace

void KeepScreenAwake(bool awake)
{
    if (awake == inhibition.wanted)
        return;
    inhibition.wanted = awake;
    if (awake)
        inhibit();
    else
        unInhibit();
}

}  // namespace qt
