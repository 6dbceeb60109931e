// Runs on a real X server (Xvfb) with the real error box: the focus must be
// on the failing entry, its text still selected, once the box has taken the
// focus and given it back, which the offscreen platform does not do.

#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_Gayrem.h"
#include "calculators/UMENU_UR.h"
#include "shell/window_refs.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/error_box.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <ostream>

namespace loco {
namespace {

struct FailingEntry {
    const char* name;
    FormWindow* (*window)();
    const char* entry;
    const char* typed;
    const char* compute;
    const char* message;
};

void PrintTo(const FailingEntry& row, std::ostream* out)
{
    *out << row.name;
}

class FailingEntryTest : public WindowsTest, public testing::WithParamInterface<FailingEntry> {
protected:
    void TearDown() override
    {
        setErrorReporter(previous_);
        WindowsTest::TearDown();
    }

    ErrorReporter previous_ = setErrorReporter({});
};

TEST_P(FailingEntryTest, HasTheFocusWithItsTextSelectedOnceTheErrorBoxIsClosed)
{
    const FailingEntry& row = GetParam();
    FormWindow* window = row.window();
    window->showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget* entry = control(window, row.entry);
    auto* list = qobject_cast<QComboBox*>(entry);
    QLineEdit* edit = list ? list->lineEdit() : qobject_cast<QLineEdit*>(entry);
    ASSERT_NE(edit, nullptr);
    clickOnScreen(edit);
    pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_Delete);
    typeKeys(QString::fromLatin1(row.typed));
    // The box is closed with Enter, as a user does; its text is kept. The
    // click below waits for the box, so the closing is set up before it.
    QString shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<ErrorBox*>(QApplication::activeModalWidget())) {
            closer.stop();
            shown = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    closer.start(20);
    // A click elsewhere, so that only the failure can bring the focus back.
    clickOnScreen(control(window, row.compute));
    closer.stop();

    EXPECT_EQ(shown.toStdString(), row.message);
    // Xvfb has no window manager to hand the window the focus back.
    window->activateWindow();
    // A list's edit hands its focus to the list, which types into the edit.
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
    EXPECT_EQ(edit->selectedText().toStdString(), row.typed);
}

INSTANTIATE_TEST_SUITE_P(Entries, FailingEntryTest,
    testing::Values(FailingEntry{"EnginePowerEdit", [] { return static_cast<FormWindow*>(DM); }, "edit13", "x",
                        "Button1", "'x' is not a valid floating point value."},
        FailingEntry{"EnginePowerList", [] { return static_cast<FormWindow*>(DM); }, "ComboBox2", "dua", "Button1",
            "'dua' is not a valid floating point value."},
        FailingEntry{"BrakeForceLast", [] { return static_cast<FormWindow*>(gayrem); }, "Edit24", "1.5", "BitBtn1",
            "'1.5' is not a valid floating point value."},
        FailingEntry{"LifetimeSpeed", [] { return static_cast<FormWindow*>(umurrem); }, "ComboBox1", "70,5", "Button1",
            "'70,5' is not a valid integer value."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
