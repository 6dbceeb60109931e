#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace loco {

// Keeps the text of a form readable in every state of its control, as a
// rule rather than window by window:
// - a button whose caption its face would not carry (at rest, under the
//   mouse or pressed) gets a face that does: navy under a light caption,
//   white under a dark one; so does a label or panel;
// - a group's caption that its face does not carry gets a plate of its own;
// - captions of buttons and choices fade when disabled, halfway into their
//   face but to no less than 2:1; all other text keeps its colours, for it
//   is meant to be read whether its control is enabled or not.
// "Carry" means WCAG's contrast for the caption's size: 4.5:1, or 3:1 for
// bold text of 19 pixels or more.
void applyReadableColors(QWidget* root);

// The palette every control of our windows starts from: disabled colours as
// enabled ones.
QPalette readablePalette(QPalette palette);

// The plate that the style paints behind a group box's caption; invalid
// when the caption needs none.
QColor captionFace(const QWidget* groupBox);

} // namespace loco
