#pragma once

#include <QList>

class FormWindow;

namespace loco {

// Creates the ten windows in their fixed order; the first, the login window,
// becomes the main window. All but the main window start hidden.
void createWindows();

// Shows the login window as the program starts, activated: without a
// window manager nothing else gives it the keyboard.
void showLoginWindow();

// The windows in creation order (empty before createWindows).
QList<FormWindow*> windows();

// Destroys every window and clears the global references.
void destroyWindows();

} // namespace loco
