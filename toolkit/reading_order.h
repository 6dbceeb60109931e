#pragma once

class QWidget;

namespace loco {

// Sets the tab order of every control under root that takes the focus to
// its reading order on screen: what a container shows is read whole where
// the container stands, top to bottom, and controls side by side (their
// heights overlapping) left to right; where columns stand further apart than
// rows, column by column. A container is whatever holds controls
// on screen, so a group laid over a panel is read as part of that panel.
// A radio group's items keep their item order.
void applyReadingOrder(QWidget* root);

} // namespace loco
