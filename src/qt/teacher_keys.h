// Forwards the keys of the teacher's toolkit from any of the program's windows to the surface,
// which decides what each does; a key it leaves goes on to the widget as before.
#pragma once

#include <QWidget>

namespace qt {

// The program's windows are marked so: dialogs of the toolkit (a save dialog, a menu) keep
// their own keys.
void MarkAsProgramWindow(QWidget* window);

// Installs the forwarding; once per application.
void InstallTeacherKeys();

}  // namespace qt
