#include "toolkit/bevel_painter.h"

#include <QPainter>

namespace loco {

QRect drawBevel(QPainter& painter, const QRect& rect, const QString& kind, const QPalette& palette)
{
    const bool raised = kind == QLatin1String("raised");
    if (!raised && kind != QLatin1String("lowered"))
        return rect;
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    painter.setPen(raised ? light : dark);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(raised ? dark : light);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    return rect.adjusted(1, 1, -1, -1);
}

} // namespace loco
