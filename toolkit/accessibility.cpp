#include "toolkit/accessibility.h"

#include "toolkit/bevel.h"
#include "toolkit/clickable.h"
#include "toolkit/form_window.h"
#include "toolkit/on_screen.h"
#include "toolkit/picture.h"
#include "toolkit/radio_group.h"
#include "toolkit/shape.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>

namespace loco {
namespace {

constexpr char kAlertProperty[] = "accessibleAlert";

// What a window shows but a screen reader should not read: decoration
// (shapes, bevels, pictures that take no clicks) and whatever stands for
// nothing of its own (a caption covered by another control, a caption inside
// a panel that takes the same clicks).
bool hiddenFromReaders(const QWidget* w)
{
    if (qobject_cast<const Shape*>(w) || qobject_cast<const Bevel*>(w) || qobject_cast<const QFocusFrame*>(w)
        || qobject_cast<const QMenu*>(w))
        return true;
    if (const auto* picture = qobject_cast<const Picture*>(w); picture && !picture->takesClicks())
        return true;
    const auto* window = qobject_cast<const FormWindow*>(w->window());
    return window && window->content()->isAncestorOf(w) && isShadowed(w, window->content());
}

// A control whose children the reader sees only where they show something.
class ControlAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = children();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> children() const
    {
        QList<QWidget*> shown;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !hiddenFromReaders(w))
                shown << w;
        }
        return shown;
    }
};

// A window by its caption; the thickness notice as an alert that carries
// its text, so that screen readers announce it.
class WindowAccessible : public ControlAccessible {
public:
    explicit WindowAccessible(QWidget* window) : ControlAccessible(window, QAccessible::Window) { }

    QAccessible::Role role() const override
    {
        return widget()->property(kAlertProperty).toBool() ? QAccessible::AlertMessage : QAccessible::Window;
    }
};

// Panels, labels and pictures: a push button while a handler takes their
// clicks, otherwise what they look like.
class ClickableAccessible : public ControlAccessible {
public:
    ClickableAccessible(QWidget* widget, QAccessible::Role restingRole) : ControlAccessible(widget, restingRole) { }

    QAccessible::Role role() const override
    {
        return control()->takesClicks() ? QAccessible::PushButton : ControlAccessible::role();
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? control()->shownText() : widget()->accessibleName();
        return ControlAccessible::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = ControlAccessible::actionNames();
        if (control()->takesClicks() && widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && control()->takesClicks() && widget()->isEnabled())
            control()->click();
        else
            ControlAccessible::doAction(action);
    }

private:
    Clickable* control() const { return dynamic_cast<Clickable*>(widget()); }
};

// How a choice names its group: by the short name in brackets that a long
// caption ends with ("VARIABLE SPEED MECHANICAL [ VSM ]"), else by the caption.
QString groupShortName(const RadioGroup* group)
{
    static const QRegularExpression bracketed(QStringLiteral("\\[\\s*([^\\]]*?)\\s*\\]\\s*$"));
    const QString caption = group->accessibleName().isEmpty() ? group->title() : group->accessibleName();
    const QRegularExpressionMatch match = bracketed.match(caption);
    return (match.hasMatch() ? match.captured(1) : caption).trimmed();
}

// Radio buttons and check boxes. Qt's own toggle action only flips the
// check mark, which runs no click handler: here it clicks, as a user does.
// A choice of a radio group carries its group's name, for several groups
// hold choices of the same text.
class CheckableAccessible : public ControlAccessible {
public:
    CheckableAccessible(QAbstractButton* button, QAccessible::Role role) : ControlAccessible(button, role) { }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return ControlAccessible::text(t);
        if (const auto* group = qobject_cast<const RadioGroup*>(widget()->parentWidget()))
            return groupShortName(group) + QStringLiteral(" – ") + button()->text();
        return button()->text();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = ControlAccessible::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = ControlAccessible::actionNames();
        if (button()->isEnabled())
            names.prepend(toggleAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == toggleAction() || action == pressAction())
            button()->click(); // does nothing while disabled
        else
            ControlAccessible::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A group by its own caption; Qt would name a group inside another group
// by the outer one's caption.
class GroupAccessible : public ControlAccessible {
public:
    explicit GroupAccessible(QGroupBox* group) : ControlAccessible(group, QAccessible::Grouping) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QGroupBox*>(widget())->title();
        return ControlAccessible::text(t);
    }
};

// A drop-down list by its label, as every entry; Qt names a list on Linux
// by the text it holds, which tells nothing of what it is for.
class ListAccessible : public ControlAccessible {
public:
    explicit ListAccessible(QComboBox* list) : ControlAccessible(list, QAccessible::ComboBox) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return ControlAccessible::text(t);
    }

    // The list of choices first, then the edit where the value is typed.
    int childCount() const override { return list()->lineEdit() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->lineEdit())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child->object() == list()->view())
            return 0;
        return list()->lineEdit() && child->object() == list()->lineEdit() ? 1 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = ControlAccessible::state();
        s.editable = list()->isEditable();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            ControlAccessible::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* controlInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("FormWindow") || className == QLatin1String("PictureViewer"))
        return new WindowAccessible(widget);
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
    if (className == QLatin1String("QGroupBox"))
        return new GroupAccessible(static_cast<QGroupBox*>(widget));
    if (className == QLatin1String("QComboBox"))
        return new ListAccessible(static_cast<QComboBox*>(widget));
    // Plain containers (a window's form, its scrolling viewport).
    if (className == QLatin1String("QWidget"))
        return new ControlAccessible(widget, QAccessible::Client);
    return nullptr;
}

// Announces the alert each time it appears, as a message box does.
class AlertAnnouncer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleEvent alert(watched, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
        return false;
    }
};

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(controlInterface);
}

void applyAccessibleNames(QWidget* root)
{
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        // The label's words without the mark of its access key ("&Cari").
        if (buddy && buddy->accessibleName().isEmpty())
            buddy->setAccessibleName(
                QString(label->text()).replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1")));
    }
    // A typed list is read through its own edit, which carries the list's name.
    for (QComboBox* list : root->findChildren<QComboBox*>())
        if (list->lineEdit() && list->lineEdit()->accessibleName().isEmpty())
            list->lineEdit()->setAccessibleName(list->accessibleName());
}

void presentAsAlert(QWidget* window, const QString& text)
{
    window->setProperty(kAlertProperty, true);
    window->setAccessibleDescription(text);
    window->installEventFilter(new AlertAnnouncer(window));
}

} // namespace loco
