// Says a sentence to the desktop's screen reader, as a notification shown in the window in front.
#pragma once

#include <string>

namespace qt {

// The screen reader hears the sentence when a notification that carries it shows; the
// notification is a pixel of the window, seen by nobody, as the page's live region is.
void AnnounceInFrontWindow(const std::string& sentence);

}  // namespace qt
