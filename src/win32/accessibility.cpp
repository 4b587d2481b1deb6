// Placeholder until the annotation service is wired: keeps the program building and running.
#include "win32/accessibility.h"

namespace win32 {

void Annotate(HWND, Annotation, const std::string&) {}
void Announce(HWND, const std::string&) {}
void EndAccessibility() {}

}  // namespace win32
