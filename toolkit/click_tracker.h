#pragma once

#include <QMouseEvent>
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
        const bool click = pressed_ && event->button() == Qt::LeftButton
            && control->rect().contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};

} // namespace loco
