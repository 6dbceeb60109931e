#pragma once

class FormWindow;

namespace loco::soak {

// Shows a hidden window the way a user reaches it: the password and "PROSES"
// for the main menu, the menu's buttons for the tool windows, "About Me" for
// the about window, the lifetime window's check box for the brake-force
// window and a minimum thickness not below the thickness for the notice.
// Windows on the way are opened first. False when the window stays hidden.
bool openThroughButtons(FormWindow* window);

} // namespace loco::soak
