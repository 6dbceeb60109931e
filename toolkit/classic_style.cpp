#include "toolkit/classic_style.h"

#include "toolkit/bevel_painter.h"
#include "toolkit/readability.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace loco {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) { }

int ClassicStyle::styleHint(
    StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const
{
    if (hint == SH_LineEdit_PasswordCharacter)
        return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ClassicStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    // The focus ring (focus_ring.h) shows the keyboard focus on every control.
    if (element == PE_FrameFocusRect)
        return;
    if (element != PE_PanelButtonCommand && element != PE_PanelButtonTool) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The face a caption stands on is the face readability judged: no
    // lightening, no gradient, the same under the mouse; pressed sinks.
    const QString bevel
        = option->state & (State_Sunken | State_On) ? QStringLiteral("lowered") : QStringLiteral("raised");
    painter->fillRect(option->rect, option->palette.button());
    const QRect inner = drawBevel(*painter, option->rect, bevel, option->palette);
    drawBevel(*painter, inner, bevel, option->palette);
}

void ClassicStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    if (control == CC_GroupBox && widget) {
        if (const QColor plate = captionFace(widget); plate.isValid()) {
            const QRect label = subControlRect(CC_GroupBox, option, SC_GroupBoxLabel, widget);
            painter->fillRect(label.adjusted(-2, 0, 2, 0), plate);
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

} // namespace loco
