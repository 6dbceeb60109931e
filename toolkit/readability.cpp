#include "toolkit/readability.h"

#include "toolkit/core/contrast.h"
#include "toolkit/definition.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/on_screen.h"
#include "toolkit/panel.h"
#include "toolkit/radio_group.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

namespace loco {
namespace {

constexpr char kCaptionFaceProperty[] = "captionFace";

Rgb rgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}

QColor color(Rgb c)
{
    return QColor(c.red, c.green, c.blue);
}

// The font a control will show, from the definitions of it and its parents:
// fonts themselves are applied only when a window is first shown.
QFont definedFont(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (const QVariant font = w->property("textFont"); font.isValid())
            return fontFromDefinition(font.toString());
    return QApplication::font();
}

double needed(const QWidget* w)
{
    const QFont font = definedFont(w);
    return readableContrast(font.pixelSize(), font.bold());
}

bool carries(const QColor& face, const QColor& text, const QWidget* w)
{
    return contrastRatio(rgb(text), rgb(face)) >= needed(w);
}

// A face for a caption whose own face does not carry it.
QColor readableFace(const QColor& text)
{
    const double onNavy = contrastRatio(rgb(text), rgb(colorFromDefinition(QStringLiteral("navy"))));
    const double onWhite = contrastRatio(rgb(text), Rgb{255, 255, 255});
    return colorFromDefinition(onNavy >= onWhite ? QStringLiteral("navy") : QStringLiteral("white"));
}

void giveReadableFace(QWidget* w, QPalette::ColorRole face, QPalette::ColorRole text)
{
    QPalette palette = w->palette();
    if (carries(palette.color(face), palette.color(text), w))
        return;
    palette.setColor(face, readableFace(palette.color(text)));
    w->setPalette(palette);
    if (face == QPalette::Window)
        w->setAutoFillBackground(true);
}

// A caption that another control lies over is not meant to be read.
bool coveredAt(QWidget* w, QPoint point, QWidget* root)
{
    return controlAt(root, w->mapTo(root, point)) != w;
}

void keepCaptionReadable(QWidget* w, QWidget* root)
{
    // A group's caption stands at its top left, a panel's or label's in its middle.
    const QPoint caption = qobject_cast<QGroupBox*>(w) ? QPoint(10, 2) : w->rect().center();
    if (w != root && coveredAt(w, caption, root))
        return;
    if (qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w)) {
        giveReadableFace(w, QPalette::Button, QPalette::ButtonText);
    } else if ((qobject_cast<Label*>(w) && !static_cast<Label*>(w)->text().isEmpty())
        || (qobject_cast<Panel*>(w) && !static_cast<Panel*>(w)->caption().isEmpty())) {
        giveReadableFace(w, QPalette::Window, QPalette::WindowText);
    } else if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().isEmpty()) {
        const QPalette palette = group->palette();
        if (!carries(palette.color(QPalette::Window), palette.color(QPalette::WindowText), group))
            group->setProperty(kCaptionFaceProperty, readableFace(palette.color(QPalette::WindowText)));
    }
}

// Captions that a dialogue step disables show it by fading.
void fadeWhenDisabled(QWidget* w)
{
    const bool button = qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w);
    if (!button && !qobject_cast<QAbstractButton*>(w) && !qobject_cast<RadioGroup*>(w))
        return;
    QPalette palette = w->palette();
    const QColor face = palette.color(button ? QPalette::Button : QPalette::Window);
    for (const QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText}) {
        const Rgb faded = fadeToward(rgb(palette.color(QPalette::Active, role)), rgb(face), 0.5, kFadedCaptionContrast);
        palette.setColor(QPalette::Disabled, role, color(faded));
    }
    w->setPalette(palette);
}

} // namespace

void applyReadableColors(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets)
        keepCaptionReadable(w, root);
    for (QWidget* w : widgets)
        fadeWhenDisabled(w);
}

QPalette readablePalette(QPalette palette)
{
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        palette.setColor(QPalette::Disabled, r, palette.color(QPalette::Active, r));
    }
    return palette;
}

QColor captionFace(const QWidget* groupBox)
{
    return groupBox->property(kCaptionFaceProperty).value<QColor>();
}

} // namespace loco
