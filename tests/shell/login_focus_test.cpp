#include "shell/UAWAL_MENU1.h"
#include "shell/window_refs.h"
#include "tests/support/windows_fixture.h"

#include <QLineEdit>
#include <QTest>

namespace loco {
namespace {

// The fixture shows the login window as the program does at start. On Xvfb
// without a window manager nothing else activates it.
TEST_F(WindowsTest, TypingAtStartReachesThePasswordBox)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(awal_menu));
    typeKeys(QStringLiteral("bOlt"));
    EXPECT_EQ(control<QLineEdit>(awal_menu, "Edit1")->text(), QStringLiteral("bOlt"));
}

} // namespace
} // namespace loco
