// What a screen reader is told beyond a standard control's own caption: names, values in words,
// descriptions and group names from the surface, and the sentences it announces.
#pragma once

#include "win32/windows_api.h"

#include <string>

namespace win32 {

enum class Annotation { Name, Value, Description, Group };

// Annotates the control's accessible object with this text (Active Accessibility's dynamic
// annotation); an empty text takes the annotation away.
void Annotate(HWND control, Annotation what, const std::string& text);

// Tells a screen reader that this child window is a picture.
void AnnotateAsPicture(HWND picture);

// Says the sentence once, politely, through UI Automation's notification from this window, where
// the system has it.
void Announce(HWND window, const std::string& sentence);

// Lets go of the annotation service before the program ends.
void EndAccessibility();

}  // namespace win32
