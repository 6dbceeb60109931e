#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

namespace loco {

// Tells a click (left button pressed and released over the control) from
// other mouse input, for controls that report clicks themselves.
class ClickTracker {
public:
    void press(const QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

    // True when this release completes a click on the control.
    bool release(const QMouseEvent* event, const QWidget* control)
    {
        const bool click
            = pressed_ && event->button() == Qt::LeftButton && control->rect().contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};

// A control that is no button yet may take clicks (panels, labels, pictures):
// while a handler takes its clicks it is reached by Tab and pressed by Space
// and Enter, and assistive technology presents it as a button.
class Clickable {
public:
    virtual ~Clickable() = default;
    // Whether a handler is bound to the control's clicks.
    virtual bool takesClicks() const = 0;
    // Runs the control's click, as a user's click does.
    virtual void click() = 0;
    // The text the control shows, if any.
    virtual QString shownText() const = 0;
};

// Gives the control the Tab focus exactly while a handler takes its clicks;
// a click with the mouse leaves the focus where it was, as on a panel.
inline void followClickHandlers(QWidget* control, const Clickable& clickable)
{
    control->setFocusPolicy(clickable.takesClicks() ? Qt::TabFocus : Qt::NoFocus);
}

// Space and Enter press a focused control that takes clicks; true when the
// key did.
inline bool pressedByKey(Clickable& clickable, const QKeyEvent* event)
{
    const bool pressKey
        = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!pressKey || event->modifiers() & ~Qt::KeypadModifier || event->isAutoRepeat() || !clickable.takesClicks())
        return false;
    clickable.click();
    return true;
}

} // namespace loco
