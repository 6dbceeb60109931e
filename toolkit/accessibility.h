#pragma once

class QWidget;

namespace loco {

// Presents the windows' own controls to assistive technology: a window by
// its caption; a panel, label or picture that takes clicks as a push button
// whose press action clicks it; radio buttons and check boxes whose toggle
// action runs their handlers as a user's click does.
void installAccessibility();

// Names every control that a label stands beside (its buddy, as the window
// definition pairs them) after that label, unless the definition names it.
void applyAccessibleNames(QWidget* root);

} // namespace loco
