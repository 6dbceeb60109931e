#include "tools/soak/random_user.h"

#include "shell/UAWAL_MENU1.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/form_window.h"
#include "tools/soak/user_actions.h"
#include "tools/soak/window_routes.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>

#include <array>

namespace loco::soak {
namespace {

constexpr int kKeysPerEvent = 100;
constexpr int kLongEntry = 1000;

QString nameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// Controls that do something when clicked or typed into.
bool isLive(const QWidget* widget)
{
    return widget->isEnabled()
        && (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget)
            || qobject_cast<const QComboBox*>(widget) || widget->inherits("Label") || widget->inherits("Panel")
            || widget->inherits("Picture"));
}

template <typename T> QList<T*> visibleOf(QWidget* window, bool (*keep)(const QWidget*))
{
    QList<T*> found;
    for (T* widget : window->findChildren<T*>()) {
        if (widget->isVisible() && keep(widget))
            found << widget;
    }
    return found;
}

bool isEnabledEntry(const QWidget* widget)
{
    return widget->isEnabled() && isEntry(widget);
}

bool isEnabled(const QWidget* widget)
{
    return widget->isEnabled();
}

} // namespace

RandomUser::RandomUser(std::uint64_t seed, TypedTexts texts) : random_(seed), texts_(std::move(texts)) { }

int RandomUser::uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random_);
}

FormWindow* RandomUser::anyVisibleWindow()
{
    QList<FormWindow*> visible;
    for (FormWindow* window : loco::windows()) {
        if (window->isVisible())
            visible << window;
    }
    // The login window stays open for the whole run, so the list is never empty.
    return visible[uniform(0, int(visible.size()) - 1)];
}

UserEvent RandomUser::act()
{
    // An open list takes the next input, as it does for a person.
    if (QWidget* popup = QApplication::activePopupWidget())
        return answerOpenList(popup);
    if (stillTyping())
        return typeOn();
    if (!current_ || !current_->isVisible())
        current_ = anyVisibleWindow();
    const int dice = uniform(0, 99);
    if (dice < 55)
        return clickSomewhere();
    if (dice < 75)
        return typeText();
    if (dice < 87)
        return pressKey();
    if (dice < 93)
        return chooseFromList();
    if (dice < 97)
        return reopenWindow();
    return closeWindow();
}

// Half the clicks land anywhere in a window, half on one of its controls,
// which a click anywhere seldom hits. What lies on top gets the click either
// way; a point that would end the program is passed over.
UserEvent RandomUser::clickSomewhere()
{
    current_ = anyVisibleWindow();
    const QRect area = current_->rect();
    QPoint point(uniform(0, area.width() - 1), uniform(0, area.height() - 1));
    if (uniform(0, 1) == 0) {
        const QList<QWidget*> controls = visibleOf<QWidget>(current_, isLive);
        if (!controls.isEmpty()) {
            QWidget* control = controls[uniform(0, int(controls.size()) - 1)];
            const QPoint inside(
                uniform(0, std::max(0, control->width() - 1)), uniform(0, std::max(0, control->height() - 1)));
            const QPoint mapped = control->mapTo(current_, inside);
            if (area.contains(mapped))
                point = mapped;
        }
    }
    QWidget* target = widgetAt(current_, point);
    if (endsProgram(target))
        return {current_, QStringLiteral("passed over a click on %1").arg(nameOf(target))};
    clickAt(current_, point);
    return {current_, QStringLiteral("click at (%1,%2) on %3").arg(point.x()).arg(point.y()).arg(nameOf(target))};
}

// Types into the focused entry; without one, first clicks into an entry.
UserEvent RandomUser::typeText()
{
    QWidget* focused = current_->focusWidget();
    if (!focused || !isEntry(focused)) {
        const QList<QWidget*> entries = visibleOf<QWidget>(current_, isEnabledEntry);
        if (entries.isEmpty())
            return pressKey();
        clickOn(entries[uniform(0, int(entries.size()) - 1)]);
        focused = current_->focusWidget();
        if (!focused || !isEntry(focused))
            return {current_, QStringLiteral("clicked for an entry, none took the focus")};
    }
    forgetUndoHistory(focused);
    // Replacing the text half the time, and always once it is long, keeps
    // entries from growing without end.
    if (entryText(focused).size() > kLongEntry || uniform(0, 1) == 0)
        clearEntry(focused);
    typingInto_ = focused;
    textLeft_ = texts_.next(random_);
    return typeOn();
}

bool RandomUser::stillTyping()
{
    if (textLeft_.isEmpty())
        return false;
    if (typingInto_ && typingInto_->isVisible() && typingInto_->window()->focusWidget() == typingInto_)
        return true;
    textLeft_.clear();
    return false;
}

UserEvent RandomUser::typeOn()
{
    const QString keys = textLeft_.left(kKeysPerEvent);
    textLeft_.remove(0, keys.size());
    type(typingInto_, keys);
    return {qobject_cast<FormWindow*>(typingInto_->window()),
        QStringLiteral("typed %1 characters into %2").arg(keys.size()).arg(nameOf(typingInto_))};
}

UserEvent RandomUser::pressKey()
{
    static constexpr std::array kKeys{Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Escape,
        Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    Qt::Key key = kKeys[uniform(0, int(kKeys.size()) - 1)];
    QWidget* focused = current_->focusWidget() ? current_->focusWidget() : current_;
    // Space or Enter on a way out would end the program, as a click would.
    if (endsProgram(focused) && (key == Qt::Key_Space || key == Qt::Key_Return))
        key = Qt::Key_Tab;
    QTest::keyClick(focused, key);
    return {current_, QStringLiteral("key %1 to %2").arg(QKeySequence(key).toString(), nameOf(focused))};
}

// Opens a list by its arrow; the pick itself is the next input.
UserEvent RandomUser::chooseFromList()
{
    const QList<QComboBox*> lists = visibleOf<QComboBox>(current_, isEnabled);
    if (lists.isEmpty())
        return clickSomewhere();
    QComboBox* list = lists[uniform(0, int(lists.size()) - 1)];
    const QPoint arrow(list->width() - 6, list->height() / 2);
    const QPoint point = list->mapTo(current_, arrow);
    if (!current_->rect().contains(point))
        return {current_, QStringLiteral("list %1 out of sight").arg(nameOf(list))};
    clickAt(current_, point);
    return {current_, QStringLiteral("opened list %1").arg(nameOf(list))};
}

// Mostly picks an item of the open list by the arrow keys and Enter, as a
// click so soon after opening would be taken for the opening click's end;
// sometimes leaves the list by Escape.
UserEvent RandomUser::answerOpenList(QWidget* popup)
{
    auto* owner = qobject_cast<FormWindow*>(popup->parentWidget() ? popup->parentWidget()->window() : nullptr);
    auto* view = popup->findChild<QAbstractItemView*>();
    QWidget* keys = view ? static_cast<QWidget*>(view) : popup;
    if (!view || !view->model() || uniform(0, 4) == 0) {
        QTest::keyClick(keys, Qt::Key_Escape);
        return {owner, QStringLiteral("left an open list")};
    }
    const int steps = uniform(0, view->model()->rowCount());
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(keys, uniform(0, 3) == 0 ? Qt::Key_Up : Qt::Key_Down);
    QTest::keyClick(keys, Qt::Key_Return);
    return {owner, QStringLiteral("picked from an open list after %1 arrow keys").arg(steps)};
}

UserEvent RandomUser::closeWindow()
{
    FormWindow* window = anyVisibleWindow();
    // Closing the login window ends the program.
    if (window == awal_menu)
        return {window, QStringLiteral("passed over closing the login window")};
    window->close();
    return {window, QStringLiteral("closed the window")};
}

UserEvent RandomUser::reopenWindow()
{
    QList<FormWindow*> hidden;
    for (FormWindow* window : loco::windows()) {
        if (!window->isVisible())
            hidden << window;
    }
    if (hidden.isEmpty())
        return clickSomewhere();
    FormWindow* window = hidden[uniform(0, int(hidden.size()) - 1)];
    const bool opened = openThroughButtons(window);
    return {window,
        opened ? QStringLiteral("opened again through its buttons")
               : QStringLiteral("could not be opened through its buttons")};
}

} // namespace loco::soak
