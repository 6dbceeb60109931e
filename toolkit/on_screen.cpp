#include "toolkit/on_screen.h"

#include "toolkit/clickable.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>

namespace loco {
namespace {

constexpr int kChoiceMarkMiddle = 6;

} // namespace

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
    // A choice shows itself by its mark, at its left, however wide its box.
    const bool choice = qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control);
    const QPoint middle = choice ? QPoint(std::min(kChoiceMarkMiddle, control->width() / 2), control->height() / 2)
                                 : control->rect().center();
    const QWidget* onTop = controlAt(root, control->mapTo(root, middle));
    return onTop && onTop != control && !control->isAncestorOf(onTop);
}

QRect placeBeside(const QRect& other, QSize size, const QRect& available)
{
    size = size.boundedTo(available.size());
    int left = available.right() + 1 - size.width();
    if (other.right() + size.width() <= available.right())
        left = other.right() + 1;
    else if (other.left() - size.width() >= available.left())
        left = other.left() - size.width();
    const int top = std::clamp(other.top(), available.top(), available.bottom() + 1 - size.height());
    return QRect(QPoint(left, top), size);
}

} // namespace loco
