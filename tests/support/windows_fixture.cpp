#include "tests/support/windows_fixture.h"

#include "shell/UAWAL_MENU1.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"

#include <QTest>
#include <QWidget>

void WindowsTest::SetUp()
{
    loco::createWindows();
    awal_menu->show();
}

void WindowsTest::TearDown()
{
    loco::destroyWindows();
}

void click(QWidget* control)
{
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}
