#pragma once

#include <QProxyStyle>

namespace loco {

// Qt's Fusion look with what the classic desktop showed differently:
// the password character "*", button faces in exactly the colour their
// definition (or readability) gives, with classic bevels instead of
// Fusion's lightened gradients, a plate behind a group's caption where the
// group's face does not carry it (readability.h), and no focus rectangle of
// its own: the focus ring shows the focus (focus_ring.h).
class ClassicStyle : public QProxyStyle {
public:
    ClassicStyle();

    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const override;
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override;
};

} // namespace loco
