#include "toolkit/shape.h"

#include "toolkit/definition.h"

#include <QPainter>

Shape::Shape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setShape(const QString& shape)
{
    shape_ = shape;
    update();
}

void Shape::setBrushColor(const QString& color)
{
    brushColor_ = color;
    update();
}

void Shape::setPenColor(const QString& color)
{
    penColor_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(loco::colorFromDefinition(penColor_));
    painter.setBrush(loco::colorFromDefinition(brushColor_));
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (shape_ == QLatin1String("circle")) {
        const qreal side = qMin(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    // The classic rounded corners are a quarter of the shorter side.
    const qreal radius = qMin(r.width(), r.height()) / 4;
    if (shape_ == QLatin1String("ellipse") || shape_ == QLatin1String("circle"))
        painter.drawEllipse(r);
    else if (shape_ == QLatin1String("roundRect"))
        painter.drawRoundedRect(r, radius, radius);
    else
        painter.drawRect(r);
}
