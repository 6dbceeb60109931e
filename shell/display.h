#pragma once

namespace loco {

// Before the application is made: unless the user named a Qt platform, asks
// for X11, then Wayland, then the offscreen platform, which serves only to
// learn that no display could be opened. What Qt says meanwhile is held back.
void lookForDisplay();

// After: whether the program has a display to show its windows on. Without
// one it says so in one line on standard error; with one, what Qt said is
// passed on.
bool foundDisplay();

} // namespace loco
