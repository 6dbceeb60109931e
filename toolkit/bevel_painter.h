#pragma once

#include <QPalette>
#include <QRect>
#include <QString>

class QPainter;

namespace loco {

// Draws a one-pixel classic bevel ("raised", "lowered"; anything else draws
// nothing) along the inside of rect and returns the rectangle inside it.
QRect drawBevel(QPainter& painter, const QRect& rect, const QString& kind, const QPalette& palette);

} // namespace loco
