#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace loco {

// The topmost control at a point of root that its window shows, whether or
// not the window has been shown yet (QWidget::childAt needs it shown).
QWidget* controlAt(QWidget* root, QPoint point);

// A control that stands for nothing of its own on root: another control
// lies over its middle (a choice's: its mark), or a control around it takes the same clicks (a
// caption inside a panel that takes clicks). Tab passes it by and assistive
// technology does not see it.
bool isShadowed(const QWidget* control, QWidget* root);

// Where a window whose frame is `size` stands beside the window framed by
// `other` without covering it: to its right, else to its left, else (the
// screen's available area has no room) at the right edge of the area; as
// high and wide as the area allows, level with the other window where it can.
QRect placeBeside(const QRect& other, QSize size, const QRect& available);

} // namespace loco
