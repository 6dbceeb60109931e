#pragma once

#include <QString>

class QWidget;

namespace loco {

// Presents the windows' own controls to assistive technology: a window by
// its caption; a panel, label or picture that takes clicks as a push button
// whose press action clicks it; radio buttons and check boxes whose toggle
// action runs their handlers as a user's click does, a radio group's choices
// named with their group; groups by their own captions, drop-down lists by
// their labels. Decoration and captions that another control covers are left
// out of the tree.
void installAccessibility();

// Names every control that a label stands beside (its buddy, as the window
// definition pairs them) after that label, unless the definition names it.
void applyAccessibleNames(QWidget* root);

// Presents a window as an alert carrying text, announced whenever it is shown.
void presentAsAlert(QWidget* window, const QString& text);

} // namespace loco
