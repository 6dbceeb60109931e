#pragma once

#include <QKeyEvent>

#include <optional>

namespace loco {

// Ctrl+Tab and Ctrl+Shift+Tab, which a text box would otherwise take as
// text: the direction they move the focus in (true: forward).
inline std::optional<bool> ctrlTabDirection(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return std::nullopt;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier) || (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
        return std::nullopt;
    return key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
}

} // namespace loco
