// Runs on a real X server (Xvfb) under a real window manager (xfwm4, started
// here, inside the D-Bus session that its settings need): keyboard-only use
// of every window, and where the window manager places and stacks windows.

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
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

namespace loco {
namespace {

class WindowManager : public testing::Environment {
public:
    void SetUp() override
    {
        wm_.start(QStringLiteral("xfwm4"), {QStringLiteral("--compositor=off")});
        ASSERT_TRUE(wm_.waitForStarted()) << "xfwm4 did not start";
        // Ready once a new window gets a frame (one mapped before stays bare).
        bool framed = false;
        for (int attempt = 0; attempt < 75 && !framed; ++attempt) {
            QWidget probe;
            probe.resize(100, 100);
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

private:
    QProcess wm_;
};

const testing::Environment* const windowManager = testing::AddGlobalTestEnvironment(new WindowManager);

// Where the focus sits, a list by its own name rather than its edit's.
QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return {};
    if (auto* list = qobject_cast<QComboBox*>(focus->parentWidget()))
        return list->objectName();
    return focus->objectName();
}

class KeyboardOnlyTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(awal_menu));
    }

    // Tabs to the named control of the active window, as a user does:
    // every stop on the way is a control the user can see.
    void tabTo(const QString& name)
    {
        for (int i = 0; i < 80 && focusName() != name; ++i) {
            pressKey(Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            auto* window = static_cast<FormWindow*>(focus->window());
            ASSERT_TRUE(focus->isVisible()) << focusName().toStdString();
            ASSERT_FALSE(isShadowed(focus, window->content())) << focusName().toStdString();
            visited << focusName();
        }
        ASSERT_EQ(focusName(), name) << visited.join(' ').toStdString();
    }

    void pressAndWaitFor(Qt::Key key, FormWindow* opened)
    {
        pressKey(key);
        ASSERT_TRUE(QTest::qWaitForWindowActive(opened)) << opened->objectName().toStdString();
    }

    // Runs the event loop until the program ends (0) or a second passes (7).
    int programEndsAfter(const std::function<void()>& keys)
    {
        QTimer press;
        QTimer giveUp;
        for (QTimer* timer : {&press, &giveUp})
            timer->setSingleShot(true);
        QObject::connect(&press, &QTimer::timeout, keys);
        QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        press.start(0);
        giveUp.start(1000);
        return QApplication::exec();
    }

    QStringList visited;
};

TEST_F(KeyboardOnlyTest, EveryWindowIsOpenedUsedAndClosedWithKeysOnly)
{
    typeKeys(QStringLiteral("bOlt gerbong"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(menu1->isVisible()) << "Enter in the password box submitted";
    tabTo(QStringLiteral("Panel2"));
    pressAndWaitFor(Qt::Key_Space, menu1);

    // The menu reads column by column.
    visited.clear();
    tabTo(QStringLiteral("SpeedButton7"));
    EXPECT_EQ(visited.join(' ').toStdString(), "SpeedButton3 SpeedButton2 Image2 SpeedButton6 SpeedButton7");

    pressAndWaitFor(Qt::Key_Return, DM);
    tabTo(QStringLiteral("Button1"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(control<QLineEdit>(DM, "Edit15")->text().isEmpty());
    tabTo(QStringLiteral("Button2"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(DM->isVisible());

    ASSERT_TRUE(QTest::qWaitForWindowActive(menu1));
    tabTo(QStringLiteral("SpeedButton6"));
    pressAndWaitFor(Qt::Key_Return, umurrem);
    visited.clear();
    tabTo(QStringLiteral("Button1"));
    EXPECT_TRUE(visited.join(' ').endsWith(QStringLiteral("Edit23 Button1"))) << visited.join(' ').toStdString();
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(control<QLineEdit>(umurrem, "Edit31")->text().isEmpty());
    tabTo(QStringLiteral("CheckBox2"));
    pressAndWaitFor(Qt::Key_Space, gayrem);
    tabTo(QStringLiteral("Button2"));
    pressKey(Qt::Key_Space);
    EXPECT_FALSE(gayrem->isVisible());
    umurrem->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(umurrem));
    tabTo(QStringLiteral("Button2"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(umurrem->isVisible());

    ASSERT_TRUE(QTest::qWaitForWindowActive(menu1));
    tabTo(QStringLiteral("SpeedButton4"));
    pressAndWaitFor(Qt::Key_Return, diagno);
    tabTo(QStringLiteral("RadioGroup1_item0"));
    pressKey(Qt::Key_Down);
    EXPECT_EQ(control<RadioGroup>(diagno, "RadioGroup1")->itemIndex(), 1);
    tabTo(QStringLiteral("BitBtn8"));
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(control(diagno, "BITBTN1")->isEnabled());
    tabTo(QStringLiteral("BitBtn4"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(diagno->isVisible());

    ASSERT_TRUE(QTest::qWaitForWindowActive(menu1));
    tabTo(QStringLiteral("SpeedButton3"));
    pressAndWaitFor(Qt::Key_Return, PM);
    tabTo(QStringLiteral("RadioButton1"));
    pressKey(Qt::Key_Space);
    tabTo(QStringLiteral("BitBtn1"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(control<RichTextBox>(PM, "RichEdit1")->lines().isEmpty());
    tabTo(QStringLiteral("BitBtn3"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(PM->isVisible());

    // The tune-up introduction is a text box that Tab leaves; the tutorial
    // text it covers takes no focus until "PROSES" shows it.
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu1));
    tabTo(QStringLiteral("SpeedButton2"));
    pressAndWaitFor(Qt::Key_Return, TUNEUP);
    visited.clear();
    tabTo(QStringLiteral("Button3"));
    EXPECT_TRUE(visited.contains(QStringLiteral("Memo1")));
    EXPECT_FALSE(visited.contains(QStringLiteral("RichEdit1")));
    tabTo(QStringLiteral("BitBtn2"));
    pressKey(Qt::Key_Return);
    tabTo(QStringLiteral("RadioGroup3_item0"));
    pressKey(Qt::Key_Down);
    tabTo(QStringLiteral("SpeedButton2"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(control<RichTextBox>(TUNEUP, "RichEdit1")->lines().isEmpty());
    tabTo(QStringLiteral("RichEdit1"));
    pressKey(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_NE(focusName(), QStringLiteral("RichEdit1"));
    tabTo(QStringLiteral("Button3"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(TUNEUP->isVisible());

    // The menu's "Close" ends the program, by keyboard as by a click.
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu1));
    tabTo(QStringLiteral("Image2"));
    EXPECT_EQ(programEndsAfter([] { pressKey(Qt::Key_Return); }), 0);
}

TEST_F(KeyboardOnlyTest, AboutMeOpensAndClosesAndCloseEndsTheProgram)
{
    tabTo(QStringLiteral("Image3"));
    pressAndWaitFor(Qt::Key_Return, info);
    EXPECT_EQ(focusName(), QStringLiteral("Panel2"));
    pressKey(Qt::Key_Space);
    EXPECT_FALSE(info->isVisible());

    ASSERT_TRUE(QTest::qWaitForWindowActive(awal_menu));
    tabTo(QStringLiteral("Label3"));
    pressKey(Qt::Key_Return);
    tabTo(QStringLiteral("Panel3"));
    pressKey(Qt::Key_Space);
    EXPECT_FALSE(control(awal_menu, "RichEdit1")->isVisible());
    tabTo(QStringLiteral("Image2"));
    EXPECT_EQ(programEndsAfter([] { pressKey(Qt::Key_Space); }), 0);
}

class WindowManagerTest : public WindowsTest { };

bool framed(const QWidget* window)
{
    return window->frameGeometry() != window->geometry();
}

TEST_F(WindowManagerTest, CentredWindowsAreCentredWithTheirFrame)
{
    for (FormWindow* window : {static_cast<FormWindow*>(info), static_cast<FormWindow*>(DIALOG1)}) {
        window->showModeless();
        const QPoint centre = window->screen()->geometry().center();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return framed(window) && (window->frameGeometry().center() - centre).manhattanLength() <= 1;
        })) << window->objectName().toStdString()
            << ": frame centred at " << window->frameGeometry().center().x() << ","
            << window->frameGeometry().center().y();
        window->close();
    }
}

// Before: the notice was transient for the whole program and stayed above
// every window until OK.
TEST_F(WindowManagerTest, TheNoticeStaysWithTheLifetimeWindowWithoutTakingTheKeyboard)
{
    umurrem->showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowActive(umurrem));
    auto* minimum = control<QLineEdit>(umurrem, "Edit5");
    clickOnScreen(minimum);
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeKeys(QStringLiteral("500"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(DIALOG1));
    const QPoint notice = DIALOG1->frameGeometry().center();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::topLevelAt(notice) == DIALOG1; }));
    EXPECT_EQ(QApplication::focusWidget(), minimum);

    diagno->showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowActive(diagno));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::topLevelAt(notice) == diagno; }))
        << "on top: "
        << (QApplication::topLevelAt(notice) ? qPrintable(QApplication::topLevelAt(notice)->objectName()) : "none");
}

} // namespace
} // namespace loco
