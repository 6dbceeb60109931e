#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace loco {

// Window definitions (.ui files) carry the classic control attributes as
// dynamic properties, applied once after setupUi:
//   color      background colour of the control ("navy", "btnface", "#rrggbb")
//   textColor  colour of the control's text
//   textFont   "Face,height,styles" (see fontFromDefinition)
void applyDefinition(QWidget* root);

// Colour names of the definitions, system colours included.
QColor colorFromDefinition(const QString& name);

} // namespace loco
