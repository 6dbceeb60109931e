#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace loco {

// Window definitions (.ui files) carry the classic control attributes as
// dynamic properties, applied to a control and everything inside it:
//   color      background colour of the control ("navy", "btnface", "#rrggbb")
//   textColor  colour of the control's text
//   textFont   "Face,height,styles" (see fontFromDefinition)
// Windows apply them when first shown (polished), not when created.
void applyColors(QWidget* root);
void applyFonts(QWidget* root);

// The classic entries' behaviour: edits take text of any length, and typed
// lists read exactly what was typed (no completion, no new items).
void applyEntryDefaults(QWidget* root);

// Colour names of the definitions, system colours included.
QColor colorFromDefinition(const QString& name);

} // namespace loco
