// What the desktop's screen readers are told a widget is, where Qt's own guess is a bare filler:
// a form's window is a frame, a picture an image, a group of option buttons a named grouping.
#pragma once

#include <QAccessible>
#include <QWidget>

namespace qt {

void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

// Installs the factory that answers for the widgets given a role; once per application.
void InstallAccessibleRoles();

}  // namespace qt
