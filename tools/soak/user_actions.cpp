#include "tools/soak/user_actions.h"

#include "shell/UAWAL_MENU1.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>

namespace loco::soak {

QWidget* widgetAt(QWidget* window, QPoint point)
{
    QWidget* target = window->childAt(point);
    return target ? target : window;
}

bool endsProgram(const QWidget* widget)
{
    const QWidget* window = widget->window();
    return (window == awal_menu || window == menu1) && widget->objectName() == QLatin1String("Image2");
}

void clickAt(QWidget* window, QPoint point)
{
    QWidget* target = widgetAt(window, point);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, point));
}

bool clickOn(QWidget* control)
{
    QWidget* window = control->window();
    QPoint point = control->mapTo(window, control->rect().center());
    if (!window->rect().contains(point)) {
        // A person drags the scroll bar until the control is in sight.
        for (QWidget* parent = control->parentWidget(); parent; parent = parent->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(parent)) {
                area->ensureWidgetVisible(control);
                break;
            }
        }
        point = control->mapTo(window, control->rect().center());
    }
    if (!window->rect().contains(point))
        return false;
    clickAt(window, point);
    return true;
}

namespace {

QLineEdit* lineEditOf(QWidget* entry)
{
    if (auto* list = qobject_cast<QComboBox*>(entry))
        return list->lineEdit();
    return qobject_cast<QLineEdit*>(entry);
}

} // namespace

bool isEntry(const QWidget* widget)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return !edit->isReadOnly();
    const auto* list = qobject_cast<const QComboBox*>(widget);
    return list && list->isEditable();
}

void forgetUndoHistory(QWidget* entry)
{
    if (QLineEdit* edit = lineEditOf(entry)) {
        // The same text again: no change is signalled, so no handler runs.
        const int cursor = edit->cursorPosition();
        edit->setText(edit->text());
        edit->setCursorPosition(cursor);
    }
}

QString entryText(QWidget* entry)
{
    const QLineEdit* edit = lineEditOf(entry);
    return edit ? edit->text() : QString();
}

void type(QWidget* focused, const QString& text)
{
    QTest::keyClicks(focused, text);
}

void clearEntry(QWidget* focused)
{
    QTest::keyClick(focused, Qt::Key_End);
    QTest::keyClick(focused, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(focused, Qt::Key_Delete);
}

} // namespace loco::soak
