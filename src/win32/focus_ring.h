// The program's focus outline on Windows: one ring a window, moved to the control that has the
// keyboard focus; the system's dotted focus rectangle is too thin for a projector.
#pragma once

#include "win32/windows_api.h"

namespace win32 {

class FocusRing {
public:
    FocusRing() = default;
    ~FocusRing();
    FocusRing(const FocusRing&) = delete;
    FocusRing& operator=(const FocusRing&) = delete;

    // Goes round this area of the parent's client (device pixels), in front of the controls;
    // an empty area hides it.
    void Surround(HWND parent, const RECT& area, int width);
    void Hide();

private:
    HWND ring_ = nullptr;
};

}  // namespace win32
