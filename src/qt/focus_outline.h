// The outline round the control that has the keyboard focus, drawn over it in every window.
#pragma once

namespace qt {

// From now on, whichever control of the program's windows takes the keyboard focus is outlined.
void InstallFocusOutline();

}  // namespace qt
