#include "toolkit/accessibility.h"

#include "toolkit/clickable.h"
#include "toolkit/form_window.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace loco {
namespace {

// Panels, labels and pictures: a push button while a handler takes their
// clicks, otherwise what they look like.
class ClickableAccessible : public QAccessibleWidget {
public:
    ClickableAccessible(QWidget* widget, QAccessible::Role restingRole) : QAccessibleWidget(widget, restingRole) { }

    QAccessible::Role role() const override
    {
        return control()->takesClicks() ? QAccessible::PushButton : QAccessibleWidget::role();
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? control()->shownText() : widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (control()->takesClicks() && widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && control()->takesClicks() && widget()->isEnabled())
            control()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Clickable* control() const { return dynamic_cast<Clickable*>(widget()); }
};

// Radio buttons and check boxes. Qt's own toggle action only flips the
// check mark, which runs no click handler: here it clicks, as a user does.
class CheckableAccessible : public QAccessibleWidget {
public:
    CheckableAccessible(QAbstractButton* button, QAccessible::Role role) : QAccessibleWidget(button, role) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled())
            names.prepend(toggleAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == toggleAction() || action == pressAction())
            button()->click(); // does nothing while disabled
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* controlInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("FormWindow") || className == QLatin1String("PictureViewer"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("Panel"))
        return new ClickableAccessible(widget, QAccessible::Pane);
    if (className == QLatin1String("Label"))
        return new ClickableAccessible(widget, QAccessible::StaticText);
    if (className == QLatin1String("Picture"))
        return new ClickableAccessible(widget, QAccessible::Graphic);
    if (className == QLatin1String("QRadioButton"))
        return new CheckableAccessible(static_cast<QRadioButton*>(widget), QAccessible::RadioButton);
    if (className == QLatin1String("QCheckBox"))
        return new CheckableAccessible(static_cast<QCheckBox*>(widget), QAccessible::CheckBox);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(controlInterface);
}

void applyAccessibleNames(QWidget* root)
{
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && buddy->accessibleName().isEmpty())
            buddy->setAccessibleName(label->text());
    }
    // A typed list is read through its own edit, which carries the list's name.
    for (QComboBox* list : root->findChildren<QComboBox*>())
        if (list->lineEdit() && list->lineEdit()->accessibleName().isEmpty())
            list->lineEdit()->setAccessibleName(list->accessibleName());
}

} // namespace loco
