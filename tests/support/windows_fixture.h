#pragma once

#include "records/store/records_store.h"

#include <QMenu>
#include <QWidget>

#include <gtest/gtest.h>
#include <memory>

namespace loco {

// Creates the program's ten windows, with the shipped data, for one test and
// destroys them after it.
class WindowsTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Where the windows file records: nowhere (records off) unless a test
    // says otherwise.
    virtual records::RecordsConfig recordsConfig() const { return {.enabled = false}; }

    std::unique_ptr<records::RecordsStore> records;
};

// Clicks the middle of a control with the left button, as a user does.
void click(QWidget* control);

// Clicks the control's window where the control lies: what lies on top there
// gets the click, as on a screen.
void clickOnScreen(QWidget* control);
void clickAt(QWidget* window, QPoint point);

// Right-clicks the control's window where the control lies; returns the
// context menu that opens there, or null.
QMenu* contextMenuAt(QWidget* control);
// Clicks the menu's item with this text.
void chooseMenuItem(QMenu* menu, const QString& text);
QStringList menuTexts(const QMenu* menu);

// Where the keyboard focus sits: a list by its own name rather than its edit's.
QString focusName();

// Types into whatever has the keyboard focus, through the focused window.
void typeKeys(const QString& text);
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {});

// Finds a control of a window by its name, failing the test when missing.
template <typename T = QWidget> T* control(QWidget* window, const char* name)
{
    T* found = window->template findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

} // namespace loco
