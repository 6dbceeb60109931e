#pragma once

namespace loco {

// Makes the program known to the desktop as its menu entry describes it: the
// name its error boxes and X11 window class carry ("lokomotif", which the
// entry's StartupWMClass matches), the entry's file name (the Wayland app id)
// and the icon every window shows. Called once the application object exists.
void setUpIdentity();

} // namespace loco
