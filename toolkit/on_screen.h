#pragma once

#include <QPoint>

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

} // namespace loco
