// How the windows reach one another: each opens the others only through these, so no window includes another.
#pragma once

namespace navigation {

// Brings the introduction window to the front.
void ShowIntroduction();
// Runs the start-up routine again: the introduction stretched over the screen and in front.
void RestartIntroduction();
// Fills the theory window with its fixed text and shows it.
void ShowTheory();
// Lays out, shows and draws a case window (ShowLinearCase, ShowSquareRootCase).
void OpenLinearCase();
void OpenSquareRootCase();
// Ends the program at once.
void EndProgram();

}  // namespace navigation
