#include "tests/support/windows_fixture.h"

#include "shell/UAWAL_MENU1.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"

#include <QTest>
#include <QWidget>

namespace loco {

void WindowsTest::SetUp()
{
    createWindows();
    awal_menu->show();
}

void WindowsTest::TearDown()
{
    destroyWindows();
}

void click(QWidget* control)
{
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

} // namespace loco
