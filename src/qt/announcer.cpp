// One notification a window, shown anew with each sentence: the toolkit of Debian 12 has no other
// way to hand a sentence to the desktop's screen reader (announcements came with a later one).
#include "qt/announcer.h"

#include "qt/accessible_roles.h"

#include <QApplication>
#include <QWidget>

namespace qt {
namespace {

constexpr const char* kName = "announcer";

QWidget* frontWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    // Without a window manager nothing is ever active: the last window shown is in front.
    QWidget* front = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->inherits("QDialog"))
            front = window;
    return front;
}

}  // namespace

void AnnounceInFrontWindow(const std::string& sentence)
{
    QWidget* window = frontWindow();
    if (!window)
        return;
    auto* notification = window->findChild<QWidget*>(kName, Qt::FindDirectChildrenOnly);
    if (!notification) {
        notification = new QWidget(window);
        notification->setObjectName(kName);
        notification->setAttribute(Qt::WA_TransparentForMouseEvents);
        notification->setFocusPolicy(Qt::NoFocus);
        notification->setGeometry(0, 0, 1, 1);
        SetAccessibleRole(notification, QAccessible::Notification);
    }
    // Shown anew, so that the screen reader hears it as a new notification.
    notification->hide();
    notification->setAccessibleName(QString::fromStdString(sentence));
    notification->show();
}

}  // namespace qt
