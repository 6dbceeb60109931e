#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class QShortcut;
class QWidget;

namespace loco {

// Runs one event handler; an exception it raises is shown in the error box
// and goes no further, so nothing ever unwinds through Qt's event loop.
void runGuarded(const std::function<void()>& handler) noexcept;

// Connects a control's signal to a parameterless handler of a window,
// running it through runGuarded. The window is the connection's context.
template <typename Sender, typename Signal, typename Window>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Window* window, void (Window::*handler)())
{
    return QObject::connect(sender, signal, window, [window, handler] { runGuarded([&] { (window->*handler)(); }); });
}

// A shortcut of window, active while the window is the active one, whose
// command runs through runGuarded.
QShortcut* addShortcut(QWidget* window, const QList<QKeySequence>& keys, std::function<void()> command);

} // namespace loco
