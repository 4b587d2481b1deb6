// An accessible-interface factory keyed on a property of the widget, so that the widget classes
// stay private to their files.
#include "qt/accessible_roles.h"

#include <QAccessibleWidget>
#include <QVariant>

namespace qt {
namespace {

constexpr const char* kRoleProperty = "sorvelAccessibleRole";

QAccessibleInterface* roleFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void InstallAccessibleRoles()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(roleFactory);
}

}  // namespace qt
