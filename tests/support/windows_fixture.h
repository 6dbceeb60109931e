#pragma once

#include <gtest/gtest.h>

#include <QWidget>

namespace loco {

// Creates the program's ten windows for one test and destroys them after it.
class WindowsTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Clicks the middle of a control with the left button, as a user does.
void click(QWidget* control);

// Finds a control of a window by its name, failing the test when missing.
template <typename T = QWidget>
T* control(QWidget* window, const char* name)
{
    T* found = window->template findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

} // namespace loco
