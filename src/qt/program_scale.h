// Starts the toolkit at the program's scale: every logical pixel of the windows is shown as s of
// the desktop's, as the desktop's own scale factor would show it.
#pragma once

namespace qt {

// Before the application object exists: measures the primary screen with a first, short-lived
// application object, and sets the toolkit's scale factor to the program's scale for that screen
// times any factor the user set (QT_SCALE_FACTOR), which the application made next then uses.
// Returns the program's scale.
double ApplyProgramScale(int& argc, char** argv);

}  // namespace qt
