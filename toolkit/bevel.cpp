#include "toolkit/bevel.h"

#include "toolkit/bevel_painter.h"

#include <QPainter>

Bevel::Bevel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::setShape(const QString& shape)
{
    shape_ = shape;
    update();
}

void Bevel::setStyle(const QString& style)
{
    style_ = style;
    update();
}

void Bevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect();
    if (shape_ == QLatin1String("box")) {
        loco::drawBevel(painter, r, style_, palette());
        return;
    }
    if (shape_ == QLatin1String("frame")) {
        // An etched frame: a lowered line followed by a raised one.
        const QString other = style_ == QLatin1String("lowered") ? QStringLiteral("raised") : QStringLiteral("lowered");
        loco::drawBevel(painter, loco::drawBevel(painter, r, style_, palette()), other, palette());
        return;
    }
    if (shape_ != QLatin1String("topLine"))
        return;
    const bool lowered = style_ == QLatin1String("lowered");
    const QLine top(r.left(), r.top(), r.right(), r.top());
    painter.setPen(palette().color(lowered ? QPalette::Dark : QPalette::Light));
    painter.drawLine(top);
    painter.setPen(palette().color(lowered ? QPalette::Light : QPalette::Dark));
    painter.drawLine(top.translated(0, 1));
}
