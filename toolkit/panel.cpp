#include "toolkit/panel.h"

#include "toolkit/bevel_painter.h"
#include "toolkit/definition.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

Panel::Panel(QWidget* parent) : QWidget(parent)
{
    // Panels have a colour of their own, the button face, unless defined otherwise.
    QPalette p = palette();
    p.setColor(QPalette::Window, loco::colorFromDefinition(QStringLiteral("btnface")));
    setPalette(p);
    setAutoFillBackground(true);
}

void Panel::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void Panel::setBevelOuter(const QString& bevel)
{
    bevelOuter_ = bevel;
    update();
}

void Panel::setBevelInner(const QString& bevel)
{
    bevelInner_ = bevel;
    update();
}

bool Panel::takesClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Panel::clicked));
}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect r = rect();
    r = loco::drawBevel(painter, r, bevelOuter_, palette());
    r = loco::drawBevel(painter, r, bevelInner_, palette());
    if (!caption_.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(r, Qt::AlignCenter, caption_);
    }
}

void Panel::mousePressEvent(QMouseEvent* event)
{
    clicks_.press(event);
}

void Panel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = clicks_.release(event, this);
    if (click)
        emit clicked();
}

void Panel::connectNotify(const QMetaMethod& signal)
{
    QWidget::connectNotify(signal);
    loco::followClickHandlers(this, *this);
}

void Panel::disconnectNotify(const QMetaMethod& signal)
{
    QWidget::disconnectNotify(signal);
    loco::followClickHandlers(this, *this);
}

void Panel::keyPressEvent(QKeyEvent* event)
{
    if (!loco::pressedByKey(*this, event))
        QWidget::keyPressEvent(event);
}
