#include "toolkit/handler_guard.h"

#include "toolkit/error_box.h"

#include <QShortcut>

#include <exception>

namespace loco {

void runGuarded(const std::function<void()>& handler) noexcept
{
    QString message;
    try {
        handler();
        return;
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    try {
        reportError(message);
    } catch (...) {
        // A failing reporter must not take the program down either.
    }
}

QShortcut* addShortcut(QWidget* window, const QList<QKeySequence>& keys, std::function<void()> command)
{
    auto* shortcut = new QShortcut(window);
    shortcut->setKeys(keys);
    QObject::connect(
        shortcut, &QShortcut::activated, shortcut, [command = std::move(command)] { runGuarded(command); });
    return shortcut;
}

} // namespace loco
