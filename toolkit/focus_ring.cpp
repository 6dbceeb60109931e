#include "toolkit/focus_ring.h"

#include "toolkit/picture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace loco {
namespace {

constexpr int kRingWidth = 2;
constexpr int kButtonBevel = 2;

// The control that the user sees focused: a typed list rather than its edit.
QWidget* shownControl(QWidget* focus)
{
    if (auto* list = qobject_cast<QComboBox*>(focus->parentWidget()))
        return list;
    return focus;
}

QColor captionColor(const QWidget* control)
{
    const bool textBox = qobject_cast<const QAbstractScrollArea*>(control) || qobject_cast<const QComboBox*>(control);
    return control->palette().color(textBox ? QPalette::Text : control->foregroundRole());
}

} // namespace

FocusRing::FocusRing(QWidget* window) : QFocusFrame(window)
{
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this, window](QWidget*, QWidget* now) {
        follow(now && now->window() == window && now != window ? shownControl(now) : nullptr);
    });
}

void FocusRing::follow(QWidget* control)
{
    if (control == control_)
        return;
    if (control_)
        control_->removeEventFilter(this);
    control_ = control;
    if (!control) {
        hide();
        return;
    }
    setParent(control->parentWidget());
    control->installEventFilter(this);
    place();
}

void FocusRing::place()
{
    setGeometry(control_->geometry());
    raise();
    setVisible(control_->isVisible());
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
    case QEvent::PaletteChange:
        if (watched == control_)
            place();
        break;
    default:
        break;
    }
    return false;
}

void FocusRing::paintEvent(QPaintEvent*)
{
    if (!control_)
        return;
    QPainter painter(this);
    const QRect ring = rect();
    if (qobject_cast<const Picture*>(control_)) {
        painter.setPen(Qt::black);
        painter.drawRect(ring.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::white);
        painter.drawRect(ring.adjusted(1, 1, -2, -2));
        return;
    }
    // On a button the ring lies inside the classic two-pixel bevel, where
    // the face carries the caption.
    const bool bevelled = qobject_cast<const QPushButton*>(control_) || qobject_cast<const QToolButton*>(control_);
    const int inset = bevelled ? kButtonBevel : 0;
    const QColor color = captionColor(control_);
    for (int i = inset; i < inset + kRingWidth; ++i) {
        painter.setPen(color);
        painter.drawRect(ring.adjusted(i, i, -1 - i, -1 - i));
    }
}

} // namespace loco
