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

QPalette::ColorRole backgroundRole(const QWidget* w)
{
    if (isTextInput(w))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton*>(w))
        return QPalette::Button;
    return QPalette::Window;
}

void applyWidgetColors(QWidget* w)
{
    const QVariant background = w->property("color");
    const QVariant text = w->property("textColor");
    if (!background.isValid() && !text.isValid())
        return;
    QPalette palette = w->palette();
    const QPalette::ColorRole backRole = backgroundRole(w);
    if (background.isValid()) {
        palette.setColor(backRole, colorFromDefinition(background.toString()));
        if (backRole == QPalette::Window)
            w->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        const QColor c = colorFromDefinition(text.toString());
        // Text is the role of edit boxes; setting it on containers would
        // leak into the edits inside them, which keep their own colour.
        QList<QPalette::ColorRole> roles{QPalette::WindowText, QPalette::ButtonText};
        if (isTextInput(w))
            roles << QPalette::Text;
        // Disabled captions fade later, where readability allows (readability.h).
        for (const QPalette::ColorRole role : roles)
            palette.setColor(role, c);
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
template <typename Apply> void applyToTree(QWidget* root, Apply apply)
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

} // namespace loco
