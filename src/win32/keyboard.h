// The keys the program answers before a control sees them: Tab and Shift+Tab in the form's own
// order, the arrows within an option group, a scroll bar's keys.
#pragma once

#include "win32/windows_api.h"

namespace win32 {

// Handles a key message of one of the program's windows; true where it was taken.
bool TakeKey(const MSG& message);

}  // namespace win32
