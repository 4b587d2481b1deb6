// Keeps the desktop's screen from dimming and locking while asked to, through the session's
// screensaver service over D-Bus; where the session has none, nothing happens.
#pragma once

namespace qt {

// Asks the screensaver to hold off (true), or lets it go again (false); the same answer twice in
// a row is asked once.
void KeepScreenAwake(bool awake);

}  // namespace qt
