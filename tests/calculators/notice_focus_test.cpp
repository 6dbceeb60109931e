// Runs on a real X server (Xvfb): the offscreen platform activates every
// window it shows, so it cannot tell whether the notice takes the keyboard.

#include "calculators/UMENU_UR.h"
#include "calculators/Udialog1.h"
#include "shell/window_refs.h"
#include "tests/support/windows_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace loco {
namespace {

class NoticeFocusTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        umurrem->showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(umurrem));
        minimum = control<QLineEdit>(umurrem, "Edit5");
        clickOnScreen(minimum);
        pressKey(Qt::Key_A, Qt::ControlModifier);
        typeKeys(QStringLiteral("500"));
    }

    QLineEdit* minimum = nullptr;
};

TEST_F(NoticeFocusTest, TheNoticeAppearsWhileTheTypingGoesOnInTheEntry)
{
    EXPECT_EQ(minimum->text().toStdString(), "500");
    EXPECT_TRUE(DIALOG1->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), umurrem);
    EXPECT_EQ(QApplication::focusWidget(), minimum);
}

TEST_F(NoticeFocusTest, OnTheNoticeEnterPressesOkAndEscapeCloses)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        DIALOG1->showModeless();
        DIALOG1->activateWindow();
        // A transient of the active window counts as active itself: wait
        // until the notice really has the keyboard.
        ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::focusWindow() == DIALOG1->windowHandle(); }));
        pressKey(key);
        EXPECT_FALSE(DIALOG1->isVisible()) << key;
    }
}

} // namespace
} // namespace loco
