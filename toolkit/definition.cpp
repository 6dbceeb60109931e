#include "toolkit/definition.h"

#include "toolkit/fonts.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <limits>

namespace loco {
namespace {

bool isTextInput(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QAbstractScrollArea*>(w);
}

void applyWidgetColors(QWidget* w)
{
    const QVariant background = w->property("color");
    const QVariant text = w->property("textColor");
    if (!background.isValid() && !text.isValid())
        return;
    QPalette palette = w->palette();
    if (background.isValid()) {
        const QColor c = colorFromDefinition(background.toString());
        if (isTextInput(w)) {
            palette.setColor(QPalette::Base, c);
        } else if (qobject_cast<QAbstractButton*>(w)) {
            palette.setColor(QPalette::Button, c);
        } else {
            palette.setColor(QPalette::Window, c);
            w->setAutoFillBackground(true);
        }
    }
    if (text.isValid()) {
        const QColor c = colorFromDefinition(text.toString());
        // Text is the role of edit boxes; setting it on containers would
        // leak into the edits inside them, which keep their own colour.
        if (isTextInput(w))
            palette.setColor(QPalette::Text, c);
        palette.setColor(QPalette::WindowText, c);
        palette.setColor(QPalette::ButtonText, c);
    }
    w->setPalette(palette);
}

void applyFont(QWidget* w)
{
    const QVariant font = w->property("textFont");
    if (font.isValid())
        w->setFont(fontFromDefinition(font.toString()));
}

// Parents first, so that children's own attributes win over inherited ones.
template <typename Apply>
void applyToTree(QWidget* root, Apply apply)
{
    apply(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        apply(w);
}

} // namespace

QColor colorFromDefinition(const QString& name)
{
    // System colours as the classic desktop draws them.
    static const QHash<QString, QColor> system{
        {QStringLiteral("btnface"), QColor(0xEC, 0xE9, 0xD8)},
        {QStringLiteral("menu"), QColor(0xFF, 0xFF, 0xFF)},
        {QStringLiteral("inactiveborder"), QColor(0xD4, 0xD0, 0xC8)},
        {QStringLiteral("window"), QColor(0xFF, 0xFF, 0xFF)},
        {QStringLiteral("windowtext"), QColor(0x00, 0x00, 0x00)},
        // The classic sixteen-colour names that differ from the web's.
        {QStringLiteral("green"), QColor(0x00, 0x80, 0x00)},
        {QStringLiteral("gray"), QColor(0x80, 0x80, 0x80)},
        {QStringLiteral("silver"), QColor(0xC0, 0xC0, 0xC0)},
        {QStringLiteral("lime"), QColor(0x00, 0xFF, 0x00)},
    };
    const QString key = name.trimmed().toLower();
    if (const auto it = system.constFind(key); it != system.constEnd())
        return *it;
    return QColor::fromString(key);
}

void applyColors(QWidget* root)
{
    applyToTree(root, applyWidgetColors);
}

void applyFonts(QWidget* root)
{
    applyToTree(root, applyFont);
}

void applyEntryDefaults(QWidget* root)
{
    for (QLineEdit* edit : root->findChildren<QLineEdit*>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    for (QComboBox* list : root->findChildren<QComboBox*>()) {
        list->setInsertPolicy(QComboBox::NoInsert);
        if (list->isEditable())
            list->setCompleter(nullptr);
    }
}

void applyDefinition(QWidget* root)
{
    applyColors(root);
    applyEntryDefaults(root);
    applyFonts(root);
}

} // namespace loco
