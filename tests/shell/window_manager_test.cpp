// On a real X server (Xvfb) under a real window manager (xfwm4, started here
// in the D-Bus session its settings need): keyboard-only use of every
// window, and where the window manager places and stacks windows.

#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_Gayrem.h"
#include "calculators/UMENU_UR.h"
#include "calculators/Udialog1.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/Uinfo.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/on_screen.h"
#include "toolkit/radio_group.h"
#include "toolkit/rich_text_box.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace loco {
namespace {

class WindowManager : public testing::Environment {
    void SetUp() override
    {
        wm_.start(QStringLiteral("xfwm4"), {QStringLiteral("--compositor=off")});
        // Ready once a new window gets a frame (one mapped before stays bare).
        bool framed = false;
        for (int attempt = 0; attempt < 75 && !framed; ++attempt) {
            QWidget probe;
            probe.show();
            framed = QTest::qWaitFor([&] { return probe.frameGeometry() != probe.geometry(); }, 200);
        }
        ASSERT_TRUE(framed) << "xfwm4 framed no window";
    }
    void TearDown() override
    {
        wm_.terminate();
        wm_.waitForFinished();
    }
    QProcess wm_;
};
const testing::Environment* const windowManager = testing::AddGlobalTestEnvironment(new WindowManager);

class KeyboardOnlyTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(awal_menu));
    }

    // Tabs to the named control, as a user does (every stop a control the
    // user can see), and presses the key there.
    void press(const QString& name, Qt::Key key, FormWindow* opens = nullptr, Qt::KeyboardModifiers modifiers = {})
    {
        for (int i = 0; i < 80 && focusName() != name; ++i) {
            pressKey(Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_TRUE(focus && focus->isVisible()) << focusName().toStdString();
            ASSERT_FALSE(isShadowed(focus, static_cast<FormWindow*>(focus->window())->content()));
            visited << focusName();
        }
        ASSERT_EQ(focusName(), name) << visited.join(' ').toStdString();
        pressKey(key, modifiers);
        if (opens) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(opens)) << opens->objectName().toStdString();
        }
    }

    // Runs the event loop until the program ends (0) or a second passes (7).
    int programEndsAfterPressing(const QString& name, Qt::Key key)
    {
        QObject scope;
        QTimer::singleShot(0, &scope, [this, name, key] { press(name, key); });
        QTimer::singleShot(1000, &scope, [] { QCoreApplication::exit(7); });
        return QApplication::exec();
    }

    QStringList visited;
};

TEST_F(KeyboardOnlyTest, EveryWindowIsOpenedUsedAndClosedWithKeysOnly)
{
    typeKeys(QStringLiteral("bOlt gerbong"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(menu1->isVisible()) << "Enter in the password box submitted";
    press(QStringLiteral("Panel2"), Qt::Key_Space, menu1);
    visited.clear();
    press(QStringLiteral("SpeedButton7"), Qt::Key_Return, DM); // the menu reads column by column
    EXPECT_EQ(
        visited.join(' ').toStdString(), "SpeedButton3 SpeedButton2 Image2 RecordsButton SpeedButton6 SpeedButton7");

    press(QStringLiteral("Button1"), Qt::Key_Return);
    EXPECT_FALSE(control<QLineEdit>(DM, "Edit15")->text().isEmpty());
    press(QStringLiteral("Button2"), Qt::Key_Return, menu1);

    press(QStringLiteral("SpeedButton6"), Qt::Key_Return, umurrem);
    visited.clear();
    press(QStringLiteral("Button1"), Qt::Key_Return);
    EXPECT_TRUE(visited.join(' ').endsWith(QStringLiteral("Edit23 Button1"))) << visited.join(' ').toStdString();
    EXPECT_FALSE(control<QLineEdit>(umurrem, "Edit31")->text().isEmpty());
    press(QStringLiteral("CheckBox2"), Qt::Key_Space, gayrem);
    press(QStringLiteral("Button2"), Qt::Key_Space);
    umurrem->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(umurrem));
    press(QStringLiteral("Button2"), Qt::Key_Return, menu1);

    press(QStringLiteral("SpeedButton4"), Qt::Key_Return, diagno);
    press(QStringLiteral("RadioGroup1_item0"), Qt::Key_Down);
    EXPECT_EQ(control<RadioGroup>(diagno, "RadioGroup1")->itemIndex(), 1);
    press(QStringLiteral("BitBtn8"), Qt::Key_Return);
    EXPECT_TRUE(control(diagno, "BITBTN1")->isEnabled());
    press(QStringLiteral("BitBtn4"), Qt::Key_Return, menu1);

    press(QStringLiteral("SpeedButton3"), Qt::Key_Return, PM);
    press(QStringLiteral("RadioButton1"), Qt::Key_Space);
    press(QStringLiteral("BitBtn1"), Qt::Key_Return);
    EXPECT_FALSE(control<RichTextBox>(PM, "RichEdit1")->lines().isEmpty());
    press(QStringLiteral("BitBtn3"), Qt::Key_Return, menu1);

    // Ctrl+Tab leaves the tune-up introduction; the text it covers takes no
    // focus until "PROSES" shows it.
    press(QStringLiteral("SpeedButton2"), Qt::Key_Return, TUNEUP);
    visited.clear();
    press(QStringLiteral("Memo1"), Qt::Key_Tab, nullptr, Qt::ControlModifier);
    EXPECT_NE(focusName(), QStringLiteral("Memo1"));
    press(QStringLiteral("BitBtn2"), Qt::Key_Return);
    EXPECT_FALSE(visited.contains(QStringLiteral("RichEdit1")));
    press(QStringLiteral("RadioGroup3_item0"), Qt::Key_Down);
    press(QStringLiteral("SpeedButton2"), Qt::Key_Return);
    press(QStringLiteral("RichEdit1"), Qt::Key_Tab);
    EXPECT_FALSE(control<RichTextBox>(TUNEUP, "RichEdit1")->lines().isEmpty());
    press(QStringLiteral("Button3"), Qt::Key_Return, menu1);

    EXPECT_EQ(programEndsAfterPressing(QStringLiteral("Image2"), Qt::Key_Return), 0);
}

TEST_F(KeyboardOnlyTest, AboutMeHelpAndCloseAnswerTheKeyboard)
{
    press(QStringLiteral("Image3"), Qt::Key_Return, info);
    press(QStringLiteral("Panel2"), Qt::Key_Space, awal_menu);
    press(QStringLiteral("Label3"), Qt::Key_Return);
    press(QStringLiteral("Panel3"), Qt::Key_Space);
    EXPECT_FALSE(control(awal_menu, "RichEdit1")->isVisible());
    EXPECT_EQ(programEndsAfterPressing(QStringLiteral("Image2"), Qt::Key_Space), 0);
}

class WindowManagerTest : public WindowsTest { };

// The diagnosis companion's place: right of the window, else left, else at
// the screen's right edge, never beyond the screen.
TEST(PlaceBeside, RightElseLeftElseAtTheEdgeWithinTheScreen)
{
    const QRect screen(0, 0, 1600, 900);
    EXPECT_EQ(placeBeside({100, 50, 800, 600}, {400, 600}, screen), QRect(900, 50, 400, 600));
    EXPECT_EQ(placeBeside({700, 50, 800, 600}, {400, 600}, screen), QRect(300, 50, 400, 600));
    EXPECT_EQ(placeBeside({300, 100, 1000, 850}, {400, 1000}, screen), QRect(1200, 0, 400, 900));
    EXPECT_EQ(placeBeside({0, 0, 800, 600}, {2000, 600}, screen), QRect(0, 0, 1600, 600));
}

TEST_F(WindowManagerTest, CentredWindowsAreCentredWithTheirFrame)
{
    for (FormWindow* window : {static_cast<FormWindow*>(info), static_cast<FormWindow*>(DIALOG1)}) {
        window->showModeless();
        const QPoint centre = window->screen()->geometry().center();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return window->frameGeometry() != window->geometry()
                && (window->frameGeometry().center() - centre).manhattanLength() <= 1;
        })) << window->objectName().toStdString()
            << ": frame centred at " << window->frameGeometry().center().x() << ","
            << window->frameGeometry().center().y();
    }
}

// Before, the notice stayed above every window of the program until "OK".
TEST_F(WindowManagerTest, TheNoticeStaysWithTheLifetimeWindowWithoutTakingTheKeyboard)
{
    umurrem->showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowActive(umurrem));
    clickOnScreen(control(umurrem, "Edit5"));
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeKeys(QStringLiteral("500"));
    const QPoint notice = DIALOG1->frameGeometry().center();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::topLevelAt(notice) == DIALOG1; }));
    EXPECT_EQ(focusName(), QStringLiteral("Edit5"));

    diagno->showModeless();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::topLevelAt(notice) == diagno; }));
}

} // namespace
} // namespace loco
