#include "shell/UAWAL_MENU1.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "tests/support/windows_fixture.h"

#include <QApplication>
#include <QTimer>

#include <functional>

namespace loco {
namespace {

struct EndCase {
    const char* name;
    std::function<void()> act;
};

class ProgramEndTest : public WindowsTest, public testing::WithParamInterface<EndCase> { };

// Each way out ends the event loop with exit code 0, whatever else is open.
TEST_P(ProgramEndTest, EndsTheEventLoopWithExitCodeZero)
{
    menu1->show();
    for (FormWindow* w : loco::windows())
        w->show();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        GetParam().act();
    });
    // A loop that does not end fails the test instead of hanging it.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(ran);
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramEndTest,
    testing::Values(EndCase{"LoginCloseMark", [] { click(control(awal_menu, "Image2")); }},
        EndCase{"LoginFrameClose", [] { awal_menu->close(); }},
        EndCase{"MenuClosePicture", [] { click(control(menu1, "Image2")); }}),
    [](const auto& info) { return std::string(info.param.name); });

class OtherWindowsTest : public WindowsTest { };

TEST_F(OtherWindowsTest, ClosingAnyOtherWindowOnlyHidesIt)
{
    QTimer::singleShot(0, [] {
        for (FormWindow* w : loco::windows()) {
            if (w == awal_menu)
                continue;
            w->show();
            w->close();
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        }
    });
    // Had any close ended the program, the loop would have returned 0 first.
    QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 7);
    EXPECT_TRUE(awal_menu->isVisible());
}

} // namespace
} // namespace loco
