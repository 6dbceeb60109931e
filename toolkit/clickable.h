#pragma once

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
// what assistive technology needs to present it as a button.
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

} // namespace loco
