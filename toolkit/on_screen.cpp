#include "toolkit/on_screen.h"

#include "toolkit/clickable.h"

#include <QWidget>

namespace loco {

QWidget* controlAt(QWidget* root, QPoint point)
{
    QWidget* found = nullptr;
    for (QWidget* parent = root;;) {
        QWidget* hit = nullptr;
        const QObjectList& children = parent->children();
        for (auto it = children.crbegin(); it != children.crend() && !hit; ++it) {
            auto* w = qobject_cast<QWidget*>(*it);
            const bool hidden = w && w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->isHidden();
            if (w && !w->isWindow() && !hidden && !w->testAttribute(Qt::WA_TransparentForMouseEvents)
                && w->geometry().contains(point))
                hit = w;
        }
        if (!hit)
            return found;
        found = hit;
        point -= hit->pos();
        parent = hit;
    }
}

bool isShadowed(const QWidget* control, QWidget* root)
{
    for (const QWidget* w = control->parentWidget(); w && w != root; w = w->parentWidget()) {
        const auto* around = dynamic_cast<const Clickable*>(w);
        if (around && around->takesClicks() && dynamic_cast<const Clickable*>(control))
            return true;
    }
    const QWidget* onTop = controlAt(root, control->mapTo(root, control->rect().center()));
    return onTop && onTop != control && !control->isAncestorOf(onTop);
}

} // namespace loco
