#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// Input as a person gives it: a click lands on whatever lies on top at that
// point of the window, keys go to the control that has the window's focus.
namespace loco::soak {

// The widget that a click at this point of the window reaches.
QWidget* widgetAt(QWidget* window, QPoint point);

// The login window's CLOSE area and the main menu's "Close" picture: two of
// the three ways the program ends (closing the login window is the third).
bool endsProgram(const QWidget* widget);

void clickAt(QWidget* window, QPoint point);

// Clicks the middle of a control, scrolling it into sight first where its
// window scrolls. False when the middle stays out of sight.
bool clickOn(QWidget* control);

// An entry takes typed text: a line edit or a list whose text can be typed.
bool isEntry(const QWidget* widget);

// Empties the undo history of an entry by setting its own text back. Qt's
// line edits keep every typed and removed character for undo (some 20 bytes
// each) until the program sets their text: far beyond what a person types,
// the soak's millions of keys would make that look like a leak.
void forgetUndoHistory(QWidget* entry);

// Types into the focused control of the window, key by key.
void type(QWidget* focused, const QString& text);

// Selects the whole text of an entry and deletes it.
void clearEntry(QWidget* focused);

// The text of an entry (empty for other controls).
QString entryText(QWidget* entry);

} // namespace loco::soak
