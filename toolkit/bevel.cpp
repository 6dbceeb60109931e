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
    const bool lowered = style_ == QLatin1String("lowered");
    const QColor first = palette().color(lowered ? QPalette::Dark : QPalette::Light);
    const QColor second = palette().color(lowered ? QPalette::Light : QPalette::Dark);
    QLine a, b;
    if (shape_ == QLatin1String("topLine")) {
        a = QLine(r.left(), r.top(), r.right(), r.top());
        b = a.translated(0, 1);
    } else if (shape_ == QLatin1String("bottomLine")) {
        a = QLine(r.left(), r.bottom() - 1, r.right(), r.bottom() - 1);
        b = a.translated(0, 1);
    } else if (shape_ == QLatin1String("leftLine")) {
        a = QLine(r.left(), r.top(), r.left(), r.bottom());
        b = a.translated(1, 0);
    } else if (shape_ == QLatin1String("rightLine")) {
        a = QLine(r.right() - 1, r.top(), r.right() - 1, r.bottom());
        b = a.translated(1, 0);
    } else {
        return;
    }
    painter.setPen(first);
    painter.drawLine(a);
    painter.setPen(second);
    painter.drawLine(b);
}
