#include "shell/UAWAL_MENU1.h"
#include "shell/Uinfo.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "tests/support/windows_fixture.h"

#include <QApplication>
#include <QScreen>

namespace loco {
namespace {

class WindowRegistryTest : public WindowsTest { };

TEST_F(WindowRegistryTest, CreatesTheTenWindowsOnceInTheirOrderWithTheLoginWindowFirst)
{
    QStringList names;
    for (FormWindow* w : loco::windows())
        names << w->objectName();
    EXPECT_EQ(names,
        (QStringList{"awal_menu", "info", "DIALOG1", "menu1", "DM", "gayrem", "PM", "TUNEUP", "umurrem", "diagno"}));
    int mainWindows = 0;
    int topLevels = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<FormWindow*>(w);
        if (!form)
            continue;
        ++topLevels;
        mainWindows += form->isMainWindow();
    }
    EXPECT_EQ(topLevels, 10);
    EXPECT_EQ(mainWindows, 1);
    EXPECT_TRUE(awal_menu->isMainWindow());
}

TEST_F(WindowRegistryTest, AWindowOnFirstUseIsMadeOnceAndDestroyedWithTheTen)
{
    int made = 0;
    WindowOnFirstUse<FormWindow> later([&made] {
        ++made;
        return new FormWindow;
    });
    EXPECT_EQ(loco::windows().size(), 10);
    FormWindow* window = later.get();
    EXPECT_EQ(later.get(), window);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(loco::windows().last(), window);
    const QPointer<FormWindow> watched(window);
    loco::destroyWindows();
    EXPECT_TRUE(watched.isNull());
    EXPECT_TRUE(loco::windows().isEmpty());
}

TEST_F(WindowRegistryTest, OnlyTheLoginWindowIsShownAtStart)
{
    for (FormWindow* w : loco::windows())
        EXPECT_EQ(w->isVisible(), w == awal_menu) << w->objectName().toStdString();
}

struct Caption {
    const char* window;
    const char* caption;
};

class CaptionTest : public WindowsTest, public testing::WithParamInterface<Caption> { };

TEST_P(CaptionTest, WindowCarriesItsCaption)
{
    int found = 0;
    for (FormWindow* w : loco::windows()) {
        if (w->objectName() == QLatin1String(GetParam().window)) {
            ++found;
            EXPECT_EQ(w->windowTitle(), QString::fromUtf8(GetParam().caption));
        }
    }
    EXPECT_EQ(found, 1);
}

INSTANTIATE_TEST_SUITE_P(Windows, CaptionTest,
    testing::Values(Caption{"awal_menu", "awal_menu"}, Caption{"info", "informasi"}, Caption{"DIALOG1", "Dialog"},
        Caption{"menu1", "menu1"}, Caption{"DM", "DM"}, Caption{"gayrem", "menghitung umur & gaya Rem"},
        Caption{"PM", "PM"}, Caption{"TUNEUP", "s"}, Caption{"umurrem", "Menghitung Kampas & gaya Rem"},
        Caption{"diagno", "diagno"}),
    [](const auto& info) { return std::string(info.param.window); });

TEST_F(WindowRegistryTest, AboutWindowIsAFixedDialogCentredOnTheScreen)
{
    info->show();
    EXPECT_EQ(info->size(), QSize(499, 310));
    EXPECT_EQ(info->minimumSize(), info->maximumSize());
    EXPECT_FALSE(info->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(info->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE((info->geometry().center() - screen.center()).manhattanLength(), 4);
}

TEST_F(WindowRegistryTest, AboutWindowClosesFromItsBarAndItsLabel)
{
    for (const char* name : {"Panel2", "Label8"}) {
        info->show();
        click(control(info, name));
        EXPECT_FALSE(info->isVisible()) << name;
    }
}

} // namespace
} // namespace loco
