// Program-wide operations: ending the program and the front-window policy.
#pragma once

namespace surface {

// Closes every window, stops every timer and ends the program with exit code 0.
void End();

// True once End has been called in this run.
bool EndRequested();

// Whether a window may come to the front now: only while this program is the active
// application, so that a window shown on every tick never pops over another program.
bool MayTakeFront();

}  // namespace surface
