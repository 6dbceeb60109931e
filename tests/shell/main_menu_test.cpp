#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_UR.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "tests/support/windows_fixture.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <QApplication>

namespace loco {
namespace {

struct MenuEntry {
    const char* button;
    FormWindow* (*window)();
    const char* windowName;
};

class MenuButtonTest : public WindowsTest, public testing::WithParamInterface<MenuEntry> { };

TEST_P(MenuButtonTest, OpensExactlyItsWindowAndBringsTheSameOneBack)
{
    menu1->show();
    click(control(menu1, GetParam().button));
    FormWindow* opened = GetParam().window();
    EXPECT_EQ(opened->objectName(), QString::fromLatin1(GetParam().windowName));
    for (FormWindow* w : loco::windows())
        EXPECT_EQ(w->isVisible(), w == awal_menu || w == menu1 || w == opened) << w->objectName().toStdString();

    opened->move(17, 23);
    click(control(menu1, GetParam().button));
    EXPECT_EQ(GetParam().window(), opened);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_EQ(opened->pos(), QPoint(17, 23));
}

INSTANTIATE_TEST_SUITE_P(Entries, MenuButtonTest,
    testing::Values(MenuEntry{"SpeedButton4", []() -> FormWindow* { return diagno; }, "diagno"},
        MenuEntry{"SpeedButton3", []() -> FormWindow* { return PM; }, "PM"},
        MenuEntry{"SpeedButton2", []() -> FormWindow* { return TUNEUP; }, "TUNEUP"},
        MenuEntry{"SpeedButton6", []() -> FormWindow* { return umurrem; }, "umurrem"},
        MenuEntry{"SpeedButton7", []() -> FormWindow* { return DM; }, "DM"}),
    [](const auto& info) { return std::string(info.param.windowName); });

class MainMenuTest : public WindowsTest { };

TEST_F(MainMenuTest, ClosingTheMenuByItsFrameOnlyHidesIt)
{
    menu1->show();
    diagno->show();
    menu1->close();
    EXPECT_FALSE(menu1->isVisible());
    EXPECT_TRUE(diagno->isVisible());
    EXPECT_TRUE(awal_menu->isVisible());
}

TEST_F(MainMenuTest, TheWordCloseDoesNothing)
{
    menu1->show();
    click(control(menu1, "Label1"));
    EXPECT_TRUE(menu1->isVisible());
}

TEST_F(MainMenuTest, CloseIsReachedByScrollingInTheSmallerWindow)
{
    QWidget* closePicture = control(menu1, "Image2");
    const QPoint inContent = closePicture->mapTo(menu1->content(), QPoint(0, 0));
    EXPECT_GT(inContent.x() + closePicture->width(), menu1->width());
    EXPECT_GE(menu1->content()->minimumWidth(), inContent.x() + closePicture->width());
}

} // namespace
} // namespace loco
