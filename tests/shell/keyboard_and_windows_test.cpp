#include "calculators/UMENU_DM.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/Uinfo.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "tests/support/windows_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace loco {
namespace {

class KeyboardTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(awal_menu));
    }
};

TEST_F(KeyboardTest, ThePasswordIsTypedWithoutAClickFirstAndAgainAfterARefusal)
{
    typeKeys(QStringLiteral("bolt"));
    clickOnScreen(control(awal_menu, "Panel2"));
    EXPECT_FALSE(menu1->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), control(awal_menu, "Edit1"));

    typeKeys(QStringLiteral("bOlt gerbong"));
    clickOnScreen(control(awal_menu, "Panel2"));
    EXPECT_TRUE(menu1->isVisible());
    EXPECT_EQ(awal_menu->focusWidget(), control(awal_menu, "Edit1"));
}

TEST_F(KeyboardTest, AMinimisedMenuIsRestoredByTheNextAcceptedPassword)
{
    menu1->showMinimized();
    awal_menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(awal_menu));
    typeKeys(QStringLiteral("boLt gerbong"));
    clickOnScreen(control(awal_menu, "Panel2"));
    EXPECT_TRUE(menu1->isVisible());
    EXPECT_FALSE(menu1->windowState() & Qt::WindowMinimized);
}

TEST_F(KeyboardTest, TabWalksTheEngineWindowInReadingOrderAndTheFocusComesBackWhereItWas)
{
    menu1->showModeless();
    menu1->resize(1032, 776); // the whole menu in view, as after enlarging its window
    clickOnScreen(control(menu1, "SpeedButton7"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(DM));
    QStringList visited{focusName()};
    for (int i = 0; i < 10; ++i) {
        pressKey(Qt::Key_Tab);
        visited << focusName();
    }
    // The results and the conclusion are not for typing: Tab passes them by.
    EXPECT_EQ(visited,
        QStringList({"edit11", "edit12", "edit13", "edit14", "ComboBox1", "ComboBox2", "edit18", "Button1", "Button3",
            "Button2", "edit11"}));

    pressKey(Qt::Key_Tab);
    DM->close();
    clickOnScreen(control(menu1, "SpeedButton7"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(DM));
    EXPECT_EQ(focusName(), QStringLiteral("edit12"));
}

TEST_F(KeyboardTest, EscapeClosesTheAboutWindow)
{
    clickOnScreen(control(awal_menu, "Image3"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(info));
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(info->isVisible());
    EXPECT_TRUE(awal_menu->isVisible());
}

class WindowPlacementTest : public WindowsTest { };

TEST_F(WindowPlacementTest, WindowsOpenWhereTheirDefinitionPutsThem)
{
    EXPECT_EQ(awal_menu->pos(), QPoint(-4, -4));
    DM->showModeless();
    EXPECT_EQ(DM->pos(), QPoint(-4, -4));
}

TEST_F(WindowPlacementTest, TheWordCloseInTheMenuLiesOverThePictureAndDoesNothing)
{
    menu1->showModeless();
    menu1->resize(1032, 776); // the whole menu in view, as after enlarging its window
    QWidget* word = control(menu1, "Label1");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu1));
    QList<QPoint> points;
    for (int x = 1; x < word->width(); x += 4)
        for (int y = 1; y < word->height(); y += 4)
            points << word->mapTo(menu1, QPoint(x, y));
    for (const QPoint p : points)
        EXPECT_EQ(menu1->childAt(p), word) << p.x() << "," << p.y();

    QTimer::singleShot(0, [&] {
        for (const QPoint p : points)
            clickAt(menu1, p);
    });
    // Had a click ended the program, the loop would have returned 0 first.
    QTimer::singleShot(100, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 7);
}

} // namespace
} // namespace loco
